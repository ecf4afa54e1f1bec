#include <gtest/gtest.h>

#include <QApplication>
#include <QFrame>
#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <functional>

#include "app/frmabout.h"
#include "support/qt/window_fixture.h"

namespace tw {
namespace {

TEST(AboutWindow, ControlsSitAtTheirPlaces) {
  TfrmAbout about;
  struct Case {
    const char* name;
    QWidget* control;
    QRect place;
  };
  const Case cases[] = {
      {"emblem", about.imgEmblem, {8, 8, 128, 128}},
      {"product name", about.lblProductName, {136, 8, 385, 45}},
      {"description panel", about.pnlDescription, {8, 144, 513, 113}},
      {"description", about.lblDescription, {8, 8, 497, 97}},
      {"OK", about.btnOk, {229, 264, 73, 25}},
  };
  for (const Case& c : cases) EXPECT_EQ(c.control->geometry(), c.place) << c.name;

  // Labels whose height follows their font: place and width only.
  const std::pair<QLabel*, QPoint> labels[] = {
      {about.lblVersion, {136, 56}}, {about.lblBuild, {136, 80}}, {about.lblCopyright, {136, 120}}};
  for (const auto& [label, at] : labels) {
    EXPECT_EQ(label->pos(), at) << label->text().toStdString();
    EXPECT_EQ(label->width(), 385) << label->text().toStdString();
    EXPECT_TRUE(label->alignment() & Qt::AlignHCenter) << label->text().toStdString();
  }
}

TEST(AboutWindow, IsAFixedDialogWithoutMinimiseOrMaximise) {
  TfrmAbout about;
  EXPECT_EQ(about.windowTitle(), QStringLiteral("About"));
  EXPECT_EQ(about.minimumSize(), QSize(530, 296));
  EXPECT_EQ(about.maximumSize(), QSize(530, 296));
  EXPECT_FALSE(about.windowFlags() & Qt::WindowMinimizeButtonHint);
  EXPECT_FALSE(about.windowFlags() & Qt::WindowMaximizeButtonHint);
  EXPECT_TRUE(about.windowFlags() & Qt::WindowCloseButtonHint);
  EXPECT_EQ(about.font().family(), QStringLiteral("MS Sans Serif"));
  EXPECT_EQ(about.font().pointSize(), 8);
}

TEST(AboutWindow, NamesTheWizardItsVersionAndWhatItDoes) {
  TfrmAbout about;
  EXPECT_EQ(about.lblProductName->text(), QStringLiteral("Tellwick Easy Setup"));
  EXPECT_EQ(about.lblProductName->font().family(), QStringLiteral("Arial Black"));
  EXPECT_EQ(about.lblProductName->font().pointSize(), 24);
  EXPECT_EQ(about.lblProductName->palette().color(QPalette::WindowText), QColor(0, 0, 128));

  EXPECT_EQ(about.lblVersion->text(), QStringLiteral("Version 1.00"));
  EXPECT_TRUE(about.lblVersion->font().bold());
  EXPECT_EQ(about.lblBuild->text(), QStringLiteral("(Build 1.0.0.0)"));
  EXPECT_FALSE(about.lblBuild->font().bold());
  EXPECT_TRUE(about.lblCopyright->text().startsWith(QStringLiteral("Copyright")));

  EXPECT_TRUE(about.lblDescription->wordWrap());
  const QStringList paragraphs = about.lblDescription->text().split(QLatin1Char('\n'));
  ASSERT_EQ(paragraphs.size(), 2);
  EXPECT_TRUE(paragraphs[0].startsWith(QStringLiteral("Tellwick Easy Setup is a wizard that is designed")));
  EXPECT_TRUE(paragraphs[0].endsWith(QStringLiteral("then does the install for you.")));
  EXPECT_EQ(paragraphs[1], QStringLiteral("To use Tellwick Easy Setup, you need to have the Tellwick Installer "
                                          "(TELLWICK4SETUP.EXE) located in the same folder."));

  EXPECT_FALSE(about.imgEmblem->pixmap().isNull());
  EXPECT_TRUE(about.btnOk->isDefault());
  EXPECT_FALSE(about.btnOk->icon().isNull());
}

// Shows the window modally and runs `drive` on it once shown; the result is
// what exec() returned, or -1 when the window was still open afterwards.
int RunModal(TfrmAbout& about, const std::function<void(TfrmAbout&)>& drive) {
  QTimer::singleShot(0, [&] {
    drive(about);
    if (about.isVisible()) {
      about.done(-1);
    }
  });
  return about.exec();
}

TEST(AboutWindow, ClosesWithOkEnterOrTheCloseBoxButNotEscape) {
  struct Case {
    const char* name;
    std::function<void(TfrmAbout&)> drive;
    int result;
  };
  const Case cases[] = {
      {"OK", [](TfrmAbout& a) { QTest::mouseClick(a.btnOk, Qt::LeftButton); }, QDialog::Accepted},
      {"Enter", [](TfrmAbout& a) { QTest::keyClick(&a, Qt::Key_Return); }, QDialog::Accepted},
      {"close box", [](TfrmAbout& a) { a.close(); }, QDialog::Rejected},
      {"Escape", [](TfrmAbout& a) { QTest::keyClick(&a, Qt::Key_Escape); }, -1},
  };
  for (const Case& c : cases) {
    TfrmAbout about;
    EXPECT_EQ(RunModal(about, c.drive), c.result) << c.name;
  }
}

TEST(AboutButton, OpensTheAboutWindowModallyAndReleasesItWhenClosed) {
  test::WindowFixture fixture;
  TfrmMain& window = *fixture.window;
  QString version;
  QString build;
  bool modal = false;
  QTimer::singleShot(0, [&] {
    auto* about = qobject_cast<TfrmAbout*>(QApplication::activeModalWidget());
    ASSERT_NE(about, nullptr);
    modal = about->isModal();
    version = about->lblVersion->text();
    build = about->lblBuild->text();
    QTest::mouseClick(about->btnOk, Qt::LeftButton);
  });
  QTest::mouseClick(window.btnAbout, Qt::LeftButton);

  EXPECT_TRUE(modal);
  EXPECT_EQ(version, QStringLiteral("Version 1.00"));
  EXPECT_EQ(build, QStringLiteral("(Build 1.0.0.0)"));
  EXPECT_TRUE(window.findChildren<TfrmAbout*>().isEmpty());
  EXPECT_TRUE(fixture.messages.shown.empty());
}

}  // namespace
}  // namespace tw
