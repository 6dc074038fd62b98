// Win32: the user's locale through LCMapStringEx and CompareStringEx.
#include "platform/locale_text.h"
#include "platform/windows.h"

namespace Tarnwick::platform {

int CompareIgnoreCaseLocale(std::u16string_view a, std::u16string_view b) {
  int result = CompareStringEx(LOCALE_NAME_USER_DEFAULT, NORM_IGNORECASE,
                               reinterpret_cast<const wchar_t*>(a.data()), int(a.size()),
                               reinterpret_cast<const wchar_t*>(b.data()), int(b.size()), nullptr,
                               nullptr, 0);
  return result - CSTR_EQUAL;  // CSTR_LESS_THAN, CSTR_EQUAL and CSTR_GREATER_THAN are 1, 2, 3
}

}  // namespace Tarnwick::platform
