#pragma once

#include <memory>
#include <string>
#include <string_view>

namespace tw {

struct ShareSettings {
  std::string folder;
  std::string name;
  std::string remark;
  int maxUses = -1;             // no limit
  unsigned permissions = 0xFF;  // every permission flag of the share record
};

// Network shares of this computer.
class ShareService {
 public:
  virtual ~ShareService() = default;

  // Removes the share when it exists; failures are not reported (a missing
  // share is the normal case).
  virtual void DeleteShare(const std::string& name) noexcept = 0;

  // Creates a disk share. Throws PlatformError with a reason a person can act on.
  virtual void AddShare(const ShareSettings& settings) = 0;
};

// Windows: the system's share functions. Elsewhere: Samba user shares through
// `net usershare`; `sambaConfig` is passed to it as its configuration file
// when not empty.
std::unique_ptr<ShareService> CreateShareService(const std::string& sambaConfig = {});

// This computer's network name, at most 15 characters; empty when unknown.
std::string ReadComputerName();

// The network name Samba gives a computer by default: the host name up to its
// first dot, in capitals, cut to 15 characters.
std::string ComputerNameFromHostName(std::string_view hostName);

}  // namespace tw
