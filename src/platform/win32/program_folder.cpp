#include <string>

#include "platform/folders.h"
#include "platform/win32/wide.h"

namespace tw {

std::string ProgramFolder() {
  std::wstring buffer(MAX_PATH, L'\0');
  for (;;) {
    const DWORD n = GetModuleFileNameW(nullptr, buffer.data(), static_cast<DWORD>(buffer.size()));
    if (n == 0) return ".\\";
    if (n < buffer.size()) {
      buffer.resize(n);
      break;
    }
    buffer.resize(buffer.size() * 2);
  }
  return Narrow(buffer.substr(0, buffer.rfind(L'\\') + 1));
}

}  // namespace tw
