#pragma once

#include <string>

#include "platform/ini_file.h"
#include "platform/registry.h"

namespace tw {

enum class TPathType { ptIniFile, ptRegistry };
enum class TRegKey { hkeyCurrentUser };
enum class TRegAccess { keyAllAccess };

// One store object of the window: either the registry below a path of the
// current user's hive, or an INI file.
class SettingsStore {
 public:
  SettingsStore(Registry& registry, IniFiles& iniFiles) : registry_(registry), iniFiles_(iniFiles) {}

  TPathType PathType = TPathType::ptIniFile;
  std::string Path;
  TRegKey RegKey = TRegKey::hkeyCurrentUser;
  TRegAccess RegAccess = TRegAccess::keyAllAccess;

  // The value, or `defaultValue` when the section or the value is missing.
  // Registry mode opens (and so creates) the path first. Throws PlatformError
  // "Invalid data type for '%s'" for a value that is not a string.
  std::string ReadSetting(const std::string& section, const std::string& ident, const std::string& defaultValue);

  // Registry mode: a plain string value in the section's subkey, created as
  // needed below the path. INI mode: the key in that section of the file
  // named by Path. Throws the backend's PlatformError.
  void WriteSetting(const std::string& section, const std::string& ident, const std::string& value);

 private:
  Registry& registry_;
  IniFiles& iniFiles_;
};

}  // namespace tw
