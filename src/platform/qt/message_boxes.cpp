#include "platform/qt/message_boxes.h"

#include <QApplication>
#include <QMessageBox>
#include <QPushButton>

namespace tw {

namespace {

QMessageBox::StandardButton Show(QWidget* parent, QMessageBox::Icon icon, const QString& title, const QString& text,
                                 QMessageBox::StandardButtons buttons,
                                 QMessageBox::StandardButton defaultButton = QMessageBox::NoButton,
                                 QMessageBox::StandardButton escapeButton = QMessageBox::NoButton) {
  QMessageBox box(icon, title, text, buttons, parent);
  if (defaultButton != QMessageBox::NoButton) box.setDefaultButton(defaultButton);
  if (escapeButton != QMessageBox::NoButton) box.setEscapeButton(escapeButton);
  const int answer = box.exec();
  return static_cast<QMessageBox::StandardButton>(answer);
}

QString Title() { return QStringLiteral("Tellwick Easy Setup"); }

}  // namespace

void QtMessageBoxes::Information(QWidget* parent, const QString& text) {
  Show(parent, QMessageBox::Information, QStringLiteral("Information"), text, QMessageBox::Ok);
}

bool QtMessageBoxes::Confirm(QWidget* parent, const QString& text) {
  // Escape and the close box answer No.
  return Show(parent, QMessageBox::Question, QStringLiteral("Confirm"), text, QMessageBox::Yes | QMessageBox::No,
              QMessageBox::Yes, QMessageBox::No) == QMessageBox::Yes;
}

void QtMessageBoxes::Error(QWidget* parent, const QString& text) {
  Show(parent, QMessageBox::Critical, Title(), text, QMessageBox::Ok);
}

void QtMessageBoxes::Warning(QWidget* parent, const QString& text) {
  Show(parent, QMessageBox::Warning, Title(), text, QMessageBox::Ok);
}

QString ErrorBoxText(const QString& message) {
  if (!message.isEmpty() && message.back() > QLatin1Char('.')) return message + QLatin1Char('.');
  return message;
}

}  // namespace tw
