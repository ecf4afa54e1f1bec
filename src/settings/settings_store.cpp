#include "settings/settings_store.h"

namespace tw {

std::string SettingsStore::ReadSetting(const std::string&, const std::string&, const std::string& defaultValue) {
  return defaultValue;
}

void SettingsStore::WriteSetting(const std::string&, const std::string&, const std::string&) {}

}  // namespace tw
