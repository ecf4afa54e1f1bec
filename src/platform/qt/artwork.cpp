#include "platform/qt/artwork.h"

#include <QFont>
#include <QGuiApplication>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>
#include <cmath>
#include <functional>
#include <numbers>

namespace tw::art {

namespace {

QColor C(unsigned rgb) { return QColor::fromRgb(QRgb(rgb)); }

const QColor kOutline = C(0x2a3138);
const QColor kCable = C(0x4f5b67);
const QColor kCaption = C(0x55606b);

// Paints on a design grid of the given size, scaled to the pixmap's size and
// to the screen's pixel ratio.
QPixmap Paint(QSize size, QSizeF grid, const std::function<void(QPainter&)>& draw) {
  const qreal ratio = qGuiApp != nullptr ? qGuiApp->devicePixelRatio() : 1.0;
  QPixmap pixmap(QSize(qRound(size.width() * ratio), qRound(size.height() * ratio)));
  pixmap.setDevicePixelRatio(ratio);
  pixmap.fill(Qt::transparent);
  QPainter p(&pixmap);
  p.setRenderHint(QPainter::Antialiasing);
  p.scale(size.width() / grid.width(), size.height() / grid.height());
  draw(p);
  return pixmap;
}

QLinearGradient Vertical(const QRectF& r, const QColor& top, const QColor& bottom) {
  QLinearGradient g(r.topLeft(), r.bottomLeft());
  g.setColorAt(0, top);
  g.setColorAt(1, bottom);
  return g;
}

QLinearGradient Horizontal(const QRectF& r, const QColor& left, const QColor& right) {
  QLinearGradient g(r.topLeft(), r.topRight());
  g.setColorAt(0, left);
  g.setColorAt(1, right);
  return g;
}

QPen Outline(const QColor& color, qreal width) {
  QPen pen(color, width);
  pen.setJoinStyle(Qt::RoundJoin);
  pen.setCapStyle(Qt::RoundCap);
  return pen;
}

void Shadow(QPainter& p, const QRectF& r) {
  p.save();
  p.translate(r.center());
  p.scale(1, r.height() / r.width());
  QRadialGradient g(QPointF(0, 0), r.width() / 2);
  g.setColorAt(0, QColor(0, 0, 0, 70));
  g.setColorAt(1, QColor(0, 0, 0, 0));
  p.setPen(Qt::NoPen);
  p.setBrush(g);
  p.drawEllipse(QPointF(0, 0), r.width() / 2, r.width() / 2);
  p.restore();
}

void Monitor(QPainter& p, const QRectF& r) {
  const qreal w = r.width();
  const qreal h = r.height();
  const qreal cx = r.center().x();
  const QRectF bezel(r.left(), r.top(), w, h * 0.76);
  const QRectF neck(cx - w * 0.09, bezel.bottom() - 1, w * 0.18, h * 0.14);
  const QRectF base(cx - w * 0.27, r.bottom() - h * 0.11, w * 0.54, h * 0.11);
  p.setPen(Outline(kOutline, 1.1));
  p.setBrush(Horizontal(neck, C(0x9aa5b1), C(0x6e7985)));
  p.drawRect(neck);
  p.setBrush(Vertical(base, C(0xd3dae1), C(0x8a95a1)));
  p.drawRoundedRect(base, h * 0.04, h * 0.04);
  p.setBrush(Vertical(bezel, C(0x5d6874), C(0x2b323a)));
  p.drawRoundedRect(bezel, w * 0.05, w * 0.05);

  const qreal inset = w * 0.065;
  const QRectF screen = bezel.adjusted(inset, inset, -inset, -inset * 1.3);
  QLinearGradient glow(screen.topLeft(), screen.bottomRight());
  glow.setColorAt(0, C(0x9ad2fa));
  glow.setColorAt(0.55, C(0x3d8ad8));
  glow.setColorAt(1, C(0x1a5196));
  p.setPen(Qt::NoPen);
  p.setBrush(glow);
  p.drawRect(screen);
  QPainterPath glare;
  glare.moveTo(screen.topLeft());
  glare.lineTo(screen.left() + screen.width() * 0.6, screen.top());
  glare.lineTo(screen.left(), screen.top() + screen.height() * 0.75);
  glare.closeSubpath();
  p.setBrush(QColor(255, 255, 255, 50));
  p.drawPath(glare);
}

void Server(QPainter& p, const QRectF& r) {
  const qreal w = r.width();
  const qreal h = r.height();
  p.setPen(Outline(kOutline, 1.1));
  p.setBrush(Horizontal(r, C(0xf3f6f9), C(0xa9b4bf)));
  p.drawRoundedRect(r, w * 0.08, w * 0.08);
  for (int i = 0; i < 3; ++i) {
    const QRectF bay(r.left() + w * 0.14, r.top() + h * (0.09 + i * 0.12), w * 0.72, h * 0.08);
    p.setPen(Outline(C(0x3b434c), 0.8));
    p.setBrush(Vertical(bay, C(0x76828f), C(0x3e4650)));
    p.drawRoundedRect(bay, 1, 1);
    p.setPen(Qt::NoPen);
    p.setBrush(i == 0 ? C(0x5ee06a) : C(0x9be3a2));
    const qreal led = bay.height() * 0.36;
    p.drawEllipse(QPointF(bay.right() - bay.height() * 0.6, bay.center().y()), led, led);
  }
  p.setPen(Outline(C(0x7d8894), std::max(0.8, w * 0.025)));
  for (int i = 0; i < 5; ++i) {
    const qreal y = r.top() + h * (0.56 + i * 0.065);
    p.drawLine(QPointF(r.left() + w * 0.22, y), QPointF(r.right() - w * 0.22, y));
  }
  p.setPen(Outline(kOutline, 0.8));
  p.setBrush(C(0x4fc3f7));
  p.drawEllipse(QPointF(r.center().x(), r.bottom() - h * 0.07), w * 0.06, w * 0.06);
}

void Folder(QPainter& p, const QRectF& r) {
  const qreal w = r.width();
  const qreal h = r.height();
  const qreal l = r.left();
  const qreal t = r.top();
  QPainterPath back;
  back.moveTo(l, t + h * 0.12);
  back.lineTo(l + w * 0.04, t);
  back.lineTo(l + w * 0.36, t);
  back.lineTo(l + w * 0.42, t + h * 0.12);
  back.lineTo(r.right(), t + h * 0.12);
  back.lineTo(r.right(), r.bottom());
  back.lineTo(l, r.bottom());
  back.closeSubpath();
  const qreal pen = std::max(0.8, w * 0.02);
  p.setPen(Outline(C(0x8a5a0c), pen));
  p.setBrush(Vertical(r, C(0xe9b84a), C(0xc68a1e)));
  p.drawPath(back);
  p.setPen(Outline(C(0xb8c0c8), pen * 0.8));
  p.setBrush(C(0xffffff));
  p.drawRect(QRectF(l + w * 0.08, t + h * 0.2, w * 0.84, h * 0.3));
  QPainterPath front;
  front.moveTo(l + w * 0.05, t + h * 0.34);
  front.lineTo(r.right(), t + h * 0.34);
  front.lineTo(r.right() - w * 0.02, r.bottom());
  front.lineTo(l, r.bottom());
  front.closeSubpath();
  p.setPen(Outline(C(0x8a5a0c), pen));
  p.setBrush(Vertical(r.adjusted(0, h * 0.34, 0, 0), C(0xffdf7e), C(0xf0a928)));
  p.drawPath(front);
}

void Database(QPainter& p, const QRectF& r) {
  const qreal w = r.width();
  const qreal h = r.height();
  const qreal eh = h * 0.24;
  QPainterPath body;
  body.moveTo(r.left(), r.top() + eh / 2);
  body.lineTo(r.left(), r.bottom() - eh / 2);
  body.arcTo(QRectF(r.left(), r.bottom() - eh, w, eh), 180, 180);
  body.lineTo(r.right(), r.top() + eh / 2);
  body.arcTo(QRectF(r.left(), r.top(), w, eh), 0, 180);
  body.closeSubpath();
  QLinearGradient side(r.topLeft(), r.topRight());
  side.setColorAt(0, C(0x2f7cc4));
  side.setColorAt(0.35, C(0x7cc0f4));
  side.setColorAt(1, C(0x1b4f8c));
  p.setPen(Outline(C(0x173e6b), 1.2));
  p.setBrush(side);
  p.drawPath(body);
  p.setPen(Outline(C(0xd6ecfd), 1.1));
  p.setBrush(Qt::NoBrush);
  for (const qreal at : {0.38, 0.64}) p.drawArc(QRectF(r.left(), r.top() + h * at - eh / 2, w, eh), 180 * 16, 180 * 16);
  p.setPen(Outline(C(0x173e6b), 1.2));
  p.setBrush(Vertical(QRectF(r.left(), r.top(), w, eh), C(0xc5e5fd), C(0x6fb2ec)));
  p.drawEllipse(QRectF(r.left(), r.top(), w, eh));
}

void Document(QPainter& p, const QRectF& r) {
  const qreal w = r.width();
  const qreal h = r.height();
  const qreal fold = w * 0.24;
  QPainterPath page;
  page.moveTo(r.topLeft());
  page.lineTo(r.right() - fold, r.top());
  page.lineTo(r.right(), r.top() + fold);
  page.lineTo(r.bottomRight());
  page.lineTo(r.bottomLeft());
  page.closeSubpath();
  p.setPen(Outline(C(0x5f6b77), 1.2));
  p.setBrush(Vertical(r, C(0xffffff), C(0xe3e9ef)));
  p.drawPath(page);
  QPainterPath corner;
  corner.moveTo(r.right() - fold, r.top());
  corner.lineTo(r.right() - fold, r.top() + fold);
  corner.lineTo(r.right(), r.top() + fold);
  corner.closeSubpath();
  p.setBrush(C(0xcfd8e1));
  p.drawPath(corner);
  p.setPen(Outline(C(0x2f6db3), 2.4));
  p.drawLine(QPointF(r.left() + w * 0.14, r.top() + h * 0.13), QPointF(r.left() + w * 0.56, r.top() + h * 0.13));
  p.setPen(Outline(C(0xa3afbb), 1.5));
  for (qreal y = r.top() + h * 0.27; y < r.bottom() - h * 0.1; y += h * 0.085) {
    const qreal end = (y > r.top() + h * 0.6) ? r.right() - w * 0.36 : r.right() - w * 0.14;
    p.drawLine(QPointF(r.left() + w * 0.14, y), QPointF(end, y));
  }
}

void Seal(QPainter& p, const QPointF& c, qreal radius) {
  p.setPen(Outline(C(0x7a1712), 1));
  p.setBrush(C(0xc0392b));
  for (const qreal side : {-1.0, 1.0}) {
    QPainterPath ribbon;
    ribbon.moveTo(c.x() + side * radius * 0.2, c.y());
    ribbon.lineTo(c.x() + side * radius * 0.85, c.y() + radius * 1.6);
    ribbon.lineTo(c.x() + side * radius * 0.5, c.y() + radius * 1.35);
    ribbon.lineTo(c.x() + side * radius * 0.25, c.y() + radius * 1.7);
    ribbon.lineTo(c.x() - side * radius * 0.25, c.y() + radius * 0.2);
    ribbon.closeSubpath();
    p.drawPath(ribbon);
  }
  QRadialGradient g(c - QPointF(radius * 0.3, radius * 0.3), radius * 1.3);
  g.setColorAt(0, C(0xf1776b));
  g.setColorAt(1, C(0xa5251a));
  p.setBrush(g);
  p.drawEllipse(c, radius, radius);
  p.setPen(Outline(C(0xfbd2cd), 1));
  p.setBrush(Qt::NoBrush);
  p.drawEllipse(c, radius * 0.68, radius * 0.68);
}

void Package(QPainter& p, const QRectF& r, bool taped = true) {
  const qreal w = r.width();
  const qreal h = r.height();
  const qreal d = h * 0.28;
  const qreal split = r.left() + w * 0.7;
  const QRectF front(r.left(), r.top() + d, split - r.left(), h - d);
  QPolygonF side({QPointF(split, r.top() + d), QPointF(r.right(), r.top()), QPointF(r.right(), r.bottom() - d),
                  QPointF(split, r.bottom())});
  QPolygonF top({QPointF(r.left(), r.top() + d), QPointF(r.left() + w * 0.3, r.top()), QPointF(r.right(), r.top()),
                 QPointF(split, r.top() + d)});
  p.setPen(Outline(C(0x6e4a1e), 1.1));
  p.setBrush(Vertical(front, C(0xdcaa62), C(0xc18640)));
  p.drawRect(front);
  p.setBrush(Vertical(r, C(0xb87c37), C(0x94602a)));
  p.drawPolygon(side);
  p.setBrush(Vertical(QRectF(r.left(), r.top(), w, d), C(0xf4d398), C(0xe2b36b)));
  p.drawPolygon(top);
  if (!taped) return;
  // The tape across the lid and down the front.
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(255, 244, 214, 170));
  const qreal tape = w * 0.1;
  const qreal mid = r.left() + front.width() / 2;
  p.drawPolygon(QPolygonF({QPointF(mid - tape / 2, r.top() + d), QPointF(mid + w * 0.15 - tape / 2, r.top()),
                           QPointF(mid + w * 0.15 + tape / 2, r.top()), QPointF(mid + tape / 2, r.top() + d)}));
  p.drawRect(QRectF(mid - tape / 2, r.top() + d, tape, h * 0.22));
}

void Disc(QPainter& p, const QPointF& c, qreal radius) {
  QConicalGradient shine(c, 30);
  shine.setColorAt(0, C(0xdfe8f1));
  shine.setColorAt(0.15, C(0xb6d3f5));
  shine.setColorAt(0.3, C(0xf6f0c8));
  shine.setColorAt(0.45, C(0xcfd9e4));
  shine.setColorAt(0.65, C(0xf2c9e8));
  shine.setColorAt(0.8, C(0xbfe6de));
  shine.setColorAt(1, C(0xdfe8f1));
  p.setPen(Outline(C(0x6b7682), 1));
  p.setBrush(shine);
  p.drawEllipse(c, radius, radius);
  p.setBrush(C(0xeef2f6));
  p.drawEllipse(c, radius * 0.32, radius * 0.32);
  p.setBrush(Qt::white);
  p.drawEllipse(c, radius * 0.13, radius * 0.13);
}

void Hub(QPainter& p, const QRectF& r) {
  p.setPen(Outline(kOutline, 1));
  p.setBrush(Vertical(r, C(0x5a6673), C(0x2f363e)));
  p.drawRoundedRect(r, r.height() * 0.25, r.height() * 0.25);
  p.setPen(Qt::NoPen);
  const int leds = std::max(3, static_cast<int>(r.width() / (r.height() * 1.2)));
  const qreal step = r.width() / (leds + 1);
  for (int i = 1; i <= leds; ++i) {
    p.setBrush(i % 3 == 0 ? C(0xf5b942) : C(0x6be37a));
    p.drawEllipse(QPointF(r.left() + step * i, r.center().y()), r.height() * 0.16, r.height() * 0.16);
  }
}

enum class Mark { Tick, Cross, Arrow, Question, Gear };

void Badge(QPainter& p, const QPointF& c, qreal radius, Mark mark) {
  QColor light;
  QColor dark;
  switch (mark) {
    case Mark::Tick: light = C(0x6ccf73), dark = C(0x1f7d2b); break;
    case Mark::Cross: light = C(0xf07a6f), dark = C(0xa51f17); break;
    case Mark::Gear: light = C(0xf8c25c), dark = C(0xc27a0e); break;
    default: light = C(0x6fb2f2), dark = C(0x1c57a0); break;
  }
  QRadialGradient g(c - QPointF(radius * 0.35, radius * 0.45), radius * 1.4);
  g.setColorAt(0, light);
  g.setColorAt(1, dark);
  p.setPen(Outline(QColor(0, 0, 0, 90), 1));
  p.setBrush(g);
  p.drawEllipse(c, radius + 1.5, radius + 1.5);
  p.setPen(Outline(Qt::white, radius * 0.12));
  p.drawEllipse(c, radius, radius);

  const qreal s = radius;
  QPen stroke = Outline(Qt::white, s * 0.28);
  switch (mark) {
    case Mark::Tick: {
      p.setPen(stroke);
      p.setBrush(Qt::NoBrush);
      QPainterPath tick;
      tick.moveTo(c + QPointF(-s * 0.45, s * 0.02));
      tick.lineTo(c + QPointF(-s * 0.12, s * 0.36));
      tick.lineTo(c + QPointF(s * 0.48, -s * 0.34));
      p.drawPath(tick);
      break;
    }
    case Mark::Cross:
      p.setPen(stroke);
      p.drawLine(c + QPointF(-s * 0.36, -s * 0.36), c + QPointF(s * 0.36, s * 0.36));
      p.drawLine(c + QPointF(s * 0.36, -s * 0.36), c + QPointF(-s * 0.36, s * 0.36));
      break;
    case Mark::Arrow: {
      p.setPen(Qt::NoPen);
      p.setBrush(Qt::white);
      QPolygonF arrow({c + QPointF(-s * 0.5, -s * 0.16), c + QPointF(s * 0.02, -s * 0.16),
                       c + QPointF(s * 0.02, -s * 0.46), c + QPointF(s * 0.55, 0), c + QPointF(s * 0.02, s * 0.46),
                       c + QPointF(s * 0.02, s * 0.16), c + QPointF(-s * 0.5, s * 0.16)});
      p.drawPolygon(arrow);
      break;
    }
    case Mark::Question: {
      p.setPen(stroke);
      p.setBrush(Qt::NoBrush);
      QPainterPath hook;
      hook.moveTo(c + QPointF(-s * 0.3, -s * 0.22));
      hook.arcTo(QRectF(c.x() - s * 0.3, c.y() - s * 0.55, s * 0.6, s * 0.56), 180, -250);
      hook.lineTo(c + QPointF(0, s * 0.2));
      p.drawPath(hook);
      p.setPen(Qt::NoPen);
      p.setBrush(Qt::white);
      p.drawEllipse(c + QPointF(0, s * 0.5), s * 0.15, s * 0.15);
      break;
    }
    case Mark::Gear: {
      QPainterPath gear;
      const int teeth = 8;
      for (int i = 0; i < teeth * 2; ++i) {
        const qreal angle = i * std::numbers::pi / teeth;
        const qreal reach = (i % 2 == 0) ? s * 0.66 : s * 0.48;
        for (const qreal half : {-0.17, 0.17}) {
          const QPointF point = c + QPointF(std::cos(angle + half) * reach, std::sin(angle + half) * reach);
          if (gear.elementCount() == 0)
            gear.moveTo(point);
          else
            gear.lineTo(point);
        }
      }
      gear.closeSubpath();
      gear.addEllipse(c, s * 0.2, s * 0.2);
      gear.setFillRule(Qt::OddEvenFill);
      p.setPen(Qt::NoPen);
      p.setBrush(Qt::white);
      p.drawPath(gear);
      break;
    }
  }
}

void Cable(QPainter& p, const QList<QPointF>& points, qreal width = 2.2) {
  p.setPen(Outline(kCable, width));
  p.setBrush(Qt::NoBrush);
  p.drawPolyline(QPolygonF(points));
}

void Sparkle(QPainter& p, const QPointF& c, qreal size) {
  QPainterPath star;
  star.moveTo(c + QPointF(0, -size));
  star.quadTo(c, c + QPointF(size, 0));
  star.quadTo(c, c + QPointF(0, size));
  star.quadTo(c, c + QPointF(-size, 0));
  star.quadTo(c, c + QPointF(0, -size));
  p.setPen(Qt::NoPen);
  p.setBrush(C(0xf5b700));
  p.drawPath(star);
}

void DrawIllustration(QPainter& p, Picture picture) {
  switch (picture) {
    case Picture::Welcome:
      Shadow(p, QRectF(18, 80, 74, 12));
      Monitor(p, QRectF(26, 8, 64, 74));
      Shadow(p, QRectF(2, 84, 50, 10));
      Disc(p, QPointF(28, 46), 13);
      Package(p, QRectF(6, 54, 44, 36));
      Sparkle(p, QPointF(14, 18), 7);
      Sparkle(p, QPointF(8, 34), 4);
      break;
    case Picture::Licence:
      Shadow(p, QRectF(14, 82, 66, 10));
      Document(p, QRectF(18, 6, 56, 80));
      Seal(p, QPointF(68, 66), 13);
      break;
    case Picture::NetworkChoice:
      Cable(p, {QPointF(24, 52), QPointF(24, 70), QPointF(72, 70), QPointF(72, 52)});
      Cable(p, {QPointF(48, 70), QPointF(48, 78)});
      Monitor(p, QRectF(4, 12, 40, 42));
      Monitor(p, QRectF(52, 12, 40, 42));
      Hub(p, QRectF(26, 76, 44, 10));
      Badge(p, QPointF(80, 78), 11, Mark::Question);
      break;
    case Picture::FileServer:
      Shadow(p, QRectF(18, 82, 64, 10));
      Server(p, QRectF(22, 6, 40, 82));
      Folder(p, QRectF(50, 56, 40, 30));
      break;
    case Picture::InstallOnServer:
      Shadow(p, QRectF(40, 82, 50, 10));
      Server(p, QRectF(48, 6, 38, 82));
      Shadow(p, QRectF(0, 82, 50, 10));
      Package(p, QRectF(4, 48, 42, 38));
      Badge(p, QPointF(40, 30), 12, Mark::Arrow);
      break;
    case Picture::Database:
      Shadow(p, QRectF(14, 80, 66, 12));
      Database(p, QRectF(18, 8, 56, 78));
      Badge(p, QPointF(74, 70), 14, Mark::Gear);
      break;
    case Picture::PeerToPeer:
      Cable(p, {QPointF(25, 68), QPointF(25, 80), QPointF(71, 80), QPointF(71, 68)});
      Monitor(p, QRectF(2, 24, 46, 46));
      Monitor(p, QRectF(48, 24, 46, 46));
      break;
    case Picture::HostComputer:
      Shadow(p, QRectF(6, 80, 70, 10));
      Monitor(p, QRectF(6, 10, 66, 74));
      Folder(p, QRectF(52, 54, 40, 30));
      break;
    case Picture::InstallOnComputer:
      Shadow(p, QRectF(30, 80, 66, 10));
      Monitor(p, QRectF(34, 12, 60, 70));
      Shadow(p, QRectF(0, 82, 50, 10));
      Package(p, QRectF(4, 48, 42, 38));
      Badge(p, QPointF(36, 28), 12, Mark::Arrow);
      break;
    case Picture::Workstation:
      Cable(p, {QPointF(60, 40), QPointF(86, 40), QPointF(86, 80)});
      Shadow(p, QRectF(6, 80, 70, 10));
      Monitor(p, QRectF(8, 10, 62, 74));
      Hub(p, QRectF(72, 78, 22, 10));
      break;
    case Picture::SharedFolder:
      Cable(p, {QPointF(48, 70), QPointF(48, 80)});
      Cable(p, {QPointF(10, 84), QPointF(86, 84)});
      Folder(p, QRectF(12, 12, 72, 58));
      Hub(p, QRectF(32, 78, 32, 11));
      break;
    case Picture::Finished:
      Shadow(p, QRectF(6, 80, 70, 10));
      Monitor(p, QRectF(6, 8, 66, 76));
      Badge(p, QPointF(72, 66), 19, Mark::Tick);
      break;
    case Picture::Missing:
      Shadow(p, QRectF(6, 80, 70, 10));
      Package(p, QRectF(10, 26, 62, 58));
      Badge(p, QPointF(72, 70), 17, Mark::Cross);
      break;
  }
}

void Caption(QPainter& p, const QPointF& at, const QString& text) {
  QFont font = QGuiApplication::font();
  font.setPixelSize(10);
  p.setFont(font);
  p.setPen(kCaption);
  p.drawText(at, text);
}

// Computers along the bottom on one cable that comes down from the hub.
void WorkstationRow(QPainter& p, QSizeF area, qreal busY, int computers, QSizeF computer) {
  const qreal gap = (area.width() - computers * computer.width()) / (computers + 1);
  const qreal top = area.height() - computer.height() - 1;
  const qreal first = gap + computer.width() / 2;
  const qreal last = area.width() - gap - computer.width() / 2;
  Cable(p, {QPointF(first, busY), QPointF(last, busY)});
  for (int i = 0; i < computers; ++i) {
    const qreal x = gap + i * (computer.width() + gap);
    Cable(p, {QPointF(x + computer.width() / 2, busY), QPointF(x + computer.width() / 2, top + 4)});
    Monitor(p, QRectF(QPointF(x, top), computer));
  }
}

}  // namespace

