#include "platform/programs.h"

#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <system_error>
#include <thread>
#include <vector>

#include "platform/command_line.h"
#include "platform/errors.h"
#include "platform/folders.h"

extern char** environ;

namespace tw {
namespace {

std::string Reason(int error) { return std::generic_category().message(error); }

// The product's files are named without regard to letter case, as on
// Windows: the file as named when it exists, else the one whose name matches
// in its folder. Anything else is left to the system to reject.
std::string Resolve(const std::string& file) {
  const size_t slash = file.rfind('/');
  const std::string folder = slash == std::string::npos ? std::string(".") : file.substr(0, slash + 1);
  const std::string name = slash == std::string::npos ? file : file.substr(slash + 1);
  if (name.empty()) return file;
  return FindFileNoCase(folder, name).value_or(file);
}

struct SpawnSettings {
  posix_spawnattr_t attributes;
  posix_spawn_file_actions_t actions;

  explicit SpawnSettings(bool ownSession) {
    posix_spawnattr_init(&attributes);
    posix_spawn_file_actions_init(&actions);
    // The program starts with a clean signal state and only the standard
    // streams, whatever the window system left open or blocked here.
    sigset_t none;
    sigset_t all;
    sigemptyset(&none);
    sigfillset(&all);
    posix_spawnattr_setsigmask(&attributes, &none);
    posix_spawnattr_setsigdefault(&attributes, &all);
    short flags = POSIX_SPAWN_SETSIGMASK | POSIX_SPAWN_SETSIGDEF;
    // Its own session: closing the wizard's terminal does not end it.
    if (ownSession) flags |= POSIX_SPAWN_SETSID;
    posix_spawnattr_setflags(&attributes, flags);
    posix_spawn_file_actions_addclosefrom_np(&actions, 3);
  }
  ~SpawnSettings() {
    posix_spawn_file_actions_destroy(&actions);
    posix_spawnattr_destroy(&attributes);
  }
  SpawnSettings(const SpawnSettings&) = delete;
  SpawnSettings& operator=(const SpawnSettings&) = delete;
};

// glibc's posix_spawn returns the error of a failed exec itself (the child
// shares our memory until it has replaced itself), so a file that exists but
// cannot run is reported here and never shows up as an exit code.
pid_t Spawn(const std::string& file, const std::string& parameters, bool ownSession) {
  const std::string path = Resolve(file);
  std::vector<std::string> words = SplitParameters(parameters);
  std::vector<char*> argv;
  argv.push_back(const_cast<char*>(path.c_str()));
  for (std::string& word : words) argv.push_back(word.data());
  argv.push_back(nullptr);
  SpawnSettings settings(ownSession);
  pid_t pid = 0;
  const int error = posix_spawn(&pid, path.c_str(), &settings.actions, &settings.attributes, argv.data(), environ);
  if (error != 0) throw LaunchError("Cannot start " + file + ": " + Reason(error));
  return pid;
}

int Reap(pid_t pid) {
  int status = 0;
  pid_t result;
  do result = ::waitpid(pid, &status, 0);
  while (result < 0 && errno == EINTR);
  if (result < 0) return -errno;
  if (WIFEXITED(status)) return WEXITSTATUS(status);
  return 128 + WTERMSIG(status);  // as a shell reports a program ended by a signal
}

// A program nobody waits for is still collected when it ends, so it never
// lingers as a zombie while the wizard runs. Should no thread be available,
// the program runs anyway and is collected when the wizard ends.
void ReapLater(pid_t pid) noexcept {
  try {
    std::thread([pid] { Reap(pid); }).detach();
  } catch (const std::system_error&) {
  }
}

class PosixProgram : public Program {
 public:
  PosixProgram(pid_t pid, std::string file) : pid_(pid), file_(std::move(file)) {}
  ~PosixProgram() override {
    if (!reaped_) ReapLater(pid_);
  }
  PosixProgram(const PosixProgram&) = delete;
  PosixProgram& operator=(const PosixProgram&) = delete;

  int WaitForExit() override {
    const int result = Reap(pid_);
    reaped_ = true;
    if (result < 0) throw LaunchError("Lost track of " + file_ + ": " + Reason(-result));
    return result;
  }

 private:
  pid_t pid_;
  std::string file_;
  bool reaped_ = false;
};

class PosixProgramStarter : public ProgramStarter {
 public:
  std::unique_ptr<Program> Start(const std::string& file, const std::string& parameters) override {
    return std::make_unique<PosixProgram>(Spawn(file, parameters, false), file);
  }

  void StartDetached(const std::string& file, const std::string& parameters) override {
    ReapLater(Spawn(file, parameters, true));
  }
};

}  // namespace

std::unique_ptr<ProgramStarter> CreateProgramStarter() { return std::make_unique<PosixProgramStarter>(); }

}  // namespace tw
