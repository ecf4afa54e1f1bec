#pragma once

#include <memory>
#include <string>

namespace tw {

// Private profile (INI) files. Section and key are matched without regard to
// letter case; every other line of the file is kept.
class IniFiles {
 public:
  virtual ~IniFiles() = default;

  // The key's value with the blanks around it removed, and one pair of
  // enclosing quotes; `defaultValue` when the file, the section or the key is
  // missing.
  virtual std::string ReadString(const std::string& file, const std::string& section, const std::string& key,
                                 const std::string& defaultValue) = 0;

  // Writes key=value into the section, creating the file and the section as
  // needed. Throws PlatformError "Unable to write to %s" (the file name).
  virtual void WriteString(const std::string& file, const std::string& section, const std::string& key,
                           const std::string& value) = 0;
};

std::unique_ptr<IniFiles> OpenIniFiles();

}  // namespace tw
