#include <fcntl.h>
#include <unistd.h>

#include <cstdlib>
#include <cstring>

#include "platform/trace.h"

namespace tw {
namespace {

class FileTraceSink : public TraceSink {
 public:
  explicit FileTraceSink(int fd, bool owned) : fd_(fd), owned_(owned) {}
  ~FileTraceSink() override {
    if (owned_ && fd_ >= 0) ::close(fd_);
  }
  void Write(const std::string& record) noexcept override {
    if (fd_ < 0) return;
    const std::string line = record + "\n";
    // One write per record keeps lines whole; a full pipe drops the record
    // instead of stopping the wizard.
    [[maybe_unused]] const ssize_t n = ::write(fd_, line.data(), line.size());
  }

 private:
  int fd_;
  bool owned_;
};

}  // namespace

std::unique_ptr<TraceSink> OpenTraceSink() {
  const char* target = std::getenv("TELLWICK_TRACE");
  if (target == nullptr || *target == '\0') return std::make_unique<FileTraceSink>(-1, false);
  if (std::strcmp(target, "-") == 0) return std::make_unique<FileTraceSink>(STDERR_FILENO, false);
  const int fd = ::open(target, O_WRONLY | O_CREAT | O_APPEND | O_NONBLOCK | O_CLOEXEC, 0644);
  return std::make_unique<FileTraceSink>(fd, true);
}

}  // namespace tw
