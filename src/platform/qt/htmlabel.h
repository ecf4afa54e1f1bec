#pragma once

#include <QLabel>
#include <QString>

class QTextDocument;

namespace tw {

// A label showing the page texts' small markup (<b>, <br>, <ul>/<li>,
// <FONT color=clBlue>). HTMLText() is the markup as stored; the label shows
// it rendered, word-wrapped from the top left, without growing its box.
class THtmLabel : public QLabel {
  Q_OBJECT
 public:
  explicit THtmLabel(QWidget* parent = nullptr);
  QString HTMLText() const { return markup_; }
  void setHTMLText(const QString& markup);

  // The height the rendered text needs at the given width; the label itself
  // keeps its size and clips what does not fit.
  int heightForWidth(int width) const override;

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  void Layout(QTextDocument& document, int width) const;

  QString markup_;
};

// The markup in a form Qt's rich text understands.
QString MarkupToRichText(const QString& markup);

}  // namespace tw
