// The debugger's output channel (OutputDebugStringW on Windows).
//
//   platform::WriteDebugOutput(u"Fixing path...");
//
// Tests read what the library writes there with a DebugOutputCapture, which takes every line
// written on any thread while it lives, instead of the platform's channel:
//
//   platform::DebugOutputCapture capture;
//   ... ;
//   EXPECT_THAT(capture.Lines(), Contains(u"Fixing path..."));
#pragma once

#include <mutex>
#include <string>
#include <string_view>
#include <vector>

namespace Tarnwick::platform {

void WriteDebugOutput(std::u16string_view text);

class DebugOutputCapture {
 public:
  DebugOutputCapture();
  ~DebugOutputCapture();
  DebugOutputCapture(const DebugOutputCapture&) = delete;
  DebugOutputCapture& operator=(const DebugOutputCapture&) = delete;

  std::vector<std::u16string> Lines() const;
  bool Contains(std::u16string_view text) const;  // some line holds text

 private:
  friend void WriteDebugOutput(std::u16string_view text);
  void Add(std::u16string_view text);

  mutable std::mutex mutex_;
  std::vector<std::u16string> lines_;
  DebugOutputCapture* previous_;
};

namespace detail {
// The platform's own channel; WriteDebugOutput calls it when no capture is active.
void WriteSystemDebugOutput(std::u16string_view text);
}  // namespace detail

}  // namespace Tarnwick::platform
