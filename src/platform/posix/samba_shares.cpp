#include "platform/posix/samba_shares.h"

#include <unistd.h>

#include <cerrno>
#include <climits>
#include <cstring>
#include <filesystem>
#include <system_error>
#include <utility>

#include "platform/errors.h"
#include "platform/folders.h"
#include "platform/posix/run_captured.h"

namespace tw {
namespace {

// Everyone: a SID needs no running server to resolve, a name would.
constexpr const char* kEveryone = "S-1-1-0";
// The share record's write permission; without it the share is read-only.
constexpr unsigned kAccessWrite = 0x02;

bool Contains(const std::string& text, const char* part) { return text.find(part) != std::string::npos; }

std::string Trimmed(std::string text) {
  while (!text.empty() && (text.back() == '\n' || text.back() == '\r' || text.back() == ' ' || text.back() == '\t'))
    text.pop_back();
  return text;
}

// Samba's messages speak to administrators; say what to do about them.
std::string FailureReason(const std::string& samba, int exitCode) {
  std::string reason;
  if (Contains(samba, "usershares are currently disabled") ||
      (Contains(samba, "cannot open usershare directory") && Contains(samba, "No such file or directory"))) {
    reason =
        "Samba user shares are not enabled on this computer. An administrator can enable them in the Samba "
        "configuration: \"usershare path\" must name an existing folder and \"usershare max shares\" must be "
        "above 0.";
  } else if (Contains(samba, "do not have permission to create a usershare")) {
    reason =
        "This account may not create Samba user shares. An administrator can add it to the group that owns the "
        "user share folder (usually \"sambashare\"), or run Tellwick Easy Setup as administrator.";
  } else if (Contains(samba, "usershare allow guests")) {
    reason =
        "Samba on this computer does not let guests use user shares, and the workstations connect as guests. An "
        "administrator can allow it with \"usershare allow guests = yes\" in the Samba configuration.";
  } else if (Contains(samba, "restricted to only sharing directories we own")) {
    reason =
        "Samba on this computer lets an account share only the folders it owns. Run Tellwick Easy Setup as the "
        "owner of the data folder, or an administrator can set \"usershare owner only = no\" in the Samba "
        "configuration.";
  } else if (Contains(samba, "Can't load")) {
    reason = "The Samba configuration cannot be read. An administrator can check it with \"testparm\".";
  } else {
    reason = "Samba could not create the share.";
  }
  const std::string details = Trimmed(samba);
  return reason + "\n\nSamba reported: " +
         (details.empty() ? "\"net usershare\" ended with code " + std::to_string(exitCode) + "." : details);
}

}  // namespace

SambaUserShares::SambaUserShares(std::string netProgram, std::string configFile)
    : net_(std::move(netProgram)), config_(std::move(configFile)) {}

std::vector<std::string> SambaUserShares::Arguments(std::vector<std::string> command) const {
  if (!config_.empty()) command.insert(command.begin(), "--configfile=" + config_);
  return command;
}

void SambaUserShares::DeleteShare(const std::string& name) noexcept {
  try {
    RunCaptured(net_, Arguments({"usershare", "delete", name}));
  } catch (...) {
    // Removing is best effort: the share is created anew right after.
  }
}

void SambaUserShares::AddShare(const ShareSettings& settings) {
  // Samba takes absolute paths only; a folder typed relative means the one
  // the wizard created under its working folder.
  std::error_code error;
  const std::filesystem::path folder = std::filesystem::absolute(PathFromUtf8(settings.folder), error);
  const std::string acl = std::string(kEveryone) + ((settings.permissions & kAccessWrite) ? ":F" : ":R");
  // Samba user shares have no limit of concurrent users to set.
  const CapturedRun run =
      RunCaptured(net_, Arguments({"usershare", "add", settings.name, error ? settings.folder : PathToUtf8(folder),
                                   settings.remark, acl, "guest_ok=y"}));
  if (run.startError == ENOENT)
    throw PlatformError(
        "Samba is not installed on this computer, so no folder can be shared on the network. Install the "
        "\"samba\" package and run this step again.");
  if (run.startError != 0)
    throw PlatformError("Samba's \"net\" program could not be started: " + std::string(std::strerror(run.startError)) +
                        ".");
  if (run.exitCode != 0) throw PlatformError(FailureReason(run.output, run.exitCode));
}

std::unique_ptr<ShareService> CreateShareService(const std::string& sambaConfig) {
  return std::make_unique<SambaUserShares>(FindOnPath("net", "/usr/bin/net"), sambaConfig);
}

std::string ReadComputerName() {
  char name[HOST_NAME_MAX + 1] = {};
  if (::gethostname(name, sizeof name - 1) != 0) return {};
  return ComputerNameFromHostName(name);
}

}  // namespace tw
