#pragma once

#include <string>
#include <vector>

namespace tw {

// A program run to its end with its output kept.
struct CapturedRun {
  int startError = 0;  // errno when the program could not be started
  int exitCode = -1;   // -1 when it did not end by itself
  std::string output;  // standard output and standard error as they came
};

// Runs `program` (a path, not looked up) with `arguments` and waits for it.
// No shell: each argument reaches the program as it is. Standard input is
// empty.
CapturedRun RunCaptured(const std::string& program, const std::vector<std::string>& arguments);

// The first executable `name` in the folders of PATH, or `fallback`.
std::string FindOnPath(const std::string& name, const std::string& fallback);

}  // namespace tw
