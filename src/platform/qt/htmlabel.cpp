#include "platform/qt/htmlabel.h"

#include <QRegularExpression>

namespace tw {

THtmLabel::THtmLabel(QWidget* parent) : QLabel(parent) {
  setTextFormat(Qt::RichText);
  setWordWrap(true);
  setAlignment(Qt::AlignLeft | Qt::AlignTop);
}

void THtmLabel::setHTMLText(const QString& markup) {
  markup_ = markup;
  setText(MarkupToRichText(markup));
}

QString MarkupToRichText(const QString& markup) {
  QString html = markup;
  html.replace(QRegularExpression(QStringLiteral("color=clBlue"), QRegularExpression::CaseInsensitiveOption),
               QStringLiteral("color=\"#0000ff\""));
  return html;
}

}  // namespace tw
