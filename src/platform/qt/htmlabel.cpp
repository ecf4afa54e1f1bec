#include "platform/qt/htmlabel.h"

#include <QAbstractTextDocumentLayout>
#include <QPainter>
#include <QRegularExpression>
#include <QTextDocument>
#include <QtMath>

namespace tw {

namespace {

// Bullets sit in a narrow margin so that list items keep most of the width.
constexpr qreal kListIndent = 22;

struct NamedColour {
  const char* name;
  const char* rgb;
};

// The colour names the page texts may use.
constexpr NamedColour kColours[] = {
    {"clBlack", "#000000"},   {"clMaroon", "#800000"},     {"clGreen", "#008000"},   {"clOlive", "#808000"},
    {"clNavy", "#000080"},    {"clPurple", "#800080"},     {"clTeal", "#008080"},    {"clGray", "#808080"},
    {"clGrey", "#808080"},    {"clSilver", "#c0c0c0"},     {"clRed", "#ff0000"},     {"clLime", "#00ff00"},
    {"clYellow", "#ffff00"},  {"clBlue", "#0000ff"},       {"clFuchsia", "#ff00ff"}, {"clAqua", "#00ffff"},
    {"clWhite", "#ffffff"},   {"clMoneyGreen", "#c0dcc0"}, {"clSkyBlue", "#a6caf0"}, {"clCream", "#fffbf0"},
    {"clMedGray", "#a4a0a0"}, {"clLtGray", "#c0c0c0"},
};

QString ColourValue(const QString& name) {
  for (const NamedColour& colour : kColours)
    if (name.compare(QLatin1String(colour.name), Qt::CaseInsensitive) == 0) return QLatin1String(colour.rgb);
  return QString();
}

QString ReplaceColourNames(const QString& markup) {
  static const QRegularExpression colour(QStringLiteral(R"re(color\s*=\s*"?(cl[a-z]+)"?)re"),
                                         QRegularExpression::CaseInsensitiveOption);
  QString html;
  qsizetype done = 0;
  for (QRegularExpressionMatchIterator it = colour.globalMatch(markup); it.hasNext();) {
    const QRegularExpressionMatch match = it.next();
    const QString value = ColourValue(match.captured(1));
    if (value.isEmpty()) continue;  // an unknown name stays as written
    html += markup.mid(done, match.capturedStart() - done);
    html += QStringLiteral("color=\"%1\"").arg(value);
    done = match.capturedEnd();
  }
  html += markup.mid(done);
  return html;
}

}  // namespace

THtmLabel::THtmLabel(QWidget* parent) : QLabel(parent) {
  setTextFormat(Qt::RichText);
  setWordWrap(true);
  setAlignment(Qt::AlignLeft | Qt::AlignTop);
  setTextInteractionFlags(Qt::NoTextInteraction);
}

void THtmLabel::setHTMLText(const QString& markup) {
  markup_ = markup;
  setText(MarkupToRichText(markup));
}

// Laid out by a document of our own so that lists take little room.
void THtmLabel::Layout(QTextDocument& document, int width) const {
  document.setDocumentMargin(0);
  document.setIndentWidth(kListIndent);
  document.setDefaultFont(font());
  document.setHtml(text());
  document.setTextWidth(width);
}

int THtmLabel::heightForWidth(int width) const {
  QTextDocument document;
  Layout(document, width);
  return qCeil(document.size().height());
}

void THtmLabel::paintEvent(QPaintEvent*) {
  QTextDocument document;
  Layout(document, width());
  QAbstractTextDocumentLayout::PaintContext context;
  context.palette = palette();
  context.palette.setColor(QPalette::Text,
                           palette().color(isEnabled() ? QPalette::Active : QPalette::Disabled, foregroundRole()));
  context.clip = QRectF(rect());
  QPainter painter(this);
  painter.setClipRect(rect());
  document.documentLayout()->draw(&painter, context);
}

QString MarkupToRichText(const QString& markup) {
  QString html = ReplaceColourNames(markup);
  // A list starts and ends its own lines: the line break written next to it
  // must not add an empty line in Qt's block layout.
  static const QRegularExpression breakBeforeList(QStringLiteral(R"(<br\s*/?>\s*(?=<ul>))"),
                                                  QRegularExpression::CaseInsensitiveOption);
  static const QRegularExpression breakAfterList(QStringLiteral(R"((</ul>)\s*<br\s*/?>)"),
                                                 QRegularExpression::CaseInsensitiveOption);
  static const QRegularExpression listStart(QStringLiteral("<ul>"), QRegularExpression::CaseInsensitiveOption);
  html.replace(breakBeforeList, QString());
  html.replace(breakAfterList, QStringLiteral("\\1"));
  html.replace(listStart, QStringLiteral("<ul style=\"margin-top:0px; margin-bottom:0px;\">"));
  // Two spaces after a sentence stay two spaces wide; a line may still break
  // at the last space of a run.
  static const QRegularExpression spaceInRun(QStringLiteral(" (?= )"));
  html.replace(spaceInRun, QStringLiteral("&nbsp;"));
  return html;
}

}  // namespace tw
