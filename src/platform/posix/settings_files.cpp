#include "platform/posix/settings_files.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <filesystem>
#include <system_error>
#include <utility>

#include "platform/folders.h"

namespace tw {
namespace {

[[noreturn]] void ThrowErrno(const std::string& what) { throw std::system_error(errno, std::generic_category(), what); }

class Descriptor {
 public:
  explicit Descriptor(int fd) : fd_(fd) {}
  ~Descriptor() {
    if (fd_ >= 0) ::close(fd_);
  }
  Descriptor(const Descriptor&) = delete;
  Descriptor& operator=(const Descriptor&) = delete;
  int get() const { return fd_; }
  int release() { return std::exchange(fd_, -1); }

 private:
  int fd_;
};

void WriteAll(int fd, std::string_view data, const std::string& file) {
  while (!data.empty()) {
    const ssize_t n = ::write(fd, data.data(), data.size());
    if (n < 0) {
      if (errno == EINTR) continue;
      ThrowErrno(file);
    }
    data.remove_prefix(static_cast<size_t>(n));
  }
}

}  // namespace

std::optional<std::string> ReadSettingsFile(const std::string& file) {
  Descriptor fd(::open(file.c_str(), O_RDONLY | O_CLOEXEC));
  if (fd.get() < 0) {
    if (errno == ENOENT) return std::nullopt;
    ThrowErrno(file);
  }
  std::string text;
  char buffer[65536];
  for (;;) {
    const ssize_t n = ::read(fd.get(), buffer, sizeof buffer);
    if (n < 0) {
      if (errno == EINTR) continue;
      ThrowErrno(file);
    }
    if (n == 0) return text;
    text.append(buffer, static_cast<size_t>(n));
  }
}

void ReplaceSettingsFile(const std::string& file, std::string_view contents) {
  std::filesystem::path target = PathFromUtf8(file);
  std::error_code ec;
  if (std::filesystem::is_symlink(target, ec)) {
    const auto resolved = std::filesystem::weakly_canonical(target, ec);
    if (!ec) target = resolved;
  }
  const std::string targetName = PathToUtf8(target);
  struct stat old {};
  const bool existed = ::stat(targetName.c_str(), &old) == 0;

  // The temporary file lives beside the target so the rename stays on one file system.
  std::string temporary;
  int raw = -1;
  for (int attempt = 0; raw < 0; ++attempt) {
    temporary = targetName + ".new-" + std::to_string(::getpid()) + "-" + std::to_string(attempt);
    raw = ::open(temporary.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
    if (raw < 0 && (errno != EEXIST || attempt == 100)) ThrowErrno(file);
  }
  Descriptor fd(raw);
  try {
    if (existed && ::fchmod(fd.get(), old.st_mode & 07777) != 0) ThrowErrno(file);
    WriteAll(fd.get(), contents, file);
    if (::fsync(fd.get()) != 0) ThrowErrno(file);
    if (::close(fd.release()) != 0) ThrowErrno(file);
    if (::rename(temporary.c_str(), targetName.c_str()) != 0) ThrowErrno(file);
  } catch (...) {
    ::unlink(temporary.c_str());
    throw;
  }
  // Make the rename itself durable; the new contents are already safe if this fails.
  const std::string folder = PathToUtf8(target.parent_path().empty() ? "." : target.parent_path());
  Descriptor dir(::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
  if (dir.get() >= 0) ::fsync(dir.get());
}

}  // namespace tw