QPixmap Illustration(Picture picture, int size) {
  return Paint(QSize(size, size), QSizeF(96, 96), [picture](QPainter& p) { DrawIllustration(p, picture); });
}

QPixmap LanDiagram(QSize size) {
  return Paint(size, QSizeF(size), [size](QPainter& p) {
    const qreal cx = size.width() / 2.0;
    const QRectF hub(cx - 44, 66, 88, 11);
    const qreal busY = hub.bottom() + (size.height() - 40 - hub.bottom()) / 2;
    Cable(p, {QPointF(cx, 50), QPointF(cx, hub.top())});
    Cable(p, {QPointF(cx, hub.bottom()), QPointF(cx, busY)});
    WorkstationRow(p, QSizeF(size), busY, 4, QSizeF(42, 38));
    Server(p, QRectF(cx - 15, 2, 30, 52));
    Hub(p, hub);
    Caption(p, QPointF(cx + 24, 30), QStringLiteral("File server"));
    Caption(p, QPointF(hub.right() + 8, hub.bottom() - 1), QStringLiteral("Router / switch"));
  });
}

QPixmap PeerToPeerDiagram(QSize size) {
  return Paint(size, QSizeF(size), [size](QPainter& p) {
    const qreal cx = size.width() / 2.0;
    const QRectF hub(cx - 40, 4, 80, 11);
    const qreal busY = 30;
    Cable(p, {QPointF(cx, hub.bottom()), QPointF(cx, busY)});
    WorkstationRow(p, QSizeF(size), busY, 3, QSizeF(48, 42));
    Hub(p, hub);
    Caption(p, QPointF(hub.right() + 8, hub.bottom() - 1), QStringLiteral("Router / switch"));
  });
}

