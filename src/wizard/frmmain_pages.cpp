// The window's frame and the seventeen pages with their controls.
#include <QAction>
#include <QCheckBox>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>
#include <QRadioButton>
#include <QStackedWidget>
#include <QTextDocument>
#include <QTextEdit>
#include <QToolTip>
#include <QtMath>

#include "platform/qt/arrow_line.h"
#include "platform/qt/artwork.h"
#include "platform/qt/htmlabel.h"
#include "wizard/frmmain.h"

namespace tw {

namespace {

constexpr int kClientWidth = 733;
constexpr int kHeadingHeight = 65;
constexpr int kPageAreaHeight = 332;
constexpr int kBarTop = kHeadingHeight + kPageAreaHeight;
constexpr int kButtonWidth = 75;
constexpr int kButtonHeight = 25;
constexpr int kPageTextLeft = 120;
constexpr int kPageTextWidth = 601;

// Raised a little on hover, so the flat buttons show which one the mouse is on.
const QString kButtonStyle = QStringLiteral(
    "QPushButton { border: 1px solid #8e9aa6; border-radius: 3px; padding: 0px 5px;"
    "  background-color: qlineargradient(x1:0, y1:0, x2:0, y2:1, stop:0 #ffffff, stop:1 #e1e6eb); }"
    "QPushButton:focus { border-color: #2f6fb5; }"
    "QPushButton:hover { border-color: #3c7fb1;"
    "  background-color: qlineargradient(x1:0, y1:0, x2:0, y2:1, stop:0 #f4faff, stop:1 #c9e3f9); }"
    "QPushButton:pressed { border-color: #245a8c;"
    "  background-color: qlineargradient(x1:0, y1:0, x2:0, y2:1, stop:0 #bcdaf4, stop:1 #e3f0fb); }"
    "QPushButton:disabled { border-color: #c4cad0; background-color: #f1f3f5; color: #a0a6ac; }");

// The one flat frame of the licence text and the edit fields.
const QString kFieldStyle = QStringLiteral(
    "QLineEdit, QTextEdit { border: 1px solid #999999; background-color: #ffffff; }"
    "QLineEdit { padding: 0px 1px; }"
    "QLineEdit:focus, QTextEdit:focus { border-color: #2f6fb5; }");

const QString kLicenceText = QStringLiteral(
    "TELLWICK END USER LICENCE AGREEMENT\n"
    "\n"
    "This agreement is between you (the person or the organisation that installs the software) and Orvane, the "
    "maker of Tellwick. By installing or using Tellwick you agree to be bound by this agreement. If you do not "
    "agree, do not install or use the software.\n"
    "\n"
    "1. Licence\n"
    "Orvane grants you a non-exclusive, non-transferable licence to install and use Tellwick on the computers of "
    "one office network, for the number of users stated on your licence certificate. You may make one copy of "
    "the installation files for backup purposes.\n"
    "\n"
    "2. Restrictions\n"
    "You may not rent, lend, sell or sublicense the software, and you may not reverse engineer, decompile or "
    "disassemble it, except where the law expressly allows it in spite of this restriction. You may not remove "
    "or alter any copyright notice in the software or its documentation.\n"
    "\n"
    "3. Your data\n"
    "The data that you enter into Tellwick remains yours. You are responsible for keeping regular backups of the "
    "Tellwick database and of the shared data folder.\n"
    "\n"
    "4. Ownership\n"
    "The software and its documentation are protected by copyright law and international treaties. Orvane keeps "
    "all rights in the software that are not expressly granted to you in this agreement.\n"
    "\n"
    "5. Limited warranty\n"
    "For ninety days from the date of purchase Orvane warrants that the software will perform substantially as "
    "described in its documentation. Your only remedy under this warranty is, at Orvane's choice, the repair or "
    "replacement of the software or the refund of the price you paid for it. Apart from this, the software is "
    "provided \"as is\", without warranty of any kind.\n"
    "\n"
    "6. Limitation of liability\n"
    "To the extent the law permits, Orvane is not liable for any indirect or consequential loss, including loss "
    "of profits, loss of data or interruption of business, arising from the use of or the inability to use the "
    "software, even if Orvane has been advised of the possibility of such loss. Orvane's total liability is "
    "limited to the price you paid for the software.\n"
    "\n"
    "7. Termination\n"
    "This licence ends automatically if you fail to comply with any of its terms. When it ends you must remove "
    "all copies of the software from your computers.\n"
    "\n"
    "8. General\n"
    "This agreement is the entire agreement between you and Orvane about the software. If any part of it is "
    "found to be unenforceable, the remaining parts stay in force.\n");

template <typename T>
T* Make(QWidget* parent, const char* name, const QString& text = {}) {
  auto* widget = new T(parent);
  widget->setObjectName(QString::fromLatin1(name));
  if constexpr (requires { widget->setText(text); })
    if (!text.isEmpty()) widget->setText(text);
  return widget;
}

QAction* BrowseButton(QLineEdit* field, const char* name) {
  QAction* action = field->addAction(art::ButtonGlyph(art::Glyph::Folder), QLineEdit::TrailingPosition);
  action->setObjectName(QString::fromLatin1(name));
  action->setToolTip(QStringLiteral("Browse for a folder"));
  return action;
}

// The text is fixed, the font may not be: a check box gets the room its text
// needs where nothing lies to its right.
void FitWidth(QWidget* widget) {
  if (widget->sizeHint().width() > widget->width()) widget->resize(widget->sizeHint().width(), widget->height());
}

// An arrow line starts after its option's text, so that it never crosses it.
void StartAfter(TArrowLine* line, const QRadioButton* option) {
  const int textEnd = option->x() + option->sizeHint().width() + 2;
  if (textEnd > line->x())
    line->setGeometry(textEnd, line->y(), line->geometry().right() + 1 - textEnd, line->height());
}

// A button beside a sentence of a page text moves right when a wider face
// would run the sentence under it.
void Beside(QWidget* button, const THtmLabel* text, const QString& sentence) {
  QTextDocument document;
  document.setDocumentMargin(0);
  document.setDefaultFont(text->font());
  document.setHtml(MarkupToRichText(sentence));
  const int sentenceEnd = text->x() + qCeil(document.idealWidth()) + 8;
  if (sentenceEnd > button->x()) button->move(sentenceEnd, button->y());
}

QFont BaseFont() {
  // Where the classic face is missing, a narrow face of about its width keeps
  // the texts inside their boxes.
  QFont::insertSubstitutions(QStringLiteral("MS Sans Serif"),
                             {QStringLiteral("Microsoft Sans Serif"), QStringLiteral("DejaVu Sans Condensed")});
  QFont font(QStringLiteral("MS Sans Serif"), 8);
  font.setStyleHint(QFont::SansSerif);
  return font;
}

QFrame* GroovedLine(QWidget* parent, int top) {
  auto* line = new QFrame(parent);
  line->setFrameShape(QFrame::HLine);
  line->setFrameShadow(QFrame::Sunken);
  line->setGeometry(0, top, kClientWidth, 2);
  return line;
}

THtmLabel* PageText(QWidget* parent, const char* name, const QRect& box, const QString& markup) {
  auto* label = Make<THtmLabel>(parent, name);
  label->setGeometry(box);
  label->setHTMLText(markup);
  // The text box may reach over a page's fields; clicks belong to them.
  label->setAttribute(Qt::WA_TransparentForMouseEvents);
  label->lower();
  return label;
}

THtmLabel* PageText(QWidget* page, const char* name, int height, const QString& markup, int width = kPageTextWidth) {
  return PageText(page, name, QRect(kPageTextLeft, 8, width, height), markup);
}

QLabel* PictureLabel(QWidget* parent, const QString& name, const QRect& box, const QPixmap& pixmap) {
  auto* label = new QLabel(parent);
  label->setObjectName(name);
  label->setGeometry(box);
  label->setPixmap(pixmap);
  label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
  label->lower();
  return label;
}

void Illustrate(QWidget* page, art::Picture picture, int left = 8, int size = 96) {
  PictureLabel(page, QStringLiteral("img") + page->objectName().mid(3), QRect(left, 8, size, size),
               art::Illustration(picture, size));
}

// A box in the tooltip colour with a thin grey border, that explains or hints.
class TPanel : public QFrame {
 public:
  using QFrame::QFrame;

