// Win32: the debugger's output channel.
#include "platform/debug_output.h"
#include "platform/windows.h"

namespace Tarnwick::platform::detail {

void WriteSystemDebugOutput(std::u16string_view text) {
  std::u16string line(text);
  OutputDebugStringW(AsWide(line));
}

}  // namespace Tarnwick::platform::detail
