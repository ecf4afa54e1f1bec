#include "wizard/frmmain.h"

#include <QAction>
#include <QCheckBox>
#include <QCloseEvent>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QStackedWidget>

#include "app/frmabout.h"
#include "platform/errors.h"
#include "platform/folders.h"
#include "platform/qt/arrow_line.h"
#include "platform/qt/folder_dialog.h"
#include "platform/qt/htmlabel.h"
#include "platform/qt/launcher.h"
#include "platform/qt/message_boxes.h"
#include "platform/qt/report.h"
#include "platform/shares.h"
#include "report/workstation_sheet.h"
#include "settings/settings_keys.h"
#include "wizard/navigation.h"

namespace tw {

namespace {

constexpr const char* kOwner = "frmMain";
const QString kCancelQuestion = QStringLiteral("Setup has not been completed, are you sure you want to cancel?");
const QString kSharedFolderPlaceholder = QStringLiteral("<%sharedfolder%>");

QString Q(std::string_view text) { return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())); }
std::string S(const QString& text) { return text.toStdString(); }

using Routine = void (TfrmMain::*)();

// The page routine of each page, in the page area's order.
constexpr std::array<Routine, kPageCount> kRoutines = {
    &TfrmMain::ShowIntroPage,
    &TfrmMain::ShowLicencePage,
    &TfrmMain::ShowNetworkTypePage,
    &TfrmMain::ShowLANPage,
    &TfrmMain::ShowLANReadyPage,
    &TfrmMain::ShowLANRenovoPage,
    &TfrmMain::ShowPeer2PeerPage,
    &TfrmMain::ShowPeer2PeerHostPage,
    &TfrmMain::ShowPeer2PeerHostReadyPage,
    &TfrmMain::ShowPeer2PeerRenovoPage,
    &TfrmMain::ShowPeer2PeerHostFinishPage,
    &TfrmMain::ShowPeer2PeerWorkstationPage,
    &TfrmMain::ShowPeer2PeerWorkstationReadyPage,
    &TfrmMain::ShowPeer2PeerWorkstationDataPage,
    &TfrmMain::ShowPeer2PeerFinishPage,
    &TfrmMain::ShowLANFinishPage,
    &TfrmMain::ShowNoInstallerPage,
};

}  // namespace

TfrmMain::TfrmMain(TfrmMainServices services, QWidget* parent)
    : QWidget(parent),
      RegSettings(services.registry, services.iniFiles),
      IniSettings(services.registry, services.iniFiles),
      services_(std::move(services)),
      CS(services_.trace) {
  RegSettings.PathType = TPathType::ptRegistry;
  setObjectName(QStringLiteral("frmMain"));
  setWindowTitle(QStringLiteral("Tellwick Easy Setup Wizard"));
  setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                 Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint);
  setFixedSize(733, 435);
  CreateControls();

  LaunchTellwickSetup = std::make_unique<TLauncher>(services_.programs, this);
  LaunchTellwickSetup->OnFinished = [this](int exitCode) { LaunchTellwickSetupFinished(exitCode); };
  LaunchRenovo = std::make_unique<TLauncher>(services_.programs, this);
  LaunchReadMe = std::make_unique<TLauncher>(services_.programs, this);
  repWorkstationSetup = std::make_unique<TReport>(WorkstationSetupSheet());
  repWorkstationSetup->OnGetValue = [this](const QString& name, QVariant& value) {
    repWorkstationSetupGetValue(name, value);
  };

  ConnectHandlers();
  Guard([this] { FormCreate(); });
}

TfrmMain::~TfrmMain() = default;

Page TfrmMain::ActivePage() const { return static_cast<Page>(pagScreens->currentIndex()); }

void TfrmMain::FormCreate() {
  // The page area is a stacked widget: it has no tabs to hide.
  SetStatus(QString());
  if (FindFileNoCase(services_.wizardFolder, std::string(kInstallerCheckName)))
    ShowIntroPage();
  else
    ShowNoInstallerPage();
  btnAbout->setFocus();
}

