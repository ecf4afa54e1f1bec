#include <gtest/gtest.h>

#include <QApplication>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QStackedWidget>
#include <QTabBar>
#include <QTest>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextEdit>
#include <QTextList>

#include "platform/qt/htmlabel.h"
#include "support/qt/window_fixture.h"

namespace tw::test {
namespace {

// ---------------------------------------------------------------------------
// The page texts' markup, as Qt renders it

struct Span {
  QString text;
  bool bold;
  QColor colour;  // invalid: the document's default
};

struct MarkupCase {
  const char* name;
  QString markup;
  QString shown = {};            // the rendered text; line breaks and paragraphs as "\n"
  std::vector<Span> spans = {};  // runs of the rendered text and how they look
  int listItems = 0;
  QString keptVerbatim = {};  // a part the conversion must leave as written
};

void PrintTo(const MarkupCase& c, std::ostream* os) { *os << c.name; }

class Markup : public ::testing::TestWithParam<MarkupCase> {};

TEST_P(Markup, RendersAsTheMarkupSays) {
  const MarkupCase& c = GetParam();
  const QString html = MarkupToRichText(c.markup);
  if (!c.keptVerbatim.isEmpty()) {
    EXPECT_TRUE(html.contains(c.keptVerbatim)) << html.toStdString();
  }

  QTextDocument document;
  document.setHtml(html);
  if (!c.shown.isNull()) {
    EXPECT_EQ(document.toPlainText(), c.shown) << html.toStdString();
  }

  for (const Span& span : c.spans) {
    const QTextCursor found = document.find(span.text);
    ASSERT_FALSE(found.isNull()) << span.text.toStdString();
    // The format of the span's last character.
    const QTextCharFormat format = found.charFormat();
    EXPECT_EQ(format.fontWeight() >= QFont::Bold, span.bold) << span.text.toStdString();
    if (span.colour.isValid()) {
      EXPECT_EQ(format.foreground().color(), span.colour) << span.text.toStdString();
    } else {
      EXPECT_FALSE(format.hasProperty(QTextFormat::ForegroundBrush)) << span.text.toStdString();
    }
  }

  int items = 0;
  for (QTextBlock block = document.begin(); block.isValid(); block = block.next())
    if (block.textList() != nullptr) ++items;
  EXPECT_EQ(items, c.listItems);
}

const QColor kBlue(0x00, 0x00, 0xff);

INSTANTIATE_TEST_SUITE_P(
    Cases, Markup,
    ::testing::Values(
        MarkupCase{"bold",
                   QStringLiteral("Click <b>Next</b> to continue."),
                   QStringLiteral("Click Next to continue."),
                   {{QStringLiteral("Next"), true, {}},
                    {QStringLiteral("Click"), false, {}},
                    {QStringLiteral("continue"), false, {}}}},
        MarkupCase{"lineBreaks", QStringLiteral("One.<br>Two.<br><br>Three."), QStringLiteral("One.\nTwo.\n\nThree.")},
        MarkupCase{"doubleSpacesKept", QStringLiteral("One.  Two.   Three."), QStringLiteral("One.  Two.   Three.")},
        // A list starts on the line after the break before it, and the two
        // breaks after it leave one empty line.
        MarkupCase{"list",
                   QStringLiteral("Steps:<br><ul><li>first<li>second</ul><br><br>Done."),
                   QStringLiteral("Steps:\nfirst\nsecond\n\nDone."),
                   {{QStringLiteral("second"), false, {}}},
                   2},
        MarkupCase{"listClosedItems",
                   QStringLiteral("<UL><LI>a</LI><LI>b</LI><LI>c</LI></UL>"),
                   QStringLiteral("a\nb\nc"),
                   {},
                   3},
        MarkupCase{"blueFontAsWritten",
                   QStringLiteral("at <FONT color=clBlue>blue</font> end"),
                   QStringLiteral("at blue end"),
                   {{QStringLiteral("blue"), false, kBlue}, {QStringLiteral("end"), false, {}}}},
        MarkupCase{"blueFontAnyCase",
                   QStringLiteral("at <font COLOR=CLBLUE>blue</FONT> end"),
                   QStringLiteral("at blue end"),
                   {{QStringLiteral("blue"), false, kBlue}}},
        MarkupCase{"otherColourNames",
                   QStringLiteral("<font color=clRed>red</font> <font color=\"clNavy\">navy</font> "
                                  "<font color=clGreen>green</font> <font color=clGray>gray</font>"),
                   QStringLiteral("red navy green gray"),
                   {{QStringLiteral("red"), false, QColor(0xff, 0, 0)},
                    {QStringLiteral("navy"), false, QColor(0, 0, 0x80)},
                    {QStringLiteral("green"), false, QColor(0, 0x80, 0)},
                    {QStringLiteral("gray"), false, QColor(0x80, 0x80, 0x80)}}},
        // The window fills the placeholder in before the text is ever shown.
        MarkupCase{"placeholderLeftAlone",
                   QStringLiteral("address: <b><FONT color=clBlue><%sharedfolder%></font></b>."),
                   QString(),
                   {},
                   0,
                   QStringLiteral("<b><FONT color=\"#0000ff\"><%sharedfolder%></font></b>")},
        MarkupCase{
            "filledInAddress",
            QStringLiteral("address: <b><FONT color=clBlue>\\\\RECEPTION\\TellwickData</font></b>."),
            QStringLiteral("address: \\\\RECEPTION\\TellwickData."),
            {{QStringLiteral("\\\\RECEPTION\\TellwickData"), true, kBlue}, {QStringLiteral("address"), false, {}}}}),
    [](const auto& info) { return info.param.name; });

// ---------------------------------------------------------------------------
// The window's frame

// The widgets Tab visits from `start`, in order, until it comes back.
std::vector<QWidget*> TabOrder(QWidget* window, QWidget* start) {
  std::vector<QWidget*> order;
  QWidget* widget = start;
  do {
    if ((widget->focusPolicy() & Qt::TabFocus) && widget->isVisibleTo(window) && widget->isEnabled())
      order.push_back(widget);
    widget = widget->nextInFocusChain();
  } while (widget != start);
  return order;
}

TEST(Frame, IsAFixedWindowWithoutMaximiseBox) {
  WindowFixture f;
  TfrmMain& w = *f.window;
  EXPECT_EQ(w.minimumSize(), QSize(733, 435));
  EXPECT_EQ(w.maximumSize(), QSize(733, 435));
  EXPECT_FALSE(w.windowFlags().testFlag(Qt::WindowMaximizeButtonHint));
  EXPECT_TRUE(w.windowFlags().testFlag(Qt::WindowMinimizeButtonHint));
  EXPECT_EQ(w.windowTitle(), "Tellwick Easy Setup Wizard");
  EXPECT_FALSE(w.windowIcon().isNull());
}

TEST(Frame, PageAreaShowsNoTabsAndNoFrame) {
  WindowFixture f;
  TfrmMain& w = *f.window;
  EXPECT_TRUE(w.findChildren<QTabBar*>().isEmpty());
  EXPECT_EQ(w.pagScreens->frameShape(), QFrame::NoFrame);
  EXPECT_EQ(w.pagScreens->geometry(), QRect(0, 65, 733, 332));
  EXPECT_EQ(w.pagScreens->count(), kPageCount);
}

TEST(Frame, TabRunsThroughTheBarButtonsAndThenTheActivePage) {
  WindowFixture f;
  TfrmMain& w = *f.window;
  const auto expectOrder = [&](Page page, std::vector<QWidget*> pageControls) {
    w.pagScreens->setCurrentWidget(w.tabs[static_cast<size_t>(page)]);
    for (QPushButton* button : {w.btnPrevious, w.btnNext, w.btnFinish}) button->setEnabled(true);
    std::vector<QWidget*> expected = {w.btnAbout, w.btnPrevious, w.btnNext, w.btnCancel, w.btnFinish};
    expected.insert(expected.end(), pageControls.begin(), pageControls.end());
    EXPECT_EQ(TabOrder(&w, w.btnAbout), expected) << static_cast<int>(page);
  };
  expectOrder(Page::tabIntro, {});
  expectOrder(Page::tabLicence, {w.mmoLicence, w.radAccept, w.radDontAccept});
  expectOrder(Page::tabNetworkType, {w.radLAN, w.radPeer2Peer});
  expectOrder(Page::tabLAN, {w.edtLANDirectory});
  expectOrder(Page::tabP2PHostFinished, {w.btnPrint, w.chkP2PReadMe});
  expectOrder(Page::tabP2PWorkstationDataFolder, {w.edtSharedFolder});
}

TEST(Frame, AboutHasTheFocusWhenTheWindowOpens) {
  WindowFixture f;
  TfrmMain& w = *f.window;
  w.show();
  QApplication::setActiveWindow(&w);
  ASSERT_TRUE(QTest::qWaitForWindowActive(&w));
  EXPECT_EQ(QApplication::focusWidget(), w.btnAbout);
}

// Enter presses the focused button and nothing else; Escape does nothing.
struct KeyCase {
  const char* name;
  Page start;
  QWidget* (*focus)(const TfrmMain&);
  Qt::Key key;
  Page expected;
};

void PrintTo(const KeyCase& c, std::ostream* os) { *os << c.name; }

class Keys : public ::testing::TestWithParam<KeyCase> {};

TEST_P(Keys, OnlyTheFocusedButtonAnswers) {
  const KeyCase& c = GetParam();
  WindowFixture f;
  TfrmMain& w = *f.window;
  WalkTo(w, c.start);
  w.show();
  QApplication::setActiveWindow(&w);
  ASSERT_TRUE(QTest::qWaitForWindowActive(&w));
  QWidget* focus = c.focus(w);
  focus->setFocus();
  ASSERT_EQ(QApplication::focusWidget(), focus);
  QTest::keyClick(focus, c.key);
  EXPECT_EQ(w.ActivePage(), c.expected);
  EXPECT_TRUE(w.isVisible());
  EXPECT_TRUE(f.messages.shown.empty());
  // A focused button counts as the default while it has the focus; no other may.
  for (QPushButton* button : w.findChildren<QPushButton*>()) {
    if (button != QApplication::focusWidget()) {
      EXPECT_FALSE(button->isDefault()) << button->objectName().toStdString();
    }
  }
}

INSTANTIATE_TEST_SUITE_P(
    Cases, Keys,
    ::testing::Values(
        KeyCase{"enterOnNext", Page::tabIntro, [](const TfrmMain& w) -> QWidget* { return w.btnNext; }, Qt::Key_Return,
                Page::tabLicence},
        KeyCase{"keypadEnterOnPrevious", Page::tabNetworkType,
                [](const TfrmMain& w) -> QWidget* { return w.btnPrevious; }, Qt::Key_Enter, Page::tabLicence},
        KeyCase{"enterInAFilledField", Page::tabLAN, [](const TfrmMain& w) -> QWidget* { return w.edtLANDirectory; },
                Qt::Key_Return, Page::tabLAN},
        KeyCase{"enterOnAnOption", Page::tabNetworkType, [](const TfrmMain& w) -> QWidget* { return w.radLAN; },
                Qt::Key_Return, Page::tabNetworkType},
        KeyCase{"escapeOnNext", Page::tabIntro, [](const TfrmMain& w) -> QWidget* { return w.btnNext; }, Qt::Key_Escape,
                Page::tabIntro},
        KeyCase{"escapeOnCancel", Page::tabLAN, [](const TfrmMain& w) -> QWidget* { return w.btnCancel; },
                Qt::Key_Escape, Page::tabLAN}),
    [](const auto& info) { return info.param.name; });

// ---------------------------------------------------------------------------
// The page texts

struct TextCase {
  const char* label;
  Page page;
  QString begins;
  QString ends;
};

void PrintTo(const TextCase& c, std::ostream* os) { *os << c.label; }

class PageTexts : public ::testing::TestWithParam<TextCase> {};

TEST_P(PageTexts, EachLabelHoldsItsTextOnItsPage) {
  const TextCase& c = GetParam();
  WindowFixture f;
  auto* label = f.window->findChild<THtmLabel*>(QString::fromLatin1(c.label));
  ASSERT_NE(label, nullptr);
  EXPECT_TRUE(f.window->tabs[static_cast<size_t>(c.page)]->isAncestorOf(label));
  EXPECT_TRUE(label->HTMLText().startsWith(c.begins)) << label->HTMLText().toStdString();
  EXPECT_TRUE(label->HTMLText().endsWith(c.ends)) << label->HTMLText().toStdString();
  EXPECT_EQ(label->text(), MarkupToRichText(label->HTMLText()));
}

INSTANTIATE_TEST_SUITE_P(
    AllPages, PageTexts,
    ::testing::Values(
        TextCase{"HTMLabel1", Page::tabIntro, "Welcome to the <b>Tellwick Easy Setup Wizard</b>.  The wizard",
                 "(INSTALL.PDF).<br><br>Click <b>Next</b> to continue."},
        TextCase{"HTMLabel23", Page::tabLicence, "Please read the following license agreement",
                 "<b>I accept the agreement</b> if you agree."},
        TextCase{"HTMLabel2", Page::tabNetworkType, "Please select the type", "of network you have:"},
        TextCase{"HTMLabel3", Page::tabNetworkType, "A Local Area Network has a file server.  Computers",
                 "via a router and/or network hub or switch."},
        TextCase{"HTMLabel4", Page::tabNetworkType, "A Peer-to-Peer Network does <b>not</b> have",
                 "directly connected, or via a router, network hub or switch."},
        TextCase{"HTMLabel5", Page::tabLAN, "You have selected <b>Local Area Network</b> as your network type.  The",
                 "has <b>sufficient access rights</b> for all Tellwick users."},
        TextCase{"HTMLabel8", Page::tabLAN, "If you are upgrading Tellwick",
                 "select the location Tellwick is currently installed in."},
        TextCase{"HTMLabel7", Page::tabLANReady,
                 "You are now ready to install Tellwick on your Local Area Network.<br>",
                 "<b>Install</b> button below to start the Tellwick installer."},
        TextCase{"HTMLabel9", Page::tabLANRenovo, "You are now ready to create the Tellwick database.<br><br>",
                 "Database</b> button below to start the Renovo wizard."},
        TextCase{"HTMLabel15", Page::tabLANRenovo, "If the Tellwick database already exists",
                 "it will be automatically upgraded."},
        TextCase{"HTMLabel6", Page::tabPeer2Peer,
                 "You have selected <b>Peer-to-Peer Network</b> as your network type. <br>",
                 "<br><br>Which computer are you setting up now?  "},
        TextCase{"HTMLabel11", Page::tabPeer2Peer, "The <b>host</b> computer hosts",
                 "the shared folder containing the Tellwick database."},
        TextCase{"HTMLabel12", Page::tabPeer2Peer, "Workstations connect to the Tellwick database",
                 "on the <b>host</b> computer via a shared folder."},
        TextCase{"HTMLabel16", Page::tabP2PHost, "The first step in setting up Tellwick on your <b>Peer-to-Peer",
                 "as only the Host PC will be accessing these files. "},
        TextCase{"HTMLabel17", Page::tabP2PHostReady, "You are now ready to install Tellwick on your <b>Host PC</b>.",
                 "<b>Install</b> button below to start the Tellwick installer."},
        TextCase{"HTMLabel19", Page::tabP2PRenovo, "You are now ready to create the Tellwick database.  The <b>shared",
                 "Database</b> button below to start the Renovo wizard."},
        TextCase{"HTMLabel18", Page::tabP2PRenovo, "If the Tellwick database already exists",
                 "it will be automatically upgraded."},
        TextCase{"htmWorkstationInfo", Page::tabP2PHostFinished, "Tellwick has been",
                 "network address.</ul><br><br>Click the <b>Print</b> button if you would like these instructions "
                 "printed out.<br><br>Click the <b>Finish</b> button to close this wizard."},
        TextCase{"HTMLabel14", Page::tabP2PWorkstation, "Please select a folder on the <b>workstation</b>",
                 "as only the workstation will be accessing these files. "},
        TextCase{"HTMLabel21", Page::tabP2PWorkstationReady,
                 "You are now ready to install Tellwick on your "
                 "<b>workstation</b>.",
                 "<b>Install</b> button below to start the Tellwick installer."},
        TextCase{"HTMLabel24", Page::tabP2PWorkstationDataFolder, "Tellwick now needs to know the location",
                 "on the host computer.  Enter the location for the data folder below."},
        TextCase{"HTMLabel22", Page::tabP2PWorkstationFinished,
                 "Tellwick has been successfully installed on this "
                 "workstation.  Click",
                 "to complete the setup of this workstation."},
        TextCase{"HTMLabel10", Page::tabFinished,
                 "Tellwick has been successfully installed and setup on your "
                 "network.  Click",
                 "<b>Finish</b> button to close this wizard."},
        TextCase{"HTMLabel20", Page::tabNoInstaller,
                 "The Tellwick Installer (TELLWICK4SETUP.EXE) <b>could not be "
                 "located</b>!  Tellwick",
                 "to be located in the same folder."}),
    [](const auto& info) { return info.param.label; });

// The template keeps its placeholder until the page is shown; then the
// address stands in its place, in blue bold.
TEST(PageTexts, HostFinishedPageShowsTheAddressInBlueBold) {
  WindowFixture f({.computerName = "RECEPTION"});
  EXPECT_TRUE(f.window->htmWorkstationInfo->HTMLText().contains("<FONT color=clBlue><%sharedfolder%></font>"));
  f.window->ShowPeer2PeerHostFinishPage();
  QTextDocument document;
  document.setHtml(f.window->htmWorkstationInfo->text());
  const QTextCursor address = document.find(QStringLiteral("\\\\RECEPTION\\TellwickData"));
  ASSERT_FALSE(address.isNull()) << document.toPlainText().toStdString();
  EXPECT_EQ(address.charFormat().foreground().color(), QColor(0, 0, 0xff));
  EXPECT_GE(address.charFormat().fontWeight(), QFont::Bold);
}

// A page text that does not fit is cut off at the bottom of its box. The
// longest computer name makes the longest address.
TEST(PageTexts, EveryTextFitsItsBox) {
  WindowFixture f({.computerName = "WORKSTATION-015"});
  f.window->ShowPeer2PeerHostFinishPage();
  const QList<THtmLabel*> labels = f.window->findChildren<THtmLabel*>();
  ASSERT_FALSE(labels.isEmpty());
  for (const THtmLabel* label : labels)
    EXPECT_LE(label->heightForWidth(label->width()), label->height())
        << label->objectName().toStdString() << " in " << label->width() << " x " << label->height();
}

}  // namespace
}  // namespace tw::test
