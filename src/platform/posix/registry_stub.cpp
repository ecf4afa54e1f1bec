#include "platform/ini_file.h"
#include "platform/registry.h"

namespace tw {
namespace {
class EmptyRegistry : public Registry {
 public:
  void CreateKey(const std::string&) override {}
  std::optional<Value> QueryValue(const std::string&, const std::string&) override { return std::nullopt; }
  void SetString(const std::string&, const std::string&, const std::string&) override {}
};
class NoIniFiles : public IniFiles {
 public:
  void WriteString(const std::string&, const std::string&, const std::string&, const std::string&) override {}
};
}  // namespace
std::unique_ptr<Registry> OpenCurrentUserRegistry() { return std::make_unique<EmptyRegistry>(); }
std::unique_ptr<IniFiles> OpenIniFiles() { return std::make_unique<NoIniFiles>(); }
}  // namespace tw
