#include "app/version_text.h"

namespace tw {

std::string PadLeft(std::string_view text, std::size_t width, char fill) {
  std::string result;
  if (text.size() < width) result.assign(width - text.size(), fill);
  result += text;
  return result;
}

std::string FormatVersionText(std::string_view fileVersion) {
  const std::size_t firstDot = fileVersion.find('.');
  if (firstDot == std::string_view::npos) return std::string(fileVersion);
  const std::size_t secondDot = fileVersion.find('.', firstDot + 1);
  const std::string_view major = fileVersion.substr(0, firstDot);
  const std::string_view minor = fileVersion.substr(
      firstDot + 1, secondDot == std::string_view::npos ? std::string_view::npos : secondDot - firstDot - 1);
  return std::string(major) + "." + PadLeft(minor, 2, '0');
}

}  // namespace tw
