#pragma once

#include <filesystem>
#include <optional>
#include <string>

namespace tw {

#ifdef _WIN32
inline constexpr char kPathSeparator = '\\';
#else
inline constexpr char kPathSeparator = '/';
#endif

// Folder texts stay as the user typed them; a file name joined to one gets a
// separator first unless the text already ends in one.
std::string WithTrailingSeparator(const std::string& folder, char separator = kPathSeparator);

// UTF-8 text <-> file system path, on both platforms.
std::filesystem::path PathFromUtf8(const std::string& text);
std::string PathToUtf8(const std::filesystem::path& path);

// The regular file in `folder` whose name matches `name` without regard to
// letter case (ASCII), or nothing. Folders of that name do not count.
std::optional<std::string> FindFileNoCase(const std::string& folder, const std::string& name);

bool DirectoryExists(const std::string& path);

// Creates the folder and every missing parent. Throws PlatformError naming the
// folder and the system's reason.
void ForceDirectories(const std::string& path);

// The folder that holds the running program, with its trailing separator.
std::string ProgramFolder();

}  // namespace tw
