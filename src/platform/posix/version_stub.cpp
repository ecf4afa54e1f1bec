#include "platform/version_info.h"

namespace tw {
std::string ReadFileVersion() { return TW_VERSION; }
}  // namespace tw
