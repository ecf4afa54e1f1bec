#include "platform/posix/reg_file.h"

#include <pwd.h>
#include <unistd.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <system_error>
#include <vector>

#include "platform/errors.h"
#include "platform/folders.h"
#include "platform/posix/settings_files.h"

namespace tw {
namespace {

constexpr std::string_view kHeader = "Windows Registry Editor Version 5.00";
constexpr std::string_view kRoot = "HKEY_CURRENT_USER";

using KeyParts = std::vector<std::string>;

// Names are matched the way the registry matches them, without regard to
// letter case; only ASCII letters are folded.
bool SameName(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (size_t i = 0; i < a.size(); ++i) {
    const auto lower = [](char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; };
    if (lower(a[i]) != lower(b[i])) return false;
  }
  return true;
}

std::string_view Trim(std::string_view text) {
  const auto blank = [](char c) { return c == ' ' || c == '\t' || c == '\r'; };
  while (!text.empty() && blank(text.front())) text.remove_prefix(1);
  while (!text.empty() && blank(text.back())) text.remove_suffix(1);
  return text;
}

KeyParts SplitKey(std::string_view key) {
  KeyParts parts;
  size_t start = 0;
  while (start <= key.size()) {
    const size_t end = std::min(key.find('\\', start), key.size());
    if (end > start) parts.emplace_back(key.substr(start, end - start));
    start = end + 1;
  }
  return parts;
}

bool IsPrefix(const KeyParts& prefix, const KeyParts& parts) {
  if (prefix.size() > parts.size()) return false;
  for (size_t i = 0; i < prefix.size(); ++i)
    if (!SameName(prefix[i], parts[i])) return false;
  return true;
}

bool SameKey(const KeyParts& a, const KeyParts& b) { return a.size() == b.size() && IsPrefix(a, b); }

// --- UTF-16LE, the byte form of string values written as hex(1) and hex(2)

void AppendUtf8(std::string& out, char32_t c) {
  if (c < 0x80) {
    out += static_cast<char>(c);
  } else if (c < 0x800) {
    out += static_cast<char>(0xC0 | (c >> 6));
    out += static_cast<char>(0x80 | (c & 0x3F));
  } else if (c < 0x10000) {
    out += static_cast<char>(0xE0 | (c >> 12));
    out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (c & 0x3F));
  } else {
    out += static_cast<char>(0xF0 | (c >> 18));
    out += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
    out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (c & 0x3F));
  }
}

// The text up to the first NUL, as the registry's readers see it.
std::string TextFromUtf16Le(const std::vector<unsigned char>& bytes) {
  std::string out;
  for (size_t i = 0; i + 1 < bytes.size(); i += 2) {
    char32_t unit = bytes[i] | (bytes[i + 1] << 8);
    if (unit == 0) break;
    if (unit >= 0xD800 && unit <= 0xDBFF && i + 3 < bytes.size()) {
      const char32_t low = bytes[i + 2] | (bytes[i + 3] << 8);
      if (low >= 0xDC00 && low <= 0xDFFF) {
        unit = 0x10000 + ((unit - 0xD800) << 10) + (low - 0xDC00);
        i += 2;
      }
    }
    AppendUtf8(out, unit >= 0xD800 && unit <= 0xDFFF ? 0xFFFD : unit);
  }
  return out;
}

std::vector<unsigned char> Utf16LeWithNul(std::string_view text) {
  std::vector<unsigned char> out;
  const auto put = [&out](char32_t unit) {
    out.push_back(static_cast<unsigned char>(unit & 0xFF));
    out.push_back(static_cast<unsigned char>(unit >> 8));
  };
  for (size_t i = 0; i < text.size();) {
    const auto byte = static_cast<unsigned char>(text[i]);
    const size_t length = byte < 0x80           ? 1
                          : (byte >> 5) == 0x6  ? 2
                          : (byte >> 4) == 0xE  ? 3
                          : (byte >> 3) == 0x1E ? 4
                                                : 0;
    char32_t c = 0xFFFD;
    if (length == 1) {
      c = byte;
    } else if (length > 1 && i + length <= text.size()) {
      c = byte & (0x7F >> length);
      for (size_t k = 1; k < length; ++k) c = (c << 6) | (static_cast<unsigned char>(text[i + k]) & 0x3F);
    }
    i += length == 0 ? 1 : length;
    if (c >= 0x10000) {
      c -= 0x10000;
      put(0xD800 + (c >> 10));
      put(0xDC00 + (c & 0x3FF));
    } else {
      put(c);
    }
  }
  put(0);
  return out;
}

