#ifndef _WIN32

#include "samba_server.h"

#include <arpa/inet.h>
#include <fcntl.h>
#include <netinet/in.h>
#include <poll.h>
#include <sched.h>
#include <signal.h>
#include <sys/mount.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <stdexcept>
#include <thread>

namespace tw::test {
namespace {

namespace fs = std::filesystem;
using Clock = std::chrono::steady_clock;

constexpr const char* kSmbd = "/usr/sbin/smbd";
constexpr const char* kSystemSambaLogs = "/var/log/samba";
constexpr auto kStartTimeout = std::chrono::seconds(30);

std::string Dcerpcd() {
  for (const char* candidate : {"/usr/libexec/samba/samba-dcerpcd", "/usr/lib/samba/samba-dcerpcd"})
    if (::access(candidate, X_OK) == 0) return candidate;
  return {};
}

std::string SmbClient() { return FindOnPath("smbclient", "/usr/bin/smbclient"); }
std::string NetProgram() { return FindOnPath("net", "/usr/bin/net"); }

// A port nobody listens on now; the kernel hands out each one rarely enough
// for tests running side by side.
int FreePort() {
  const int fd = ::socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
  sockaddr_in address{};
  address.sin_family = AF_INET;
  address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
  socklen_t length = sizeof address;
  if (fd < 0 || ::bind(fd, reinterpret_cast<sockaddr*>(&address), sizeof address) != 0 ||
      ::getsockname(fd, reinterpret_cast<sockaddr*>(&address), &length) != 0)
    throw std::runtime_error("no free port on 127.0.0.1");
  ::close(fd);
  return ntohs(address.sin_port);
}

bool Answers(int port) {
  const int fd = ::socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
  sockaddr_in address{};
  address.sin_family = AF_INET;
  address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
  address.sin_port = htons(static_cast<uint16_t>(port));
  const bool connected = ::connect(fd, reinterpret_cast<sockaddr*>(&address), sizeof address) == 0;
  ::close(fd);
  return connected;
}

bool Running(pid_t pid) {
  int status = 0;
  return ::waitpid(pid, &status, WNOHANG) == 0;
}

void StopProcess(pid_t pid) {
  if (pid <= 0) return;
  ::kill(pid, SIGTERM);
  const auto deadline = Clock::now() + std::chrono::seconds(10);
  int status = 0;
  while (::waitpid(pid, &status, WNOHANG) == 0) {
    if (Clock::now() > deadline) {
      ::kill(pid, SIGKILL);
      ::waitpid(pid, &status, 0);
      return;
    }
    std::this_thread::sleep_for(std::chrono::milliseconds(20));
  }
}

std::vector<std::string> FilesIn(const std::string& folder) {
  std::vector<std::string> names;
  std::error_code error;
  for (const auto& entry : fs::directory_iterator(folder, error)) names.push_back(entry.path().string());
  return names;
}

std::string Tail(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  std::stringstream text;
  text << in.rdbuf();
  const std::string all = text.str();
  return all.size() > 3000 ? all.substr(all.size() - 3000) : all;
}

// Starts a Samba daemon with its own mount table in which the system's Samba
// log folder is the sandbox's: samba-dcerpcd asks each RPC helper for its
// interfaces without passing the log folder on, and the helpers open their
// logs in the system's folder before reading the configuration. Without the
// right to a mount table of its own, the daemon runs as it is.
pid_t SpawnDaemon(const std::vector<std::string>& arguments, const std::string& output, const std::string& logFolder,
                  int keepOpen) {
  std::vector<char*> argv;
  for (const std::string& argument : arguments) argv.push_back(const_cast<char*>(argument.c_str()));
  argv.push_back(nullptr);
  const pid_t pid = ::fork();
  if (pid != 0) return pid;
  // Only system calls from here on: the parent may have other threads.
  if (::unshare(CLONE_NEWNS) == 0 && ::mount(nullptr, "/", nullptr, MS_REC | MS_PRIVATE, nullptr) == 0)
    ::mount(logFolder.c_str(), kSystemSambaLogs, nullptr, MS_BIND, nullptr);
  const int out = ::open(output.c_str(), O_WRONLY | O_CREAT | O_APPEND, 0644);
  const int in = ::open("/dev/null", O_RDONLY);
  if (out < 0 || in < 0) ::_exit(127);
  ::dup2(in, STDIN_FILENO);
  ::dup2(out, STDOUT_FILENO);
  ::dup2(out, STDERR_FILENO);
  if (keepOpen >= 0) ::fcntl(keepOpen, F_SETFD, 0);
  ::execv(argv[0], argv.data());
  ::_exit(127);
}

}  // namespace

SambaSandbox::SambaSandbox(const std::vector<std::string>& extraSettings) {
  std::string pattern = (fs::temp_directory_path() / "tw-samba-XXXXXX").string();
  if (!::mkdtemp(pattern.data())) throw std::runtime_error("cannot create a temporary folder");
  root_ = pattern;
  // Samba's guest reads the shared folders inside.
  ::chmod(root_.c_str(), 0755);
  for (const char* folder : {"state", "lock", "cache", "private", "run", "ncalrpc", "binddns", "winbindd", "log",
                             "system-log", "usershares"})
    fs::create_directories(fs::path(root_) / folder);
  // What Samba asks of a user share folder: writable by its group only, and
  // nobody removes another's share.
  ::chmod((root_ + "/usershares").c_str(), 01770);
  port_ = FreePort();
  config_ = root_ + "/smb.conf";

  std::ofstream conf(config_);
  conf << "[global]\n"
       << "  server role = standalone server\n"
       << "  workgroup = WORKGROUP\n"
       << "  smb ports = " << port_ << "\n"
       << "  interfaces = 127.0.0.1\n"
       << "  bind interfaces only = yes\n"
       << "  state directory = " << root_ << "/state\n"
       << "  lock directory = " << root_ << "/lock\n"
       << "  cache directory = " << root_ << "/cache\n"
       << "  private dir = " << root_ << "/private\n"
       << "  pid directory = " << root_ << "/run\n"
       << "  ncalrpc dir = " << root_ << "/ncalrpc\n"
       << "  binddns dir = " << root_ << "/binddns\n"
       << "  winbindd socket directory = " << root_ << "/winbindd\n"
       << "  log file = " << root_ << "/log/log.%m\n"
       << "  usershare path = " << root_ << "/usershares\n"
       << "  usershare max shares = 10\n"
       << "  usershare allow guests = yes\n"
       << "  usershare owner only = no\n"
       << "  rpc start on demand helpers = no\n"
       << "  map to guest = bad user\n"
       << "  load printers = no\n"
       << "  printing = bsd\n"
       << "  printcap name = /dev/null\n"
       << "  disable spoolss = yes\n";
  for (const std::string& setting : extraSettings) conf << "  " << setting << "\n";
}

SambaSandbox::~SambaSandbox() {
  Stop();
  std::error_code error;
  // Helpers that outlive their parent for a moment may still write logs.
  for (int attempt = 0; attempt < 50 && fs::exists(root_, error); ++attempt) {
    fs::remove_all(root_, error);
    if (error) std::this_thread::sleep_for(std::chrono::milliseconds(100));
  }
}

std::string SambaSandbox::CannotRunReason() {
  if (::geteuid() != 0) return "the Samba server starts only as root";
  if (::access(kSmbd, X_OK) != 0 || Dcerpcd().empty()) return "Samba (smbd, samba-dcerpcd) is not installed";
  if (::access(SmbClient().c_str(), X_OK) != 0) return "smbclient is not installed";
  return {};
}

std::string SambaSandbox::Start() {
  systemLogsBefore_ = FilesIn(kSystemSambaLogs);
  started_ = true;
  const std::string logs = root_ + "/log";

  // samba-dcerpcd closes the pipe's end once it serves.
  int ready[2];
  if (::pipe2(ready, O_CLOEXEC) != 0) return "no pipe";
  dcerpcd_ = SpawnDaemon({Dcerpcd(), "--configfile=" + config_, "--log-basename=" + logs, "--libexec-rpcds",
                          "--foreground", "--ready-signal-fd=" + std::to_string(ready[1])},
                         logs + "/samba-dcerpcd.out", root_ + "/system-log", ready[1]);
  ::close(ready[1]);
  pollfd wait{ready[0], POLLIN, 0};
  const int signalled = ::poll(&wait, 1, static_cast<int>(std::chrono::milliseconds(kStartTimeout).count()));
  ::close(ready[0]);
  if (signalled <= 0 || !Running(dcerpcd_)) return "samba-dcerpcd did not start:\n" + LogTail();

  smbd_ = SpawnDaemon({kSmbd, "--configfile=" + config_, "--log-basename=" + logs, "--foreground"}, logs + "/smbd.out",
                      root_ + "/system-log", -1);
  const auto deadline = Clock::now() + kStartTimeout;
  while (!Answers(port_)) {
    if (!Running(smbd_) || Clock::now() > deadline) return "smbd did not start:\n" + LogTail();
    std::this_thread::sleep_for(std::chrono::milliseconds(50));
  }
  return {};
}

void SambaSandbox::Stop() {
  StopProcess(smbd_);
  StopProcess(dcerpcd_);
  smbd_ = dcerpcd_ = -1;
  // Where the daemons could not have a mount table of their own, remove the
  // empty logs they left in the system's log folder.
  if (!started_) return;
  started_ = false;
  for (const std::string& file : FilesIn(kSystemSambaLogs)) {
    std::error_code error;
    bool before = false;
    for (const std::string& old : systemLogsBefore_) before = before || old == file;
    if (!before && fs::is_regular_file(file, error) && fs::file_size(file, error) == 0) fs::remove(file, error);
  }
}

std::string SambaSandbox::LogTail() const {
  std::string text;
  for (const char* name : {"samba-dcerpcd.out", "log.samba-dcerpcd", "smbd.out", "log.smbd"})
    text += std::string("--- ") + name + "\n" + Tail(root_ + "/log/" + name);
  return text;
}

CapturedRun SambaSandbox::Net(const std::vector<std::string>& arguments) const {
  std::vector<std::string> all{"--configfile=" + config_};
  all.insert(all.end(), arguments.begin(), arguments.end());
  return RunCaptured(NetProgram(), all);
}

CapturedRun SambaSandbox::Client(const std::vector<std::string>& arguments) const {
  std::vector<std::string> all{"--configfile=" + config_, "--port=" + std::to_string(port_), "--no-pass"};
  all.insert(all.end(), arguments.begin(), arguments.end());
  return RunCaptured(SmbClient(), all);
}

std::vector<std::string> SambaSandbox::DiskShares() const {
  const CapturedRun run = Client({"--grepable", "--list=127.0.0.1"});
  std::vector<std::string> shares;
  std::istringstream lines(run.output);
  for (std::string line; std::getline(lines, line);)
    if (line.rfind("Disk|", 0) == 0) shares.push_back(line.substr(5));
  return shares;
}

std::string SambaSandbox::ReadAsGuest(const std::string& share, const std::string& file) const {
  const std::string local = root_ + "/read-as-guest";
  std::error_code error;
  fs::remove(local, error);
  const CapturedRun run = Client({"//127.0.0.1/" + share, "--command=get \"" + file + "\" \"" + local + "\""});
  if (run.exitCode != 0 || !fs::exists(local)) throw std::runtime_error("smbclient could not read: " + run.output);
  std::ifstream in(local, std::ios::binary);
  std::stringstream text;
  text << in.rdbuf();
  return text.str();
}

}  // namespace tw::test

#endif
