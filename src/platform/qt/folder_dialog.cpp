#include "platform/qt/folder_dialog.h"

#include <QDir>
#include <QFileDialog>

namespace tw {

std::optional<QString> QtFolderDialog::Choose(QWidget* parent, const QString& startFolder, const QString& title) {
  QFileDialog dialog(parent, title, startFolder);
  dialog.setFileMode(QFileDialog::Directory);
  dialog.setOption(QFileDialog::ShowDirsOnly);
#ifndef _WIN32
  // Hidden folders and folder creation, which the native dialogs here lack.
  dialog.setOption(QFileDialog::DontUseNativeDialog);
  dialog.setFilter(dialog.filter() | QDir::Hidden);
#endif
  if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return std::nullopt;
  return QDir::toNativeSeparators(dialog.selectedFiles().constFirst());
}

}  // namespace tw
