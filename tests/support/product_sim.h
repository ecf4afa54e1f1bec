#pragma once

#include <chrono>
#include <optional>
#include <string>
#include <vector>

// Running the product stand-in from tests: staging it, its log, and the
// environment that steers it.
namespace tw::simtest {

// The stand-in built beside the test programs.
std::string ProductSimFile();

// `name` inside `folder`, with this platform's separator.
std::string Join(const std::string& folder, const std::string& name);

// Copies the stand-in into `folder` as `name`, runnable; returns its path.
std::string StageProductSim(const std::string& folder, const std::string& name);

// Sets an environment variable of this process, and so of the programs it
// starts, until destroyed; nothing clears it.
class ScopedEnvironment {
 public:
  ScopedEnvironment(std::string name, const std::optional<std::string>& value);
  ~ScopedEnvironment();
  ScopedEnvironment(const ScopedEnvironment&) = delete;
  ScopedEnvironment& operator=(const ScopedEnvironment&) = delete;

 private:
  std::string name_;
  std::optional<std::string> old_;
};

std::optional<std::string> GetEnvironment(const std::string& name);

// The lines of a text file; none when it does not exist.
std::vector<std::string> ReadLines(const std::string& file);

// Waits until the file has at least `count` lines or the time is up.
std::vector<std::string> WaitForLines(const std::string& file, size_t count,
                                      std::chrono::milliseconds timeout = std::chrono::seconds(20));

}  // namespace tw::simtest
