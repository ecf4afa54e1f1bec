#include "platform/errors.h"
#include "platform/shares.h"

namespace tw {
namespace {
class NoShares : public ShareService {
 public:
  void DeleteShare(const std::string&) noexcept override {}
  void AddShare(const ShareSettings&) override { throw PlatformError("not available"); }
};
}  // namespace
std::unique_ptr<ShareService> CreateShareService(const std::string&) { return std::make_unique<NoShares>(); }
std::string ReadComputerName() { return {}; }
}  // namespace tw
