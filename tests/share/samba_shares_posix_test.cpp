#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "platform/errors.h"
#include "platform/posix/run_captured.h"
#include "platform/posix/samba_shares.h"
#include "platform/shares.h"
#include "support/samba_server.h"
#include "wizard/command_lines.h"

namespace tw {
namespace {

namespace fs = std::filesystem;
using test::SambaSandbox;
using ::testing::ElementsAre;
using ::testing::HasSubstr;

const std::string kName(kDataShareName);
const std::string kRemark(kDataShareRemark);

std::string MakeFolder(const std::string& path, const std::string& file, const std::string& content) {
  fs::create_directories(path);
  std::ofstream(path + "/" + file, std::ios::binary) << content;
  return path;
}

// What the system's `net` reports about this sandbox's user shares.
std::string UserShareInfo(const SambaSandbox& samba) { return samba.Net({"usershare", "info"}).output; }

class SambaShareTest : public ::testing::Test {
 protected:
  void SetUp() override {
    if (const std::string reason = SambaSandbox::CannotRunReason(); !reason.empty()) GTEST_SKIP() << reason;
    const std::string failure = samba_.Start();
    ASSERT_EQ(failure, "");
  }

  SambaSandbox samba_;
  std::unique_ptr<ShareService> shares_ = CreateShareService(samba_.ConfigFile());
};

TEST_F(SambaShareTest, GuestsReadTheSharedFolder) {
  // Spaces and letters beyond ASCII reach Samba as one argument.
  const std::string folder = MakeFolder(samba_.Root() + "/Tellwick Dätä", "TELLWICK.DAT", "database file\n");
  shares_->DeleteShare(kName);
  shares_->AddShare({folder, kName, kRemark});

  EXPECT_THAT(samba_.DiskShares(), ElementsAre(kName + "|" + kRemark));
  EXPECT_EQ(samba_.ReadAsGuest(kName, "TELLWICK.DAT"), "database file\n");
  const std::string info = UserShareInfo(samba_);
  EXPECT_THAT(info, HasSubstr("path=" + folder + "\n"));
  EXPECT_THAT(info, HasSubstr("usershare_acl=S-1-1-0:F"));
  EXPECT_THAT(info, HasSubstr("guest_ok=y"));
}

TEST_F(SambaShareTest, ReplacesAShareOfAnotherFolder) {
  const std::string old = MakeFolder(samba_.Root() + "/old", "OLD.DAT", "old");
  const std::string current = MakeFolder(samba_.Root() + "/current", "NEW.DAT", "new");
  ASSERT_EQ(samba_.Net({"usershare", "add", kName, old, "old share", "S-1-1-0:R", "guest_ok=y"}).exitCode, 0);
  ASSERT_EQ(samba_.ReadAsGuest(kName, "OLD.DAT"), "old");

  shares_->DeleteShare(kName);
  shares_->AddShare({current, kName, kRemark});

  EXPECT_THAT(samba_.DiskShares(), ElementsAre(kName + "|" + kRemark));
  EXPECT_EQ(samba_.ReadAsGuest(kName, "NEW.DAT"), "new");
  EXPECT_THROW(samba_.ReadAsGuest(kName, "OLD.DAT"), std::runtime_error);
}

TEST_F(SambaShareTest, DeletingRemovesTheShareAndAMissingOneIsNoError) {
  const std::string folder = MakeFolder(samba_.Root() + "/data", "TELLWICK.DAT", "x");
  shares_->AddShare({folder, kName, kRemark});
  ASSERT_THAT(samba_.DiskShares(), ElementsAre(kName + "|" + kRemark));

  shares_->DeleteShare(kName);
  EXPECT_THAT(samba_.DiskShares(), ElementsAre());
  shares_->DeleteShare(kName);
  EXPECT_THAT(samba_.DiskShares(), ElementsAre());
}

// Failures need only `net`, no running server.
struct FailureCase {
  const char* what;
  std::vector<std::string> settings;  // added to the sandbox's configuration
  const char* folder;                 // inside the sandbox
  std::vector<const char*> reasons;   // all in the error's text
};

void PrintTo(const FailureCase& c, std::ostream* out) { *out << c.what; }

class SambaShareFailureTest : public ::testing::TestWithParam<FailureCase> {};

TEST_P(SambaShareFailureTest, SaysWhatToDoAndCreatesNothing) {
  if (::access(FindOnPath("net", "/usr/bin/net").c_str(), X_OK) != 0) GTEST_SKIP() << "Samba's net is not installed";
  const FailureCase& c = GetParam();
  SambaSandbox samba(c.settings);
  fs::create_directories(samba.Root() + "/data");
  const std::string folder = samba.Root() + "/" + c.folder;
  const auto shares = CreateShareService(samba.ConfigFile());

  shares->DeleteShare(kName);
  try {
    shares->AddShare({folder, kName, kRemark});
    ADD_FAILURE() << "the share was created";
  } catch (const PlatformError& error) {
    for (const char* reason : c.reasons) EXPECT_THAT(error.what(), HasSubstr(reason));
  }
  EXPECT_TRUE(fs::is_empty(samba.Root() + "/usershares"));
}

INSTANTIATE_TEST_SUITE_P(
    Samba, SambaShareFailureTest,
    ::testing::Values(FailureCase{"NoUserShareFolder",
                                  {"usershare path = /nonexistent/usershares"},
                                  "data",
                                  {"Samba user shares are not enabled on this computer", "usershare path"}},
                      FailureCase{"NoUserSharesAllowed",
                                  {"usershare max shares = 0"},
                                  "data",
                                  {"Samba user shares are not enabled on this computer", "usershare max shares"}},
                      FailureCase{"NoGuests",
                                  {"usershare allow guests = no"},
                                  "data",
                                  {"does not let guests use user shares", "usershare allow guests = yes"}},
                      FailureCase{"NoFolder", {}, "missing", {"Samba could not create the share", "/missing"}}),
    [](const auto& info) { return info.param.what; });

TEST(SambaShares, WithoutSambaSaysToInstallIt) {
  SambaUserShares shares("/nonexistent/net", "");
  shares.DeleteShare(kName);
  try {
    shares.AddShare({"/tmp", kName, kRemark});
    ADD_FAILURE() << "the share was created";
  } catch (const PlatformError& error) {
    EXPECT_THAT(error.what(), HasSubstr("Samba is not installed on this computer"));
  }
}

TEST(SambaShares, ComputerNameIsSambasOwn) {
  const std::string testparm = FindOnPath("testparm", "/usr/bin/testparm");
  if (::access(testparm.c_str(), X_OK) != 0) GTEST_SKIP() << "Samba's testparm is not installed";
  SambaSandbox samba;
  const CapturedRun run =
      RunCaptured(testparm, {"--suppress-prompt", "--parameter-name=netbios name", samba.ConfigFile()});
  ASSERT_EQ(run.exitCode, 0) << run.output;
  // testparm's notes come first; the value is the last line.
  std::string value = run.output;
  while (!value.empty() && value.back() == '\n') value.pop_back();
  EXPECT_EQ(value.substr(value.rfind('\n') + 1), ReadComputerName()) << run.output;
}

}  // namespace
}  // namespace tw