 protected:
  void paintEvent(QPaintEvent*) override {
    QPainter p(this);
    p.fillRect(rect(), QToolTip::palette().color(QPalette::Inactive, QPalette::ToolTipBase));
    p.setPen(QColor(0x99, 0x99, 0x99));
    p.drawRect(rect().adjusted(0, 0, -1, -1));
  }
};

TPanel* MakePanel(QWidget* page, const char* name, const QRect& box) {
  auto* panel = Make<TPanel>(page, name);
  panel->setGeometry(box);
  return panel;
}

void HintPanel(QWidget* page, const char* name, QPoint at, const char* textName, const QString& markup) {
  TPanel* panel = MakePanel(page, name, QRect(at, QSize(395, 41)));
  PictureLabel(panel, panel->objectName() + QStringLiteral("Icon"), QRect(8, 8, 28, 28), art::HintIcon(28));
  PageText(panel, textName, QRect(48, 7, 337, 33), markup);
}

void FolderField(QLabel* label, QLineEdit* field, QPoint labelAt, const QRect& fieldBox) {
  label->move(labelAt);
  label->adjustSize();
  label->setBuddy(field);
  field->setGeometry(fieldBox);
  field->setStyleSheet(kFieldStyle);
}

}  // namespace

void TfrmMain::CreateControls() {
  setFont(BaseFont());
  setWindowIcon(art::WindowIcon());
  QPalette face = palette();
  face.setColor(QPalette::Window, face.color(QPalette::Button));
  setPalette(face);
  setAutoFillBackground(true);

  // The bar buttons come first so that the tab order runs About, Previous,
  // Next, Cancel, Finish and then the active page's controls.
  btnAbout = Make<QPushButton>(this, "btnAbout", QStringLiteral("About"));
  btnPrevious = Make<QPushButton>(this, "btnPrevious", QStringLiteral("Previous"));
  btnNext = Make<QPushButton>(this, "btnNext", QStringLiteral("Next"));
  btnCancel = Make<QPushButton>(this, "btnCancel", QStringLiteral("Cancel"));
  btnFinish = Make<QPushButton>(this, "btnFinish", QStringLiteral("Finish"));
  const std::pair<QPushButton*, art::Glyph> barButtons[] = {
      {btnAbout, art::Glyph::About},   {btnPrevious, art::Glyph::Previous}, {btnNext, art::Glyph::Next},
      {btnCancel, art::Glyph::Cancel}, {btnFinish, art::Glyph::Finish},
  };
  const int barLefts[] = {8, 336, 424, 512, 600};
  for (size_t i = 0; i < std::size(barButtons); ++i) {
    QPushButton* button = barButtons[i].first;
    button->setGeometry(barLefts[i], kBarTop + 8, kButtonWidth, kButtonHeight);
    button->setIcon(art::ButtonGlyph(barButtons[i].second));
    button->setIconSize(QSize(16, 16));
    // Outside a dialog, auto-default only lets Enter press the focused
    // button; no button answers Enter or Escape for the whole window.
    button->setAutoDefault(true);
    button->setDefault(false);
    button->setStyleSheet(kButtonStyle);
  }
  lblStatus = Make<QLabel>(this, "lblStatus");
  lblStatus->setGeometry(120, kBarTop + 14, 212, 15);

  // Heading band: white, with a grooved line along its bottom edge.
  auto* heading = new QWidget(this);
  heading->setObjectName(QStringLiteral("pnlHeading"));
  heading->setGeometry(0, 0, kClientWidth, kHeadingHeight - 2);
  QPalette white = heading->palette();
  white.setColor(QPalette::Window, Qt::white);
  heading->setPalette(white);
  heading->setAutoFillBackground(true);
  heading->lower();
  GroovedLine(this, kHeadingHeight - 2);
  GroovedLine(this, kBarTop);

  lblHeading = Make<QLabel>(this, "lblHeading");
  QFont headingFont(QStringLiteral("Arial"), 10, QFont::Bold);
  headingFont.setStyleHint(QFont::SansSerif);
  lblHeading->setFont(headingFont);
  lblHeading->setGeometry(8, 8, 660, 18);
  lblSubHeading = Make<QLabel>(this, "lblSubHeading");
  lblSubHeading->setWordWrap(true);
  lblSubHeading->setAlignment(Qt::AlignLeft | Qt::AlignTop);
  lblSubHeading->setGeometry(16, 28, 601, 29);
  imgInfo = Make<QLabel>(this, "imgInfo");
  imgInfo->setGeometry(677, 8, 48, 48);
  imgInfo->setPixmap(art::Emblem(48));

  pagScreens = Make<QStackedWidget>(this, "pagScreens");
  pagScreens->setFrameShape(QFrame::NoFrame);
  pagScreens->setGeometry(0, kHeadingHeight, kClientWidth, kPageAreaHeight);
  for (const PageInfo& info : kPages) {
    QWidget* page = new QWidget(pagScreens);
    page->setObjectName(QString::fromUtf8(info.sheet.data(), static_cast<qsizetype>(info.sheet.size())));
    QPalette background = page->palette();
    background.setColor(QPalette::Window,
                        info.page == Page::tabLANRenovo ? QColor(Qt::white) : background.color(QPalette::Base));
    page->setPalette(background);
    page->setAutoFillBackground(true);
    tabs[static_cast<size_t>(info.page)] = page;
    pagScreens->addWidget(page);
  }
  const auto tab = [this](Page page) { return tabs[static_cast<size_t>(page)]; };

  // Intro
  Illustrate(tab(Page::tabIntro), art::Picture::Welcome, 16);
  PageText(tab(Page::tabIntro), "HTMLabel1", 177,
           QStringLiteral(
               "Welcome to the <b>Tellwick Easy Setup Wizard</b>.  The wizard will help you install and configure "
               "Tellwick so that you can get up and running as quickly as possible.  If you are installing "
               "Tellwick on a peer-to-peer network you will have to run this wizard more than once.<br><br>You "
               "will be asked a series of questions to determine how Tellwick should be installed and setup on "
               "your network.  The wizard will then run the Tellwick installer (TELLWICK4SETUP.EXE) and configure "
               "it to install Tellwick with options that match your requirements.<br><br>For detailed information "
               "about installing and configuring Tellwick, please refer to the Installation Manual "
               "(INSTALL.PDF).<br><br>Click <b>Next</b> to continue."));

  // Licence
  Illustrate(tab(Page::tabLicence), art::Picture::Licence);
  PageText(tab(Page::tabLicence), "HTMLabel23", 33,
           QStringLiteral("Please read the following license agreement and select <b>I accept the agreement</b> if "
                          "you agree."),
           553);
  mmoLicence = Make<QTextEdit>(tab(Page::tabLicence), "mmoLicence");
  mmoLicence->setGeometry(120, 40, 561, 185);
  mmoLicence->setReadOnly(true);
  mmoLicence->setAcceptRichText(false);
  mmoLicence->setPlainText(kLicenceText);
  mmoLicence->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  mmoLicence->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  mmoLicence->setStyleSheet(kFieldStyle);
  radAccept = Make<QRadioButton>(tab(Page::tabLicence), "radAccept", QStringLiteral("I accept the agreement"));
  radAccept->setGeometry(136, 232, 145, 17);
  FitWidth(radAccept);
  radDontAccept =
      Make<QRadioButton>(tab(Page::tabLicence), "radDontAccept", QStringLiteral("I do not accept the agreement"));
  radDontAccept->setGeometry(136, 256, 177, 17);
  FitWidth(radDontAccept);
  radDontAccept->setChecked(true);

  // Network type
  QWidget* networkType = tab(Page::tabNetworkType);
  Illustrate(networkType, art::Picture::NetworkChoice);
  PageText(networkType, "HTMLabel2", 25, QStringLiteral("Please select the type of network you have:"));
  radLAN = Make<QRadioButton>(networkType, "radLAN", QStringLiteral("Local Area Network (LAN)"));
  radLAN->setGeometry(128, 40, 153, 17);
  radPeer2Peer = Make<QRadioButton>(networkType, "radPeer2Peer", QStringLiteral("Peer-to-Peer Network (P2P)"));
  radPeer2Peer->setGeometry(128, 64, 153, 17);
  radLAN->setChecked(true);
  pnlLAN = MakePanel(networkType, "pnlLAN", QRect(392, 34, 289, 215));
  PageText(pnlLAN, "HTMLabel3", QRect(8, 8, 273, 43),
           QStringLiteral("A Local Area Network has a file server.  Computers are connected to the file server via "
                          "a router and/or network hub or switch."));
  PictureLabel(pnlLAN, QStringLiteral("imgLANDiagram"), QRect(8, 56, 273, 151), art::LanDiagram(QSize(273, 151)));
  pnlPeer2Peer = MakePanel(networkType, "pnlPeer2Peer", QRect(392, 58, 289, 159));
  PageText(pnlPeer2Peer, "HTMLabel4", QRect(8, 8, 273, 43),
           QStringLiteral("A Peer-to-Peer Network does <b>not</b> have a file server.  Computers are either directly "
                          "connected, or via a router, network hub or switch."));
  PictureLabel(pnlPeer2Peer, QStringLiteral("imgPeer2PeerDiagram"), QRect(8, 56, 273, 95),
               art::PeerToPeerDiagram(QSize(273, 95)));
  linLAN = Make<TArrowLine>(networkType, "linLAN");
  linLAN->setGeometry(272, 38, 121, 20);
  StartAfter(linLAN, radLAN);
  linPeer2Peer = Make<TArrowLine>(networkType, "linPeer2Peer");
  linPeer2Peer->setGeometry(272, 62, 121, 20);
  StartAfter(linPeer2Peer, radPeer2Peer);
  pnlPeer2Peer->hide();
  linPeer2Peer->hide();

  // LAN
  QWidget* lan = tab(Page::tabLAN);
  Illustrate(lan, art::Picture::FileServer);
  PageText(lan, "HTMLabel5", 105,
           QStringLiteral(
               "You have selected <b>Local Area Network</b> as your network type.  The easiest and quickest way to "
               "setup Tellwick on a LAN is to install everything in a shared folder on your file server.<br><br>"
               "Please select a shared folder on your network where Tellwick should be installed.  You need to "
               "ensure that this directory has <b>sufficient access rights</b> for all Tellwick users."));
  edtLANDirectory = Make<QLineEdit>(lan, "edtLANDirectory");
  edtLANDirectoryButton = BrowseButton(edtLANDirectory, "edtLANDirectoryButton");
  FolderField(Make<QLabel>(lan, "lblLANDirectory", QStringLiteral("Shared folder:")), edtLANDirectory, QPoint(152, 99),
              QRect(232, 96, 321, 21));
  HintPanel(lan, "pnlLANHint", QPoint(158, 160), "HTMLabel8",
            QStringLiteral("If you are upgrading Tellwick to a newer version, select the location Tellwick is "
                           "currently installed in."));

  // LAN ready
  Illustrate(tab(Page::tabLANReady), art::Picture::InstallOnServer);
  PageText(tab(Page::tabLANReady), "HTMLabel7", 41,
           QStringLiteral("You are now ready to install Tellwick on your Local Area Network.<br><br>Click the "
                          "<b>Install</b> button below to start the Tellwick installer."));
  btnLANInstall = Make<QPushButton>(tab(Page::tabLANReady), "btnLANInstall", QStringLiteral("Install"));
  btnLANInstall->setGeometry(240, 72, kButtonWidth, kButtonHeight);

  // LAN database
  Illustrate(tab(Page::tabLANRenovo), art::Picture::Database);
  PageText(tab(Page::tabLANRenovo), "HTMLabel9", 49,
           QStringLiteral("You are now ready to create the Tellwick database.<br><br>Click the <b>Create Tellwick "
                          "Database</b> button below to start the Renovo wizard."));
  btnLANRenovo = Make<QPushButton>(tab(Page::tabLANRenovo), "btnLANRenovo", QStringLiteral("Create Tellwick Database"));
  btnLANRenovo->setGeometry(232, 80, 161, kButtonHeight);
  HintPanel(tab(Page::tabLANRenovo), "pnlLANRenovoHint", QPoint(126, 160), "HTMLabel15",
            QStringLiteral("If the Tellwick database already exists it will be automatically upgraded."));

  // Peer-to-peer
  QWidget* peer2Peer = tab(Page::tabPeer2Peer);
  Illustrate(peer2Peer, art::Picture::PeerToPeer);
  PageText(peer2Peer, "HTMLabel6", 81,
           QStringLiteral("You have selected <b>Peer-to-Peer Network</b> as your network type. <br><br>On a "
                          "peer-to-peer network you need to select one computer to act as the <b>host</b> "
                          "computer.  You should set up the <b>host</b> computer first, and then set up the other "
                          "workstations.<br><br>Which computer are you setting up now?  "));
  radHost = Make<QRadioButton>(peer2Peer, "radHost", QStringLiteral("Host computer"));
  radHost->setGeometry(152, 104, 97, 17);
  radWorkstation = Make<QRadioButton>(peer2Peer, "radWorkstation", QStringLiteral("Workstation"));
  radWorkstation->setGeometry(152, 128, 97, 17);
  radHost->setChecked(true);
  pnlHost = MakePanel(peer2Peer, "pnlHost", QRect(392, 98, 289, 47));
  PageText(pnlHost, "HTMLabel11", QRect(8, 8, 273, 33),
           QStringLiteral("The <b>host</b> computer hosts the shared folder containing the Tellwick database."));
  pnlWorkstation = MakePanel(peer2Peer, "pnlWorkstation", QRect(392, 122, 289, 47));
  PageText(pnlWorkstation, "HTMLabel12", QRect(8, 8, 273, 33),
           QStringLiteral("Workstations connect to the Tellwick database on the <b>host</b> computer via a shared "
                          "folder."));
  linHost = Make<TArrowLine>(peer2Peer, "linHost");
  linHost->setGeometry(248, 102, 145, 20);
  StartAfter(linHost, radHost);
  linWorkstation = Make<TArrowLine>(peer2Peer, "linWorkstation");
  linWorkstation->setGeometry(248, 126, 145, 20);
  StartAfter(linWorkstation, radWorkstation);
  pnlWorkstation->hide();
  linWorkstation->hide();

  // Peer-to-peer host
  QWidget* host = tab(Page::tabP2PHost);
  Illustrate(host, art::Picture::HostComputer);
  PageText(host, "HTMLabel16", 105,
           QStringLiteral("The first step in setting up Tellwick on your <b>Peer-to-Peer Network</b> is to install "
                          "Tellwick on the <b>Host</b> computer.<br><br>Please select a folder on the Host PC where "
                          "Tellwick should be installed.  This does <b>not</b> have to be a shared folder as only "
                          "the Host PC will be accessing these files. "));
  edtHostTellwickDir = Make<QLineEdit>(host, "edtHostTellwickDir");
  edtHostTellwickDirButton = BrowseButton(edtHostTellwickDir, "edtHostTellwickDirButton");
  FolderField(Make<QLabel>(host, "lblHostTellwickDir", QStringLiteral("Tellwick Folder:")), edtHostTellwickDir,
              QPoint(152, 91), QRect(248, 88, 321, 21));

  Illustrate(tab(Page::tabP2PHostReady), art::Picture::InstallOnComputer);
  PageText(tab(Page::tabP2PHostReady), "HTMLabel17", 41,
           QStringLiteral("You are now ready to install Tellwick on your <b>Host PC</b>.<br><br>Click the "
                          "<b>Install</b> button below to start the Tellwick installer."));
  btnInstallHostPC = Make<QPushButton>(tab(Page::tabP2PHostReady), "btnInstallHostPC", QStringLiteral("Install"));
  btnInstallHostPC->setGeometry(240, 72, kButtonWidth, kButtonHeight);

  Illustrate(tab(Page::tabP2PRenovo), art::Picture::Database);
  PageText(tab(Page::tabP2PRenovo), "HTMLabel19", 65,
           QStringLiteral("You are now ready to create the Tellwick database.  The <b>shared folder</b> for the "
                          "Tellwick database will be created automatically.<br><br>Click the <b>Create Tellwick "
                          "Database</b> button below to start the Renovo wizard."));
  btnP2PRenovo = Make<QPushButton>(tab(Page::tabP2PRenovo), "btnP2PRenovo", QStringLiteral("Create Tellwick Database"));
  btnP2PRenovo->setGeometry(232, 88, 161, kButtonHeight);
  HintPanel(tab(Page::tabP2PRenovo), "pnlP2PRenovoHint", QPoint(126, 160), "HTMLabel18",
            QStringLiteral("If the Tellwick database already exists it will be automatically upgraded."));

  QWidget* hostFinished = tab(Page::tabP2PHostFinished);
  Illustrate(hostFinished, art::Picture::Finished, 8, 72);
  htmWorkstationInfo = PageText(
      hostFinished, "htmWorkstationInfo", 161,
      QStringLiteral(
          "Tellwick has been successfully installed and setup on your <b>Host PC</b>.<br><br>You are now ready to "
          "set up your workstations.  These are the steps you need to follow:<br><ul><li>Make a note of the "
          "Tellwick data folder's network address: <b><FONT color=clBlue><%sharedfolder%></font></b>.<li>Copy the "
          "Tellwick Installer (TELLWICK4SETUP.EXE) and this wizard (Tellwick Easy Setup) to each workstation.<li>Run "
          "this wizard on each workstation and select the <b>Workstation Install</b> option.<li>When prompted, "
          "enter the Tellwick data folder's network address.</ul><br><br>Click the <b>Print</b> button if you "
          "would like these instructions printed out.<br><br>Click the <b>Finish</b> button to close this "
          "wizard."));
  btnPrint = Make<QPushButton>(hostFinished, "btnPrint", QStringLiteral("Print"));
  btnPrint->setGeometry(464, 120, kButtonWidth, kButtonHeight);
  Beside(btnPrint, htmWorkstationInfo,
         QStringLiteral("Click the <b>Print</b> button if you would like these instructions printed out."));
  chkP2PReadMe = Make<QCheckBox>(hostFinished, "chkP2PReadMe",
                                 QStringLiteral("View Read Me file (contains important information)"));
  chkP2PReadMe->setGeometry(152, 184, 273, 17);
  FitWidth(chkP2PReadMe);
  chkP2PReadMe->setChecked(true);

  // Peer-to-peer workstation
  QWidget* workstation = tab(Page::tabP2PWorkstation);
  Illustrate(workstation, art::Picture::Workstation);
  PageText(workstation, "HTMLabel14", 81,
           QStringLiteral("Please select a folder on the <b>workstation</b> where Tellwick should be installed.  This "
                          "does <b>not</b> have to be a shared folder as only the workstation will be accessing "
                          "these files. "));
  edtWorkstationFolder = Make<QLineEdit>(workstation, "edtWorkstationFolder");
  edtWorkstationFolderButton = BrowseButton(edtWorkstationFolder, "edtWorkstationFolderButton");
  FolderField(Make<QLabel>(workstation, "lblWorkstationFolder", QStringLiteral("Tellwick Folder:")),
              edtWorkstationFolder, QPoint(152, 59), QRect(248, 56, 321, 21));

  Illustrate(tab(Page::tabP2PWorkstationReady), art::Picture::InstallOnComputer);
  PageText(tab(Page::tabP2PWorkstationReady), "HTMLabel21", 41,
           QStringLiteral("You are now ready to install Tellwick on your <b>workstation</b>.<br><br>Click the "
                          "<b>Install</b> button below to start the Tellwick installer."));
  btnInstallWorkstation =
      Make<QPushButton>(tab(Page::tabP2PWorkstationReady), "btnInstallWorkstation", QStringLiteral("Install"));
  btnInstallWorkstation->setGeometry(240, 72, kButtonWidth, kButtonHeight);

  QWidget* dataFolder = tab(Page::tabP2PWorkstationDataFolder);
  Illustrate(dataFolder, art::Picture::SharedFolder);
  PageText(dataFolder, "HTMLabel24", 33,
           QStringLiteral("Tellwick now needs to know the location of the data folder, which contains the Tellwick "
                          "database.  The data folder was created when you installed Tellwick on the host "
                          "computer.  Enter the location for the data folder below."));
  edtSharedFolder = Make<QLineEdit>(dataFolder, "edtSharedFolder");
  FolderField(Make<QLabel>(dataFolder, "lblSharedFolder", QStringLiteral("Tellwick Data Folder:")), edtSharedFolder,
              QPoint(136, 59), QRect(256, 56, 241, 21));

  Illustrate(tab(Page::tabP2PWorkstationFinished), art::Picture::Finished, 8, 72);
  PageText(tab(Page::tabP2PWorkstationFinished), "HTMLabel22", 33,
           QStringLiteral("Tellwick has been successfully installed on this workstation.  Click the <b>Finish</b> "
                          "button to complete the setup of this workstation."),
           561);

  // Finished and the missing installer
  Illustrate(tab(Page::tabFinished), art::Picture::Finished, 8, 72);
  PageText(tab(Page::tabFinished), "HTMLabel10", 33,
           QStringLiteral("Tellwick has been successfully installed and setup on your network.  Click the "
                          "<b>Finish</b> button to close this wizard."));
  chkReadMe = Make<QCheckBox>(tab(Page::tabFinished), "chkReadMe",
                              QStringLiteral("View Read Me file (contains important information)"));
  chkReadMe->setGeometry(152, 48, 273, 17);
  FitWidth(chkReadMe);
  chkReadMe->setChecked(true);

  Illustrate(tab(Page::tabNoInstaller), art::Picture::Missing);
  PageText(tab(Page::tabNoInstaller), "HTMLabel20", 41,
           QStringLiteral("The Tellwick Installer (TELLWICK4SETUP.EXE) <b>could not be located</b>!  Tellwick Easy "
                          "Setup requires the Tellwick Installer to be located in the same folder."));

  for (QPushButton* button :
       {btnLANInstall, btnLANRenovo, btnInstallHostPC, btnP2PRenovo, btnPrint, btnInstallWorkstation}) {
    button->setAutoDefault(true);
    button->setStyleSheet(kButtonStyle);
  }
}

}  // namespace tw
