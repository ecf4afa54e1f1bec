#include "platform/programs.h"

#include <windows.h>
// after windows.h, which it needs
#include <shellapi.h>

#include "platform/errors.h"
#include "platform/win32/wide.h"

namespace tw {
namespace {

// Opens the file through the shell, as Explorer would, with the parameter
// text handed over as it stands. Returns the process, or nothing when the
// shell passed the file to a program that was already running.
HANDLE Open(const std::string& file, const std::string& parameters) {
  const std::wstring wideFile = Widen(file);
  const std::wstring wideParameters = Widen(parameters);
  SHELLEXECUTEINFOW info{};
  info.cbSize = sizeof info;
  info.fMask = SEE_MASK_NOCLOSEPROCESS | SEE_MASK_FLAG_NO_UI;
  info.lpVerb = L"open";
  info.lpFile = wideFile.c_str();
  info.lpParameters = wideParameters.empty() ? nullptr : wideParameters.c_str();
  info.lpDirectory = nullptr;
  info.nShow = SW_SHOWNORMAL;
  if (!ShellExecuteExW(&info)) throw LaunchError("Cannot start " + file + ": " + SystemMessage(GetLastError()));
  return info.hProcess;
}

class WindowsProgram : public Program {
 public:
  WindowsProgram(HANDLE process, std::string file) : process_(process), file_(std::move(file)) {}
  ~WindowsProgram() override {
    if (process_) CloseHandle(process_);
  }
  WindowsProgram(const WindowsProgram&) = delete;
  WindowsProgram& operator=(const WindowsProgram&) = delete;

  int WaitForExit() override {
    if (!process_) return 0;  // handed to a running program: nothing of ours to wait for
    DWORD code = 0;
    if (WaitForSingleObject(process_, INFINITE) == WAIT_FAILED || !GetExitCodeProcess(process_, &code))
      throw LaunchError("Lost track of " + file_ + ": " + SystemMessage(GetLastError()));
    return static_cast<int>(code);
  }

 private:
  HANDLE process_;
  std::string file_;
};

class WindowsProgramStarter : public ProgramStarter {
 public:
  std::unique_ptr<Program> Start(const std::string& file, const std::string& parameters) override {
    return std::make_unique<WindowsProgram>(Open(file, parameters), file);
  }

  void StartDetached(const std::string& file, const std::string& parameters) override {
    if (const HANDLE process = Open(file, parameters)) CloseHandle(process);
  }
};

}  // namespace

std::unique_ptr<ProgramStarter> CreateProgramStarter() { return std::make_unique<WindowsProgramStarter>(); }

}  // namespace tw
