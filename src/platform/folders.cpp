#include "platform/folders.h"

#include <algorithm>
#include <cctype>
#include <system_error>

#include "platform/errors.h"

namespace tw {

std::string WithTrailingSeparator(const std::string& folder, char separator) {
  if (!folder.empty() && folder.back() == separator) return folder;
  return folder + separator;
}

std::filesystem::path PathFromUtf8(const std::string& text) {
  return std::filesystem::path(std::u8string(text.begin(), text.end()));
}

std::string PathToUtf8(const std::filesystem::path& path) {
  const std::u8string u8 = path.u8string();
  return std::string(u8.begin(), u8.end());
}

namespace {
bool SameNoCase(const std::string& a, const std::string& b) {
  return std::ranges::equal(a, b, [](unsigned char x, unsigned char y) { return std::tolower(x) == std::tolower(y); });
}
}  // namespace

std::optional<std::string> FindFileNoCase(const std::string& folder, const std::string& name) {
  std::error_code ec;
  std::optional<std::string> found;
  for (std::filesystem::directory_iterator it(PathFromUtf8(folder), ec), end; !ec && it != end; it.increment(ec)) {
    const std::string entry = PathToUtf8(it->path().filename());
    if (!SameNoCase(entry, name) || !std::filesystem::is_regular_file(it->path(), ec)) continue;
    found = PathToUtf8(it->path());
    if (entry == name) break;  // an exact match wins where letter case tells files apart
  }
  return found;
}

bool DirectoryExists(const std::string& path) {
  std::error_code ec;
  return !path.empty() && std::filesystem::is_directory(PathFromUtf8(path), ec);
}

void ForceDirectories(const std::string& path) {
  std::error_code ec;
  std::filesystem::create_directories(PathFromUtf8(path), ec);
  if (ec || !DirectoryExists(path))
    throw PlatformError("Cannot create the folder " + path + ": " +
                        (ec ? ec.message() : std::string("it is not a folder")));
}

}  // namespace tw
