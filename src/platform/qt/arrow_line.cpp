#include "platform/qt/arrow_line.h"

#include <QPainter>
#include <QPainterPath>

namespace tw {

TArrowLine::TArrowLine(QWidget* parent) : QWidget(parent) { setAttribute(Qt::WA_TransparentForMouseEvents); }

void TArrowLine::paintEvent(QPaintEvent*) {
  QPainter p(this);
  p.setRenderHint(QPainter::Antialiasing);
  const qreal y = height() / 2.0;
  const qreal head = 8;
  p.setPen(QPen(QColor(0x99, 0x99, 0x99), 1));
  p.drawLine(QPointF(2, y), QPointF(width() - head, y));
  QPainterPath arrow;
  arrow.moveTo(width() - 1, y);
  arrow.lineTo(width() - 1 - head, y - head / 2);
  arrow.lineTo(width() - 1 - head, y + head / 2);
  arrow.closeSubpath();
  p.fillPath(arrow, QColor(0x99, 0x99, 0x99));
}

}  // namespace tw
