#include "platform/programs.h"

#include <gtest/gtest.h>

#include <thread>

#include "launcher/stand_in_fixture.h"
#include "platform/errors.h"
#include "support/product_sim.h"
#include "support/test_hive.h"

namespace tw {
namespace {

using simtest::ReadLines;
using simtest::ScopedEnvironment;
using simtest::StageProductSim;
using simtest::WaitForLines;

class ProgramsTest : public simtest::StandInTest {};

struct ArgumentsCase {
  const char* parameters;
  const char* logLine;  // the stand-in's record: each argument it received in brackets
};

void PrintTo(const ArgumentsCase& c, std::ostream* out) { *out << c.parameters; }

class ProgramArgumentsTest : public ProgramsTest, public testing::WithParamInterface<ArgumentsCase> {};

TEST_P(ProgramArgumentsTest, TheProgramReceivesTheParameterTextAsTheProductReadsIt) {
  const std::string program = StageProductSim(folder.Path(), "tool.exe");
  EXPECT_EQ(starter->Start(program, GetParam().parameters)->WaitForExit(), 0);
  EXPECT_EQ(ReadLines(log), std::vector<std::string>{GetParam().logLine});
}

INSTANTIATE_TEST_SUITE_P(
    Parameters, ProgramArgumentsTest,
    testing::Values(
        ArgumentsCase{"", "program"},
        ArgumentsCase{R"(/COMPONENTS="Tellwick,Linkmate" /DIR="C:\Program Files\Tellwick" /SILENT)",
                      R"(program [/COMPONENTS=Tellwick,Linkmate] [/DIR=C:\Program Files\Tellwick] [/SILENT])"},
        ArgumentsCase{R"(/DIR="C:\X\" /SILENT)", R"(program [/DIR=C:\X\] [/SILENT])"},
        ArgumentsCase{R"("/SILENT" "\\SERVER\Apps\Tellwick\Data")",
                      R"(program [/SILENT] [\\SERVER\Apps\Tellwick\Data])"},
        ArgumentsCase{R"("/SILENT" "/data/x y")", "program [/SILENT] [/data/x y]"},
        ArgumentsCase{"/DIR=\"/home/jürgen/Données Ω\" /SILENT", "program [/DIR=/home/jürgen/Données Ω] [/SILENT]"},
        // Nothing between the wizard and the program interprets the text.
        ArgumentsCase{"a;b $HOME %TEMP% *", "program [a;b] [$HOME] [%TEMP%] [*]"}));

class ProgramExitTest : public ProgramsTest, public testing::WithParamInterface<int> {};

TEST_P(ProgramExitTest, WaitingReportsTheExitCodeAlsoFromAnotherThread) {
  const ScopedEnvironment exitWith("TELLWICK_SIM_EXIT", std::to_string(GetParam()));
  const std::string program = StageProductSim(folder.Path(), "tool.exe");
  const std::unique_ptr<Program> started = starter->Start(program, "x");
  int exitCode = -1;
  std::thread([&] { exitCode = started->WaitForExit(); }).join();
  EXPECT_EQ(exitCode, GetParam());
  EXPECT_EQ(ReadLines(log), std::vector<std::string>{"program [x]"});
}

INSTANTIATE_TEST_SUITE_P(Codes, ProgramExitTest, testing::Values(0, 1, 3, 255));

struct NameCase {
  const char* stagedAs;
  const char* startedAs;
  const char* role;
};

void PrintTo(const NameCase& c, std::ostream* out) { *out << c.stagedAs << " started as " << c.startedAs; }

class ProgramNameTest : public ProgramsTest, public testing::WithParamInterface<NameCase> {};

TEST_P(ProgramNameTest, TheFileIsFoundWithoutRegardToLetterCase) {
  const ScopedEnvironment doNoWork("TELLWICK_SIM_EXIT", "0");
  StageProductSim(folder.Path(), GetParam().stagedAs);
  EXPECT_EQ(starter->Start(folder.File(GetParam().startedAs), "")->WaitForExit(), 0);
  EXPECT_EQ(ReadLines(log), std::vector<std::string>{GetParam().role});
}

INSTANTIATE_TEST_SUITE_P(Names, ProgramNameTest,
                         testing::Values(NameCase{"TELLWICK4SETUP.EXE", "Tellwick4Setup.exe", "installer"},
                                         NameCase{"renovo.EXE", "Renovo.exe", "database"},
                                         NameCase{"ReadMe.exe", "README.EXE", "readme"}));

TEST_F(ProgramsTest, AFolderWithSpacesAndNonAsciiLettersHoldsTheProgram) {
  const std::string program = StageProductSim(folder.File("Dossier Ünï Ω"), "tool.exe");
  EXPECT_EQ(starter->Start(program, "/SILENT")->WaitForExit(), 0);
  EXPECT_EQ(ReadLines(log), std::vector<std::string>{"program [/SILENT]"});
}

TEST_F(ProgramsTest, AProgramThatIsNotThereIsReportedWithItsFileAndTheReason) {
  for (const std::string& file : {folder.File("missing.exe"), simtest::Join(folder.File("no folder"), "Renovo.exe")}) {
    for (const bool detached : {false, true}) {
      SCOPED_TRACE(file + (detached ? " detached" : " waited for"));
      const std::optional<std::string> message = StartError(file, detached);
      ASSERT_TRUE(message) << "no error";
      const std::string start = "Cannot start " + file + ": ";
      EXPECT_EQ(message->substr(0, start.size()), start);
      EXPECT_GT(message->size(), start.size()) << "the system's reason is missing";
    }
  }
  EXPECT_EQ(ReadLines(log), std::vector<std::string>{});
}

TEST_F(ProgramsTest, ADetachedProgramRunsOnAfterTheStartReturns) {
  const ScopedEnvironment runFor("TELLWICK_SIM_SLEEP_MS", "1500");
  const std::string program = StageProductSim(folder.Path(), "README.EXE");
  starter->StartDetached(program, "");
  // The stand-in writes its line when it ends.
  EXPECT_EQ(ReadLines(log), std::vector<std::string>{});
  EXPECT_EQ(WaitForLines(log, 1), std::vector<std::string>{"readme"});
}

}  // namespace
}  // namespace tw
