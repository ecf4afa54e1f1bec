#pragma once

#include <string>
#include <string_view>

namespace tw {

// The text filled on the left with `fill` up to `width` characters; a text
// that long or longer is returned unchanged.
std::string PadLeft(std::string_view text, std::size_t width, char fill);

// The short version shown in the About window: major and minor part of a file
// version, the minor part at least two digits ("2.5.0.1" gives "2.05"). A
// text without a dot is returned unchanged.
std::string FormatVersionText(std::string_view fileVersion);

}  // namespace tw
