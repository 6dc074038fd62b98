// Win32: lower case under the user's locale.
#include "platform/text.h"
#include "platform/windows.h"

namespace Tarnwick::platform {

std::u16string ToLowerLocale(std::u16string_view text) {
  if (text.empty()) return {};
  // Linguistic casing, as the locale-aware string functions of Windows programs use it (it
  // differs from the file system's table for Turkish and Azeri "I").
  const DWORD flags = LCMAP_LOWERCASE | LCMAP_LINGUISTIC_CASING;
  const auto* source = reinterpret_cast<const wchar_t*>(text.data());
  int length = LCMapStringEx(LOCALE_NAME_USER_DEFAULT, flags, source, int(text.size()), nullptr, 0,
                             nullptr, nullptr, 0);
  // LCMapStringEx fails only on arguments that cannot occur here; the text then stays as it is.
  if (length <= 0) return std::u16string(text);
  std::u16string out(size_t(length), u'\0');
  length = LCMapStringEx(LOCALE_NAME_USER_DEFAULT, flags, source, int(text.size()),
                         reinterpret_cast<wchar_t*>(out.data()), length, nullptr, nullptr, 0);
  if (length <= 0) return std::u16string(text);
  out.resize(size_t(length));
  return out;
}

}  // namespace Tarnwick::platform
