#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <QFont>
#include <QPushButton>
#include <QTextCursor>
#include <QTextDocument>
#include <algorithm>

#include "platform/qt/htmlabel.h"
#include "platform/shares.h"
#include "support/product_sim.h"
#include "support/qt/window_fixture.h"

namespace tw::test {
namespace {

const QString kPlaceholder = QStringLiteral("<%sharedfolder%>");

struct AddressCase {
  const char* what;
  std::string computerName;
  QString address;
};

void PrintTo(const AddressCase& c, std::ostream* out) { *out << c.what; }

class HostAddress : public ::testing::TestWithParam<AddressCase> {};

TEST_P(HostAddress, FirstVisitPutsItInBlueBoldIntoTheFirstBullet) {
  const AddressCase& c = GetParam();
  WindowFixture f({.computerName = c.computerName});
  TfrmMain& w = *f.window;
  const QString template_ = w.htmWorkstationInfo->HTMLText();
  ASSERT_EQ(template_.count(kPlaceholder), 1);

  WalkTo(w, Page::tabP2PHostFinished);
  const QString text = w.htmWorkstationInfo->HTMLText();
  QString expected = template_;
  expected.replace(kPlaceholder, c.address);
  EXPECT_EQ(text, expected);
  const qsizetype at = text.indexOf(c.address);
  const qsizetype firstBullet = text.indexOf(QStringLiteral("<li>"));
  EXPECT_LT(firstBullet, at);
  EXPECT_LT(at, text.indexOf(QStringLiteral("<li>"), firstBullet + 1));

  QTextDocument shown;
  shown.setHtml(w.htmWorkstationInfo->text());
  const QTextCursor address = shown.find(c.address);
  ASSERT_FALSE(address.isNull()) << w.htmWorkstationInfo->text().toStdString();
  EXPECT_EQ(address.charFormat().fontWeight(), QFont::Bold);
  EXPECT_EQ(address.charFormat().foreground().color(), QColor(0, 0, 255));
}

INSTANTIATE_TEST_SUITE_P(
    Names, HostAddress,
    ::testing::Values(AddressCase{"named", "RECEPTION", QStringLiteral(R"(\\RECEPTION\TellwickData)")},
                      AddressCase{"unnamed", "", QStringLiteral(R"(\\\TellwickData)")},
                      AddressCase{"long", ComputerNameFromHostName("accounts-workstation-7.office.example"),
                                  QStringLiteral(R"(\\ACCOUNTS-WORKST\TellwickData)")}),
    [](const auto& info) { return info.param.what; });

TEST(HostAddress, LaterVisitsKeepTheFirstText) {
  WindowFixture f;
  TfrmMain& w = *f.window;
  WalkTo(w, Page::tabP2PHostFinished);
  const QString first = w.htmWorkstationInfo->HTMLText();

  w.btnPrevious->click();
  ASSERT_EQ(w.ActivePage(), Page::tabP2PRenovo);
  WalkTo(w, Page::tabP2PHostFinished);
  EXPECT_EQ(w.htmWorkstationInfo->HTMLText(), first);
  EXPECT_EQ(first.count(QStringLiteral(R"(\\RECEPTION\TellwickData)")), 1);
}

// The host's database button shares the data folder before it runs the tool;
// the share itself is tested against Samba in the integration tests.
class HostShare : public ::testing::Test {
 protected:
  void SetUp() override {
    simtest::StageProductSim(install, "Renovo.exe");
    WalkTo(w, Page::tabP2PRenovo, QString::fromStdString(install));
    f.trace.records.clear();
  }

  WindowFixture f;
  TfrmMain& w = *f.window;
  const std::string install = f.RootPath() + "/Tellwick";
  const std::string data = install + "/Data";
};

TEST_F(HostShare, TracesTheFolderItShares) {
  w.btnP2PRenovo->click();

  const auto& r = f.trace.records;
  const auto enter = std::find(r.begin(), r.end(), "Enter frmMain.CreateSharedFolder");
  ASSERT_GE(std::distance(enter, r.end()), 3) << "no enter record with its name/value and exit records";
  EXPECT_EQ(*(enter + 1), "AFolderName = '" + data + "'");
  EXPECT_EQ(*(enter + 2), "Exit frmMain.CreateSharedFolder");
  EXPECT_TRUE(f.messages.shown.empty()) << f.messages.shown.front().text.toStdString();
}

}  // namespace
}  // namespace tw::test
