#pragma once

#ifndef _WIN32

#include <sys/types.h>

#include <string>
#include <vector>

#include "platform/posix/run_captured.h"

namespace tw::test {

// A Samba server confined to a temporary folder: configuration, state, locks,
// caches, pid files, logs and user shares all live there, and it listens on
// 127.0.0.1 at a free port. Nothing of the system's Samba set-up is read or
// changed. The folder is readable by every account, so Samba's guest account
// can reach the folders shared inside it.
class SambaSandbox {
 public:
  // `extraSettings` are appended to [global] and override the defaults.
  explicit SambaSandbox(const std::vector<std::string>& extraSettings = {});
  ~SambaSandbox();
  SambaSandbox(const SambaSandbox&) = delete;
  SambaSandbox& operator=(const SambaSandbox&) = delete;

  // Empty when a server can run here, else why not.
  static std::string CannotRunReason();

  // Starts smbd and samba-dcerpcd and waits until they serve. Returns an
  // empty text, or what went wrong with the end of the servers' logs.
  std::string Start();

  const std::string& Root() const { return root_; }
  const std::string& ConfigFile() const { return config_; }
  int Port() const { return port_; }

  // `net` with this configuration.
  CapturedRun Net(const std::vector<std::string>& arguments) const;
  // `smbclient` with this configuration and port, without a password.
  CapturedRun Client(const std::vector<std::string>& arguments) const;
  // The disk shares the server announces, as "name|remark".
  std::vector<std::string> DiskShares() const;
  // The file's content read by a guest through the share; throws with
  // smbclient's output when it cannot be read.
  std::string ReadAsGuest(const std::string& share, const std::string& file) const;

 private:
  void Stop();
  std::string LogTail() const;

  std::string root_;
  std::string config_;
  int port_ = 0;
  pid_t smbd_ = -1;
  pid_t dcerpcd_ = -1;
  std::vector<std::string> systemLogsBefore_;
  bool started_ = false;
};

}  // namespace tw::test

#endif
