#include "platform/qt/report.h"

#include <gtest/gtest.h>

#include <QTemporaryDir>
#include <functional>
#include <string>
#include <vector>

#include "platform/errors.h"
#include "report/pdf_reader.h"
#include "report/workstation_sheet.h"

namespace tw {
namespace {

using test::ReadBoldTexts;
using test::ReadInfo;
using test::ReadLines;
using test::ReadWords;

const QString kAddress = QStringLiteral("\\\\PC-0815\\TellwickData");

class WorkstationSheetPdf : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(dir_.isValid());
    TReport report(WorkstationSetupSheet());
    report.OnGetValue = [](const QString& name, QVariant& value) {
      if (name == QStringLiteral("SharedFolder")) value = kAddress;
    };
    report.PrepareReport();
    pdf_ = dir_.filePath(QStringLiteral("sheet.pdf"));
    report.ExportPdf(pdf_);
    words_ = ReadWords(pdf_);
    ASSERT_FALSE(words_.empty()) << "no text read from " << pdf_.toStdString();
  }

  const test::PdfWord* Find(const QString& text) const {
    for (const test::PdfWord& word : words_)
      if (word.text == text) return &word;
    return nullptr;
  }

  QTemporaryDir dir_;
  QString pdf_;
  std::vector<test::PdfWord> words_;
};

TEST_F(WorkstationSheetPdf, IsOneUsLetterPortraitPage) {
  const auto info = ReadInfo(pdf_);
  EXPECT_EQ(info.at(QStringLiteral("Pages")), QStringLiteral("1"));
  EXPECT_TRUE(info.at(QStringLiteral("Page size")).startsWith(QStringLiteral("612 x 792 pts")))
      << info.at(QStringLiteral("Page size")).toStdString();
}

TEST_F(WorkstationSheetPdf, ReadsAsTheTitleAndTheFourSteps) {
  const QStringList expected = {
      QStringLiteral("Instructions for Installing Tellwick"),
      QStringLiteral("on a Peer-to-Peer Network Workstation"),
      QStringLiteral("Using the Tellwick Easy Setup Wizard"),
      QStringLiteral("1. Make a note of the Tellwick data folder's network address: ") + kAddress,
      QStringLiteral("2. Copy the Tellwick Installer (TELLWICK4SETUP.EXE) and this wizard (Tellwick Easy Setup) to "
                     "each workstation."),
      QStringLiteral("3. Run this wizard on each workstation and select the Workstation Install option."),
      QStringLiteral("4. When prompted, enter the Tellwick data folder's network address (as shown above)."),
  };
  EXPECT_EQ(ReadLines(words_), expected);
}

TEST_F(WorkstationSheetPdf, SetsTheTitleAndTheAddressInBold) {
  const QStringList expected = {
      QStringLiteral("Instructions for Installing Tellwick"),
      QStringLiteral("on a Peer-to-Peer Network Workstation"),
      QStringLiteral("Using the Tellwick Easy Setup Wizard"),
      kAddress,
  };
  EXPECT_EQ(ReadBoldTexts(pdf_), expected);
}

TEST_F(WorkstationSheetPdf, PlacesEachBoxWithinAMillimetre) {
  // Millimetres from the paper's corner: the 10 mm margin, the 23 mm title
  // band, then the box's own place in the body.
  struct Case {
    QString word;
    double left;
    double top;
  };
  const Case cases[] = {
      {QStringLiteral("1."), 10, 43},           {QStringLiteral("Make"), 16, 43}, {kAddress, 114, 43},
      {QStringLiteral("2."), 10, 50},           {QStringLiteral("Copy"), 16, 50}, {QStringLiteral("3."), 10, 57},
      {QStringLiteral("Run"), 16, 57},          {QStringLiteral("4."), 10, 64},   {QStringLiteral("When"), 16, 64},
      {QStringLiteral("Instructions"), -1, 12},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.word.toStdString());
    const test::PdfWord* word = Find(c.word);
    ASSERT_NE(word, nullptr);
    if (c.left >= 0) {
      EXPECT_NEAR(word->left, c.left, 1.0);
    }
    EXPECT_NEAR(word->top, c.top, 1.0);
  }
}

TEST_F(WorkstationSheetPdf, CentresEachTitleLineInTheTitleBox) {
  // The title box spans 10..206 mm across and 12..31 mm down.
  const QStringList lines = ReadLines(words_).mid(0, 3);
  for (const QString& line : lines) {
    SCOPED_TRACE(line.toStdString());
    const QStringList parts = line.split(QLatin1Char(' '));
    const test::PdfWord* first = nullptr;
    const test::PdfWord* last = nullptr;
    for (const test::PdfWord& word : words_) {
      if (!first && word.text == parts.first()) first = &word;
      if (first && word.text == parts.last() && std::abs(word.top - first->top) < 0.5) last = &word;
    }
    ASSERT_NE(first, nullptr);
    ASSERT_NE(last, nullptr);
    EXPECT_NEAR((first->left + last->right) / 2, 108, 1.0);
    EXPECT_GE(first->top, 11.0);
    EXPECT_LE(last->bottom, 31.0);
  }
}

// A page with one text box, to show how texts are evaluated and laid out.
ReportTemplate OneBox(const std::string& text, double width = 120, double height = 5) {
  ReportTemplate layout;
  layout.pageWidth = 215.9;
  layout.pageHeight = 279.4;
  layout.marginLeft = layout.marginTop = layout.marginRight = layout.marginBottom = 10;
  layout.bands.push_back({"Body", 0, 100, 195.9, {{5, 5, width, height, {"Arial", 10, false}, TextAlign::Left, text}}});
  layout.variables.push_back({" Report", "Greeting", "own value"});
  return layout;
}

