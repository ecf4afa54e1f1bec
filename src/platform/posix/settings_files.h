#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace tw {

// The whole file, or nothing when it does not exist. Throws std::system_error
// for any other failure.
std::optional<std::string> ReadSettingsFile(const std::string& file);

// Replaces the file's contents through a temporary file in the same folder
// renamed over it, so a crash or a full disk leaves the old contents whole. An
// existing file keeps its permissions; a symbolic link keeps pointing at the
// file it names. Throws std::system_error.
void ReplaceSettingsFile(const std::string& file, std::string_view contents);

}  // namespace tw
