#pragma once

#include <QString>

class QWidget;

namespace tw {

// The three message boxes of the wizard, behind one seam so tests answer them.
class MessageBoxes {
 public:
  virtual ~MessageBoxes() = default;
  // "Information", information icon, OK.
  virtual void Information(QWidget* parent, const QString& text) = 0;
  // "Confirm", question icon, Yes (default) and No (Escape, close box).
  virtual bool Confirm(QWidget* parent, const QString& text) = 0;
  // The default error box: application title, error icon, OK.
  virtual void Error(QWidget* parent, const QString& text) = 0;
  // A warning the user should act on; the work goes on after it.
  virtual void Warning(QWidget* parent, const QString& text) = 0;
};

class QtMessageBoxes : public MessageBoxes {
 public:
  void Information(QWidget* parent, const QString& text) override;
  bool Confirm(QWidget* parent, const QString& text) override;
  void Error(QWidget* parent, const QString& text) override;
  void Warning(QWidget* parent, const QString& text) override;
};

// The error text as the default error box shows it: a full stop is added
// when the last character sorts after ".".
QString ErrorBoxText(const QString& message);

}  // namespace tw
