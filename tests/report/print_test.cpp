#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include "platform/qt/report.h"
#include "report/pdf_reader.h"
#include "support/qt/window_fixture.h"

namespace tw {
namespace {

const QString kAddress = QStringLiteral("\\\\RECEPTION\\TellwickData");

TEST(PrintButton, ShowsOneFreshPageEachTimeCarryingThisComputersAddress) {
  test::WindowFixture fixture;
  TfrmMain& window = *fixture.window;
  test::WalkTo(window, Page::tabP2PHostFinished);
  ASSERT_EQ(window.ActivePage(), Page::tabP2PHostFinished);

  QTest::mouseClick(window.btnPrint, Qt::LeftButton);
  QTest::mouseClick(window.btnPrint, Qt::LeftButton);
  EXPECT_EQ(fixture.reportPreview.pagesShown, std::vector<int>({1, 1}));
  EXPECT_TRUE(fixture.messages.shown.empty());

  // The page last shown, as it would print.
  const QString pdf = fixture.Root() + QStringLiteral("/sheet.pdf");
  window.repWorkstationSetup->ExportPdf(pdf);
  EXPECT_EQ(test::ReadInfo(pdf).at(QStringLiteral("Pages")), QStringLiteral("1"));
  const QStringList lines = test::ReadLines(test::ReadWords(pdf));
  EXPECT_TRUE(
      lines.contains(QStringLiteral("1. Make a note of the Tellwick data folder's network address: ") + kAddress))
      << lines.join(QLatin1Char('|')).toStdString();
  EXPECT_TRUE(test::ReadBoldTexts(pdf).contains(kAddress));
}

TEST(PrintButton, PreviewOffersTheSheetAsPdf) {
  // The window as the program wires it: the real preview, with only the
  // file name chosen by the test.
  test::WindowFixture fixture;
  const QString pdf = fixture.Root() + QStringLiteral("/exported.pdf");
  QtReportPreview preview([&](QWidget*) { return pdf; });
  TfrmMain window(TfrmMainServices{*fixture.registry, *fixture.iniFiles, *fixture.programs, fixture.fakeShares,
                                   fixture.trace, fixture.messages, fixture.folderDialog, preview,
                                   [] { return std::string("RECEPTION"); }, fixture.WizardFolder()});
  window.show();
  test::WalkTo(window, Page::tabP2PHostFinished);

  bool shown = false;
  QTimer::singleShot(0, [&] {
    QWidget* dialog = QApplication::activeModalWidget();
    ASSERT_NE(dialog, nullptr);
    shown = true;
    dialog->findChild<QAction*>(QStringLiteral("actExportPdf"))->trigger();
    dialog->close();
  });
  QTest::mouseClick(window.btnPrint, Qt::LeftButton);

  ASSERT_TRUE(shown);
  EXPECT_EQ(test::ReadInfo(pdf).at(QStringLiteral("Page size")).left(13), QStringLiteral("612 x 792 pts"));
  EXPECT_TRUE(test::ReadBoldTexts(pdf).contains(kAddress));
  EXPECT_TRUE(fixture.messages.shown.empty());
}

TEST(SheetValueHandler, AnswersForTheSharedFolderInAnyLetterCaseOnly) {
  test::WindowFixture fixture;
  struct Case {
    QString name;
    QVariant before;
    QVariant after;
  };
  const Case cases[] = {
      {QStringLiteral("SHAREDFOLDER"), QVariant(), kAddress},
      {QStringLiteral("SharedFolder"), QVariant(), kAddress},
      {QStringLiteral("sharedfolder"), QStringLiteral("old"), kAddress},
      {QStringLiteral("SharedFolders"), QVariant(), QVariant()},
      {QStringLiteral("Date"), QStringLiteral("kept"), QStringLiteral("kept")},
  };
  for (const Case& c : cases) {
    QVariant value = c.before;
    fixture.window->repWorkstationSetupGetValue(c.name, value);
    EXPECT_EQ(value, c.after) << c.name.toStdString();
  }
}

}  // namespace
}  // namespace tw
