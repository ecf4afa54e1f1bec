#include "platform/qt/report.h"

namespace tw {

TReport::TReport(const ReportTemplate& layout) : layout_(layout) {}
TReport::~TReport() = default;
void TReport::Clear() { pages_ = 0; }
void TReport::PrepareReport() { pages_ = 1; }
int TReport::PreparedPageCount() const { return pages_; }

void QtReportPreview::ShowPreparedReport(QWidget*, TReport&) {}

}  // namespace tw
