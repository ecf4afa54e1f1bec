#include <gtest/gtest.h>
#include <stdlib.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "platform/trace.h"

namespace tw {
namespace {

namespace fs = std::filesystem;

class TraceTarget : public ::testing::Test {
 protected:
  void TearDown() override {
    unsetenv("TELLWICK_TRACE");
    fs::remove_all(dir);
  }
  void Target(const std::string& value) { setenv("TELLWICK_TRACE", value.c_str(), 1); }
  void Write(TraceSink& sink) {
    TraceObject CS(sink);
    CS.EnterMethod("frmMain", "ShowIntroPage");
    CS.Send("CommandLine", "\"/SILENT\" \"/srv/it's here\"");
    CS.ExitMethod("frmMain", "ShowIntroPage");
  }
  fs::path dir = fs::temp_directory_path() / ("tw-trace-" + std::to_string(getpid()));
};

constexpr const char* kRecords =
    "Enter frmMain.ShowIntroPage\n"
    "CommandLine = '\"/SILENT\" \"/srv/it's here\"'\n"
    "Exit frmMain.ShowIntroPage\n";

TEST_F(TraceTarget, AppendsRecordsToTheNamedFile) {
  fs::create_directories(dir);
  const fs::path file = dir / "trace.log";
  std::ofstream(file) << "earlier\n";
  Target(file.string());
  Write(*OpenTraceSink());
  std::stringstream text;
  text << std::ifstream(file).rdbuf();
  EXPECT_EQ(text.str(), std::string("earlier\n") + kRecords);
}

TEST_F(TraceTarget, DashMeansStandardError) {
  Target("-");
  ::testing::internal::CaptureStderr();
  Write(*OpenTraceSink());
  EXPECT_EQ(::testing::internal::GetCapturedStderr(), kRecords);
}

TEST_F(TraceTarget, UnsetOrUnwritableTargetsSwallowRecordsQuietly) {
  unsetenv("TELLWICK_TRACE");
  ::testing::internal::CaptureStderr();
  Write(*OpenTraceSink());
  Target((dir / "no" / "such" / "folder" / "trace.log").string());
  Write(*OpenTraceSink());
  EXPECT_EQ(::testing::internal::GetCapturedStderr(), "");
  EXPECT_FALSE(fs::exists(dir));
}

}  // namespace
}  // namespace tw
