#include "settings/settings_store.h"

#include "platform/errors.h"

namespace tw {
namespace {

// The path is relative to the root key; a leading backslash names the root too.
std::string SubKey(const std::string& path, const std::string& section) {
  std::string key = path;
  while (key.starts_with('\\')) key.erase(0, 1);
  if (section.empty()) return key;
  if (key.empty()) return section;
  if (!key.ends_with('\\')) key += '\\';
  return key + section;
}

}  // namespace

std::string SettingsStore::ReadSetting(const std::string& section, const std::string& ident,
                                       const std::string& defaultValue) {
  if (PathType == TPathType::ptIniFile) return iniFiles_.ReadString(Path, section, ident, defaultValue);
  registry_.CreateKey(SubKey(Path, ""));
  const auto value = registry_.QueryValue(SubKey(Path, section), ident);
  if (!value) return defaultValue;
  if (value->type == Registry::ValueType::Other) throw PlatformError("Invalid data type for '" + ident + "'");
  return value->text;
}

void SettingsStore::WriteSetting(const std::string& section, const std::string& ident, const std::string& value) {
  if (PathType == TPathType::ptIniFile) {
    iniFiles_.WriteString(Path, section, ident, value);
    return;
  }
  registry_.CreateKey(SubKey(Path, ""));
  registry_.SetString(SubKey(Path, section), ident, value);
}

}  // namespace tw
