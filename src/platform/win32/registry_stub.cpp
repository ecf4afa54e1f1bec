#include "platform/ini_file.h"
#include "platform/registry.h"

namespace tw {
std::unique_ptr<Registry> OpenCurrentUserRegistry() { return nullptr; }
std::unique_ptr<IniFiles> OpenIniFiles() { return nullptr; }
}  // namespace tw
