#include "platform/qt/launcher.h"

namespace tw {

std::optional<int> TLauncher::RunAndWait() { return std::nullopt; }
void TLauncher::RunDetached() {}

}  // namespace tw
