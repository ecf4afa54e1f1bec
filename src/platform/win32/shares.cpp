#include "platform/shares.h"

// clang-format off
#include <windows.h>
#include <lm.h>  // needs windows.h first
// clang-format on

#include "platform/errors.h"
#include "platform/win32/wide.h"

namespace tw {
namespace {

// The network errors (NERR_*) have their texts in netmsg.dll, not with the
// system's.
std::string NetworkMessage(NET_API_STATUS code) {
  if (code >= NERR_BASE && code <= MAX_NERR) {
    if (HMODULE netmsg = LoadLibraryExW(L"netmsg.dll", nullptr, LOAD_LIBRARY_AS_DATAFILE)) {
      wchar_t* buffer = nullptr;
      const DWORD n =
          FormatMessageW(FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_HMODULE | FORMAT_MESSAGE_IGNORE_INSERTS,
                         netmsg, code, 0, reinterpret_cast<wchar_t*>(&buffer), 0, nullptr);
      std::wstring text = n ? std::wstring(buffer, n) : std::wstring();
      if (buffer) LocalFree(buffer);
      FreeLibrary(netmsg);
      while (!text.empty() && (text.back() == L'\n' || text.back() == L'\r' || text.back() == L'.')) text.pop_back();
      if (!text.empty()) return Narrow(text);
    }
  }
  return SystemMessage(code);
}

std::string FailureReason(NET_API_STATUS code, const ShareSettings& settings) {
  const std::string error = "(error " + std::to_string(code) + ": " + NetworkMessage(code) + ")";
  switch (code) {
    case ERROR_ACCESS_DENIED:
      return "Creating a network share needs an administrator: run Tellwick Easy Setup as administrator " + error + ".";
    case NERR_UnknownDevDir: return "The folder does not exist on this computer " + error + ".";
    case NERR_DuplicateShare:
      return "A share named \"" + settings.name +
             "\" already exists and could not be replaced. An administrator can remove it under Shared Folders in "
             "Computer Management " +
             error + ".";
    case ERROR_NOT_SUPPORTED:
    case NERR_ServerNotStarted:
    case RPC_S_SERVER_UNAVAILABLE:
      return "The system's network sharing service refused to create the share " + error +
             ". Check that file and printer sharing is turned on for this computer.";
    default: return "Windows could not create the share " + error + ".";
  }
}

class WindowsShares : public ShareService {
 public:
  void DeleteShare(const std::string& name) noexcept override {
    try {
      std::wstring wideName = Widen(name);
      NetShareDel(nullptr, wideName.data(), 0);
    } catch (...) {
      // Removing is best effort: the share is created anew right after.
    }
  }

  void AddShare(const ShareSettings& settings) override {
    std::wstring name = Widen(settings.name);
    std::wstring remark = Widen(settings.remark);
    std::wstring path = Widen(settings.folder);
    SHARE_INFO_2 info{};
    info.shi2_netname = name.data();
    info.shi2_type = STYPE_DISKTREE;
    info.shi2_remark = remark.data();
    info.shi2_permissions = settings.permissions;
    info.shi2_max_uses = settings.maxUses < 0 ? SHI_USES_UNLIMITED : static_cast<DWORD>(settings.maxUses);
    info.shi2_current_uses = 0;
    info.shi2_path = path.data();
    info.shi2_passwd = nullptr;
    DWORD badParameter = 0;
    const NET_API_STATUS status = NetShareAdd(nullptr, 2, reinterpret_cast<BYTE*>(&info), &badParameter);
    if (status != NERR_Success) throw PlatformError(FailureReason(status, settings));
  }
};

}  // namespace

std::unique_ptr<ShareService> CreateShareService(const std::string&) { return std::make_unique<WindowsShares>(); }

std::string ReadComputerName() {
  wchar_t name[16];
  DWORD length = 16;
  if (!GetComputerNameW(name, &length)) return {};
  return Narrow(std::wstring(name, length));
}

}  // namespace tw
