#include <optional>
#include <string_view>
#include <system_error>
#include <vector>

#include "platform/errors.h"
#include "platform/ini_file.h"
#include "platform/posix/settings_files.h"

// A small line editor rather than a general INI library: a write changes or
// adds exactly one line, so every other line (comments, blank lines, spacing,
// keys without values, bytes in any encoding) stays as it was.

namespace tw {
namespace {

struct Line {
  std::string text;
  std::string eol;  // "\n", "\r\n", or empty on a last line without one
};

std::vector<Line> SplitLines(std::string_view text) {
  std::vector<Line> lines;
  while (!text.empty()) {
    const size_t end = text.find('\n');
    if (end == std::string_view::npos) {
      lines.push_back({std::string(text), ""});
      break;
    }
    const bool crlf = end > 0 && text[end - 1] == '\r';
    lines.push_back({std::string(text.substr(0, crlf ? end - 1 : end)), crlf ? "\r\n" : "\n"});
    text.remove_prefix(end + 1);
  }
  return lines;
}

std::string_view WithoutBom(std::string_view text) {
  if (text.starts_with("\xEF\xBB\xBF")) text.remove_prefix(3);
  return text;
}

std::string_view Trim(std::string_view text) {
  const auto blank = [](char c) { return c == ' ' || c == '\t'; };
  while (!text.empty() && blank(text.front())) text.remove_prefix(1);
  while (!text.empty() && blank(text.back())) text.remove_suffix(1);
  return text;
}

bool SameName(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  const auto lower = [](char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; };
  for (size_t i = 0; i < a.size(); ++i)
    if (lower(a[i]) != lower(b[i])) return false;
  return true;
}

std::optional<std::string_view> SectionName(std::string_view line) {
  line = Trim(line);
  if (!line.starts_with('[')) return std::nullopt;
  line.remove_prefix(1);
  return Trim(line.substr(0, line.find(']')));
}

std::string_view KeyName(std::string_view line) { return Trim(line.substr(0, line.find('='))); }

struct Place {
  size_t header;  // the section's header line
  size_t end;     // the next section's header, or the end of the file
};

// The first section of that name, as the system's own profile functions use.
std::optional<Place> FindSection(const std::vector<Line>& lines, const std::string& section) {
  for (size_t i = 0; i < lines.size(); ++i) {
    const auto name = SectionName(lines[i].text);
    if (!name || !SameName(*name, section)) continue;
    size_t end = i + 1;
    while (end < lines.size() && !SectionName(lines[end].text)) ++end;
    return Place{i, end};
  }
  return std::nullopt;
}

std::optional<size_t> FindKey(const std::vector<Line>& lines, const Place& place, const std::string& key) {
  for (size_t i = place.header + 1; i < place.end; ++i)
    if (SameName(KeyName(lines[i].text), key)) return i;
  return std::nullopt;
}

class PosixIniFiles : public IniFiles {
 public:
  std::string ReadString(const std::string& file, const std::string& section, const std::string& key,
                         const std::string& defaultValue) override {
    std::optional<std::string> text;
    try {
      text = ReadSettingsFile(file);
    } catch (const std::system_error&) {
      return defaultValue;
    }
    if (!text) return defaultValue;
    const std::vector<Line> lines = SplitLines(WithoutBom(*text));
    const auto place = FindSection(lines, section);
    if (!place) return defaultValue;
    const auto at = FindKey(lines, *place, key);
    if (!at) return defaultValue;
    const std::string_view line = lines[*at].text;
    const size_t equals = line.find('=');
    if (equals == std::string_view::npos) return {};
    std::string_view value = Trim(line.substr(equals + 1));
    if (value.size() >= 2 && (value.front() == '"' || value.front() == '\'') && value.back() == value.front())
      value = value.substr(1, value.size() - 2);
    return std::string(value);
  }

  void WriteString(const std::string& file, const std::string& section, const std::string& key,
                   const std::string& value) override {
    const std::string failure = "Unable to write to " + file;
    std::optional<std::string> text;
    try {
      text = ReadSettingsFile(file);
    } catch (const std::system_error&) {
      throw PlatformError(failure);
    }
    if (text && (text->starts_with("\xFF\xFE") || text->starts_with("\xFE\xFF")))
      throw PlatformError(failure + ": the file is UTF-16 text, which is not edited here");

    const std::string contents = text.value_or(std::string());
    const std::string_view body = WithoutBom(contents);
    const std::string_view bom(contents.data(), contents.size() - body.size());
    std::vector<Line> lines = SplitLines(body);
    const std::string eol = lines.empty() || lines.front().eol.empty() ? "\n" : lines.front().eol;
    const auto insert = [&lines, &eol](size_t at, std::string line) {
      if (at > 0 && lines[at - 1].eol.empty()) lines[at - 1].eol = eol;
      lines.insert(lines.begin() + static_cast<std::ptrdiff_t>(at), Line{std::move(line), eol});
    };

    if (const auto place = FindSection(lines, section)) {
      if (const auto at = FindKey(lines, *place, key)) {
        // The key keeps the spelling it has in the file.
        lines[*at].text = std::string(KeyName(lines[*at].text)) + "=" + value;
      } else {
        size_t after = place->header;
        for (size_t i = place->header + 1; i < place->end; ++i)
          if (!Trim(lines[i].text).empty()) after = i;
        insert(after + 1, key + "=" + value);
      }
    } else {
      if (!lines.empty() && !Trim(lines.back().text).empty()) insert(lines.size(), "");
      insert(lines.size(), "[" + section + "]");
      insert(lines.size(), key + "=" + value);
    }

    std::string out(bom);
    for (const Line& line : lines) out += line.text + line.eol;
    try {
      ReplaceSettingsFile(file, out);
    } catch (const std::system_error&) {
      throw PlatformError(failure);
    }
  }
};

}  // namespace

std::unique_ptr<IniFiles> OpenIniFiles() { return std::make_unique<PosixIniFiles>(); }

}  // namespace tw
