#include "support/qt/window_fixture.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTextStream>

#include "platform/errors.h"
#include "platform/folders.h"

namespace tw::test {

void FakeReportPreview::ShowPreparedReport(QWidget*, TReport& report) {
  pagesShown.push_back(report.PreparedPageCount());
}

void FakeShareService::DeleteShare(const std::string& name) noexcept {
  try {
    calls.push_back("delete " + name);
  } catch (...) {
  }
}

void FakeShareService::AddShare(const ShareSettings& settings) {
  calls.push_back("add " + settings.name + " " + settings.folder);
  if (addFailure) throw PlatformError(*addFailure);
}

WindowFixture::WindowFixture(WindowOptions options)
    : savedConfigHome_(qgetenv("XDG_CONFIG_HOME")), savedSimLog_(qgetenv("TELLWICK_SIM_LOG")) {
  // The settings backends and the stand-in find their files through these.
  qputenv("XDG_CONFIG_HOME", (root.path() + "/config").toUtf8());
  qputenv("TELLWICK_SIM_LOG", QString::fromStdString(SimLog()).toUtf8());
  QDir(root.path()).mkpath(QStringLiteral("wizard"));
  QDir(root.path()).mkpath(QStringLiteral("config"));

  const QString installer = QString::fromStdString(WizardFolder() + options.installerName);
  switch (options.installer) {
    case WindowOptions::Installer::StandIn: {
      const QString standIn = QString::fromStdString(ProgramFolder() + "product-sim");
      EXPECT_TRUE(QFile::copy(standIn, installer)) << "stand-in missing: " << standIn.toStdString();
      QFile::setPermissions(installer, QFile::permissions(installer) | QFile::ExeOwner);
      break;
    }
    case WindowOptions::Installer::Folder: QDir().mkpath(installer); break;
    case WindowOptions::Installer::None: break;
  }

  registry = OpenCurrentUserRegistry();
  iniFiles = OpenIniFiles();
  programs = CreateProgramStarter();
  ShareService& shares = options.shares ? *options.shares : fakeShares;
  window = std::make_unique<TfrmMain>(TfrmMainServices{*registry, *iniFiles, *programs, shares, trace, messages,
                                                       folderDialog, reportPreview,
                                                       [name = options.computerName] { return name; }, WizardFolder()});
  window->show();
}

WindowFixture::~WindowFixture() {
  window.reset();
  qputenv("XDG_CONFIG_HOME", savedConfigHome_);
  qputenv("TELLWICK_SIM_LOG", savedSimLog_);
}

std::string WindowFixture::WizardFolder() const { return WithTrailingSeparator(RootPath() + "/wizard"); }

std::string WindowFixture::SimLog() const { return RootPath() + "/product-sim.log"; }

std::vector<std::string> WindowFixture::SimLogLines() const {
  std::vector<std::string> lines;
  QFile file(QString::fromStdString(SimLog()));
  if (!file.open(QIODevice::ReadOnly | QIODevice::Text)) return lines;
  QTextStream in(&file);
  while (!in.atEnd()) lines.push_back(in.readLine().toStdString());
  return lines;
}

void WalkTo(TfrmMain& w, Page target, const QString& folder) {
  const bool lan = target == Page::tabLAN || target == Page::tabLANReady || target == Page::tabLANRenovo ||
                   target == Page::tabFinished;
  const bool workstation = target == Page::tabP2PWorkstation || target == Page::tabP2PWorkstationReady ||
                           target == Page::tabP2PWorkstationDataFolder || target == Page::tabP2PWorkstationFinished;
  for (int guard = 0; w.ActivePage() != target && guard < kPageCount; ++guard) {
    switch (w.ActivePage()) {
      case Page::tabLicence: w.radAccept->click(); break;
      case Page::tabNetworkType: (lan ? w.radLAN : w.radPeer2Peer)->click(); break;
      case Page::tabPeer2Peer: (workstation ? w.radWorkstation : w.radHost)->click(); break;
      case Page::tabLAN: w.edtLANDirectory->setText(folder); break;
      case Page::tabP2PHost: w.edtHostTellwickDir->setText(folder); break;
      case Page::tabP2PWorkstation: w.edtWorkstationFolder->setText(folder); break;
      case Page::tabP2PWorkstationDataFolder:
        w.edtSharedFolder->setText(QStringLiteral("\\\\HOST\\TellwickData"));
        break;
      default: break;
    }
    // Pages whose Next waits for a program run are passed through as if it had succeeded.
    w.btnNext->setEnabled(true);
    w.btnNext->click();
  }
  ASSERT_EQ(w.ActivePage(), target) << "could not walk to page " << static_cast<int>(target);
}

}  // namespace tw::test
