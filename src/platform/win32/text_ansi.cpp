// Win32: UTF-16 to and from the system ANSI code page.
#include "platform/text.h"
#include "platform/windows.h"

namespace Tarnwick::platform {

std::string ToAnsi(std::u16string_view text) {
  if (text.empty()) return {};
  const auto* wide = reinterpret_cast<const wchar_t*>(text.data());
  int length = WideCharToMultiByte(CP_ACP, 0, wide, int(text.size()), nullptr, 0, nullptr, nullptr);
  std::string out(size_t(length), '\0');
  WideCharToMultiByte(CP_ACP, 0, wide, int(text.size()), out.data(), length, nullptr, nullptr);
  return out;
}

std::u16string FromAnsi(std::string_view bytes) {
  if (bytes.empty()) return {};
  int length = MultiByteToWideChar(CP_ACP, 0, bytes.data(), int(bytes.size()), nullptr, 0);
  std::u16string out(size_t(length), u'\0');
  MultiByteToWideChar(CP_ACP, 0, bytes.data(), int(bytes.size()),
                      reinterpret_cast<wchar_t*>(out.data()), length);
  return out;
}

}  // namespace Tarnwick::platform
