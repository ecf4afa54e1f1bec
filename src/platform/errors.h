#pragma once

#include <stdexcept>
#include <string>

namespace tw {

// A platform service reports failure by throwing this, with the platform's own
// message. The window's handler guard shows it in the default error box.
class PlatformError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// A program that could not be started, or that ended reporting failure.
class LaunchError : public PlatformError {
 public:
  using PlatformError::PlatformError;
};

}  // namespace tw