void TfrmMain::ConnectHandlers() {
  const auto on = [this](QPushButton* button, void (TfrmMain::*handler)()) {
    connect(button, &QPushButton::clicked, this, [this, handler] { Guard([this, handler] { (this->*handler)(); }); });
  };
  on(btnNext, &TfrmMain::btnNextClick);
  on(btnPrevious, &TfrmMain::btnPreviousClick);
  on(btnCancel, &TfrmMain::btnCancelClick);
  on(btnAbout, &TfrmMain::btnAboutClick);
  on(btnFinish, &TfrmMain::btnFinishClick);
  on(btnLANInstall, &TfrmMain::btnLANInstallClick);
  on(btnInstallHostPC, &TfrmMain::btnInstallHostPCClick);
  on(btnInstallWorkstation, &TfrmMain::btnInstallWorkstationClick);
  on(btnLANRenovo, &TfrmMain::btnLANRenovoClick);
  on(btnP2PRenovo, &TfrmMain::btnP2PRenovoClick);
  on(btnPrint, &TfrmMain::btnPrintClick);

  // The option handlers run whenever their button becomes checked, by mouse
  // or by keyboard.
  const auto whenChecked = [this](QRadioButton* button, void (TfrmMain::*handler)()) {
    connect(button, &QRadioButton::toggled, this, [this, handler](bool checked) {
      if (checked) Guard([this, handler] { (this->*handler)(); });
    });
  };
  whenChecked(radLAN, &TfrmMain::radLANClick);
  whenChecked(radPeer2Peer, &TfrmMain::radPeer2PeerClick);
  whenChecked(radHost, &TfrmMain::radHostClick);
  whenChecked(radWorkstation, &TfrmMain::radWorkstationClick);
  whenChecked(radAccept, &TfrmMain::radAcceptClick);
  whenChecked(radDontAccept, &TfrmMain::radDontAcceptClick);

  connect(edtSharedFolder, &QLineEdit::textChanged, this, [this] { Guard([this] { edtSharedFolderChange(); }); });
  connect(edtLANDirectoryButton, &QAction::triggered, this,
          [this] { Guard([this] { edtLANDirectoryButtonClick(); }); });
  connect(edtHostTellwickDirButton, &QAction::triggered, this,
          [this] { Guard([this] { edtHostTellwickDirButtonClick(edtHostTellwickDir); }); });
  connect(edtWorkstationFolderButton, &QAction::triggered, this,
          [this] { Guard([this] { edtHostTellwickDirButtonClick(edtWorkstationFolder); }); });
}

void TfrmMain::Guard(const std::function<void()>& handler) {
  try {
    handler();
  } catch (const std::exception& error) {
    services_.messages.Error(this, ErrorBoxText(QString::fromUtf8(error.what())));
  }
}

void TfrmMain::SetStatus(const QString& text) {
  lblStatus->setText(text);
  lblStatus->repaint();
}

// ---------------------------------------------------------------------------
// Page routines

void TfrmMain::ShowIntroPage() { ShowPage(Page::tabIntro); }
void TfrmMain::ShowLicencePage() { ShowPage(Page::tabLicence); }
void TfrmMain::ShowNetworkTypePage() { ShowPage(Page::tabNetworkType); }
void TfrmMain::ShowLANPage() { ShowPage(Page::tabLAN); }
void TfrmMain::ShowLANReadyPage() { ShowPage(Page::tabLANReady); }
void TfrmMain::ShowLANRenovoPage() { ShowPage(Page::tabLANRenovo); }
void TfrmMain::ShowLANFinishPage() { ShowPage(Page::tabFinished); }
void TfrmMain::ShowPeer2PeerPage() { ShowPage(Page::tabPeer2Peer); }
void TfrmMain::ShowPeer2PeerHostPage() { ShowPage(Page::tabP2PHost); }
void TfrmMain::ShowPeer2PeerHostReadyPage() { ShowPage(Page::tabP2PHostReady); }
void TfrmMain::ShowPeer2PeerRenovoPage() { ShowPage(Page::tabP2PRenovo); }
void TfrmMain::ShowPeer2PeerHostFinishPage() { ShowPage(Page::tabP2PHostFinished); }
void TfrmMain::ShowPeer2PeerWorkstationPage() { ShowPage(Page::tabP2PWorkstation); }
void TfrmMain::ShowPeer2PeerWorkstationReadyPage() { ShowPage(Page::tabP2PWorkstationReady); }
void TfrmMain::ShowPeer2PeerWorkstationDataPage() { ShowPage(Page::tabP2PWorkstationDataFolder); }
void TfrmMain::ShowPeer2PeerFinishPage() { ShowPage(Page::tabP2PWorkstationFinished); }
void TfrmMain::ShowNoInstallerPage() { ShowPage(Page::tabNoInstaller); }

