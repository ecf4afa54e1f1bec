#pragma once

// Reads a PDF back with poppler's command-line tools.

#include <QProcess>
#include <QRegularExpression>
#include <QString>
#include <QStringList>
#include <algorithm>
#include <cmath>
#include <map>
#include <vector>

namespace tw::test {

inline constexpr double kPointsPerMm = 72 / 25.4;

inline QString RunTool(const QString& program, const QStringList& arguments) {
  QProcess process;
  process.start(program, arguments);
  if (!process.waitForFinished(30000) || process.exitStatus() != QProcess::NormalExit || process.exitCode() != 0)
    return QString();
  return QString::fromUtf8(process.readAllStandardOutput());
}

inline QString DecodeEntities(QString text) {
  text.replace(QStringLiteral("&apos;"), QStringLiteral("'"));
  text.replace(QStringLiteral("&quot;"), QStringLiteral("\""));
  text.replace(QStringLiteral("&lt;"), QStringLiteral("<"));
  text.replace(QStringLiteral("&gt;"), QStringLiteral(">"));
  text.replace(QStringLiteral("&amp;"), QStringLiteral("&"));
  return text;
}

// One word as pdftotext places it; millimetres from the paper's top-left corner.
struct PdfWord {
  QString text;
  int page = 0;
  double left = 0;
  double top = 0;
  double right = 0;
  double bottom = 0;
};

inline std::vector<PdfWord> ReadWords(const QString& pdf) {
  std::vector<PdfWord> words;
  const QString xhtml = RunTool(QStringLiteral("pdftotext"), {QStringLiteral("-bbox"), pdf, QStringLiteral("-")});
  static const QRegularExpression tag(QStringLiteral(
      R"re(<page |<word xMin="([\d.]+)" yMin="([\d.]+)" xMax="([\d.]+)" yMax="([\d.]+)">([^<]*)</word>)re"));
  int page = 0;
  for (const QRegularExpressionMatch& m : tag.globalMatch(xhtml)) {
    if (m.captured(0) == QStringLiteral("<page ")) {
      ++page;
      continue;
    }
    words.push_back({DecodeEntities(m.captured(5)), page, m.captured(1).toDouble() / kPointsPerMm,
                     m.captured(2).toDouble() / kPointsPerMm, m.captured(3).toDouble() / kPointsPerMm,
                     m.captured(4).toDouble() / kPointsPerMm});
  }
  return words;
}

// The words gathered into lines, top to bottom, each left to right and joined
// by single spaces: what a reader of the page sees.
inline QStringList ReadLines(const std::vector<PdfWord>& words) {
  std::vector<PdfWord> sorted = words;
  std::sort(sorted.begin(), sorted.end(), [](const PdfWord& a, const PdfWord& b) {
    if (a.page != b.page) return a.page < b.page;
    if (std::abs(a.top - b.top) > 0.5) return a.top < b.top;
    return a.left < b.left;
  });
  QStringList lines;
  const PdfWord* previous = nullptr;
  for (const PdfWord& word : sorted) {
    if (previous && previous->page == word.page && std::abs(previous->top - word.top) <= 0.5)
      lines.back() += QLatin1Char(' ') + word.text;
    else
      lines.append(word.text);
    previous = &word;
  }
  return lines;
}

// The texts set in a bold font, as pdftohtml reports them.
inline QStringList ReadBoldTexts(const QString& pdf) {
  const QString xml = RunTool(QStringLiteral("pdftohtml"),
                              {QStringLiteral("-xml"), QStringLiteral("-i"), QStringLiteral("-stdout"), pdf});
  static const QRegularExpression bold(QStringLiteral(R"re(<text [^>]*><b>([^<]*)</b></text>)re"));
  QStringList texts;
  for (const QRegularExpressionMatch& m : bold.globalMatch(xml)) texts.append(DecodeEntities(m.captured(1)).trimmed());
  return texts;
}

// pdfinfo's "Key: value" lines.
inline std::map<QString, QString> ReadInfo(const QString& pdf) {
  std::map<QString, QString> info;
  const QString text = RunTool(QStringLiteral("pdfinfo"), {pdf});
  for (const QString& line : text.split(QLatin1Char('\n'))) {
    const qsizetype colon = line.indexOf(QLatin1Char(':'));
    if (colon > 0) info[line.left(colon)] = line.mid(colon + 1).trimmed();
  }
  return info;
}

}  // namespace tw::test
