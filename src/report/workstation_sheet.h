#pragma once

#include <string>
#include <vector>

namespace tw {

// A report template kept as plain data. Lengths are in millimetres; a band's
// top is measured from the top of the area inside the page margins, a text
// box's place from the top-left corner of its band.
enum class TextAlign { Left, Center };

struct ReportFont {
  std::string family;
  double pointSize = 10;
  bool bold = false;
};

// Text that may name variables in square brackets ("[SharedFolder]"). It
// wraps at word boundaries; what does not fit in the box is clipped.
struct ReportTextBox {
  double left = 0;
  double top = 0;
  double width = 0;
  double height = 0;
  ReportFont font;
  TextAlign align = TextAlign::Left;
  std::string text;
};

struct ReportBand {
  std::string name;
  double top = 0;
  double height = 0;
  double width = 0;
  std::vector<ReportTextBox> boxes;
};

struct ReportVariable {
  std::string category;
  std::string name;
  std::string value;  // used when the report's value handler sets none
};

struct ReportTemplate {
  double pageWidth = 0;
  double pageHeight = 0;
  double marginLeft = 0;
  double marginTop = 0;
  double marginRight = 0;
  double marginBottom = 0;
  std::vector<ReportBand> bands;  // all on one page
  std::vector<ReportVariable> variables;
};

// The instruction sheet for setting up the workstations.
const ReportTemplate& WorkstationSetupSheet();

}  // namespace tw
