// The window with the real launcher and the product stand-in: what each
// button starts, with which arguments, and how the window reacts to the
// program's end or failure.
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <time.h>

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <filesystem>
#include <fstream>

#include "platform/qt/launcher.h"
#include "settings/settings_keys.h"
#include "support/product_sim.h"
#include "support/qt/window_fixture.h"

namespace tw::test {
namespace {

namespace fs = std::filesystem;
using simtest::ReadLines;
using simtest::ScopedEnvironment;
using simtest::StageProductSim;
using simtest::WaitForLines;

constexpr const char* kLanComponents =
    "/COMPONENTS=Tellwick,TellwickAdmin,Linkmate,Tagsmith,Renovo,Safehold,Mendwell,Menulinks";
constexpr const char* kHostComponents =
    "/COMPONENTS=Tellwick,TellwickAdmin,Linkmate,Tagsmith,Renovo,Safehold,Mendwell,Menulinks,Hubstead,Hubwarden";
constexpr const char* kWorkstationComponents = "/COMPONENTS=Tellwick,Linkmate";
const std::string kGeneralKey = std::string(keys::kProductKey) + "\\" + keys::kGeneralSection;

std::vector<std::string> ErrorTexts(const FakeMessageBoxes& messages) {
  std::vector<std::string> texts;
  for (const Box& box : messages.shown)
    texts.push_back((box.kind == Box::Error ? "error: " : "other: ") + box.text.toStdString());
  return texts;
}

class LaunchTest : public testing::Test {
 protected:
  ScopedEnvironment noForcedExit{"TELLWICK_SIM_EXIT", std::nullopt};
  ScopedEnvironment noSleep{"TELLWICK_SIM_SLEEP_MS", std::nullopt};
  WindowFixture f;
  TfrmMain& w = *f.window;

