#include "report/workstation_sheet.h"

namespace tw {

namespace {

ReportTextBox Text(double left, double top, double width, double height, ReportFont font, const char* text) {
  ReportTextBox box;
  box.left = left;
  box.top = top;
  box.width = width;
  box.height = height;
  box.font = std::move(font);
  box.text = text;
  return box;
}

// One line of a step: regular 10 point unless bold.
ReportTextBox Step(double left, double top, double width, const char* text, bool bold = false) {
  return Text(left, top, width, 5, {"Arial", 10, bold}, text);
}

ReportTemplate MakeSheet() {
  ReportTemplate sheet;
  // US Letter, portrait.
  sheet.pageWidth = 215.9;
  sheet.pageHeight = 279.4;
  sheet.marginLeft = sheet.marginTop = sheet.marginRight = sheet.marginBottom = 10;

  ReportBand title;
  title.name = "Title";
  title.top = 0;
  title.height = 23;
  title.width = 195.9;
  ReportTextBox heading = Text(0, 2, 196, 19, {"Arial", 14, true},
                               "Instructions for Installing Tellwick\n"
                               "on a Peer-to-Peer Network Workstation\n"
                               "Using the Tellwick Easy Setup Wizard");
  heading.align = TextAlign::Center;
  title.boxes.push_back(heading);
  sheet.bands.push_back(title);

  // The body follows the title band; its steps start 10 mm below it.
  ReportBand body;
  body.name = "Body";
  body.top = 23;
  body.height = 36;
  body.width = 195.9;
  body.boxes.push_back(Step(0, 10, 4, "1."));
  body.boxes.push_back(Step(6, 10, 96, "Make a note of the Tellwick data folder's network address: "));
  body.boxes.push_back(Step(104, 10, 88, "[SharedFolder]", true));
  body.boxes.push_back(Step(0, 17, 4, "2."));
  body.boxes.push_back(Step(
      6, 17, 187,
      "Copy the Tellwick Installer (TELLWICK4SETUP.EXE) and this wizard (Tellwick Easy Setup) to each workstation."));
  body.boxes.push_back(Step(0, 24, 4, "3."));
  body.boxes.push_back(
      Step(6, 24, 130, "Run this wizard on each workstation and select the Workstation Install option."));
  body.boxes.push_back(Step(0, 31, 4, "4."));
  body.boxes.push_back(
      Step(6, 31, 139, "When prompted, enter the Tellwick data folder's network address (as shown above)."));
  sheet.bands.push_back(body);

  sheet.variables.push_back({" Report", "SharedFolder", ""});
  return sheet;
}

}  // namespace

const ReportTemplate& WorkstationSetupSheet() {
  static const ReportTemplate sheet = MakeSheet();
  return sheet;
}

}  // namespace tw
