#include "app/frmabout.h"

#include <QFrame>
#include <QGraphicsDropShadowEffect>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QPushButton>
#include <QScreen>
#include <QStyle>
#include <cmath>
#include <numbers>

#include "app/version_text.h"
#include "platform/version_info.h"

namespace tw {

namespace {

const QString kDescription = QStringLiteral(
    "Tellwick Easy Setup is a wizard that is designed to make it easy for you to install Tellwick on your network.  "
    "It does this by asking you questions about your network, while guiding you through the installation process.  "
    "It configures the Tellwick Installer based on your answers and then does the install for you.\n"
    "To use Tellwick Easy Setup, you need to have the Tellwick Installer (TELLWICK4SETUP.EXE) located in the same "
    "folder.");

// The wizard's emblem: a setup box under a wand's star, drawn rather than
// shipped as an image.
QPixmap Emblem(int size) {
  QPixmap pixmap(size, size);
  pixmap.fill(Qt::transparent);
  QPainter p(&pixmap);
  p.setRenderHint(QPainter::Antialiasing);
  p.scale(size / 128.0, size / 128.0);

  QLinearGradient sky(0, 0, 0, 128);
  sky.setColorAt(0, QColor(0x3a, 0x6e, 0xc8));
  sky.setColorAt(1, QColor(0x00, 0x00, 0x80));
  p.setPen(Qt::NoPen);
  p.setBrush(sky);
  p.drawRoundedRect(QRectF(4, 4, 120, 120), 18, 18);

  // The box: front, lid and side.
  p.setBrush(QColor(0xe8, 0xc2, 0x7a));
  p.drawPolygon(QPolygonF({{28, 62}, {78, 62}, {78, 108}, {28, 108}}));
  p.setBrush(QColor(0xc9, 0x9a, 0x4e));
  p.drawPolygon(QPolygonF({{78, 62}, {100, 50}, {100, 94}, {78, 108}}));
  p.setBrush(QColor(0xf6, 0xdc, 0xa6));
  p.drawPolygon(QPolygonF({{28, 62}, {50, 50}, {100, 50}, {78, 62}}));

  // The wand and its star.
  p.setPen(QPen(Qt::white, 5, Qt::SolidLine, Qt::RoundCap));
  p.drawLine(QPointF(40, 40), QPointF(64, 64));
  QPainterPath star;
  const QPointF centre(36, 34);
  for (int i = 0; i < 10; ++i) {
    const qreal radius = i % 2 == 0 ? 20 : 8;
    const qreal angle = -std::numbers::pi / 2 + i * std::numbers::pi / 5;
    const QPointF point = centre + QPointF(radius * std::cos(angle), radius * std::sin(angle));
    if (i == 0)
      star.moveTo(point);
    else
      star.lineTo(point);
  }
  star.closeSubpath();
  p.setPen(QPen(QColor(0xb8, 0x86, 0x0b), 1.5));
  p.setBrush(QColor(0xff, 0xd7, 0x00));
  p.drawPath(star);
  return pixmap;
}

QLabel* CentredLabel(QWidget* parent, const QRect& place) {
  auto* label = new QLabel(parent);
  label->setGeometry(place);
  label->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
  return label;
}

}  // namespace

TfrmAbout::TfrmAbout(QWidget* parent) : QDialog(parent) {
  setObjectName(QStringLiteral("frmAbout"));
  setWindowTitle(QStringLiteral("About"));
  setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                 Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint);
  setFixedSize(530, 296);
  setFont(QFont(QStringLiteral("MS Sans Serif"), 8));

  imgEmblem = new QLabel(this);
  imgEmblem->setGeometry(8, 8, 128, 128);
  imgEmblem->setPixmap(Emblem(128));

  lblProductName = CentredLabel(this, QRect(136, 8, 385, 45));
  lblProductName->setAlignment(Qt::AlignCenter);
  lblProductName->setText(QStringLiteral("Tellwick Easy Setup"));
  lblProductName->setFont(QFont(QStringLiteral("Arial Black"), 24));
  QPalette navy = lblProductName->palette();
  navy.setColor(QPalette::WindowText, QColor(0x00, 0x00, 0x80));
  lblProductName->setPalette(navy);
  // A light copy one pixel down and right makes the text look cut into the face.
  auto* engraved = new QGraphicsDropShadowEffect(lblProductName);
  engraved->setBlurRadius(0);
  engraved->setOffset(1, 1);
  engraved->setColor(Qt::white);
  lblProductName->setGraphicsEffect(engraved);

  lblVersion = CentredLabel(this, QRect(136, 56, 385, 16));
  QFont bold = font();
  bold.setBold(true);
  lblVersion->setFont(bold);
  lblBuild = CentredLabel(this, QRect(136, 80, 385, 16));
  lblCopyright = CentredLabel(this, QRect(136, 120, 385, 16));
  lblCopyright->setText(QStringLiteral("Copyright \u00a9 2026 Orvane. All rights reserved."));

  pnlDescription = new QFrame(this);
  pnlDescription->setGeometry(8, 144, 513, 113);
  pnlDescription->setFrameStyle(QFrame::Box | QFrame::Plain);
  lblDescription = new QLabel(pnlDescription);
  lblDescription->setGeometry(8, 8, 497, 97);
  lblDescription->setAlignment(Qt::AlignLeft | Qt::AlignTop);
  lblDescription->setWordWrap(true);
  lblDescription->setTextFormat(Qt::PlainText);
  lblDescription->setText(kDescription);

  btnOk = new QPushButton(style()->standardIcon(QStyle::SP_DialogOkButton), QStringLiteral("OK"), this);
  btnOk->setGeometry(229, 264, 73, 25);
  btnOk->setDefault(true);
  connect(btnOk, &QPushButton::clicked, this, &QDialog::accept);

  if (const QScreen* screen = QGuiApplication::primaryScreen())
    move(screen->availableGeometry().center() - rect().center());

  FormCreate();
}

void TfrmAbout::FormCreate() {
  lblVersion->setText(QStringLiteral("Version ") + QString::fromStdString(FormatVersionText(ReadFileVersion())));
  lblBuild->setText(QStringLiteral("(Build ") + QString::fromStdString(ReadFileVersion()) + QStringLiteral(")"));
}

void TfrmAbout::keyPressEvent(QKeyEvent* event) {
  // Only OK and the close box close this window.
  if (event->matches(QKeySequence::Cancel)) return;
  QDialog::keyPressEvent(event);
}

}  // namespace tw
