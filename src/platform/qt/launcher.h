#pragma once

#include <QString>
#include <functional>
#include <optional>

#include "platform/programs.h"

class QWidget;

namespace tw {

// A launcher object of the window: starts FileName with Parameters. While a
// started program runs, RunAndWait keeps the window painted but takes no
// input, and uses no processor time polling.
class TLauncher {
 public:
  TLauncher(ProgramStarter& starter, QWidget* window) : starter_(starter), window_(window) {}

  QString Action = QStringLiteral("Open");
  QString FileName;
  QString Parameters;
  // Runs when a waited-for program has ended, before RunAndWait returns.
  std::function<void(int exitCode)> OnFinished;

  // Starts the program and waits for it to end; returns its exit code.
  // Throws LaunchError when it cannot be started. Does nothing and returns
  // nothing while a program of this launcher still runs or FileName is empty.
  std::optional<int> RunAndWait();

  // Starts the program and returns at once. Same guards as RunAndWait.
  void RunDetached();

  bool Running() const { return running_; }

 private:
  ProgramStarter& starter_;
  QWidget* window_;
  bool running_ = false;
};

}  // namespace tw