QPixmap HintIcon(int size) {
  return Paint(QSize(size, size), QSizeF(28, 28), [](QPainter& p) {
    p.setPen(Outline(QColor(245, 183, 0, 150), 1.2));
    for (const qreal angle : {-150.0, -120.0, -90.0, -60.0, -30.0}) {
      const qreal a = angle * std::numbers::pi / 180;
      const QPointF dir(std::cos(a), std::sin(a));
      p.drawLine(QPointF(14, 11) + dir * 10.5, QPointF(14, 11) + dir * 13);
    }
    p.setPen(Outline(C(0x5d6670), 0.8));
    p.setBrush(Vertical(QRectF(10, 18, 8, 7), C(0xd7dde3), C(0x8d97a1)));
    p.drawRoundedRect(QRectF(10, 18.5, 8, 2.4), 0.8, 0.8);
    p.drawRoundedRect(QRectF(10, 20.9, 8, 2.4), 0.8, 0.8);
    p.setBrush(C(0x5d6670));
    p.drawRoundedRect(QRectF(11.8, 23.3, 4.4, 2.2), 1, 1);
    QPainterPath glass;
    glass.moveTo(10.4, 18.6);
    glass.cubicTo(10.2, 16.4, 6, 14.6, 6, 10.4);
    glass.cubicTo(6, 5.9, 9.6, 2.5, 14, 2.5);
    glass.cubicTo(18.4, 2.5, 22, 5.9, 22, 10.4);
    glass.cubicTo(22, 14.6, 17.8, 16.4, 17.6, 18.6);
    glass.closeSubpath();
    QRadialGradient g(QPointF(11.5, 7.5), 11);
    g.setColorAt(0, C(0xfffbe0));
    g.setColorAt(0.45, C(0xffdf5c));
    g.setColorAt(1, C(0xe6a10f));
    p.setPen(Outline(C(0x9b6f06), 0.9));
    p.setBrush(g);
    p.drawPath(glass);
    p.setPen(Outline(C(0xb86e00), 0.8));
    p.setBrush(Qt::NoBrush);
    QPainterPath filament;
    filament.moveTo(12, 18.4);
    filament.lineTo(12, 13);
    filament.lineTo(13, 11.6);
    filament.lineTo(14, 13);
    filament.lineTo(15, 11.6);
    filament.lineTo(16, 13);
    filament.lineTo(16, 18.4);
    p.drawPath(filament);
  });
}

