#pragma once

#include <QString>
#include <optional>

class QWidget;

namespace tw {

// The folder-selection dialog: starts at a folder, shows a title, lets the
// user create folders; nothing when cancelled.
class FolderDialog {
 public:
  virtual ~FolderDialog() = default;
  virtual std::optional<QString> Choose(QWidget* parent, const QString& startFolder, const QString& title) = 0;
};

class QtFolderDialog : public FolderDialog {
 public:
  std::optional<QString> Choose(QWidget* parent, const QString& startFolder, const QString& title) override;
};

}  // namespace tw
