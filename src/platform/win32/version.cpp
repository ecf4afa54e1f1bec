#include <windows.h>

#include <cwchar>
#include <vector>

#include "platform/version_info.h"
#include "platform/win32/file_version.h"
#include "platform/win32/wide.h"

namespace tw {

namespace {

constexpr const char* kNotAvailable = "Value Not Available";

struct Translation {
  WORD language;
  WORD codePage;
};

}  // namespace

std::string ReadFileVersion(const std::string& programFile) {
  const std::wstring file = Widen(programFile);
  DWORD handle = 0;
  const DWORD size = GetFileVersionInfoSizeW(file.c_str(), &handle);
  if (size == 0) return kNotAvailable;
  std::vector<unsigned char> data(size);
  if (!GetFileVersionInfoW(file.c_str(), 0, size, data.data())) return kNotAvailable;

  void* block = nullptr;
  UINT length = 0;
  if (!VerQueryValueW(data.data(), L"\\VarFileInfo\\Translation", &block, &length) || length < sizeof(Translation))
    return kNotAvailable;
  const auto* first = static_cast<const Translation*>(block);

  wchar_t path[64];
  std::swprintf(path, sizeof path / sizeof path[0], L"\\StringFileInfo\\%04x%04x\\FileVersion", first->language,
                first->codePage);
  if (!VerQueryValueW(data.data(), path, &block, &length) || length == 0) return kNotAvailable;
  return Narrow(static_cast<const wchar_t*>(block));
}

std::string ReadFileVersion() {
  std::vector<wchar_t> name(MAX_PATH);
  for (;;) {
    const DWORD length = GetModuleFileNameW(nullptr, name.data(), static_cast<DWORD>(name.size()));
    if (length == 0) return kNotAvailable;
    if (length < name.size()) return ReadFileVersion(Narrow(std::wstring(name.data(), length)));
    name.resize(name.size() * 2);
  }
}

}  // namespace tw