QStringList RenderLines(TReport& report, const QTemporaryDir& dir) {
  const QString pdf = dir.filePath(QStringLiteral("page.pdf"));
  report.ExportPdf(pdf);
  return ReadLines(ReadWords(pdf));
}

TEST(ReportValues, HandlerFirstThenTheVariablesOwnValue) {
  struct Case {
    const char* name;
    std::string text;
    std::function<void(const QString&, QVariant&)> handler;
    QStringList lines;
  };
  const auto answer = [](const char* text) {
    return [text](const QString&, QVariant& value) { value = QString::fromUtf8(text); };
  };
  const auto silent = [](const QString&, QVariant&) {};
  const Case cases[] = {
      {"the handler's value wins", "Hello [Greeting] !", answer("asked"), {QStringLiteral("Hello asked !")}},
      {"an unset value falls back", "Hello [Greeting] !", silent, {QStringLiteral("Hello own value !")}},
      {"no handler falls back", "Hello [Greeting] !", nullptr, {QStringLiteral("Hello own value !")}},
      {"any letter case names the variable", "Hello [GREETING] !", silent, {QStringLiteral("Hello own value !")}},
      {"an empty value is a value", "Hello [Greeting] !", answer(""), {QStringLiteral("Hello !")}},
      {"an unknown name is empty", "Hello [Nobody] !", silent, {QStringLiteral("Hello !")}},
      {"every name is evaluated", "[Greeting] and [Greeting]", answer("x"), {QStringLiteral("x and x")}},
      {"an open bracket stays", "a [b c", answer("x"), {QStringLiteral("a [b c")}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    QTemporaryDir dir;
    const ReportTemplate layout = OneBox(c.text);
    TReport report(layout);
    report.OnGetValue = c.handler;
    report.PrepareReport();
    EXPECT_EQ(RenderLines(report, dir), c.lines);
  }
}

TEST(ReportValues, HandlerIsAskedWithTheNameAsWrittenAndAnUnsetValue) {
  const ReportTemplate layout = OneBox("[SharedFolder] [sharedFOLDER]");
  TReport report(layout);
  QStringList names;
  bool allUnset = true;
  report.OnGetValue = [&](const QString& name, QVariant& value) {
    names.append(name);
    allUnset = allUnset && !value.isValid();
  };
  report.PrepareReport();
  EXPECT_EQ(names, QStringList({QStringLiteral("SharedFolder"), QStringLiteral("sharedFOLDER")}));
  EXPECT_TRUE(allUnset);
}

TEST(ReportPages, EachPreparationAsksAfreshAndClearDiscardsEarlierPages) {
  QTemporaryDir dir;
  const ReportTemplate layout = OneBox("[Greeting]");
  TReport report(layout);
  int preparations = 0;
  report.OnGetValue = [&](const QString&, QVariant& value) { value = QStringLiteral("run%1").arg(++preparations); };
  const QString pdf = dir.filePath(QStringLiteral("pages.pdf"));

  report.PrepareReport();
  report.PrepareReport();
  EXPECT_EQ(report.PreparedPageCount(), 2);
  report.ExportPdf(pdf);
  EXPECT_EQ(ReadInfo(pdf).at(QStringLiteral("Pages")), QStringLiteral("2"));
  EXPECT_EQ(ReadLines(ReadWords(pdf)), QStringList({QStringLiteral("run1"), QStringLiteral("run2")}));

  report.Clear();
  EXPECT_EQ(report.PreparedPageCount(), 0);
  report.PrepareReport();
  EXPECT_EQ(report.PreparedPageCount(), 1);
  report.ExportPdf(pdf);
  EXPECT_EQ(ReadInfo(pdf).at(QStringLiteral("Pages")), QStringLiteral("1"));
  EXPECT_EQ(ReadLines(ReadWords(pdf)), QStringList({QStringLiteral("run3")}));
}

TEST(ReportLayout, WrapsWordsAndDropsTheLinesThatDoNotFit) {
  const std::string text =
      "one two three four five six seven eight nine ten eleven twelve thirteen fourteen fifteen sixteen";
  struct Case {
    const char* name;
    double height;
    int lines;
  };
  // A 10 point line is a little over 4 mm high.
  const Case cases[] = {{"two lines fit", 9, 2}, {"the first line shows even in a low box", 2, 1}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    QTemporaryDir dir;
    const ReportTemplate layout = OneBox(text, 30, c.height);
    TReport report(layout);
    report.PrepareReport();
    const QString pdf = dir.filePath(QStringLiteral("wrap.pdf"));
    report.ExportPdf(pdf);
    const auto words = ReadWords(pdf);
    const QStringList lines = ReadLines(words);
    ASSERT_EQ(lines.size(), c.lines) << lines.join(QLatin1Char('|')).toStdString();
    EXPECT_TRUE(lines.first().startsWith(QStringLiteral("one two")));
    EXPECT_TRUE(QString::fromStdString(text).startsWith(lines.join(QLatin1Char(' '))));
    for (const test::PdfWord& word : words) {
      EXPECT_GE(word.left, 15 - 0.5) << word.text.toStdString();
      EXPECT_LE(word.right, 15 + 30 + 0.5) << word.text.toStdString();
    }
  }
}

TEST(ReportExport, NamesTheFileItCannotWrite) {
  QTemporaryDir dir;
  const ReportTemplate layout = OneBox("text");
  TReport report(layout);
  report.PrepareReport();
  const QString pdf = dir.filePath(QStringLiteral("missing/folder/sheet.pdf"));
  try {
    report.ExportPdf(pdf);
    FAIL() << "no error";
  } catch (const PlatformError& error) {
    EXPECT_NE(std::string(error.what()).find(pdf.toStdString()), std::string::npos) << error.what();
  }
}

}  // namespace
}  // namespace tw
