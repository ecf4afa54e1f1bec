#include "platform/errors.h"
#include "platform/programs.h"

namespace tw {
namespace {
class NoPrograms : public ProgramStarter {
 public:
  std::unique_ptr<Program> Start(const std::string& file, const std::string&) override {
    throw LaunchError("Cannot start " + file);
  }
  void StartDetached(const std::string& file, const std::string&) override { throw LaunchError("Cannot start " + file); }
};
}  // namespace
std::unique_ptr<ProgramStarter> CreateProgramStarter() { return std::make_unique<NoPrograms>(); }
}  // namespace tw
