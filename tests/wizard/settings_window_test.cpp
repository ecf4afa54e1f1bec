#include <gtest/gtest.h>

#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <algorithm>
#include <filesystem>
#include <string>

#include "support/qt/window_fixture.h"
#include "support/test_hive.h"

namespace tw::test {
namespace {

constexpr const char* kGeneral = "Software\\Orvane\\Tellwick\\General";
const QString kEarlierFolder = QStringLiteral("/opt/Tellwick é\\");

struct FolderPage {
  const char* name;
  Page page;
  QLineEdit* TfrmMain::*field;
};

void PrintTo(const FolderPage& p, std::ostream* out) { *out << p.name; }

const FolderPage kFolderPages[] = {
    {"LAN", Page::tabLAN, &TfrmMain::edtLANDirectory},
    {"Host", Page::tabP2PHost, &TfrmMain::edtHostTellwickDir},
    {"Workstation", Page::tabP2PWorkstation, &TfrmMain::edtWorkstationFolder},
};

std::string HiveFile(const WindowFixture& f) { return f.RootPath() + "/config/tellwick/hkcu.reg"; }

void BackAndForth(TfrmMain& w) {
  w.btnPrevious->click();
  w.btnNext->click();
}

class Prefill : public testing::TestWithParam<FolderPage> {};

TEST_P(Prefill, OffersTheEarlierInstallationsFolderOnlyToAnEmptyField) {
  const FolderPage& p = GetParam();
  WindowFixture f;
  f.registry->SetString(kGeneral, "TellwickDirectory", kEarlierFolder.toStdString());
  TfrmMain& w = *f.window;
  QLineEdit* field = w.*p.field;

  WalkTo(w, p.page);
  EXPECT_EQ(field->text(), kEarlierFolder);

  field->clear();
  BackAndForth(w);
  ASSERT_EQ(w.ActivePage(), p.page);
  EXPECT_EQ(field->text(), kEarlierFolder) << "an emptied field is offered the folder again";

  field->setText(QStringLiteral("/srv/Mine"));
  f.registry->SetString(kGeneral, "TellwickDirectory", "/opt/Changed");
  BackAndForth(w);
  EXPECT_EQ(field->text(), QStringLiteral("/srv/Mine")) << "the user's entry stands";
  EXPECT_TRUE(f.messages.shown.empty());
}

INSTANTIATE_TEST_SUITE_P(Settings, Prefill, testing::ValuesIn(kFolderPages),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(Prefill, WithNoKeyAtAllLeavesTheFieldEmptyAndTheKeyBehind) {
  WindowFixture f;
  ASSERT_FALSE(std::filesystem::exists(HiveFile(f)));
  WalkTo(*f.window, Page::tabLAN);
  EXPECT_TRUE(f.window->edtLANDirectory->text().isEmpty());
  EXPECT_EQ(ReadText(HiveFile(f)),
            "Windows Registry Editor Version 5.00\n\n[HKEY_CURRENT_USER\\Software\\Orvane\\Tellwick]\n");
  EXPECT_TRUE(f.messages.shown.empty());
}

TEST(Prefill, AValueOfTheWrongTypeShowsTheErrorBoxAndStopsThePageRoutine) {
  WindowFixture f;
  std::filesystem::create_directories(f.RootPath() + "/config/tellwick");
  WriteText(HiveFile(f),
            "Windows Registry Editor Version 5.00\n\n"
            "[HKEY_CURRENT_USER\\Software\\Orvane\\Tellwick\\General]\n"
            "\"TellwickDirectory\"=dword:00000001\n");
  TfrmMain& w = *f.window;
  WalkTo(w, Page::tabNetworkType);
  w.radLAN->click();
  f.trace.records.clear();

  w.btnNext->click();

  ASSERT_EQ(f.messages.shown.size(), 1u);
  EXPECT_EQ(f.messages.shown[0].kind, Box::Error);
  EXPECT_EQ(f.messages.shown[0].text, QStringLiteral("Invalid data type for 'TellwickDirectory'"));
  EXPECT_TRUE(w.edtLANDirectory->text().isEmpty());
  const auto& records = f.trace.records;
  EXPECT_NE(std::ranges::find(records, "Enter frmMain.ShowLANPage"), records.end());
  EXPECT_EQ(std::ranges::find(records, "Exit frmMain.ShowLANPage"), records.end());
}

}  // namespace
}  // namespace tw::test