void TfrmMain::ShowPage(Page page) {
  const PageInfo& info = PageOf(page);
  const std::string routine(info.routine);
  if (info.traced) CS.EnterMethod(kOwner, routine);
  pagScreens->setCurrentWidget(tabs[static_cast<size_t>(page)]);
  lblHeading->setText(Q(info.heading));
  lblSubHeading->setText(Q(info.subHeading));
  PageEntryWork(page);
  btnPrevious->setEnabled(info.previous);
  btnNext->setEnabled(info.next == NextState::On || (info.next == NextState::WhenAccepted && radAccept->isChecked()));
  btnFinish->setEnabled(info.finish);
  if (page == Page::tabP2PHostFinished) {
    // Filled once: later visits find no placeholder and keep the first address.
    QString text = htmWorkstationInfo->HTMLText();
    const qsizetype at = text.indexOf(kSharedFolderPlaceholder);
    if (at >= 0) {
      text.replace(at, kSharedFolderPlaceholder.size(),
                   Q(DataFolderNetworkAddress(services_.computerName())).toHtmlEscaped());
      htmWorkstationInfo->setHTMLText(text);
    }
  }
  if (info.traced) CS.ExitMethod(kOwner, routine);
}

void TfrmMain::PageEntryWork(Page page) {
  switch (page) {
    case Page::tabLAN: PrefillFolder(edtLANDirectory); break;
    case Page::tabP2PHost: PrefillFolder(edtHostTellwickDir); break;
    case Page::tabP2PWorkstation: PrefillFolder(edtWorkstationFolder); break;
    default: break;
  }
}

// An earlier installation's folder is offered, but never over the user's own entry.
void TfrmMain::PrefillFolder(QLineEdit* field) {
  if (!field->text().isEmpty()) return;
  RegSettings.Path = keys::kProductKey;
  field->setText(Q(RegSettings.ReadSetting(keys::kGeneralSection, keys::kTellwickDirectory, "")));
}

// ---------------------------------------------------------------------------
// Navigation

void TfrmMain::btnNextClick() {
  const ChoiceState state{[this](Choice choice) {
                            switch (choice) {
                              case Choice::radLAN: return radLAN->isChecked();
                              case Choice::radPeer2Peer: return radPeer2Peer->isChecked();
                              case Choice::radHost: return radHost->isChecked();
                              case Choice::radWorkstation: return radWorkstation->isChecked();
                              default: return false;
                            }
                          },
                          [this](Choice choice) {
                            switch (choice) {
                              case Choice::edtLANDirectory: return S(edtLANDirectory->text());
                              case Choice::edtHostTellwickDir: return S(edtHostTellwickDir->text());
                              case Choice::edtWorkstationFolder: return S(edtWorkstationFolder->text());
                              default: return std::string();
                            }
                          }};
  const std::optional<NextDecision> decision = DecideNext(ActivePage(), state);
  if (!decision) return;
  if (const Page* page = std::get_if<Page>(&*decision))
    (this->*kRoutines[static_cast<size_t>(*page)])();
  else
    services_.messages.Information(this, Q(std::get<ShowMessage>(*decision).text));
}

void TfrmMain::btnPreviousClick() {
  if (const std::optional<Page> page = DecidePrevious(ActivePage())) (this->*kRoutines[static_cast<size_t>(*page)])();
}

void TfrmMain::btnCancelClick() {
  if (services_.messages.Confirm(this, kCancelQuestion)) close();
}

void TfrmMain::btnAboutClick() {
  // Released when it closes, also when showing it fails.
  const auto about = std::make_unique<TfrmAbout>(this);
  about->exec();
}

