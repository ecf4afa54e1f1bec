// The window's frame and the seventeen pages with their controls.
#include <QAction>
#include <QCheckBox>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QStackedWidget>
#include <QTextEdit>

#include "platform/qt/arrow_line.h"
#include "platform/qt/htmlabel.h"
#include "wizard/frmmain.h"

namespace tw {

namespace {

template <typename T>
T* Make(QWidget* parent, const char* name, const QString& text = {}) {
  auto* widget = new T(parent);
  widget->setObjectName(QString::fromLatin1(name));
  if constexpr (requires { widget->setText(text); })
    if (!text.isEmpty()) widget->setText(text);
  return widget;
}

QAction* BrowseButton(QLineEdit* field, const char* name) {
  QAction* action = field->addAction(QIcon(), QLineEdit::TrailingPosition);
  action->setObjectName(QString::fromLatin1(name));
  return action;
}

}  // namespace

void TfrmMain::CreateControls() {
  // The bar buttons come first so that the tab order runs About, Previous,
  // Next, Cancel, Finish and then the active page's controls.
  btnAbout = Make<QPushButton>(this, "btnAbout", QStringLiteral("About"));
  btnPrevious = Make<QPushButton>(this, "btnPrevious", QStringLiteral("Previous"));
  btnNext = Make<QPushButton>(this, "btnNext", QStringLiteral("Next"));
  btnCancel = Make<QPushButton>(this, "btnCancel", QStringLiteral("Cancel"));
  btnFinish = Make<QPushButton>(this, "btnFinish", QStringLiteral("Finish"));
  lblStatus = Make<QLabel>(this, "lblStatus");
  lblHeading = Make<QLabel>(this, "lblHeading");
  lblSubHeading = Make<QLabel>(this, "lblSubHeading");
  imgInfo = Make<QLabel>(this, "imgInfo");

  pagScreens = Make<QStackedWidget>(this, "pagScreens");
  for (const PageInfo& info : kPages) {
    QWidget* page = new QWidget(pagScreens);
    page->setObjectName(QString::fromUtf8(info.sheet.data(), static_cast<qsizetype>(info.sheet.size())));
    tabs[static_cast<size_t>(info.page)] = page;
    pagScreens->addWidget(page);
  }
  const auto tab = [this](Page page) { return tabs[static_cast<size_t>(page)]; };

  mmoLicence = Make<QTextEdit>(tab(Page::tabLicence), "mmoLicence");
  radAccept = Make<QRadioButton>(tab(Page::tabLicence), "radAccept", QStringLiteral("I accept the agreement"));
  radDontAccept =
      Make<QRadioButton>(tab(Page::tabLicence), "radDontAccept", QStringLiteral("I do not accept the agreement"));
  radDontAccept->setChecked(true);

  radLAN = Make<QRadioButton>(tab(Page::tabNetworkType), "radLAN", QStringLiteral("Local Area Network (LAN)"));
  radPeer2Peer =
      Make<QRadioButton>(tab(Page::tabNetworkType), "radPeer2Peer", QStringLiteral("Peer-to-Peer Network (P2P)"));
  radLAN->setChecked(true);
  pnlLAN = Make<QFrame>(tab(Page::tabNetworkType), "pnlLAN");
  pnlPeer2Peer = Make<QFrame>(tab(Page::tabNetworkType), "pnlPeer2Peer");
  linLAN = Make<TArrowLine>(tab(Page::tabNetworkType), "linLAN");
  linPeer2Peer = Make<TArrowLine>(tab(Page::tabNetworkType), "linPeer2Peer");
  pnlPeer2Peer->hide();
  linPeer2Peer->hide();

  edtLANDirectory = Make<QLineEdit>(tab(Page::tabLAN), "edtLANDirectory");
  edtLANDirectoryButton = BrowseButton(edtLANDirectory, "edtLANDirectoryButton");
  btnLANInstall = Make<QPushButton>(tab(Page::tabLANReady), "btnLANInstall", QStringLiteral("Install"));
  btnLANRenovo =
      Make<QPushButton>(tab(Page::tabLANRenovo), "btnLANRenovo", QStringLiteral("Create Tellwick Database"));

  radHost = Make<QRadioButton>(tab(Page::tabPeer2Peer), "radHost", QStringLiteral("Host computer"));
  radWorkstation = Make<QRadioButton>(tab(Page::tabPeer2Peer), "radWorkstation", QStringLiteral("Workstation"));
  radHost->setChecked(true);
  pnlHost = Make<QFrame>(tab(Page::tabPeer2Peer), "pnlHost");
  pnlWorkstation = Make<QFrame>(tab(Page::tabPeer2Peer), "pnlWorkstation");
  linHost = Make<TArrowLine>(tab(Page::tabPeer2Peer), "linHost");
  linWorkstation = Make<TArrowLine>(tab(Page::tabPeer2Peer), "linWorkstation");
  pnlWorkstation->hide();
  linWorkstation->hide();

  edtHostTellwickDir = Make<QLineEdit>(tab(Page::tabP2PHost), "edtHostTellwickDir");
  edtHostTellwickDirButton = BrowseButton(edtHostTellwickDir, "edtHostTellwickDirButton");
  btnInstallHostPC = Make<QPushButton>(tab(Page::tabP2PHostReady), "btnInstallHostPC", QStringLiteral("Install"));
  btnP2PRenovo =
      Make<QPushButton>(tab(Page::tabP2PRenovo), "btnP2PRenovo", QStringLiteral("Create Tellwick Database"));
  htmWorkstationInfo = Make<THtmLabel>(tab(Page::tabP2PHostFinished), "htmWorkstationInfo");
  htmWorkstationInfo->setHTMLText(QStringLiteral(
      "Tellwick has been successfully installed and setup on your <b>Host PC</b>.<br><br>You are now ready to set "
      "up your workstations.  These are the steps you need to follow:<br><ul><li>Make a note of the Tellwick data "
      "folder's network address: <b><FONT color=clBlue><%sharedfolder%></font></b>.<li>Copy the Tellwick "
      "Installer (TELLWICK4SETUP.EXE) and this wizard (Tellwick Easy Setup) to each workstation.<li>Run this "
      "wizard on each workstation and select the <b>Workstation Install</b> option.<li>When prompted, enter the "
      "Tellwick data folder's network address.</ul><br><br>Click the <b>Print</b> button if you would like these "
      "instructions printed out.<br><br>Click the <b>Finish</b> button to close this wizard."));
  chkP2PReadMe = Make<QCheckBox>(tab(Page::tabP2PHostFinished), "chkP2PReadMe",
                                 QStringLiteral("View Read Me file (contains important information)"));
  chkP2PReadMe->setChecked(true);
  btnPrint = Make<QPushButton>(tab(Page::tabP2PHostFinished), "btnPrint", QStringLiteral("Print"));

  edtWorkstationFolder = Make<QLineEdit>(tab(Page::tabP2PWorkstation), "edtWorkstationFolder");
  edtWorkstationFolderButton = BrowseButton(edtWorkstationFolder, "edtWorkstationFolderButton");
  btnInstallWorkstation =
      Make<QPushButton>(tab(Page::tabP2PWorkstationReady), "btnInstallWorkstation", QStringLiteral("Install"));
  edtSharedFolder = Make<QLineEdit>(tab(Page::tabP2PWorkstationDataFolder), "edtSharedFolder");
  chkReadMe = Make<QCheckBox>(tab(Page::tabFinished), "chkReadMe",
                              QStringLiteral("View Read Me file (contains important information)"));
  chkReadMe->setChecked(true);
}

}  // namespace tw