  std::string Folder(const std::string& name) const { return f.RootPath() + "/" + name; }
};

// ---------------------------------------------------------------------------
// Installer runs

struct InstallCase {
  const char* name;
  Page page;
  QPushButton* TfrmMain::*button;
  const char* components;
};

void PrintTo(const InstallCase& c, std::ostream* out) { *out << c.name; }

class InstallTest : public LaunchTest, public testing::WithParamInterface<InstallCase> {};

TEST_P(InstallTest, InstallRunsTheInstallerWithTheSetupsArgumentsAndEnablesNext) {
  const std::string folder = Folder("Programme Ω/Tell wick");
  WalkTo(w, GetParam().page, QString::fromStdString(folder));
  ASSERT_FALSE(w.btnNext->isEnabled());

  QTest::mouseClick(w.*GetParam().button, Qt::LeftButton);

  EXPECT_EQ(f.SimLogLines(), std::vector<std::string>{"installer [" + std::string(GetParam().components) +
                                                      "] [/DIR=" + folder + "] [/SILENT]"});
  EXPECT_TRUE(fs::is_regular_file(fs::path(folder) / "Renovo.exe"));
  EXPECT_TRUE(w.btnNext->isEnabled());
  EXPECT_TRUE(w.lblStatus->text().isEmpty());
  EXPECT_TRUE(w.isEnabled());
  EXPECT_EQ(ErrorTexts(f.messages), std::vector<std::string>{});
  EXPECT_EQ(w.ActivePage(), GetParam().page);
}

INSTANTIATE_TEST_SUITE_P(
    Pages, InstallTest,
    testing::Values(InstallCase{"LAN", Page::tabLANReady, &TfrmMain::btnLANInstall, kLanComponents},
                    InstallCase{"Host", Page::tabP2PHostReady, &TfrmMain::btnInstallHostPC, kHostComponents},
                    InstallCase{"Workstation", Page::tabP2PWorkstationReady, &TfrmMain::btnInstallWorkstation,
                                kWorkstationComponents}),
    [](const auto& info) { return info.param.name; });

TEST_F(LaunchTest, AFolderEndingInABackslashReachesTheInstallerAsTyped) {
  const std::string folder = Folder("odd\\");
  WalkTo(w, Page::tabLANReady, QString::fromStdString(folder));
  QTest::mouseClick(w.btnLANInstall, Qt::LeftButton);
  EXPECT_EQ(f.SimLogLines(), std::vector<std::string>{"installer [" + std::string(kLanComponents) +
                                                      "] [/DIR=" + folder + "] [/SILENT]"});
  EXPECT_TRUE(fs::is_directory(folder));
}

// ---------------------------------------------------------------------------
// While a program runs

TEST_F(LaunchTest, WhileTheInstallerRunsTheWindowIsPaintedButTakesNoInput) {
  const ScopedEnvironment runFor("TELLWICK_SIM_SLEEP_MS", "1500");
  WalkTo(w, Page::tabLANReady, QString::fromStdString(Folder("Tellwick")));

  struct PaintCounter : QObject {
    int paints = 0;
    bool eventFilter(QObject*, QEvent* event) override {
      if (event->type() == QEvent::Paint) ++paints;
      return false;
    }
  } counter;
  w.lblStatus->installEventFilter(&counter);

  bool checked = false;
  bool enabledDuringRun = true;
  QString statusDuringRun;
  std::optional<int> secondStart = -1;
  int paintsBefore = 0;
  QTimer::singleShot(300, [&] {
    enabledDuringRun = w.isEnabled();
    statusDuringRun = w.lblStatus->text();
    QTest::mouseClick(w.btnCancel, Qt::LeftButton);
    QTest::keyClick(&w, Qt::Key_Escape);
    w.close();
    // The launcher still runs its program: a second start does nothing.
    secondStart = w.LaunchTellwickSetup->RunAndWait();
    paintsBefore = counter.paints;
    w.lblStatus->update();
    checked = true;
  });
  QTimer::singleShot(700, [&] { QTest::mouseClick(w.btnPrevious, Qt::LeftButton); });
  QTest::mouseClick(w.btnLANInstall, Qt::LeftButton);

  ASSERT_TRUE(checked) << "the timer did not fire during the run";
  EXPECT_FALSE(enabledDuringRun);
  EXPECT_EQ(statusDuringRun, "Launching installer - please wait...");
  EXPECT_EQ(secondStart, std::nullopt);
  EXPECT_GT(counter.paints, paintsBefore) << "the window was not painted during the run";
  EXPECT_EQ(f.messages.shown.size(), 0u) << "Cancel or Escape reached the window";
  EXPECT_TRUE(w.isVisible());
  EXPECT_EQ(w.ActivePage(), Page::tabLANReady);
  EXPECT_EQ(f.SimLogLines().size(), 1u);
  EXPECT_TRUE(w.isEnabled());
  EXPECT_TRUE(w.btnNext->isEnabled());
}

double ProcessorSeconds() {
  timespec t{};
  clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &t);
  return static_cast<double>(t.tv_sec) + static_cast<double>(t.tv_nsec) / 1e9;
}

TEST_F(LaunchTest, WaitingForAProgramTakesAlmostNoProcessorTime) {
  const ScopedEnvironment runFor("TELLWICK_SIM_SLEEP_MS", "2000");
  WalkTo(w, Page::tabLANReady, QString::fromStdString(Folder("Tellwick")));
  const auto wallStart = std::chrono::steady_clock::now();
  const double cpuStart = ProcessorSeconds();
  QTest::mouseClick(w.btnLANInstall, Qt::LeftButton);
  const double cpu = ProcessorSeconds() - cpuStart;
  ASSERT_GE(std::chrono::steady_clock::now() - wallStart, std::chrono::milliseconds(2000));
  EXPECT_LT(cpu, 0.5) << "seconds of processor time used while waiting two seconds";
  EXPECT_EQ(f.SimLogLines().size(), 1u);
}

// ---------------------------------------------------------------------------
// Failures

struct BrokenInstallerCase {
  const char* name;
  void (*breakIt)(const std::string& file);
  const char* reason;
};

void PrintTo(const BrokenInstallerCase& c, std::ostream* out) { *out << c.name; }

class BrokenInstallerTest : public LaunchTest, public testing::WithParamInterface<BrokenInstallerCase> {};

TEST_P(BrokenInstallerTest, AnInstallerThatCannotStartIsReportedAndNextStaysOff) {
  WalkTo(w, Page::tabP2PHostReady, QString::fromStdString(Folder("Tellwick")));
  GetParam().breakIt(f.WizardFolder() + "TELLWICK4SETUP.EXE");

  QTest::mouseClick(w.btnInstallHostPC, Qt::LeftButton);

  EXPECT_EQ(ErrorTexts(f.messages), std::vector<std::string>{"error: Cannot start " + f.WizardFolder() +
                                                             "Tellwick4Setup.exe: " + GetParam().reason + "."});
  EXPECT_FALSE(w.btnNext->isEnabled());
  EXPECT_TRUE(w.lblStatus->text().isEmpty());
  EXPECT_TRUE(w.isEnabled());
  EXPECT_EQ(f.SimLogLines(), std::vector<std::string>{});
}

INSTANTIATE_TEST_SUITE_P(
    Ways, BrokenInstallerTest,
    testing::Values(BrokenInstallerCase{"removed", [](const std::string& file) { fs::remove(file); },
                                        "No such file or directory"},
                    BrokenInstallerCase{"notExecutable", [](const std::string& file) { ::chmod(file.c_str(), 0644); },
                                        "Permission denied"}),
    [](const auto& info) { return info.param.name; });

TEST_F(LaunchTest, AnInstallerThatFailsIsReportedWithItsExitCodeAndCanBeRunAgain) {
  WalkTo(w, Page::tabP2PWorkstationReady, QString::fromStdString(Folder("Tellwick")));
  {
    const ScopedEnvironment fail("TELLWICK_SIM_EXIT", "5");
    QTest::mouseClick(w.btnInstallWorkstation, Qt::LeftButton);
  }
  ASSERT_EQ(f.messages.shown.size(), 1u);
  EXPECT_EQ(f.messages.shown[0].kind, Box::Error);
  const std::string text = f.messages.shown[0].text.toStdString();
  EXPECT_NE(text.find(f.WizardFolder() + "Tellwick4Setup.exe"), std::string::npos) << text;
  EXPECT_NE(text.find("exit code 5"), std::string::npos) << text;
  EXPECT_FALSE(w.btnNext->isEnabled());
  EXPECT_TRUE(w.lblStatus->text().isEmpty());

  QTest::mouseClick(w.btnInstallWorkstation, Qt::LeftButton);
  EXPECT_EQ(f.messages.shown.size(), 1u);
  EXPECT_TRUE(w.btnNext->isEnabled());
  EXPECT_EQ(f.SimLogLines().size(), 2u);
}

// ---------------------------------------------------------------------------
// Database tool runs

TEST_F(LaunchTest, LanDatabaseRunUsesTheDataSubfolderWithoutRegistryValue) {
  const std::string folder = Folder("Server Share/Tellwick");
  StageProductSim(folder, "Renovo.exe");
  fs::create_directories(folder + "/Data");
  WalkTo(w, Page::tabLANRenovo, QString::fromStdString(folder + "/"));
  ASSERT_FALSE(w.btnNext->isEnabled());

  QTest::mouseClick(w.btnLANRenovo, Qt::LeftButton);

  EXPECT_EQ(f.SimLogLines(), std::vector<std::string>{"database [/SILENT] [" + folder + "/Data]"});
  EXPECT_TRUE(fs::is_regular_file(folder + "/Data/Tellwick.db"));
  EXPECT_TRUE(w.btnNext->isEnabled());
  EXPECT_TRUE(w.lblStatus->text().isEmpty());
  EXPECT_EQ(f.fakeShares.calls, std::vector<std::string>{});
  EXPECT_EQ(ErrorTexts(f.messages), std::vector<std::string>{});
}

TEST_F(LaunchTest, LanDatabaseRunUsesTheRegistrysDataDirectoryAndCreatesNothing) {
  const std::string folder = Folder("Tellwick");
  const std::string data = Folder("Elsewhere/Data/");
  StageProductSim(folder, "Renovo.exe");
  fs::create_directories(data);
  f.registry->SetString(kGeneralKey, keys::kDataDirectory, data);
  WalkTo(w, Page::tabLANRenovo, QString::fromStdString(folder));

  QTest::mouseClick(w.btnLANRenovo, Qt::LeftButton);

  EXPECT_EQ(f.SimLogLines(), std::vector<std::string>{"database [/SILENT] [" + data + "]"});
  EXPECT_FALSE(fs::exists(folder + "/Data"));
  EXPECT_EQ(f.fakeShares.calls, std::vector<std::string>{});
  EXPECT_TRUE(w.btnNext->isEnabled());
}

TEST_F(LaunchTest, AMissingDatabaseToolIsReportedAndNextStaysOff) {
  const std::string folder = Folder("Tellwick");
  fs::create_directories(folder + "/Data");
  WalkTo(w, Page::tabLANRenovo, QString::fromStdString(folder));

  QTest::mouseClick(w.btnLANRenovo, Qt::LeftButton);

  EXPECT_EQ(ErrorTexts(f.messages),
            std::vector<std::string>{"error: Cannot start " + folder + "/Renovo.exe: No such file or directory."});
  EXPECT_FALSE(w.btnNext->isEnabled());
  EXPECT_TRUE(w.lblStatus->text().isEmpty());
}

TEST_F(LaunchTest, ADatabaseToolThatFailsIsReportedWithItsExitCode) {
  const std::string folder = Folder("Tellwick");
  StageProductSim(folder, "Renovo.exe");
  WalkTo(w, Page::tabLANRenovo, QString::fromStdString(folder));

  QTest::mouseClick(w.btnLANRenovo, Qt::LeftButton);  // its data folder is missing

  ASSERT_EQ(f.messages.shown.size(), 1u);
  const std::string text = f.messages.shown[0].text.toStdString();
  EXPECT_NE(text.find(folder + "/Renovo.exe"), std::string::npos) << text;
  EXPECT_NE(text.find("exit code 3"), std::string::npos) << text;
  EXPECT_FALSE(w.btnNext->isEnabled());
  EXPECT_TRUE(w.lblStatus->text().isEmpty());
}

// Notes what the disk held when the wizard asked for the share.
class WatchingShares : public FakeShareService {
 public:
  std::string dataFolder;
  bool folderExisted = false;
  bool databaseExisted = true;
  void AddShare(const ShareSettings& settings) override {
    folderExisted = fs::is_directory(dataFolder);
    databaseExisted = fs::exists(dataFolder + "/Tellwick.db");
    FakeShareService::AddShare(settings);
  }
};

class HostDatabaseTest : public testing::Test {
 protected:
  ScopedEnvironment noForcedExit{"TELLWICK_SIM_EXIT", std::nullopt};
  ScopedEnvironment noSleep{"TELLWICK_SIM_SLEEP_MS", std::nullopt};
  WatchingShares shares;
  WindowFixture f{{.shares = &shares}};
  TfrmMain& w = *f.window;
};

TEST_F(HostDatabaseTest, TheDataFolderIsCreatedAndSharedBeforeTheToolRuns) {
  const std::string folder = f.RootPath() + "/Host PC/Tellwick";
  shares.dataFolder = folder + "/Data";
  StageProductSim(folder, "Renovo.exe");
  WalkTo(w, Page::tabP2PRenovo, QString::fromStdString(folder));

  QTest::mouseClick(w.btnP2PRenovo, Qt::LeftButton);

  EXPECT_TRUE(shares.folderExisted);
  EXPECT_FALSE(shares.databaseExisted);
  EXPECT_EQ(shares.calls, (std::vector<std::string>{"delete TellwickData", "add TellwickData " + folder + "/Data"}));
  EXPECT_EQ(f.SimLogLines(), std::vector<std::string>{"database [/SILENT] [" + folder + "/Data]"});
  EXPECT_TRUE(fs::is_regular_file(folder + "/Data/Tellwick.db"));
  EXPECT_TRUE(w.btnNext->isEnabled());
  EXPECT_EQ(ErrorTexts(f.messages), std::vector<std::string>{});
}

TEST_F(HostDatabaseTest, TheRegistrysDataDirectoryIsCreatedWithItsParentsAndShared) {
  const std::string folder = f.RootPath() + "/Tellwick";
  const std::string data = f.RootPath() + "/Shared/Deep/Data/";
  shares.dataFolder = data;
  f.registry->SetString(kGeneralKey, keys::kDataDirectory, data);
  StageProductSim(folder, "Renovo.exe");
  WalkTo(w, Page::tabP2PRenovo, QString::fromStdString(folder));

  QTest::mouseClick(w.btnP2PRenovo, Qt::LeftButton);

  EXPECT_TRUE(shares.folderExisted);
  EXPECT_EQ(shares.calls, (std::vector<std::string>{"delete TellwickData", "add TellwickData " + data}));
  EXPECT_EQ(f.SimLogLines(), std::vector<std::string>{"database [/SILENT] [" + data + "]"});
  EXPECT_TRUE(w.btnNext->isEnabled());
}

TEST_F(HostDatabaseTest, ADataFolderThatCannotBeCreatedStopsBeforeShareAndTool) {
  // A file where the installed folder should be: nothing can be created in it.
  const std::string folder = f.RootPath() + "/Tellwick";
  std::ofstream(folder) << "not a folder";
  WalkTo(w, Page::tabP2PRenovo, QString::fromStdString(folder));

  QTest::mouseClick(w.btnP2PRenovo, Qt::LeftButton);

  ASSERT_EQ(f.messages.shown.size(), 1u);
  EXPECT_EQ(f.messages.shown[0].kind, Box::Error);
  const std::string text = f.messages.shown[0].text.toStdString();
  EXPECT_NE(text.find(folder + "/Data"), std::string::npos) << text;
  EXPECT_NE(text.find("Not a directory"), std::string::npos) << text;
  EXPECT_EQ(shares.calls, std::vector<std::string>{});
  EXPECT_EQ(f.SimLogLines(), std::vector<std::string>{});
  EXPECT_FALSE(w.btnNext->isEnabled());
  EXPECT_TRUE(w.lblStatus->text().isEmpty());
}

// ---------------------------------------------------------------------------
// Finish

struct ReadMeCase {
  const char* name;
  Page page;
  QCheckBox* TfrmMain::*box;
  bool ticked;
};

void PrintTo(const ReadMeCase& c, std::ostream* out) { *out << c.name; }

class FinishReadMeTest : public LaunchTest, public testing::WithParamInterface<ReadMeCase> {};

TEST_P(FinishReadMeTest, FinishStartsTheReadMeWithoutWaitingWhenTickedAndCloses) {
  // The read-me outlasts Finish; it writes its line when it ends.
  const ScopedEnvironment runFor("TELLWICK_SIM_SLEEP_MS", "1000");
  const std::string folder = Folder("Tell wick");
  StageProductSim(folder, "readme.exe");
  WalkTo(w, GetParam().page, QString::fromStdString(folder));
  (w.*GetParam().box)->setChecked(GetParam().ticked);

  QTest::mouseClick(w.btnFinish, Qt::LeftButton);

  EXPECT_FALSE(w.isVisible());
  EXPECT_EQ(f.SimLogLines(), std::vector<std::string>{});
  const std::vector<std::string> expected =
      GetParam().ticked ? std::vector<std::string>{"readme"} : std::vector<std::string>{};
  EXPECT_EQ(WaitForLines(f.SimLog(), 1, std::chrono::milliseconds(GetParam().ticked ? 20000 : 2000)), expected);
  EXPECT_EQ(ErrorTexts(f.messages), std::vector<std::string>{});
}

INSTANTIATE_TEST_SUITE_P(
    Pages, FinishReadMeTest,
    testing::Values(ReadMeCase{"LanTicked", Page::tabFinished, &TfrmMain::chkReadMe, true},
                    ReadMeCase{"LanUnticked", Page::tabFinished, &TfrmMain::chkReadMe, false},
                    ReadMeCase{"HostTicked", Page::tabP2PHostFinished, &TfrmMain::chkP2PReadMe, true},
                    ReadMeCase{"HostUnticked", Page::tabP2PHostFinished, &TfrmMain::chkP2PReadMe, false}),
    [](const auto& info) { return info.param.name; });

TEST_F(LaunchTest, FinishWithoutAReadMeProgramClosesSilently) {
  WalkTo(w, Page::tabP2PHostFinished, QString::fromStdString(Folder("Tellwick")));
  w.chkP2PReadMe->setChecked(true);
  QTest::mouseClick(w.btnFinish, Qt::LeftButton);
  EXPECT_FALSE(w.isVisible());
  EXPECT_EQ(ErrorTexts(f.messages), std::vector<std::string>{});
}

TEST_F(LaunchTest, FinishOnTheWorkstationWritesTheDataFolderAsTyped) {
  const std::string folder = Folder("Work Station");
  fs::create_directories(folder);
  const QString dataFolder = QStringLiteral(" \\\\HOST\\TellwickData\\ ");
  WalkTo(w, Page::tabP2PWorkstationFinished, QString::fromStdString(folder));
  w.edtSharedFolder->setText(dataFolder);

  QTest::mouseClick(w.btnFinish, Qt::LeftButton);

  EXPECT_FALSE(w.isVisible());
  EXPECT_EQ(ErrorTexts(f.messages), std::vector<std::string>{});
  EXPECT_EQ(ReadLines(folder + "/TELLWICK.INI"),
            (std::vector<std::string>{"[Settings]", "DataDirectory=" + dataFolder.toStdString()}));
  const auto value = f.registry->QueryValue(kGeneralKey, keys::kDataDirectory);
  ASSERT_TRUE(value);
  EXPECT_EQ(value->type, Registry::ValueType::String);
  EXPECT_EQ(value->text, dataFolder.toStdString());
}

TEST_F(LaunchTest, AnUnwritableWorkstationFolderKeepsTheWindowOpenAndTheRegistryUnwritten) {
  const std::string folder = Folder("missing folder");
  WalkTo(w, Page::tabP2PWorkstationFinished, QString::fromStdString(folder));

  QTest::mouseClick(w.btnFinish, Qt::LeftButton);

  EXPECT_TRUE(w.isVisible());
  EXPECT_EQ(w.ActivePage(), Page::tabP2PWorkstationFinished);
  EXPECT_EQ(ErrorTexts(f.messages), std::vector<std::string>{"error: Unable to write to " + folder + "/TELLWICK.INI."});
  EXPECT_FALSE(f.registry->QueryValue(kGeneralKey, keys::kDataDirectory));
}

}  // namespace
}  // namespace tw::test
