// POSIX: the C library's current locale (towlower, wcscoll), code point by code point.
#include <cwchar>
#include <cwctype>

#include "platform/locale_text.h"

namespace Tarnwick::platform {
namespace {

bool IsSurrogate(char16_t c) {
  return c >= 0xD800 && c <= 0xDFFF;
}

std::wstring LowerCodePoints(std::u16string_view text) {
  std::wstring out;
  out.reserve(text.size());
  for (size_t i = 0; i < text.size(); ++i) {
    char32_t c = text[i];
    if (c >= 0xD800 && c <= 0xDBFF && i + 1 < text.size() && text[i + 1] >= 0xDC00 &&
        text[i + 1] <= 0xDFFF) {
      c = 0x10000 + ((c - 0xD800) << 10) + (text[++i] - 0xDC00);
    }
    out += wchar_t(std::towlower(wint_t(c)));
  }
  return out;
}

}  // namespace

std::u16string ToLowerLocale(std::u16string_view text) {
  std::u16string lower(text);
  for (char16_t& c : lower) {
    // Characters outside the BMP are kept as they are.
    if (!IsSurrogate(c)) {
      wint_t mapped = std::towlower(wint_t(c));
      if (mapped <= 0xFFFF && !IsSurrogate(char16_t(mapped))) c = char16_t(mapped);
    }
  }
  return lower;
}

int CompareIgnoreCaseLocale(std::u16string_view a, std::u16string_view b) {
  int result = std::wcscoll(LowerCodePoints(a).c_str(), LowerCodePoints(b).c_str());
  return result < 0 ? -1 : result > 0 ? 1 : 0;
}

}  // namespace Tarnwick::platform
