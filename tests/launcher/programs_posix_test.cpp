#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <functional>
#include <sstream>
#include <thread>

#include "launcher/stand_in_fixture.h"
#include "platform/errors.h"
#include "platform/programs.h"
#include "support/product_sim.h"
#include "support/test_hive.h"

namespace tw {
namespace {

namespace fs = std::filesystem;
using simtest::ReadLines;
using simtest::ScopedEnvironment;
using simtest::StageProductSim;
using simtest::WaitForLines;

class PosixProgramsTest : public simtest::StandInTest {};

void WriteFile(const std::string& file, const std::string& text, mode_t mode) {
  std::ofstream(file) << text;
  ASSERT_EQ(::chmod(file.c_str(), mode), 0);
}

struct UnstartableCase {
  const char* what;
  std::function<void(const std::string& file)> make;
  const char* reason;
};

void PrintTo(const UnstartableCase& c, std::ostream* out) { *out << c.what; }

class UnstartableProgramTest : public PosixProgramsTest, public testing::WithParamInterface<UnstartableCase> {};

// A failed exec is the start's failure, not an exit code of a program that
// never ran.
TEST_P(UnstartableProgramTest, TheStartFailsWithTheSystemsReason) {
  const std::string file = folder.File("Tellwick4Setup.exe");
  GetParam().make(file);
  for (const bool detached : {false, true}) {
    SCOPED_TRACE(detached ? "detached" : "waited for");
    EXPECT_EQ(StartError(file, detached), "Cannot start " + file + ": " + GetParam().reason);
  }
}

INSTANTIATE_TEST_SUITE_P(
    Files, UnstartableProgramTest,
    testing::Values(
        UnstartableCase{"missing", [](const std::string&) {}, "No such file or directory"},
        UnstartableCase{"not executable", [](const std::string& file) { WriteFile(file, "MZ", 0644); },
                        "Permission denied"},
        UnstartableCase{"not a program", [](const std::string& file) { WriteFile(file, "MZ\x90 garbage", 0755); },
                        "Exec format error"},
        UnstartableCase{"a folder", [](const std::string& file) { fs::create_directory(file); }, "Permission denied"}),
    [](const auto& info) {
      std::string name = info.param.what;
      std::erase(name, ' ');
      return name;
    });

// Children of this process that have ended but were not collected.
int ZombieChildren() {
  int zombies = 0;
  for (const auto& entry : fs::directory_iterator("/proc")) {
    std::ifstream stat(entry.path() / "stat");
    std::string line;
    if (!std::getline(stat, line)) continue;
    // pid (name) state ppid ...; the name may hold spaces and parentheses.
    std::istringstream rest(line.substr(line.rfind(')') + 1));
    char state = 0;
    pid_t parent = 0;
    rest >> state >> parent;
    if (parent == ::getpid() && state == 'Z') ++zombies;
  }
  return zombies;
}

TEST_F(PosixProgramsTest, ProgramsNobodyWaitsForLeaveNoZombie) {
  starter->StartDetached(StageProductSim(folder.Path(), "README.EXE"), "");
  starter->Start(StageProductSim(folder.Path(), "tool.exe"), "abandoned");
  ASSERT_EQ(WaitForLines(log, 2).size(), 2u);
  const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(10);
  while (ZombieChildren() > 0 && std::chrono::steady_clock::now() < deadline)
    std::this_thread::sleep_for(std::chrono::milliseconds(20));
  EXPECT_EQ(ZombieChildren(), 0);
}

TEST_F(PosixProgramsTest, ADetachedProgramOutlivesTheProgramThatStartedIt) {
  const ScopedEnvironment runFor("TELLWICK_SIM_SLEEP_MS", "1000");
  const std::string readMe = StageProductSim(folder.Path(), "README.EXE");
  GTEST_FLAG_SET(death_test_style, "fast");
  EXPECT_EXIT(
      {
        starter->StartDetached(readMe, "");
        std::_Exit(0);
      },
      testing::ExitedWithCode(0), "");
  EXPECT_EQ(WaitForLines(log, 1), std::vector<std::string>{"readme"});
}

}  // namespace
}  // namespace tw
