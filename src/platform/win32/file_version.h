#pragma once

#include <string>

namespace tw {

// "FileVersion" of the first translation in a program file's version
// resource, or "Value Not Available" when the file has none.
std::string ReadFileVersion(const std::string& programFile);

}  // namespace tw
