#include "platform/trace.h"

namespace tw {

void TraceObject::EnterMethod(const std::string& owner, const std::string& routine) noexcept {
  try {
    sink_.Write("Enter " + owner + "." + routine);
  } catch (...) {  // tracing must never disturb the wizard
  }
}

void TraceObject::ExitMethod(const std::string& owner, const std::string& routine) noexcept {
  try {
    sink_.Write("Exit " + owner + "." + routine);
  } catch (...) {
  }
}

void TraceObject::Send(const std::string& name, const std::string& value) noexcept {
  try {
    sink_.Write(name + " = '" + value + "'");
  } catch (...) {
  }
}

}  // namespace tw
