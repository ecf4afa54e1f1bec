#pragma once

#include <QString>
#include <QVariant>
#include <functional>

class QWidget;

namespace tw {

struct ReportTemplate;

// A report made from a template: prepared into pages, then shown or printed.
class TReport {
 public:
  explicit TReport(const ReportTemplate& layout);
  ~TReport();

  // Asked for every bracketed name that is not a built-in one; the value
  // stays unset (invalid) unless the handler sets it.
  std::function<void(const QString& varName, QVariant& value)> OnGetValue;

  // Discards the pages prepared before.
  void Clear();
  void PrepareReport();
  int PreparedPageCount() const;

  const ReportTemplate& Layout() const { return layout_; }

 private:
  const ReportTemplate& layout_;
  int pages_ = 0;
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
  void ShowPreparedReport(QWidget* parent, TReport& report) override;
};

}  // namespace tw