// --- the text forms of names and values

std::string Quoted(std::string_view text) {
  std::string out = "\"";
  for (const char c : text) {
    if (c == '\\' || c == '"') out += '\\';
    out += c;
  }
  return out + "\"";
}

std::string ValueLine(const std::string& name, const std::string& text) {
  std::string line = name.empty() ? "@=" : Quoted(name) + "=";
  bool control = false;
  for (const char c : text) control = control || static_cast<unsigned char>(c) < 0x20 || c == 0x7F;
  if (!control) return line + Quoted(text);
  // A line break cannot stand inside a quoted value: the string goes in its byte form.
  line += "hex(1):";
  const std::vector<unsigned char> bytes = Utf16LeWithNul(text);
  static constexpr char kDigits[] = "0123456789abcdef";
  for (size_t i = 0; i < bytes.size(); ++i) {
    if (i > 0) line += ',';
    line += kDigits[bytes[i] >> 4];
    line += kDigits[bytes[i] & 0xF];
  }
  return line;
}

struct ParseFailure {
  std::string reason;
};

// Reads a quoted text at the start of `text`, removing it from there.
std::string TakeQuoted(std::string_view& text) {
  std::string out;
  for (size_t i = 1; i < text.size(); ++i) {
    if (text[i] == '"') {
      text.remove_prefix(i + 1);
      return out;
    }
    if (text[i] == '\\') {
      if (++i == text.size() || (text[i] != '\\' && text[i] != '"'))
        throw ParseFailure{"has a backslash that is neither \\\\ nor \\\""};
    }
    out += text[i];
  }
  throw ParseFailure{"has a quoted text without its closing quote"};
}

int HexDigit(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  return -1;
}

std::vector<unsigned char> HexBytes(std::string_view text) {
  std::vector<unsigned char> bytes;
  text = Trim(text);
  while (!text.empty()) {
    const size_t comma = text.find(',');
    const std::string_view item = Trim(text.substr(0, comma));
    if (item.size() != 2 || HexDigit(item[0]) < 0 || HexDigit(item[1]) < 0)
      throw ParseFailure{"has a byte list with \"" + std::string(item) + "\" in it"};
    bytes.push_back(static_cast<unsigned char>(HexDigit(item[0]) * 16 + HexDigit(item[1])));
    if (comma == std::string_view::npos) break;
    text = Trim(text.substr(comma + 1));
  }
  return bytes;
}

Registry::Value ParseData(std::string_view data) {
  using Type = Registry::ValueType;
  if (data.starts_with('"')) {
    std::string text = TakeQuoted(data);
    if (!Trim(data).empty()) throw ParseFailure{"has text after the closing quote"};
    return {Type::String, std::move(text)};
  }
  const size_t colon = data.find(':');
  const std::string_view kind = data.substr(0, colon);
  const std::string_view rest = colon == std::string_view::npos ? std::string_view() : data.substr(colon + 1);
  if (SameName(kind, "dword")) {
    const std::string_view digits = Trim(rest);
    if (digits.empty() || digits.size() > 8 || std::ranges::any_of(digits, [](char c) { return HexDigit(c) < 0; }))
      throw ParseFailure{"has a dword that is not 1 to 8 hexadecimal digits"};
    return {Type::Other, {}};
  }
  if (colon != std::string_view::npos && SameName(kind, "hex")) {
    HexBytes(rest);
    return {Type::Other, {}};
  }
  if (colon != std::string_view::npos && kind.size() > 5 && SameName(kind.substr(0, 4), "hex(") && kind.back() == ')') {
    const std::string_view number = kind.substr(4, kind.size() - 5);
    if (number.empty() || number.size() > 8 || std::ranges::any_of(number, [](char c) { return HexDigit(c) < 0; }))
      throw ParseFailure{"has a value type that is not a hexadecimal number"};
    const std::vector<unsigned char> bytes = HexBytes(rest);
    const unsigned long type = std::stoul(std::string(number), nullptr, 16);
    if (type == 1) return {Type::String, TextFromUtf16Le(bytes)};
    if (type == 2) return {Type::ExpandString, TextFromUtf16Le(bytes)};
    return {Type::Other, {}};
  }
  throw ParseFailure{"has a value that is neither quoted text, dword: nor hex:"};
}

