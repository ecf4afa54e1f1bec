#pragma once

#include <memory>
#include <string>

namespace tw {

// A started program.
class Program {
 public:
  virtual ~Program() = default;
  // Blocks the calling thread until the program ends; returns its exit code
  // (on Linux, 128 + the signal's number for a program ended by a signal).
  // May be called from a thread other than the one that started it. Throws
  // LaunchError when the system lost track of the program.
  virtual int WaitForExit() = 0;
};

// Starts the product's programs the way the Windows shell opens a file with
// a parameter text; never through a command interpreter. On Linux the text is
// split by SplitParameters and the file is found without regard to letter
// case in its folder.
class ProgramStarter {
 public:
  virtual ~ProgramStarter() = default;

  // Throws LaunchError naming the file and the system's reason when the
  // program cannot be started.
  virtual std::unique_ptr<Program> Start(const std::string& file, const std::string& parameters) = 0;

  // Starts a program that goes on by itself, also after the wizard ends.
  // Throws LaunchError like Start.
  virtual void StartDetached(const std::string& file, const std::string& parameters) = 0;
};

std::unique_ptr<ProgramStarter> CreateProgramStarter();

}  // namespace tw
