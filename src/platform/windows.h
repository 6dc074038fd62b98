// The one place that includes <windows.h>, with the settings every Win32 file of the library
// expects. Include this, never <windows.h> directly.
#pragma once

#ifndef WIN32_LEAN_AND_MEAN
#define WIN32_LEAN_AND_MEAN
#endif
#ifndef NOMINMAX
#define NOMINMAX
#endif
#include <windows.h>

#include <string>
#include <string_view>

namespace Tarnwick::platform {

// wchar_t and char16_t are both UTF-16 code units on Windows; these views let the library's
// text reach Win32 calls without a copy.
static_assert(sizeof(wchar_t) == sizeof(char16_t));
inline const wchar_t* AsWide(const std::u16string& text) {
  return reinterpret_cast<const wchar_t*>(text.c_str());
}
inline const char16_t* AsUtf16(const wchar_t* text) { return reinterpret_cast<const char16_t*>(text); }

}  // namespace Tarnwick::platform
