#pragma once

#include <memory>
#include <string>

namespace tw {

// Where trace records go. Writing never fails, throws or blocks.
class TraceSink {
 public:
  virtual ~TraceSink() = default;
  virtual void Write(const std::string& record) noexcept = 0;
};

// The developer trace facility of this platform: on Windows the debug output
// (any debug viewer shows it); elsewhere the file named by TELLWICK_TRACE
// ("-" for standard error). Without a receiver the records go nowhere.
std::unique_ptr<TraceSink> OpenTraceSink();

// The trace object of a window: enter and exit records around a routine and
// name/value records.
class TraceObject {
 public:
  explicit TraceObject(TraceSink& sink) : sink_(sink) {}
  void EnterMethod(const std::string& owner, const std::string& routine) noexcept;
  void ExitMethod(const std::string& owner, const std::string& routine) noexcept;
  void Send(const std::string& name, const std::string& value) noexcept;

 private:
  TraceSink& sink_;
};

}  // namespace tw
