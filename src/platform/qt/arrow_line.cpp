#include "platform/qt/arrow_line.h"

#include <QPainter>
#include <QPainterPath>

namespace tw {

namespace {
const QColor kLineColour(0x99, 0x99, 0x99);  // the border colour of the panels it points to
}

TArrowLine::TArrowLine(QWidget* parent) : QWidget(parent) { setAttribute(Qt::WA_TransparentForMouseEvents); }

void TArrowLine::paintEvent(QPaintEvent*) {
  QPainter p(this);
  // On a pixel centre, so that the one-pixel line stays sharp.
  const qreal y = height() / 2 + 0.5;
  const qreal head = 8;
  const qreal tip = width() - 0.5;
  p.setPen(QPen(kLineColour, 1));
  p.drawLine(QPointF(0.5, y), QPointF(tip - head, y));
  p.setRenderHint(QPainter::Antialiasing);
  QPainterPath arrow;
  arrow.moveTo(tip, y);
  arrow.lineTo(tip - head, y - head / 2);
  arrow.lineTo(tip - head, y + head / 2);
  arrow.closeSubpath();
  p.fillPath(arrow, kLineColour);
}

}  // namespace tw