// The file as lines, with the keys and values found in it. Edits touch only the
// lines of the value or key concerned, so everything else in the file (other
// values of any type, comments, layout) is written back as it was read.
class Hive {
 public:
  struct Entry {
    std::string name;
    size_t first;  // lines of the value, a hex list may continue over several
    size_t last;
    Registry::Value value;
  };
  struct Section {
    KeyParts key;
    size_t header;
    std::vector<Entry> entries;
  };

  static Hive Parse(const std::string& file, std::string_view text) {
    Hive hive;
    if (text.starts_with("\xEF\xBB\xBF")) {
      hive.bom_ = true;
      text.remove_prefix(3);
    }
    if (text.find_first_not_of(" \t\r\n") == std::string_view::npos) return hive;
    for (size_t start = 0; start < text.size();) {
      size_t end = text.find('\n', start);
      if (end == std::string_view::npos) end = text.size();
      std::string_view line = text.substr(start, end - start);
      if (line.ends_with('\r')) {
        line.remove_suffix(1);
        if (hive.lines_.empty()) hive.eol_ = "\r\n";
      }
      hive.lines_.emplace_back(line);
      start = end + 1;
    }
    size_t number = 0;
    try {
      if (Trim(hive.lines_[0]) != kHeader) throw ParseFailure{"is not \"" + std::string(kHeader) + "\""};
      for (number = 1; number < hive.lines_.size(); ++number) hive.ParseLine(number);
    } catch (const ParseFailure& failure) {
      throw PlatformError("The registry file " + file + " cannot be read: line " + std::to_string(number + 1) + " " +
                          failure.reason);
    }
    return hive;
  }

  std::string Text() const {
    std::string text = bom_ ? "\xEF\xBB\xBF" : "";
    for (const std::string& line : lines_) text += line + eol_;
    return text;
  }

  bool KeyExists(const KeyParts& key) const {
    if (key.empty()) return true;
    return std::ranges::any_of(sections_, [&key](const Section& s) { return IsPrefix(key, s.key); });
  }

  // Where a value occurs more than once, the last one counts, as when the file is imported.
  const Entry* Find(const KeyParts& key, const std::string& name) const {
    const Entry* found = nullptr;
    for (const Section& section : sections_) {
      if (!SameKey(section.key, key)) continue;
      for (const Entry& entry : section.entries)
        if (SameName(entry.name, name)) found = &entry;
    }
    return found;
  }

  void AddKey(const KeyParts& key) {
    if (lines_.empty()) lines_.emplace_back(kHeader);
    if (!Trim(lines_.back()).empty()) lines_.emplace_back();
    lines_.push_back("[" + std::string(kRoot) + PathText(key) + "]");
  }

  void SetString(const KeyParts& key, const std::string& name, const std::string& text) {
    if (const Entry* entry = Find(key, name)) {
      // The value keeps the spelling of its name.
      lines_.erase(lines_.begin() + static_cast<std::ptrdiff_t>(entry->first),
                   lines_.begin() + static_cast<std::ptrdiff_t>(entry->last) + 1);
      lines_.insert(lines_.begin() + static_cast<std::ptrdiff_t>(entry->first), ValueLine(entry->name, text));
      return;
    }
    const Section* last = nullptr;
    for (const Section& section : sections_)
      if (SameKey(section.key, key)) last = &section;
    if (last == nullptr) {
      AddKey(key);
      lines_.push_back(ValueLine(name, text));
      return;
    }
    const size_t after = last->entries.empty() ? last->header : last->entries.back().last;
    lines_.insert(lines_.begin() + static_cast<std::ptrdiff_t>(after) + 1, ValueLine(name, text));
  }

