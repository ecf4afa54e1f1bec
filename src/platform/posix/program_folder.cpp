#include <unistd.h>

#include <climits>

#include "platform/folders.h"

namespace tw {

std::string ProgramFolder() {
  char buffer[PATH_MAX];
  const ssize_t n = ::readlink("/proc/self/exe", buffer, sizeof buffer - 1);
  if (n <= 0) return WithTrailingSeparator(".");
  const std::string exe(buffer, static_cast<size_t>(n));
  return exe.substr(0, exe.rfind('/') + 1);
}

}  // namespace tw
