#include "report/workstation_sheet.h"

namespace tw {

const ReportTemplate& WorkstationSetupSheet() {
  static const ReportTemplate sheet;
  return sheet;
}

}  // namespace tw