 private:
  void ParseLine(size_t& number) {
    const std::string_view line = Trim(lines_[number]);
    if (line.empty() || line.starts_with(';')) return;
    if (line.starts_with('[')) {
      if (!line.ends_with(']')) throw ParseFailure{"opens a key with [ but does not close it with ]"};
      const std::string_view path = line.substr(1, line.size() - 2);
      const std::string_view root = path.substr(0, path.find('\\'));
      if (!SameName(root, kRoot)) throw ParseFailure{"names a key outside " + std::string(kRoot)};
      const std::string_view below = path.substr(root.size());
      KeyParts key = SplitKey(below);
      if (below.size() == 1 || below.find("\\\\") != std::string_view::npos || below.ends_with('\\'))
        throw ParseFailure{"names a key with an empty part"};
      sections_.push_back({std::move(key), number, {}});
      return;
    }
    if (!line.starts_with('"') && !line.starts_with('@')) throw ParseFailure{"is neither a key, a value nor a comment"};
    if (sections_.empty()) throw ParseFailure{"holds a value before the first key"};
    std::string_view rest = line;
    std::string name;
    if (rest.starts_with('@')) {
      rest.remove_prefix(1);
    } else {
      name = TakeQuoted(rest);
    }
    rest = Trim(rest);
    if (!rest.starts_with('=')) throw ParseFailure{"has no = after the value name"};
    std::string data(Trim(rest.substr(1)));
    const size_t first = number;
    // Byte lists may continue on the next lines, each ending with a backslash.
    if (!data.starts_with('"')) {
      while (data.ends_with('\\')) {
        data.pop_back();
        if (++number == lines_.size()) {
          number = first;
          throw ParseFailure{"continues past the end of the file"};
        }
        data += Trim(lines_[number]);
      }
    }
    try {
      sections_.back().entries.push_back({std::move(name), first, number, ParseData(data)});
    } catch (const ParseFailure&) {
      number = first;
      throw;
    }
  }

  // A new key takes the spelling of the keys already there for the parts they share.
  std::string PathText(KeyParts key) const {
    for (const Section& section : sections_) {
      size_t shared = 0;
      while (shared < key.size() && shared < section.key.size() && SameName(key[shared], section.key[shared])) ++shared;
      for (size_t i = 0; i < shared; ++i) key[i] = section.key[i];
    }
    std::string text;
    for (const std::string& part : key) text += "\\" + part;
    return text;
  }

  std::vector<std::string> lines_;
  std::vector<Section> sections_;
  std::string eol_ = "\n";
  bool bom_ = false;
};

class RegFile : public Registry {
 public:
  explicit RegFile(std::string file) : file_(std::move(file)) {}

  void CreateKey(const std::string& key) override {
    Hive hive = Load();
    const KeyParts parts = SplitKey(key);
    if (hive.KeyExists(parts)) return;
    hive.AddKey(parts);
    Save(hive, "Failed to create key " + key);
  }

  std::optional<Value> QueryValue(const std::string& key, const std::string& name) override {
    const Hive hive = Load();
    if (const Hive::Entry* entry = hive.Find(SplitKey(key), name)) return entry->value;
    return std::nullopt;
  }

  void SetString(const std::string& key, const std::string& name, const std::string& value) override {
    Hive hive = Load();
    const KeyParts parts = SplitKey(key);
    const bool existed = hive.KeyExists(parts);
    hive.SetString(parts, name, value);
    Save(hive, existed ? "Failed to set data for '" + name + "'" : "Failed to create key " + key);
  }

 private:
  Hive Load() const {
    std::optional<std::string> text;
    try {
      text = ReadSettingsFile(file_);
    } catch (const std::system_error& error) {
      throw PlatformError("The registry file " + file_ + " cannot be read: " + error.code().message());
    }
    return Hive::Parse(file_, text.value_or(std::string()));
  }

  void Save(const Hive& hive, const std::string& failure) const {
    try {
      const std::filesystem::path folder = PathFromUtf8(file_).parent_path();
      if (!folder.empty()) std::filesystem::create_directories(folder);
      ReplaceSettingsFile(file_, hive.Text());
    } catch (const std::exception&) {
      throw PlatformError(failure);
    }
  }

  std::string file_;
};

std::string HomeFolder() {
  const char* home = std::getenv("HOME");
  if (home != nullptr && *home != '\0') return home;
  if (const passwd* user = ::getpwuid(::getuid()); user != nullptr && user->pw_dir != nullptr) return user->pw_dir;
  return ".";
}

}  // namespace

std::string CurrentUserRegistryFile() {
  const char* config = std::getenv("XDG_CONFIG_HOME");
  // Relative values are invalid for XDG_CONFIG_HOME and are ignored.
  const std::string folder = config != nullptr && *config == '/' ? config : HomeFolder() + "/.config";
  return folder + "/tellwick/hkcu.reg";
}

std::unique_ptr<Registry> OpenRegistryFile(const std::string& file) { return std::make_unique<RegFile>(file); }

std::unique_ptr<Registry> OpenCurrentUserRegistry() { return OpenRegistryFile(CurrentUserRegistryFile()); }

}  // namespace tw
