#pragma once

#include <QDialog>

class QFrame;
class QKeyEvent;
class QLabel;
class QPushButton;

namespace tw {

// The About window: the wizard's name, version and what it does.
class TfrmAbout : public QDialog {
  Q_OBJECT
 public:
  explicit TfrmAbout(QWidget* parent = nullptr);

  QLabel* imgEmblem = nullptr;
  QLabel* lblProductName = nullptr;
  QLabel* lblVersion = nullptr;
  QLabel* lblBuild = nullptr;
  QLabel* lblCopyright = nullptr;
  QFrame* pnlDescription = nullptr;
  QLabel* lblDescription = nullptr;
  QPushButton* btnOk = nullptr;

 protected:
  void keyPressEvent(QKeyEvent* event) override;

 private:
  void FormCreate();
};

}  // namespace tw
