#include "platform/trace.h"
#include "platform/win32/wide.h"

namespace tw {
namespace {

class DebugOutputSink : public TraceSink {
 public:
  void Write(const std::string& record) noexcept override {
    try {
      OutputDebugStringW(Widen(record).c_str());
    } catch (...) {
    }
  }
};

}  // namespace

std::unique_ptr<TraceSink> OpenTraceSink() { return std::make_unique<DebugOutputSink>(); }

}  // namespace tw
