#include "platform/qt/report.h"

#include <QAction>
#include <QComboBox>
#include <QFileDialog>
#include <QPainter>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QTextLayout>
#include <QToolBar>
#include <exception>

#include "platform/errors.h"
#include "platform/qt/message_boxes.h"
#include "report/workstation_sheet.h"

namespace tw {

namespace {

QString Q(const std::string& text) { return QString::fromStdString(text); }

QFont MakeFont(const ReportFont& wanted) {
  QFont font(Q(wanted.family));
  font.setPointSizeF(wanted.pointSize);
  font.setBold(wanted.bold);
  return font;
}

// Word-wraps the text to the box's width and draws the lines that fit whole in
// its height; the first line is drawn even when it does not, clipped.
void DrawText(QPainter& painter, QTextLayout& layout, Qt::Alignment alignment, const QRectF& box) {
  QTextOption option(alignment);
  option.setWrapMode(QTextOption::WordWrap);
  layout.setTextOption(option);
  layout.beginLayout();
  qreal y = 0;
  for (QTextLine line = layout.createLine(); line.isValid(); line = layout.createLine()) {
    line.setLineWidth(box.width());
    line.setPosition(QPointF(0, y));
    y += line.height();
  }
  layout.endLayout();

  painter.save();
  painter.setClipRect(box);
  painter.setPen(Qt::black);
  for (int i = 0; i < layout.lineCount(); ++i) {
    const QTextLine line = layout.lineAt(i);
    if (i > 0 && line.rect().bottom() > box.height()) break;
    line.draw(&painter, box.topLeft());
  }
  painter.restore();
}

}  // namespace

TReport::TReport(const ReportTemplate& layout) : layout_(layout) {}
TReport::~TReport() = default;

void TReport::Clear() { pages_.clear(); }

int TReport::PreparedPageCount() const { return static_cast<int>(pages_.size()); }

QString TReport::Evaluate(const std::string& text) const {
  const QString source = Q(text);
  QString result;
  qsizetype from = 0;
  for (;;) {
    const qsizetype open = source.indexOf(QLatin1Char('['), from);
    const qsizetype close = open < 0 ? -1 : source.indexOf(QLatin1Char(']'), open + 1);
    if (close < 0) break;
    result += source.mid(from, open - from);
    const QString name = source.mid(open + 1, close - open - 1);
    QVariant value;
    if (OnGetValue) OnGetValue(name, value);
    if (!value.isValid()) {
      for (const ReportVariable& variable : layout_.variables)
        if (name.compare(Q(variable.name), Qt::CaseInsensitive) == 0) value = Q(variable.value);
    }
    result += value.toString();
    from = close + 1;
  }
  return result + source.mid(from);
}

void TReport::PrepareReport() {
  PreparedPage page;
  for (const ReportBand& band : layout_.bands) {
    for (const ReportTextBox& box : band.boxes) {
      QString text = Evaluate(box.text);
      text.replace(QLatin1Char('\n'), QChar::LineSeparator);
      page.push_back(
          {QRectF(layout_.marginLeft + box.left, layout_.marginTop + band.top + box.top, box.width, box.height),
           MakeFont(box.font), box.align == TextAlign::Center ? Qt::AlignHCenter : Qt::AlignLeft, text});
    }
  }
  pages_.push_back(std::move(page));
}

void TReport::ConfigurePrinter(QPrinter& printer) const {
  const bool landscape = layout_.pageWidth > layout_.pageHeight;
  const QSizeF portraitSize =
      landscape ? QSizeF(layout_.pageHeight, layout_.pageWidth) : QSizeF(layout_.pageWidth, layout_.pageHeight);
  printer.setPageLayout(QPageLayout(
      QPageSize(portraitSize, QPageSize::Millimeter), landscape ? QPageLayout::Landscape : QPageLayout::Portrait,
      QMarginsF(layout_.marginLeft, layout_.marginTop, layout_.marginRight, layout_.marginBottom),
      QPageLayout::Millimeter));
  // After the layout, which would bring back the margin offset.
  printer.setFullPage(true);
}

void TReport::Print(QPrinter& printer) const {
  if (pages_.empty()) return;
  QPainter painter;
  if (!painter.begin(&printer)) {
    if (printer.outputFormat() == QPrinter::PdfFormat)
      throw PlatformError("Cannot write the file \"" + printer.outputFileName().toStdString() + "\"");
    throw PlatformError("Cannot print to \"" + printer.printerName().toStdString() + "\"");
  }
  const qreal dotsPerMmX = printer.logicalDpiX() / 25.4;
  const qreal dotsPerMmY = printer.logicalDpiY() / 25.4;
  bool first = true;
  for (const PreparedPage& page : pages_) {
    if (!first) printer.newPage();
    first = false;
    for (const PreparedText& item : page) {
      const QRectF box(item.place.x() * dotsPerMmX, item.place.y() * dotsPerMmY, item.place.width() * dotsPerMmX,
                       item.place.height() * dotsPerMmY);
      QTextLayout layout(item.text, item.font, &printer);
      DrawText(painter, layout, item.alignment, box);
    }
  }
  painter.end();
}

void TReport::ExportPdf(const QString& fileName) const {
  QPrinter printer(QPrinter::HighResolution);
  printer.setOutputFormat(QPrinter::PdfFormat);
  printer.setOutputFileName(fileName);
  ConfigurePrinter(printer);
  Print(printer);
}

namespace {

QString AskPdfFileName(QWidget* parent) {
  QFileDialog dialog(parent, QStringLiteral("Export PDF"), QString(), QStringLiteral("PDF files (*.pdf)"));
  dialog.setAcceptMode(QFileDialog::AcceptSave);
  dialog.setDefaultSuffix(QStringLiteral("pdf"));
  if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return QString();
  return dialog.selectedFiles().constFirst();
}

// The preview's own slots must not let an error reach Qt.
void ShowingErrors(QWidget* parent, const std::function<void()>& work) {
  try {
    work();
  } catch (const std::exception& error) {
    QtMessageBoxes().Error(parent, ErrorBoxText(QString::fromUtf8(error.what())));
  }
}

}  // namespace

QtReportPreview::QtReportPreview() : QtReportPreview(&AskPdfFileName) {}

QtReportPreview::QtReportPreview(PdfFileChooser choosePdfFile) : choosePdfFile_(std::move(choosePdfFile)) {}

void QtReportPreview::ShowPreparedReport(QWidget* parent, TReport& report) {
  QPrinter printer(QPrinter::HighResolution);
  report.ConfigurePrinter(printer);
  QPrintPreviewDialog dialog(&printer, parent);
  QObject::connect(&dialog, &QPrintPreviewDialog::paintRequested, &dialog,
                   [&](QPrinter* target) { ShowingErrors(&dialog, [&] { report.Print(*target); }); });

  auto* exportPdf = new QAction(QStringLiteral("Export PDF…"), &dialog);
  exportPdf->setObjectName(QStringLiteral("actExportPdf"));
  if (auto* toolbar = dialog.findChild<QToolBar*>()) {
    toolbar->addSeparator();
    toolbar->addAction(exportPdf);
  }
  QObject::connect(exportPdf, &QAction::triggered, &dialog, [&] {
    const QString fileName = choosePdfFile_(&dialog);
    if (!fileName.isEmpty()) ShowingErrors(&dialog, [&] { report.ExportPdf(fileName); });
  });

  // Opens at actual size rather than fitting the page in: through the
  // dialog's own zoom box, so its fit buttons agree.
  if (auto* zoom = dialog.findChild<QComboBox*>()) zoom->setCurrentIndex(zoom->findText(QStringLiteral("100%")));
  dialog.setWindowState(Qt::WindowMaximized);
  dialog.exec();
}

}  // namespace tw
