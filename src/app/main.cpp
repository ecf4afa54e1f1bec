#include <QApplication>
#include <QScreen>

#include "platform/folders.h"
#include "platform/ini_file.h"
#include "platform/programs.h"
#include "platform/qt/artwork.h"
#include "platform/qt/folder_dialog.h"
#include "platform/qt/message_boxes.h"
#include "platform/qt/report.h"
#include "platform/registry.h"
#include "platform/shares.h"
#include "platform/trace.h"
#include "wizard/frmmain.h"

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  QApplication::setApplicationName(QStringLiteral("Tellwick Easy Setup"));
  QApplication::setApplicationDisplayName(QStringLiteral("Tellwick Easy Setup"));
  QApplication::setApplicationVersion(QStringLiteral(TW_VERSION));
  QApplication::setWindowIcon(tw::art::WindowIcon());

  const auto registry = tw::OpenCurrentUserRegistry();
  const auto iniFiles = tw::OpenIniFiles();
  const auto programs = tw::CreateProgramStarter();
  const auto shares = tw::CreateShareService();
  const auto trace = tw::OpenTraceSink();
  tw::QtMessageBoxes messages;
  tw::QtFolderDialog folderDialog;
  tw::QtReportPreview reportPreview;

  tw::TfrmMain frmMain({*registry, *iniFiles, *programs, *shares, *trace, messages, folderDialog, reportPreview,
                        &tw::ReadComputerName, tw::ProgramFolder()});
  if (const QScreen* screen = QGuiApplication::primaryScreen())
    frmMain.move(screen->availableGeometry().center() - frmMain.rect().center());
  frmMain.show();
  return QApplication::exec();
}
