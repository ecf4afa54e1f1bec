#pragma once

#include <string>
#include <vector>

#include "platform/shares.h"

namespace tw {

// Samba user shares, managed with `net usershare`: the shares of a desktop
// Samba installation that need no edit of its configuration.
class SambaUserShares : public ShareService {
 public:
  // `netProgram` is the path of Samba's `net`; `configFile`, when not empty,
  // replaces the system's Samba configuration.
  SambaUserShares(std::string netProgram, std::string configFile);

  void DeleteShare(const std::string& name) noexcept override;
  void AddShare(const ShareSettings& settings) override;

 private:
  std::vector<std::string> Arguments(std::vector<std::string> command) const;

  std::string net_;
  std::string config_;
};

}  // namespace tw