QPixmap Emblem(int size) {
  return Paint(QSize(size, size), QSizeF(48, 48), [](QPainter& p) {
    Shadow(p, QRectF(2, 41, 38, 6));
    Disc(p, QPointF(29, 17), 15);
    Package(p, QRectF(3, 19, 34, 26), false);
    Sparkle(p, QPointF(42, 37), 5);
  });
}

QIcon WindowIcon() {
  QIcon icon;
  for (const int size : {16, 24, 32, 48, 64, 128, 256}) icon.addPixmap(Emblem(size));
  return icon;
}

QIcon ButtonGlyph(Glyph glyph) {
  return QIcon(Paint(QSize(16, 16), QSizeF(16, 16), [glyph](QPainter& p) {
    switch (glyph) {
      case Glyph::Next:
      case Glyph::Previous: {
        if (glyph == Glyph::Previous) {
          p.translate(16, 0);
          p.scale(-1, 1);
        }
        QPolygonF arrow({QPointF(1.5, 6), QPointF(7.5, 6), QPointF(7.5, 2), QPointF(14.5, 8), QPointF(7.5, 14),
                         QPointF(7.5, 10), QPointF(1.5, 10)});
        p.setPen(Outline(C(0x174f8c), 1));
        p.setBrush(Vertical(QRectF(0, 2, 16, 12), C(0x7cc0f5), C(0x1f66b8)));
        p.drawPolygon(arrow);
        break;
      }
      case Glyph::About: {
        QRadialGradient g(QPointF(6, 5), 10);
        g.setColorAt(0, C(0x7fbcf5));
        g.setColorAt(1, C(0x1c57a0));
        p.setPen(Outline(C(0x174f8c), 1));
        p.setBrush(g);
        p.drawEllipse(QRectF(1, 1, 14, 14));
        p.setPen(Qt::NoPen);
        p.setBrush(Qt::white);
        p.drawEllipse(QPointF(8, 4.8), 1.3, 1.3);
        p.drawRoundedRect(QRectF(6.9, 6.8, 2.2, 5.8), 0.6, 0.6);
        break;
      }
      case Glyph::Cancel: {
        QRadialGradient g(QPointF(6, 5), 10);
        g.setColorAt(0, C(0xf3877d));
        g.setColorAt(1, C(0xae2219));
        p.setPen(Outline(C(0x86160f), 1));
        p.setBrush(g);
        p.drawEllipse(QRectF(1, 1, 14, 14));
        p.setPen(Outline(Qt::white, 2));
        p.drawLine(QPointF(5.5, 5.5), QPointF(10.5, 10.5));
        p.drawLine(QPointF(10.5, 5.5), QPointF(5.5, 10.5));
        break;
      }
      case Glyph::Finish: {
        QPainterPath tick;
        tick.moveTo(2.5, 8.5);
        tick.lineTo(6.3, 12.2);
        tick.lineTo(13.5, 3.8);
        p.setBrush(Qt::NoBrush);
        p.setPen(Outline(C(0x1c6b25), 4));
        p.drawPath(tick);
        p.setPen(Outline(C(0x4cc257), 2.2));
        p.drawPath(tick);
        break;
      }
      case Glyph::Folder: Folder(p, QRectF(1, 2.5, 14, 11)); break;
    }
  }));
}

}  // namespace tw::art
