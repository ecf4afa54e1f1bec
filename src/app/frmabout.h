#pragma once

#include <QDialog>

namespace tw {

// The About window: the wizard's name, version and what it does.
class TfrmAbout : public QDialog {
  Q_OBJECT
 public:
  explicit TfrmAbout(QWidget* parent = nullptr);
};

}  // namespace tw
