#include "platform/version_info.h"

#include <gtest/gtest.h>

namespace tw {
namespace {

// On Windows this test program carries the wizard's version resource, made
// from the project version; elsewhere the version is compiled in.
TEST(ReadFileVersion, IsTheProjectVersion) {
  EXPECT_EQ(ReadFileVersion(), "1.0.0.0");
  EXPECT_EQ(ReadFileVersion(), TW_VERSION);
}

}  // namespace
}  // namespace tw