void TfrmMain::radLANClick() {
  pnlLAN->show();
  linLAN->show();
  pnlPeer2Peer->hide();
  linPeer2Peer->hide();
}

void TfrmMain::radPeer2PeerClick() {
  pnlPeer2Peer->show();
  linPeer2Peer->show();
  pnlLAN->hide();
  linLAN->hide();
}

void TfrmMain::radHostClick() {
  pnlHost->show();
  linHost->show();
  pnlWorkstation->hide();
  linWorkstation->hide();
}

void TfrmMain::radWorkstationClick() {
  pnlWorkstation->show();
  linWorkstation->show();
  pnlHost->hide();
  linHost->hide();
}

void TfrmMain::radAcceptClick() { btnNext->setEnabled(true); }
void TfrmMain::radDontAcceptClick() { btnNext->setEnabled(false); }

void TfrmMain::edtSharedFolderChange() { btnNext->setEnabled(!edtSharedFolder->text().isEmpty()); }

void TfrmMain::edtLANDirectoryButtonClick() {
  const QString start = edtLANDirectory->text().isEmpty() ? Q(services_.wizardFolder) : edtLANDirectory->text();
  if (const auto chosen = services_.folderDialog.Choose(this, start, QStringLiteral("Select a network folder")))
    edtLANDirectory->setText(*chosen);
}

void TfrmMain::edtHostTellwickDirButtonClick(QLineEdit* field) {
  const QString start = field->text().isEmpty() ? Q(services_.wizardFolder) : field->text();
  if (const auto chosen =
          services_.folderDialog.Choose(this, start, QStringLiteral("Select a local folder on the Host PC")))
    field->setText(*chosen);
}

// ---------------------------------------------------------------------------
// Installer runs

void TfrmMain::btnLANInstallClick() { RunInstaller(edtLANDirectory, SetupKind::Lan); }
void TfrmMain::btnInstallHostPCClick() { RunInstaller(edtHostTellwickDir, SetupKind::Host); }
void TfrmMain::btnInstallWorkstationClick() { RunInstaller(edtWorkstationFolder, SetupKind::Workstation); }

namespace {

// Waits for a launcher's program with the status line showing; the line is
// cleared again however the run ends. An exit code other than 0 means the
// program did not complete its work.
std::optional<int> RunWithStatus(TLauncher& launcher, const std::function<void(const QString&)>& setStatus,
                                 const QString& status, const std::function<void()>& before = {}) {
  setStatus(status);
  std::optional<int> exitCode;
  try {
    if (before) before();
    exitCode = launcher.RunAndWait();
  } catch (...) {
    setStatus(QString());
    throw;
  }
  setStatus(QString());
  if (exitCode && *exitCode != 0)
    throw LaunchError(S(launcher.FileName) + " ended with exit code " + std::to_string(*exitCode) +
                      ": it did not complete its work. You can run it again");
  return exitCode;
}

}  // namespace

void TfrmMain::RunInstaller(QLineEdit* folderField, SetupKind kind) {
  LaunchTellwickSetup->FileName = Q(InstallerFile(services_.wizardFolder));
  LaunchTellwickSetup->Parameters = Q(InstallerParameters(kind, S(folderField->text())));
  if (RunWithStatus(
          *LaunchTellwickSetup, [this](const QString& t) { SetStatus(t); },
          QStringLiteral("Launching installer - please wait...")) == 0)
    btnNext->setEnabled(true);
}

void TfrmMain::LaunchTellwickSetupFinished(int exitCode) {
  if (exitCode == 0) btnNext->setEnabled(true);
}

// ---------------------------------------------------------------------------
// Database tool runs

void TfrmMain::btnLANRenovoClick() { RunDatabaseTool(edtLANDirectory, false); }
void TfrmMain::btnP2PRenovoClick() { RunDatabaseTool(edtHostTellwickDir, true); }

