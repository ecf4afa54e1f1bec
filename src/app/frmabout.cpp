#include "app/frmabout.h"

namespace tw {

TfrmAbout::TfrmAbout(QWidget* parent) : QDialog(parent) { setWindowTitle(QStringLiteral("About")); }

}  // namespace tw
