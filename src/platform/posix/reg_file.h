#pragma once

#include <memory>
#include <string>

#include "platform/registry.h"

namespace tw {

// The current user's hive kept as one text file in the .reg format, read again
// at every operation so that other programs' writes are seen and kept.
std::unique_ptr<Registry> OpenRegistryFile(const std::string& file);

// ${XDG_CONFIG_HOME:-$HOME/.config}/tellwick/hkcu.reg
std::string CurrentUserRegistryFile();

}  // namespace tw
