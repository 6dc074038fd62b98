// Routes debug output to the platform's channel or to the active test capture.
#include "platform/debug_output.h"

#include <atomic>

namespace Tarnwick::platform {
namespace {
std::atomic<DebugOutputCapture*> g_capture{nullptr};
}

void WriteDebugOutput(std::u16string_view text) {
  if (DebugOutputCapture* capture = g_capture.load()) {
    capture->Add(text);
    return;
  }
  detail::WriteSystemDebugOutput(text);
}

DebugOutputCapture::DebugOutputCapture() : previous_(g_capture.exchange(this)) {}
DebugOutputCapture::~DebugOutputCapture() { g_capture.store(previous_); }

void DebugOutputCapture::Add(std::u16string_view text) {
  std::lock_guard lock(mutex_);
  lines_.emplace_back(text);
}

std::vector<std::u16string> DebugOutputCapture::Lines() const {
  std::lock_guard lock(mutex_);
  return lines_;
}

bool DebugOutputCapture::Contains(std::u16string_view text) const {
  std::lock_guard lock(mutex_);
  for (const auto& line : lines_) {
    if (line.find(text) != std::u16string::npos) return true;
  }
  return false;
}

}  // namespace Tarnwick::platform
