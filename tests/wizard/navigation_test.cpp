#include <gtest/gtest.h>

#include <QAction>
#include <QCheckBox>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QStackedWidget>

#include "platform/qt/arrow_line.h"
#include "support/qt/window_fixture.h"

namespace tw::test {
namespace {

using Installer = WindowOptions::Installer;

// "PNF" spells which of Previous, Next and Finish are enabled; "-" a disabled one.
std::string Buttons(const TfrmMain& w) {
  return std::string(w.btnPrevious->isEnabled() ? "P" : "-") + (w.btnNext->isEnabled() ? "N" : "-") +
         (w.btnFinish->isEnabled() ? "F" : "-");
}

struct StartCase {
  const char* name;
  Installer installer;
  std::string fileName;
  Page expected;
  std::string buttons;
};

class StartUp : public ::testing::TestWithParam<StartCase> {};

TEST_P(StartUp, ShowsIntroOnlyWhenTheInstallerFileIsBesideTheWizard) {
  const StartCase& c = GetParam();
  WindowFixture f({.installer = c.installer, .installerName = c.fileName});
  EXPECT_EQ(f.window->ActivePage(), c.expected);
  EXPECT_EQ(Buttons(*f.window), c.buttons);
  EXPECT_TRUE(f.window->btnAbout->isEnabled());
  EXPECT_TRUE(f.window->btnCancel->isEnabled());
  EXPECT_TRUE(f.window->lblStatus->text().isEmpty());
  EXPECT_TRUE(f.messages.shown.empty());
}

INSTANTIATE_TEST_SUITE_P(
    Cases, StartUp,
    ::testing::Values(StartCase{"present", Installer::StandIn, "TELLWICK4SETUP.EXE", Page::tabIntro, "-N-"},
                      StartCase{"otherCase", Installer::StandIn, "tellwick4setup.exe", Page::tabIntro, "-N-"},
                      StartCase{"missing", Installer::None, "TELLWICK4SETUP.EXE", Page::tabNoInstaller, "---"},
                      StartCase{"folderOfThatName", Installer::Folder, "TELLWICK4SETUP.EXE", Page::tabNoInstaller,
                                "---"}),
    [](const auto& info) { return info.param.name; });

TEST(StartUp, NoInstallerPageSaysWhy) {
  WindowFixture f({.installer = Installer::None});
  EXPECT_EQ(f.window->lblHeading->text(), "Installer Error");
  EXPECT_EQ(f.window->lblSubHeading->text(), "Tellwick Installer was not found!");
}

struct Visit {
  Page page;
  const char* heading;
  std::string buttons;
  std::string buttonsOnReturn = buttons;
};

struct Branch {
  const char* name;
  std::vector<Visit> pages;  // from the network type page to the final page
};

const std::vector<Visit> kCommon = {
    {Page::tabIntro, "Introduction", "-N-"},
    {Page::tabLicence, "License Agreement", "P--", "PN-"},  // accepted on the way on
    {Page::tabNetworkType, "Network Type", "PN-"},
};

class Walk : public ::testing::TestWithParam<Branch> {};

// Forward with Next as a user goes, then back with Previous to the start;
// every page shows its heading and its button states on both ways.
TEST_P(Walk, ForwardAndBackShowEveryPageWithItsButtons) {
  WindowFixture f;
  TfrmMain& w = *f.window;
  std::vector<Visit> pages = kCommon;
  pages.insert(pages.end(), GetParam().pages.begin(), GetParam().pages.end());

  for (size_t i = 0; i < pages.size(); ++i) {
    if (i > 0) WalkTo(w, pages[i].page);
    SCOPED_TRACE(pages[i].heading);
    EXPECT_EQ(w.ActivePage(), pages[i].page);
    EXPECT_EQ(w.lblHeading->text(), pages[i].heading);
    // Pages whose Next waits for a program run open with Next off.
    EXPECT_EQ(Buttons(w), pages[i].buttons);
  }
  for (size_t i = pages.size() - 1; i > 0; --i) {
    w.btnPrevious->click();
    SCOPED_TRACE(pages[i - 1].heading);
    EXPECT_EQ(w.ActivePage(), pages[i - 1].page);
    EXPECT_EQ(Buttons(w), pages[i - 1].buttonsOnReturn);
  }
  EXPECT_TRUE(f.messages.shown.empty());
}

INSTANTIATE_TEST_SUITE_P(
    Branches, Walk,
    ::testing::Values(
        Branch{"lan",
               {{Page::tabLAN, "Local Area Network", "PN-"},
                {Page::tabLANReady, "Local Area Network Installation", "P--"},
                {Page::tabLANRenovo, "Local Area Network Installation", "P--"},
                {Page::tabFinished, "Installation Finished", "P-F"}}},
        Branch{"host",
               {{Page::tabPeer2Peer, "Peer-to-Peer Network", "PN-"},
                {Page::tabP2PHost, "Peer-to-Peer Network - Host PC", "PN-"},
                {Page::tabP2PHostReady, "Peer-to-Peer Network Installation - Host PC", "P--"},
                {Page::tabP2PRenovo, "Peer-to-Peer Network Installation - Host PC", "P--"},
                {Page::tabP2PHostFinished, "Peer-to-Peer Network Installation - Host PC", "P-F"}}},
        Branch{"workstation",
               {{Page::tabPeer2Peer, "Peer-to-Peer Network", "PN-"},
                {Page::tabP2PWorkstation, "Peer-to-Peer Network - Workstation", "PN-"},
                {Page::tabP2PWorkstationReady, "Peer-to-Peer Network Installation - Workstation", "P--"},
                {Page::tabP2PWorkstationDataFolder, "Peer-to-Peer Network Installation - Workstation", "P--"},
                {Page::tabP2PWorkstationFinished, "Peer-to-Peer Network Installation - Workstation", "P-F"}}}),
    [](const auto& info) { return info.param.name; });

struct FolderCase {
  const char* name;
  Page page;
  QLineEdit* TfrmMain::*field;
  QString text;
  const char* message;  // nothing: Next moves on
};

class FolderPages : public ::testing::TestWithParam<FolderCase> {};

TEST_P(FolderPages, NextChecksTheFolderField) {
  const FolderCase& c = GetParam();
  WindowFixture f;
  TfrmMain& w = *f.window;
  WalkTo(w, c.page);
  (w.*c.field)->setText(c.text);
  w.btnNext->click();
  if (c.message) {
    ASSERT_EQ(f.messages.shown.size(), 1u);
    EXPECT_EQ(f.messages.shown[0].kind, Box::Information);
    EXPECT_EQ(f.messages.shown[0].text, c.message);
    EXPECT_EQ(w.ActivePage(), c.page);
    EXPECT_EQ((w.*c.field)->text(), c.text);
    EXPECT_EQ(Buttons(w), "PN-");
  } else {
    EXPECT_TRUE(f.messages.shown.empty());
    EXPECT_NE(w.ActivePage(), c.page);
  }
}

constexpr const char* kQuote =
    "The folder you have specified contains a double quote (\"), which cannot be used in a folder name!";

INSTANTIATE_TEST_SUITE_P(
    Cases, FolderPages,
    ::testing::Values(
        FolderCase{"lanEmpty", Page::tabLAN, &TfrmMain::edtLANDirectory, "",
                   "You have not specified a network folder!"},
        FolderCase{"hostEmpty", Page::tabP2PHost, &TfrmMain::edtHostTellwickDir, "",
                   "You have not specified a local folder!"},
        FolderCase{"workstationEmpty", Page::tabP2PWorkstation, &TfrmMain::edtWorkstationFolder, "",
                   "You have not specified a local folder for Tellwick!"},
        FolderCase{"lanQuote", Page::tabLAN, &TfrmMain::edtLANDirectory, "C:\\Tell\"wick", kQuote},
        FolderCase{"hostQuote", Page::tabP2PHost, &TfrmMain::edtHostTellwickDir, "\"C:\\Tellwick\"", kQuote},
        FolderCase{"workstationQuote", Page::tabP2PWorkstation, &TfrmMain::edtWorkstationFolder, "x\"", kQuote},
        FolderCase{"spacesCountAsFilledIn", Page::tabLAN, &TfrmMain::edtLANDirectory, "   ", nullptr}),
    [](const auto& info) { return info.param.name; });

TEST(Licence, AcceptanceDrivesNextAndSurvivesARoundTrip) {
  WindowFixture f;
  TfrmMain& w = *f.window;
  w.btnNext->click();
  ASSERT_EQ(w.ActivePage(), Page::tabLicence);
  EXPECT_TRUE(w.radDontAccept->isChecked());
  EXPECT_EQ(Buttons(w), "P--");
  w.radAccept->click();
  EXPECT_EQ(Buttons(w), "PN-");
  w.btnNext->click();
  w.btnPrevious->click();
  ASSERT_EQ(w.ActivePage(), Page::tabLicence);
  EXPECT_TRUE(w.radAccept->isChecked());
  EXPECT_EQ(Buttons(w), "PN-");
  w.radDontAccept->click();
  EXPECT_EQ(Buttons(w), "P--");
  w.btnPrevious->click();
  w.btnNext->click();
  EXPECT_EQ(Buttons(w), "P--");
}

struct OptionCase {
  const char* name;
  QRadioButton* TfrmMain::*chosen;
  QFrame* TfrmMain::*shownPanel;
  TArrowLine* TfrmMain::*shownLine;
  QFrame* TfrmMain::*hiddenPanel;
  TArrowLine* TfrmMain::*hiddenLine;
};

class Options : public ::testing::TestWithParam<OptionCase> {};

TEST_P(Options, ChosenOptionShowsItsPanelAndLineOnly) {
  const OptionCase& c = GetParam();
  WindowFixture f;
  TfrmMain& w = *f.window;
  (w.*c.chosen)->click();
  EXPECT_FALSE((w.*c.shownPanel)->isHidden());
  EXPECT_FALSE((w.*c.shownLine)->isHidden());
  EXPECT_TRUE((w.*c.hiddenPanel)->isHidden());
  EXPECT_TRUE((w.*c.hiddenLine)->isHidden());
}

INSTANTIATE_TEST_SUITE_P(Cases, Options,
                         ::testing::Values(OptionCase{"peer2peer", &TfrmMain::radPeer2Peer, &TfrmMain::pnlPeer2Peer,
                                                      &TfrmMain::linPeer2Peer, &TfrmMain::pnlLAN, &TfrmMain::linLAN},
                                           OptionCase{"workstation", &TfrmMain::radWorkstation,
                                                      &TfrmMain::pnlWorkstation, &TfrmMain::linWorkstation,
                                                      &TfrmMain::pnlHost, &TfrmMain::linHost}),
                         [](const auto& info) { return info.param.name; });

TEST(Options, CheckingBackWithTheKeyboardSwapsThePanelsAgain) {
  WindowFixture f;
  TfrmMain& w = *f.window;
  WalkTo(w, Page::tabPeer2Peer);
  w.radWorkstation->click();
  // The keyboard checks a radio button without a click.
  w.radHost->setChecked(true);
  EXPECT_FALSE(w.pnlHost->isHidden());
  EXPECT_TRUE(w.pnlWorkstation->isHidden());
  w.btnNext->click();
  EXPECT_EQ(w.ActivePage(), Page::tabP2PHost);
}

TEST(DataFolderField, NextFollowsItsTextNotItsEntry) {
  WindowFixture f;
  TfrmMain& w = *f.window;
  WalkTo(w, Page::tabP2PWorkstationReady, QStringLiteral("/opt/tw"));
  w.edtSharedFolder->setText(QStringLiteral("\\\\HOST\\TellwickData"));
  w.btnNext->setEnabled(true);
  w.btnNext->click();
  ASSERT_EQ(w.ActivePage(), Page::tabP2PWorkstationDataFolder);
  EXPECT_EQ(Buttons(w), "P--") << "entering the page disables Next even with text in the field";
  w.edtSharedFolder->clear();
  EXPECT_EQ(Buttons(w), "P--");
  w.edtSharedFolder->insert(QStringLiteral("x"));
  EXPECT_EQ(Buttons(w), "PN-");
  w.edtSharedFolder->backspace();
  EXPECT_EQ(Buttons(w), "P--");
}

struct BrowseCase {
  const char* name;
  Page page;
  QLineEdit* TfrmMain::*field;
  QAction* TfrmMain::*button;
  const char* title;
};

class Browse : public ::testing::TestWithParam<BrowseCase> {};

TEST_P(Browse, StartsInTheFieldsFolderOrTheWizardFolderAndKeepsTheFieldOnCancel) {
  const BrowseCase& c = GetParam();
  WindowFixture f;
  TfrmMain& w = *f.window;
  WalkTo(w, c.page);
  QLineEdit* field = w.*c.field;

  field->clear();
  f.folderDialog.nextAnswer = QStringLiteral("/chosen/folder one");
  (w.*c.button)->trigger();
  ASSERT_EQ(f.folderDialog.calls.size(), 1u);
  EXPECT_EQ(f.folderDialog.calls[0].startFolder.toStdString(), f.WizardFolder());
  EXPECT_EQ(f.folderDialog.calls[0].title, c.title);
  EXPECT_EQ(field->text(), "/chosen/folder one");

  f.folderDialog.nextAnswer.reset();
  (w.*c.button)->trigger();
  ASSERT_EQ(f.folderDialog.calls.size(), 2u);
  EXPECT_EQ(f.folderDialog.calls[1].startFolder, "/chosen/folder one");
  EXPECT_EQ(field->text(), "/chosen/folder one");
}

INSTANTIATE_TEST_SUITE_P(
    Cases, Browse,
    ::testing::Values(BrowseCase{"lan", Page::tabLAN, &TfrmMain::edtLANDirectory, &TfrmMain::edtLANDirectoryButton,
                                 "Select a network folder"},
                      BrowseCase{"host", Page::tabP2PHost, &TfrmMain::edtHostTellwickDir,
                                 &TfrmMain::edtHostTellwickDirButton, "Select a local folder on the Host PC"},
                      BrowseCase{"workstation", Page::tabP2PWorkstation, &TfrmMain::edtWorkstationFolder,
                                 &TfrmMain::edtWorkstationFolderButton, "Select a local folder on the Host PC"}),
    [](const auto& info) { return info.param.name; });

TEST(Cancel, NoKeepsEverythingYesCloses) {
  WindowFixture f;
  TfrmMain& w = *f.window;
  WalkTo(w, Page::tabLAN);
  w.edtLANDirectory->setText(QStringLiteral("/srv/kept"));
  f.messages.confirmAnswers = {false, true};

  w.btnCancel->click();
  ASSERT_EQ(f.messages.shown.size(), 1u);
  EXPECT_EQ(f.messages.shown[0].kind, Box::Confirm);
  EXPECT_EQ(f.messages.shown[0].text, "Setup has not been completed, are you sure you want to cancel?");
  EXPECT_TRUE(w.isVisible());
  EXPECT_EQ(w.ActivePage(), Page::tabLAN);
  EXPECT_EQ(w.edtLANDirectory->text(), "/srv/kept");
  EXPECT_EQ(Buttons(w), "PN-");

  w.btnCancel->click();
  EXPECT_FALSE(w.isVisible());
}

TEST(Cancel, TheCloseBoxClosesWithoutAsking) {
  WindowFixture f;
  WalkTo(*f.window, Page::tabLAN);
  EXPECT_TRUE(f.window->close());
  EXPECT_TRUE(f.messages.shown.empty());
  EXPECT_FALSE(f.window->isVisible());
}

TEST(Cancel, AskedAlsoOnTheInstallerMissingPage) {
  WindowFixture f({.installer = Installer::None});
  f.window->btnCancel->click();
  ASSERT_EQ(f.messages.shown.size(), 1u);
  EXPECT_EQ(f.messages.shown[0].kind, Box::Confirm);
  EXPECT_TRUE(f.window->isVisible());
}

TEST(Trace, PageRoutinesWriteEnterAndExitRecordsExceptTheUntracedOnes) {
  WindowFixture f({.installer = Installer::None});
  WindowFixture g;
  TfrmMain& w = *g.window;
  w.btnNext->click();  // licence: not traced
  w.radAccept->click();
  w.btnNext->click();      // network type
  w.btnPrevious->click();  // licence again
  const std::vector<std::string> expected = {
      "Enter frmMain.ShowIntroPage",
      "Exit frmMain.ShowIntroPage",
      "Enter frmMain.ShowNetworkTypePage",
      "Exit frmMain.ShowNetworkTypePage",
  };
  EXPECT_EQ(g.trace.records, expected);
  EXPECT_TRUE(f.trace.records.empty()) << "the installer-missing page writes no records";
}

}  // namespace
}  // namespace tw::test
