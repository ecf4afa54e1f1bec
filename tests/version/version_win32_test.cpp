#include <gtest/gtest.h>
#include <windows.h>

#include <string>

#include "platform/folders.h"
#include "platform/win32/file_version.h"

namespace tw {
namespace {

TEST(ReadFileVersion, ReadsTheFileVersionOfAGivenProgram) {
  EXPECT_EQ(ReadFileVersion(ProgramFolder() + "version_tests.exe"), "1.0.0.0");
}

TEST(ReadFileVersion, NotAvailableWithoutAResource) {
  struct Case {
    const char* name;
    std::string file;
  };
  const Case cases[] = {
      {"a program without a version resource", ProgramFolder() + "product-sim.exe"},
      {"a missing file", ProgramFolder() + "no-such-program.exe"},
  };
  for (const Case& c : cases) EXPECT_EQ(ReadFileVersion(c.file), "Value Not Available") << c.name;
}

}  // namespace
}  // namespace tw
