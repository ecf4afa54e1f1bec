#include "platform/version_info.h"

namespace tw {

// Linux programs carry no version resource: the version is the one the
// program was built with.
std::string ReadFileVersion() { return TW_VERSION; }

}  // namespace tw
