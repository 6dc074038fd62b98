// POSIX: Linux has no debugger channel; the lines go to standard error when the environment
// variable TARNWICK_DEBUG_OUTPUT is set, and nowhere otherwise (as on Windows without a
// debugger attached).
#include <cstdio>
#include <cstdlib>

#include "platform/debug_output.h"
#include "platform/text.h"

namespace Tarnwick::platform::detail {

void WriteSystemDebugOutput(std::u16string_view text) {
  static const bool enabled = std::getenv("TARNWICK_DEBUG_OUTPUT") != nullptr;
  if (!enabled) return;
  std::string line = ToUtf8(text);
  std::fprintf(stderr, "[debug] %s\n", line.c_str());
}

}  // namespace Tarnwick::platform::detail