void TfrmMain::RunDatabaseTool(QLineEdit* installFolderField, bool host) {
  RegSettings.Path = keys::kProductKey;
  const std::string registryValue = RegSettings.ReadSetting(keys::kGeneralSection, keys::kDataDirectory, "");
  const std::string installFolder = S(installFolderField->text());
  const std::string dataFolder = DataFolder(registryValue, installFolder);
  const std::string parameters = DatabaseToolParameters(dataFolder);
  LaunchRenovo->FileName = Q(DatabaseToolFile(installFolder));
  LaunchRenovo->Parameters = Q(parameters);
  CS.Send("CommandLine", parameters);
  const auto hostWork = [this, &dataFolder] {
    // Without its data folder the share and the database would lead nowhere.
    if (!DirectoryExists(dataFolder)) ForceDirectories(dataFolder);
    CreateSharedFolder(dataFolder);
  };
  if (RunWithStatus(
          *LaunchRenovo, [this](const QString& t) { SetStatus(t); },
          QStringLiteral("Launching Renovo - please wait..."),
          host ? std::function<void()>(hostWork) : std::function<void()>()) == 0)
    btnNext->setEnabled(true);
}

// ---------------------------------------------------------------------------
// Shared data folder

void TfrmMain::CreateSharedFolder(const std::string& AFolderName) {
  CS.EnterMethod(kOwner, "CreateSharedFolder");
  CS.Send("AFolderName", AFolderName);
  const std::string name(kDataShareName);
  services_.shares.DeleteShare(name);
  try {
    services_.shares.AddShare({AFolderName, name, std::string(kDataShareRemark)});
  } catch (const std::exception& error) {
    // The database is still created; the user must know the workstations
    // cannot reach it until the folder is shared.
    services_.messages.Warning(
        this, QStringLiteral("The data folder %1 could not be shared on the network as \"%2\".\n\n%3\n\n"
                             "The Tellwick database will still be created, but the workstations cannot "
                             "reach it until the folder is shared.")
                  .arg(Q(AFolderName), Q(name), QString::fromUtf8(error.what())));
  }
  CS.ExitMethod(kOwner, "CreateSharedFolder");
}

// ---------------------------------------------------------------------------
// Finishing

void TfrmMain::StartReadMe(QLineEdit* installFolderField) {
  const std::string file = ReadMeFile(S(installFolderField->text()));
  LaunchReadMe->FileName = Q(file);
  const std::string folder = file.substr(0, file.size() - kReadMeName.size());
  if (!FindFileNoCase(folder, std::string(kReadMeName))) return;  // no read-me: nothing to show
  try {
    LaunchReadMe->RunDetached();
  } catch (const std::exception& error) {
    // The set-up is complete; the wizard still closes after saying so.
    services_.messages.Error(this, ErrorBoxText(QString::fromUtf8(error.what())));
  }
}

void TfrmMain::btnFinishClick() {
  switch (ActivePage()) {
    case Page::tabFinished:
      if (chkReadMe->isChecked()) StartReadMe(edtLANDirectory);
      close();
      break;
    case Page::tabP2PHostFinished:
      if (chkP2PReadMe->isChecked()) StartReadMe(edtHostTellwickDir);
      close();
      break;
    case Page::tabP2PWorkstationFinished: {
      const std::string dataFolder = S(edtSharedFolder->text());
      IniSettings.Path = WorkstationIniFile(S(edtWorkstationFolder->text()));
      IniSettings.WriteSetting(keys::kIniSettingsSection, keys::kDataDirectory, dataFolder);
      RegSettings.Path = keys::kProductKey;
      RegSettings.WriteSetting(keys::kGeneralSection, keys::kDataDirectory, dataFolder);
      close();
      break;
    }
    default: break;
  }
}

// ---------------------------------------------------------------------------
// Instruction sheet

void TfrmMain::btnPrintClick() {
  repWorkstationSetup->Clear();
  repWorkstationSetup->PrepareReport();
  services_.reportPreview.ShowPreparedReport(this, *repWorkstationSetup);
}

void TfrmMain::repWorkstationSetupGetValue(const QString& varName, QVariant& value) {
  if (varName.toLower() == QStringLiteral("sharedfolder"))
    value = Q(DataFolderNetworkAddress(services_.computerName()));
}

}  // namespace tw
