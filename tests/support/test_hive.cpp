#include "support/test_hive.h"

#include <atomic>
#include <filesystem>
#include <fstream>
#include <random>
#include <sstream>
#include <vector>

#include "platform/folders.h"

#ifdef _WIN32
#include <windows.h>

#include "platform/win32/wide.h"
#else
#include <unistd.h>

#include "platform/posix/reg_file.h"
#endif

namespace tw::test {
namespace {

std::string UniqueName() {
  static std::atomic<int> counter{0};
  std::random_device random;
#ifdef _WIN32
  const auto pid = GetCurrentProcessId();
#else
  const auto pid = ::getpid();
#endif
  return std::to_string(pid) + "-" + std::to_string(counter++) + "-" + std::to_string(random() % 1000000);
}

std::vector<unsigned char> Bytes(const TestHive::Planted& value) {
  std::vector<unsigned char> bytes;
  switch (value.kind) {
    case TestHive::Kind::String:
    case TestHive::Kind::ExpandString: {
      // UTF-16LE with its terminating NUL, as the registry stores strings.
      const std::u16string text =
          std::filesystem::path(std::u8string(value.data.begin(), value.data.end())).u16string();
      for (const char16_t unit : text) {
        bytes.push_back(static_cast<unsigned char>(unit & 0xFF));
        bytes.push_back(static_cast<unsigned char>(unit >> 8));
      }
      bytes.push_back(0);
      bytes.push_back(0);
      break;
    }
    case TestHive::Kind::Dword: {
      const unsigned long number = std::stoul(value.data);
      for (int i = 0; i < 4; ++i) bytes.push_back(static_cast<unsigned char>((number >> (8 * i)) & 0xFF));
      break;
    }
    case TestHive::Kind::Binary: bytes.assign(value.data.begin(), value.data.end()); break;
  }
  return bytes;
}

#ifndef _WIN32
std::string Lower(std::string text) {
  for (char& c : text)
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
  return text;
}

std::string HexList(const std::vector<unsigned char>& bytes) {
  std::ostringstream out;
  static constexpr char kDigits[] = "0123456789abcdef";
  for (size_t i = 0; i < bytes.size(); ++i) out << (i ? "," : "") << kDigits[bytes[i] >> 4] << kDigits[bytes[i] & 15];
  return out.str();
}

std::string Escaped(const std::string& text) {
  std::string out;
  for (const char c : text) {
    if (c == '\\' || c == '"') out += '\\';
    out += c;
  }
  return out;
}

// The line a registry export holds for the value.
std::string ExportLine(const TestHive::Planted& value) {
  std::string line = "\"" + Escaped(value.name) + "\"=";
  switch (value.kind) {
    case TestHive::Kind::String: return line + "\"" + Escaped(value.data) + "\"";
    case TestHive::Kind::ExpandString: return line + "hex(2):" + HexList(Bytes(value));
    case TestHive::Kind::Dword: {
      char digits[9];
      std::snprintf(digits, sizeof digits, "%08lx", std::stoul(value.data));
      return line + "dword:" + digits;
    }
    case TestHive::Kind::Binary: return line + "hex:" + HexList(Bytes(value));
  }
  return line;
}

std::vector<std::string> Lines(const std::string& text) {
  std::vector<std::string> lines;
  std::istringstream in(text);
  for (std::string line; std::getline(in, line);) lines.push_back(line);
  return lines;
}
#endif

}  // namespace

ScratchFolder::ScratchFolder() {
  const auto path = std::filesystem::temp_directory_path() / ("tellwick-test-" + UniqueName());
  std::filesystem::create_directories(path);
  path_ = PathToUtf8(path);
}

ScratchFolder::~ScratchFolder() {
  std::error_code ec;
  const auto root = PathFromUtf8(path_);
  // Tests may leave folders read-only; make them removable again.
  std::filesystem::permissions(root, std::filesystem::perms::owner_all, std::filesystem::perm_options::add, ec);
  for (auto it = std::filesystem::recursive_directory_iterator(root, ec);
       !ec && it != std::filesystem::recursive_directory_iterator(); it.increment(ec))
    if (it->is_directory(ec))
      std::filesystem::permissions(it->path(), std::filesystem::perms::owner_all, std::filesystem::perm_options::add,
                                   ec);
  std::filesystem::remove_all(root, ec);
}

std::string ScratchFolder::File(const std::string& name) const { return WithTrailingSeparator(path_) + name; }

std::string ReadText(const std::string& file) {
  std::ifstream in(PathFromUtf8(file), std::ios::binary);
  std::ostringstream text;
  text << in.rdbuf();
  return text.str();
}

void WriteText(const std::string& file, const std::string& text) {
  std::ofstream out(PathFromUtf8(file), std::ios::binary | std::ios::trunc);
  out << text;
}

#ifdef _WIN32

TestHive::TestHive() : root_("Software\\TellwickTests\\" + UniqueName()), registry_(OpenCurrentUserRegistry()) {}

TestHive::~TestHive() {
  RegDeleteTreeW(HKEY_CURRENT_USER, Widen(root_).c_str());
  RegDeleteKeyW(HKEY_CURRENT_USER, L"Software\\TellwickTests");  // only when no other test uses it
}

void TestHive::Plant(const Planted& value) {
  static constexpr DWORD kTypes[] = {REG_SZ, REG_EXPAND_SZ, REG_DWORD, REG_BINARY};
  HKEY key = nullptr;
  RegCreateKeyExW(HKEY_CURRENT_USER, Widen(Below(value.key)).c_str(), 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &key,
                  nullptr);
  const std::vector<unsigned char> bytes = Bytes(value);
  RegSetValueExW(key, Widen(value.name).c_str(), 0, kTypes[static_cast<int>(value.kind)], bytes.data(),
                 static_cast<DWORD>(bytes.size()));
  RegCloseKey(key);
}

bool TestHive::Holds(const Planted& value) const {
  static constexpr DWORD kTypes[] = {REG_SZ, REG_EXPAND_SZ, REG_DWORD, REG_BINARY};
  std::vector<unsigned char> stored(4096);
  DWORD type = 0;
  auto size = static_cast<DWORD>(stored.size());
  if (RegGetValueW(HKEY_CURRENT_USER, Widen(Below(value.key)).c_str(), Widen(value.name).c_str(),
                   RRF_RT_ANY | RRF_NOEXPAND, &type, stored.data(), &size) != ERROR_SUCCESS)
    return false;
  stored.resize(size);
  return type == kTypes[static_cast<int>(value.kind)] && stored == Bytes(value);
}

bool TestHive::KeyExists(const std::string& key) const {
  HKEY opened = nullptr;
  if (RegOpenKeyExW(HKEY_CURRENT_USER, Widen(Below(key)).c_str(), 0, KEY_READ, &opened) != ERROR_SUCCESS) return false;
  RegCloseKey(opened);
  return true;
}

#else

TestHive::TestHive()
    : file_(folder_.File("tellwick/hkcu.reg")), root_("Software"), registry_(OpenRegistryFile(file_)) {}

TestHive::~TestHive() = default;

void TestHive::Plant(const Planted& value) {
  std::filesystem::create_directories(PathFromUtf8(file_).parent_path());
  std::string text = ReadText(file_);
  if (text.empty()) text = "Windows Registry Editor Version 5.00\n";
  const std::string header = "[HKEY_CURRENT_USER\\" + Below(value.key) + "]\n";
  const size_t at = text.find("\n" + header);
  if (at == std::string::npos)
    text += "\n" + header + ExportLine(value) + "\n";
  else
    text.insert(at + 1 + header.size(), ExportLine(value) + "\n");
  WriteText(file_, text);
}

bool TestHive::Holds(const Planted& value) const {
  const std::string header = Lower("[HKEY_CURRENT_USER\\" + Below(value.key) + "]");
  bool inside = false;
  for (const std::string& line : Lines(ReadText(file_))) {
    if (line.starts_with('[')) inside = Lower(line) == header;
    if (inside && line == ExportLine(value)) return true;
  }
  return false;
}

// A key exists when it or a key below it is listed.
bool TestHive::KeyExists(const std::string& key) const {
  const std::string header = Lower("[HKEY_CURRENT_USER\\" + Below(key));
  for (const std::string& line : Lines(ReadText(file_)))
    if (Lower(line) == header + "]" || Lower(line).starts_with(header + "\\")) return true;
  return false;
}

#endif

}  // namespace tw::test
