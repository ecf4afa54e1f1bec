#pragma once

#include <QWidget>
#include <array>
#include <functional>
#include <memory>
#include <string>

#include "platform/trace.h"
#include "settings/settings_store.h"
#include "wizard/command_lines.h"
#include "wizard/pages.h"

class QAction;
class QCheckBox;
class QFrame;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QStackedWidget;
class QTextEdit;

namespace tw {

class FolderDialog;
class IniFiles;
class MessageBoxes;
class ProgramStarter;
class Registry;
class ReportPreview;
class ShareService;
class TLauncher;
class TReport;
class THtmLabel;
class TArrowLine;

// The outside services of the main window. The program start wires the real
// ones; tests pass their own.
struct TfrmMainServices {
  Registry& registry;
  IniFiles& iniFiles;
  ProgramStarter& programs;
  ShareService& shares;
  TraceSink& trace;
  MessageBoxes& messages;
  FolderDialog& folderDialog;
  ReportPreview& reportPreview;
  std::function<std::string()> computerName;
  std::string wizardFolder;  // with its trailing separator
};

class TfrmMain : public QWidget {
  Q_OBJECT

 public:
  explicit TfrmMain(TfrmMainServices services, QWidget* parent = nullptr);
  ~TfrmMain() override;

  Page ActivePage() const;

  // Heading band
  QLabel* lblHeading = nullptr;
  QLabel* lblSubHeading = nullptr;
  QLabel* imgInfo = nullptr;
  // Page area
  QStackedWidget* pagScreens = nullptr;
  std::array<QWidget*, kPageCount> tabs{};
  // Button bar
  QPushButton* btnAbout = nullptr;
  QLabel* lblStatus = nullptr;
  QPushButton* btnPrevious = nullptr;
  QPushButton* btnNext = nullptr;
  QPushButton* btnCancel = nullptr;
  QPushButton* btnFinish = nullptr;
  // Licence
  QTextEdit* mmoLicence = nullptr;
  QRadioButton* radAccept = nullptr;
  QRadioButton* radDontAccept = nullptr;
  // Network type
  QRadioButton* radLAN = nullptr;
  QRadioButton* radPeer2Peer = nullptr;
  QFrame* pnlLAN = nullptr;
  QFrame* pnlPeer2Peer = nullptr;
  TArrowLine* linLAN = nullptr;
  TArrowLine* linPeer2Peer = nullptr;
  // LAN
  QLineEdit* edtLANDirectory = nullptr;
  QAction* edtLANDirectoryButton = nullptr;  // the field's browse button
  QPushButton* btnLANInstall = nullptr;
  QPushButton* btnLANRenovo = nullptr;
  // Peer-to-peer
  QRadioButton* radHost = nullptr;
  QRadioButton* radWorkstation = nullptr;
  QFrame* pnlHost = nullptr;
  QFrame* pnlWorkstation = nullptr;
  TArrowLine* linHost = nullptr;
  TArrowLine* linWorkstation = nullptr;
  QLineEdit* edtHostTellwickDir = nullptr;
  QAction* edtHostTellwickDirButton = nullptr;
  QPushButton* btnInstallHostPC = nullptr;
  QPushButton* btnP2PRenovo = nullptr;
  THtmLabel* htmWorkstationInfo = nullptr;
  QCheckBox* chkP2PReadMe = nullptr;
  QPushButton* btnPrint = nullptr;
  QLineEdit* edtWorkstationFolder = nullptr;
  QAction* edtWorkstationFolderButton = nullptr;
  QPushButton* btnInstallWorkstation = nullptr;
  QLineEdit* edtSharedFolder = nullptr;
  QCheckBox* chkReadMe = nullptr;

  // Page routines
  void ShowIntroPage();
  void ShowLicencePage();
  void ShowNetworkTypePage();
  void ShowLANPage();
  void ShowLANReadyPage();
  void ShowLANRenovoPage();
  void ShowLANFinishPage();
  void ShowPeer2PeerPage();
  void ShowPeer2PeerHostPage();
  void ShowPeer2PeerHostReadyPage();
  void ShowPeer2PeerRenovoPage();
  void ShowPeer2PeerHostFinishPage();
  void ShowPeer2PeerWorkstationPage();
  void ShowPeer2PeerWorkstationReadyPage();
  void ShowPeer2PeerWorkstationDataPage();
  void ShowPeer2PeerFinishPage();
  void ShowNoInstallerPage();

  // Event handlers
  void btnNextClick();
  void btnPreviousClick();
  void btnCancelClick();
  void btnAboutClick();
  void btnFinishClick();
  void radLANClick();
  void radPeer2PeerClick();
  void radHostClick();
  void radWorkstationClick();
  void radAcceptClick();
  void radDontAcceptClick();
  void edtSharedFolderChange();
  void edtLANDirectoryButtonClick();
  void edtHostTellwickDirButtonClick(QLineEdit* field);
  void btnLANInstallClick();
  void btnInstallHostPCClick();
  void btnInstallWorkstationClick();
  void LaunchTellwickSetupFinished(int exitCode);
  void btnLANRenovoClick();
  void btnP2PRenovoClick();
  void btnPrintClick();
  void repWorkstationSetupGetValue(const QString& varName, QVariant& value);
  void CreateSharedFolder(const std::string& AFolderName);

  SettingsStore RegSettings;
  SettingsStore IniSettings;
  std::unique_ptr<TLauncher> LaunchTellwickSetup;
  std::unique_ptr<TLauncher> LaunchRenovo;
  std::unique_ptr<TLauncher> LaunchReadMe;
  std::unique_ptr<TReport> repWorkstationSetup;

 private:
  void FormCreate();
  void CreateControls();  // the pages and their controls, frmmain_pages.cpp
  void ConnectHandlers();
  void ShowPage(Page page);
  void PageEntryWork(Page page);
  void PrefillFolder(QLineEdit* field);
  void RunInstaller(QLineEdit* folderField, SetupKind kind);
  void RunDatabaseTool(QLineEdit* installFolderField, bool host);
  void StartReadMe(QLineEdit* installFolderField);
  // Runs a handler; a platform error ends it and shows the default error box.
  void Guard(const std::function<void()>& handler);
  void SetStatus(const QString& text);

  TfrmMainServices services_;
  TraceObject CS;
};

}  // namespace tw
