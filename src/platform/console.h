// The process's console: its title, and standard output.
//
//   if (std::optional<std::u16string> title = platform::ConsoleTitle()) ...
//   platform::WriteStandardOutputLine(u"[Info   ] started");
//
// ConsoleTitle is absent for a process without a console (GetConsoleTitleW fails) and on
// Linux, which has no console titles. Standard output takes one line at a time: to a Windows
// console as UTF-16, otherwise as UTF-8 bytes, each line flushed at once.
//
// Tests give the process a title with ScopedOverride<ConsoleTitleOverride>, and read what the
// library writes to standard output with a StandardOutputCapture, which takes every line
// written on any thread while it lives.
#pragma once

#include <mutex>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/scoped_override.h"

namespace Tarnwick::platform {

struct ConsoleTitleOverride {
  std::optional<std::u16string> title;
};

namespace detail {
std::optional<std::u16string> SystemConsoleTitle();  // one per platform folder
void WriteSystemStandardOutputLine(std::u16string_view text);
}  // namespace detail

inline std::optional<std::u16string> ConsoleTitle() {
  if (const ConsoleTitleOverride* title = ScopedOverride<ConsoleTitleOverride>::Current()) {
    return title->title;
  }
  return detail::SystemConsoleTitle();
}

class StandardOutputCapture {
 public:
  StandardOutputCapture() : scope_(*this) {}
  StandardOutputCapture(const StandardOutputCapture&) = delete;
  StandardOutputCapture& operator=(const StandardOutputCapture&) = delete;

  std::vector<std::u16string> Lines() const {
    std::lock_guard lock(mutex_);
    return lines_;
  }
  void Add(std::u16string_view text) {
    std::lock_guard lock(mutex_);
    lines_.emplace_back(text);
  }

 private:
  mutable std::mutex mutex_;
  std::vector<std::u16string> lines_;
  ScopedOverride<StandardOutputCapture> scope_;
};

inline void WriteStandardOutputLine(std::u16string_view text) {
  if (StandardOutputCapture* capture = ScopedOverride<StandardOutputCapture>::Current()) {
    capture->Add(text);
    return;
  }
  detail::WriteSystemStandardOutputLine(text);
}

}  // namespace Tarnwick::platform
