#pragma once

#include <string>

namespace tw {

// "FileVersion" of the running program's first translation, or
// "Value Not Available" when it carries no version information.
std::string ReadFileVersion();

}  // namespace tw
