#pragma once

#include <string>
#include <vector>

namespace tw {

// Splits a parameter text into words the way the product's programs read
// their command line: blanks (space, tab) separate words outside double
// quotes; double quotes group and are dropped; a backslash is an ordinary
// character. A quoted empty text is an empty word.
std::vector<std::string> SplitParameters(const std::string& text);

}  // namespace tw
