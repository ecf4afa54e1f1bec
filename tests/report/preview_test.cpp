#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QFile>
#include <QMessageBox>
#include <QPrintPreviewDialog>
#include <QPrintPreviewWidget>
#include <QTemporaryDir>
#include <QTimer>
#include <functional>

#include "platform/qt/report.h"
#include "report/pdf_reader.h"
#include "report/workstation_sheet.h"

namespace tw {
namespace {

// Runs `step` on the modal window once the event loop has shown it.
void WhenModalShown(std::function<void(QWidget*)> step) {
  QTimer::singleShot(0, [step = std::move(step)] { step(QApplication::activeModalWidget()); });
}

class SheetPreview : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(dir_.isValid());
    report_.OnGetValue = [](const QString&, QVariant& value) { value = QStringLiteral("\\\\PC-0815\\TellwickData"); };
    report_.PrepareReport();
  }

  QTemporaryDir dir_;
  TReport report_{WorkstationSetupSheet()};
};

TEST_F(SheetPreview, OpensMaximisedAndModalAndExportsTheSheetAsPdf) {
  const QString pdf = dir_.filePath(QStringLiteral("exported.pdf"));
  QtReportPreview preview([&](QWidget*) { return pdf; });
  bool shown = false;
  WhenModalShown([&](QWidget* window) {
    auto* dialog = qobject_cast<QPrintPreviewDialog*>(window);
    ASSERT_NE(dialog, nullptr);
    shown = true;
    EXPECT_TRUE(dialog->windowState() & Qt::WindowMaximized);
    EXPECT_NE(dialog->windowModality(), Qt::NonModal);
    const auto* page = dialog->findChild<QPrintPreviewWidget*>();
    EXPECT_EQ(page->pageCount(), 1);
    EXPECT_EQ(page->zoomMode(), QPrintPreviewWidget::CustomZoom);
    EXPECT_DOUBLE_EQ(page->zoomFactor(), 1.0);
    auto* exportPdf = dialog->findChild<QAction*>(QStringLiteral("actExportPdf"));
    ASSERT_NE(exportPdf, nullptr);
    EXPECT_EQ(exportPdf->text(), QStringLiteral("Export PDF…"));
    exportPdf->trigger();
    dialog->close();
  });
  preview.ShowPreparedReport(nullptr, report_);

  ASSERT_TRUE(shown);
  EXPECT_EQ(test::ReadInfo(pdf).at(QStringLiteral("Pages")), QStringLiteral("1"));
  const QStringList lines = test::ReadLines(test::ReadWords(pdf));
  ASSERT_FALSE(lines.isEmpty());
  EXPECT_EQ(lines.first(), QStringLiteral("Instructions for Installing Tellwick"));
}

TEST_F(SheetPreview, CancellingTheFileChoiceWritesNothing) {
  int asked = 0;
  QtReportPreview preview([&](QWidget*) {
    ++asked;
    return QString();
  });
  WhenModalShown([](QWidget* window) {
    ASSERT_NE(window, nullptr);
    window->findChild<QAction*>(QStringLiteral("actExportPdf"))->trigger();
    window->close();
  });
  preview.ShowPreparedReport(nullptr, report_);
  EXPECT_EQ(asked, 1);
  EXPECT_TRUE(QDir(dir_.path()).isEmpty());
}

TEST_F(SheetPreview, AFileThatCannotBeWrittenIsReportedInAnErrorBox) {
  const QString pdf = dir_.filePath(QStringLiteral("missing/sheet.pdf"));
  QtReportPreview preview([&](QWidget*) { return pdf; });
  QString errorText;
  WhenModalShown([&](QWidget* window) {
    ASSERT_NE(window, nullptr);
    // The error box is modal in its turn.
    WhenModalShown([&](QWidget* box) {
      auto* message = qobject_cast<QMessageBox*>(box);
      ASSERT_NE(message, nullptr);
      EXPECT_EQ(message->icon(), QMessageBox::Critical);
      errorText = message->text();
      message->close();
    });
    window->findChild<QAction*>(QStringLiteral("actExportPdf"))->trigger();
    window->close();
  });
  preview.ShowPreparedReport(nullptr, report_);
  EXPECT_TRUE(errorText.contains(pdf)) << errorText.toStdString();
  EXPECT_FALSE(QFile::exists(pdf));
}

}  // namespace
}  // namespace tw
