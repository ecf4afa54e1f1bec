#include <vector>

#include "platform/errors.h"
#include "platform/ini_file.h"
#include "platform/win32/wide.h"

namespace tw {
namespace {

class WindowsIniFiles : public IniFiles {
 public:
  std::string ReadString(const std::string& file, const std::string& section, const std::string& key,
                         const std::string& defaultValue) override {
    const std::wstring wideFile = Widen(file);
    const std::wstring wideSection = Widen(section);
    const std::wstring wideKey = Widen(key);
    const std::wstring wideDefault = Widen(defaultValue);
    std::vector<wchar_t> buffer(256);
    for (;;) {
      const DWORD n = GetPrivateProfileStringW(wideSection.c_str(), wideKey.c_str(), wideDefault.c_str(), buffer.data(),
                                               static_cast<DWORD>(buffer.size()), wideFile.c_str());
      // A full buffer means the value may have been cut short.
      if (n + 1 < buffer.size()) return Narrow(std::wstring(buffer.data(), n));
      buffer.resize(buffer.size() * 2);
    }
  }

  void WriteString(const std::string& file, const std::string& section, const std::string& key,
                   const std::string& value) override {
    if (!WritePrivateProfileStringW(Widen(section).c_str(), Widen(key).c_str(), Widen(value).c_str(),
                                    Widen(file).c_str()))
      throw PlatformError("Unable to write to " + file);
  }
};

}  // namespace

std::unique_ptr<IniFiles> OpenIniFiles() { return std::make_unique<WindowsIniFiles>(); }

}  // namespace tw
