#include <gtest/gtest.h>
#include <windows.h>

#include <fstream>

#include "launcher/stand_in_fixture.h"
#include "platform/errors.h"
#include "platform/programs.h"
#include "platform/win32/wide.h"
#include "support/product_sim.h"
#include "support/test_hive.h"

namespace tw {
namespace {

using simtest::ReadLines;
using simtest::ScopedEnvironment;
using simtest::StageProductSim;

class WindowsProgramsTest : public simtest::StandInTest {};

struct UnstartableCase {
  const char* what;
  const char* file;  // inside the test's folder
  DWORD error;
};

void PrintTo(const UnstartableCase& c, std::ostream* out) { *out << c.what; }

class UnstartableProgramTest : public WindowsProgramsTest, public testing::WithParamInterface<UnstartableCase> {};

TEST_P(UnstartableProgramTest, TheShellsReasonIsReported) {
  const std::string file = folder.File(GetParam().file);
  EXPECT_EQ(StartError(file, false), "Cannot start " + file + ": " + SystemMessage(GetParam().error));
}

INSTANTIATE_TEST_SUITE_P(Files, UnstartableProgramTest,
                         testing::Values(UnstartableCase{"missing", "Tellwick4Setup.exe", ERROR_FILE_NOT_FOUND},
                                         UnstartableCase{"missingFolder", "gone\\Renovo.exe", ERROR_PATH_NOT_FOUND}),
                         [](const auto& info) { return info.param.what; });

// Windows finds no program for it; Wine tries to run it as one. Either way
// the start fails.
TEST_F(WindowsProgramsTest, AFileThatIsNoProgramIsNotReportedAsStarted) {
  const std::string file = folder.File("README.tellwick-none");
  std::ofstream(file) << "text";
  try {
    starter->Start(file, "");
    ADD_FAILURE() << "no error";
  } catch (const LaunchError& error) {
    const std::string start = "Cannot start " + file + ": ";
    EXPECT_EQ(std::string(error.what()).substr(0, start.size()), start);
  }
}

TEST_F(WindowsProgramsTest, ExitCodesAboveAByteArriveWhole) {
  const ScopedEnvironment exitWith("TELLWICK_SIM_EXIT", "1000");
  EXPECT_EQ(starter->Start(StageProductSim(folder.Path(), "tool.exe"), "")->WaitForExit(), 1000);
}

}  // namespace
}  // namespace tw
