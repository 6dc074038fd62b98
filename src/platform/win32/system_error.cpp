// Win32: FormatMessageW for error codes.
#include "platform/win32/system_error.h"

#include "platform/text.h"

namespace Tarnwick::platform {

std::string SystemErrorMessage(DWORD error) {
  wchar_t buffer[512];
  DWORD length = FormatMessageW(FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS, nullptr,
                                error, 0, buffer, DWORD(std::size(buffer)), nullptr);
  while (length > 0 && (buffer[length - 1] == L'\r' || buffer[length - 1] == L'\n' ||
                        buffer[length - 1] == L' ')) {
    --length;
  }
  std::string text = ToUtf8(std::u16string_view(AsUtf16(buffer), length));
  if (!text.empty()) text += ' ';
  return text + "(" + std::to_string(error) + ")";
}

}  // namespace Tarnwick::platform
