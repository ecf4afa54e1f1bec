#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <QLineEdit>
#include <QPushButton>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "platform/qt/htmlabel.h"
#include "platform/shares.h"
#include "support/qt/window_fixture.h"
#include "support/samba_server.h"
#include "wizard/command_lines.h"

namespace tw::test {
namespace {

namespace fs = std::filesystem;
using ::testing::ElementsAre;

const std::string kShare = std::string(kDataShareName) + "|" + std::string(kDataShareRemark);

std::vector<std::string> FilesIn(const std::string& folder) {
  std::vector<std::string> names;
  std::error_code error;
  for (const auto& entry : fs::directory_iterator(folder, error))
    if (entry.is_regular_file()) names.push_back(entry.path().filename().string());
  return names;
}

// Every box shown, for a failure's message.
std::string Boxes(const std::vector<Box>& shown) {
  std::string texts;
  for (const Box& box : shown) texts += "[" + box.text.toStdString() + "]";
  return texts;
}

std::string Content(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  std::stringstream text;
  text << in.rdbuf();
  return text.str();
}

// The host's set-up as a user goes through it, with the real launcher, the
// product stand-in, the settings file and Samba user shares of a private
// Samba configuration. The host folder lies where Samba's guest may enter.
class HostSetUp {
 public:
  explicit HostSetUp(const SambaSandbox& samba)
      : shares_(CreateShareService(samba.ConfigFile())),
        fixture({.shares = shares_.get(), .computerName = ReadComputerName()}),
        w(*fixture.window),
        install(samba.Root() + "/Tellwick Host"),
        data(install + "/Data") {}

  // Install, then Next to the database page.
  void Install() {
    WalkTo(w, Page::tabP2PHostReady, QString::fromStdString(install));
    w.btnInstallHostPC->click();
    ASSERT_TRUE(w.btnNext->isEnabled()) << "the installer run failed";
    w.btnNext->click();
    ASSERT_EQ(w.ActivePage(), Page::tabP2PRenovo);
  }

 private:
  std::unique_ptr<ShareService> shares_;

 public:
  WindowFixture fixture;
  TfrmMain& w;
  const std::string install;
  const std::string data;
};

class HostSetUpWithSamba : public ::testing::Test {
 protected:
  void SetUp() override {
    if (const std::string reason = SambaSandbox::CannotRunReason(); !reason.empty()) GTEST_SKIP() << reason;
    ASSERT_EQ(samba.Start(), "");
    host = std::make_unique<HostSetUp>(samba);
    ASSERT_NO_FATAL_FAILURE(host->Install());
  }

  SambaSandbox samba;
  std::unique_ptr<HostSetUp> host;
};

TEST_F(HostSetUpWithSamba, FinalPageGivesThisComputersAddressAndTheShareServesTheDatabase) {
  const auto systemShares = FilesIn("/var/lib/samba/usershares");
  TfrmMain& w = host->w;

  w.btnP2PRenovo->click();
  EXPECT_TRUE(host->fixture.messages.shown.empty()) << Boxes(host->fixture.messages.shown);
  ASSERT_TRUE(w.btnNext->isEnabled()) << "the database tool run failed";
  w.btnNext->click();
  ASSERT_EQ(w.ActivePage(), Page::tabP2PHostFinished);

  const QString address = QString::fromStdString(DataFolderNetworkAddress(ReadComputerName()));
  EXPECT_TRUE(w.htmWorkstationInfo->HTMLText().contains("<b><FONT color=clBlue>" + address + "</font></b>"))
      << w.htmWorkstationInfo->HTMLText().toStdString();
  EXPECT_THAT(samba.DiskShares(), ElementsAre(kShare));
  const std::vector<std::string> files = FilesIn(host->data);
  ASSERT_FALSE(files.empty()) << "the database tool created nothing in " << host->data;
  for (const std::string& file : files)
    EXPECT_EQ(samba.ReadAsGuest(std::string(kDataShareName), file), Content(host->data + "/" + file)) << file;
  EXPECT_EQ(FilesIn("/var/lib/samba/usershares"), systemShares) << "the system's own user shares changed";
}

TEST_F(HostSetUpWithSamba, RunningTheDatabasePageTwiceLeavesOneShare) {
  host->w.btnP2PRenovo->click();
  host->w.btnP2PRenovo->click();

  EXPECT_TRUE(host->fixture.messages.shown.empty()) << Boxes(host->fixture.messages.shown);
  EXPECT_THAT(samba.DiskShares(), ElementsAre(kShare));
  EXPECT_THAT(samba.Net({"usershare", "list"}).output, ::testing::StrEq(std::string(kDataShareName) + "\n"));
}

TEST(HostSetUpWithoutUserShares, WarnsWithTheReasonAndStillCreatesTheDatabase) {
  if (::access(FindOnPath("net", "/usr/bin/net").c_str(), X_OK) != 0) GTEST_SKIP() << "Samba's net is not installed";
  SambaSandbox samba({"usershare max shares = 0"});
  HostSetUp host(samba);
  ASSERT_NO_FATAL_FAILURE(host.Install());

  host.w.btnP2PRenovo->click();

  const std::vector<Box>& shown = host.fixture.messages.shown;
  ASSERT_EQ(shown.size(), 1u) << Boxes(shown);
  EXPECT_EQ(shown[0].kind, Box::Warning);
  for (const QString& part : {QString::fromStdString(host.data), QStringLiteral("\"TellwickData\""),
                              QStringLiteral("Samba user shares are not enabled on this computer")})
    EXPECT_TRUE(shown[0].text.contains(part)) << shown[0].text.toStdString();
  EXPECT_THAT(host.fixture.SimLogLines(), ::testing::Contains("database [/SILENT] [" + host.data + "]"));
  EXPECT_TRUE(host.w.btnNext->isEnabled()) << "the database tool did not complete";
  EXPECT_FALSE(FilesIn(host.data).empty()) << "the database tool created nothing";
}

}  // namespace
}  // namespace tw::test
