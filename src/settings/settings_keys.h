#pragma once

namespace tw::keys {

inline constexpr const char* kProductKey = "Software\\Orvane\\Tellwick";
inline constexpr const char* kGeneralSection = "General";
inline constexpr const char* kTellwickDirectory = "TellwickDirectory";
inline constexpr const char* kDataDirectory = "DataDirectory";

inline constexpr const char* kWorkstationIni = "TELLWICK.INI";
inline constexpr const char* kIniSettingsSection = "Settings";

}  // namespace tw::keys
