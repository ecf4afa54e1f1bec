#pragma once

namespace tw {

struct ReportTemplate {};

// The instruction sheet for setting up the workstations.
const ReportTemplate& WorkstationSetupSheet();

}  // namespace tw
