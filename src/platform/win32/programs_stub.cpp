#include "platform/programs.h"

namespace tw {
std::unique_ptr<ProgramStarter> CreateProgramStarter() { return nullptr; }
}  // namespace tw
