#pragma once

#include <QFont>
#include <QRectF>
#include <QString>
#include <QVariant>
#include <functional>
#include <vector>

class QPrinter;
class QWidget;

namespace tw {

struct ReportTemplate;

// A report made from a template: prepared into pages, then shown, printed or
// saved as PDF.
class TReport {
 public:
  explicit TReport(const ReportTemplate& layout);
  ~TReport();

  // Asked for every bracketed name in a text box, with an unset (invalid)
  // value; when it leaves the value unset, the template variable's own value
  // is used.
  std::function<void(const QString& varName, QVariant& value)> OnGetValue;

  // Discards the pages prepared before.
  void Clear();
  // Adds the template's page to the prepared pages, its names evaluated now.
  void PrepareReport();
  int PreparedPageCount() const;

  // Sets the template's paper, orientation and margins; positions count from
  // the paper's corner.
  void ConfigurePrinter(QPrinter& printer) const;
  // Paints the prepared pages, one per sheet. Throws PlatformError when the
  // printer cannot be started.
  void Print(QPrinter& printer) const;
  void ExportPdf(const QString& fileName) const;

  const ReportTemplate& Layout() const { return layout_; }

 private:
  struct PreparedText {
    QRectF place;  // millimetres from the paper's top-left corner
    QFont font;
    Qt::Alignment alignment;
    QString text;
  };
  using PreparedPage = std::vector<PreparedText>;

  QString Evaluate(const std::string& text) const;

  const ReportTemplate& layout_;
  std::vector<PreparedPage> pages_;
};

// Shows prepared pages in a maximised, modal preview that prints them and
// exports them as PDF.
class ReportPreview {
 public:
  virtual ~ReportPreview() = default;
  virtual void ShowPreparedReport(QWidget* parent, TReport& report) = 0;
};

class QtReportPreview : public ReportPreview {
 public:
  // Asks where to save the PDF; an empty name cancels the export.
  using PdfFileChooser = std::function<QString(QWidget* parent)>;

  QtReportPreview();
  explicit QtReportPreview(PdfFileChooser choosePdfFile);
  void ShowPreparedReport(QWidget* parent, TReport& report) override;

 private:
  PdfFileChooser choosePdfFile_;
};

}  // namespace tw
