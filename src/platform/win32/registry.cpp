#include "platform/registry.h"

#include <vector>

#include "platform/errors.h"
#include "platform/win32/wide.h"

namespace tw {
namespace {

class Key {
 public:
  Key() = default;
  ~Key() {
    if (handle_ != nullptr) RegCloseKey(handle_);
  }
  Key(const Key&) = delete;
  Key& operator=(const Key&) = delete;
  HKEY* out() { return &handle_; }
  HKEY get() const { return handle_; }

 private:
  HKEY handle_ = nullptr;
};

bool Create(const std::string& key, Key& opened) {
  return RegCreateKeyExW(HKEY_CURRENT_USER, Widen(key).c_str(), 0, nullptr, REG_OPTION_NON_VOLATILE, KEY_ALL_ACCESS,
                         nullptr, opened.out(), nullptr) == ERROR_SUCCESS;
}

class WindowsRegistry : public Registry {
 public:
  void CreateKey(const std::string& key) override {
    Key opened;
    if (!Create(key, opened)) throw PlatformError("Failed to create key " + key);
  }

  std::optional<Value> QueryValue(const std::string& key, const std::string& name) override {
    Key opened;
    // A key that cannot be opened reads like a missing one.
    if (RegOpenKeyExW(HKEY_CURRENT_USER, Widen(key).c_str(), 0, KEY_READ, opened.out()) != ERROR_SUCCESS)
      return std::nullopt;
    const std::wstring wideName = Widen(name);
    DWORD type = 0;
    DWORD size = 0;
    if (RegQueryValueExW(opened.get(), wideName.c_str(), nullptr, &type, nullptr, &size) != ERROR_SUCCESS)
      return std::nullopt;
    if (type != REG_SZ && type != REG_EXPAND_SZ) return Value{ValueType::Other, {}};
    std::vector<wchar_t> data;
    LSTATUS status = ERROR_MORE_DATA;
    while (status == ERROR_MORE_DATA) {
      // Room for a terminating NUL the stored data may lack.
      data.assign(size / sizeof(wchar_t) + 2, L'\0');
      size = static_cast<DWORD>((data.size() - 1) * sizeof(wchar_t));
      status =
          RegQueryValueExW(opened.get(), wideName.c_str(), nullptr, &type, reinterpret_cast<BYTE*>(data.data()), &size);
    }
    if (status != ERROR_SUCCESS) return std::nullopt;
    if (type != REG_SZ && type != REG_EXPAND_SZ) return Value{ValueType::Other, {}};
    // The text ends at the first NUL, as every reader of the value sees it.
    const std::wstring text(data.data());
    return Value{type == REG_EXPAND_SZ ? ValueType::ExpandString : ValueType::String, Narrow(text)};
  }

  void SetString(const std::string& key, const std::string& name, const std::string& value) override {
    Key opened;
    if (!Create(key, opened)) throw PlatformError("Failed to create key " + key);
    const std::wstring text = Widen(value);
    const auto bytes = static_cast<DWORD>((text.size() + 1) * sizeof(wchar_t));
    if (RegSetValueExW(opened.get(), Widen(name).c_str(), 0, REG_SZ, reinterpret_cast<const BYTE*>(text.c_str()),
                       bytes) != ERROR_SUCCESS)
      throw PlatformError("Failed to set data for '" + name + "'");
  }
};

}  // namespace

std::unique_ptr<Registry> OpenCurrentUserRegistry() { return std::make_unique<WindowsRegistry>(); }

}  // namespace tw
