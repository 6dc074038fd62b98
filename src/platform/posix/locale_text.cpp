// POSIX: comparison without regard to case under the environment's locale: both sides
// lower-cased as ToLowerLocale does, then ordered by wcscoll.
#include <cwchar>

#include "platform/locale_text.h"

namespace Tarnwick::platform {
namespace {

std::wstring CodePoints(std::u16string_view text) {
  std::wstring out;
  out.reserve(text.size());
  for (size_t i = 0; i < text.size(); ++i) {
    char32_t c = text[i];
    if (c >= 0xD800 && c <= 0xDBFF && i + 1 < text.size() && text[i + 1] >= 0xDC00 &&
        text[i + 1] <= 0xDFFF) {
      c = 0x10000 + ((c - 0xD800) << 10) + (text[++i] - 0xDC00);
    }
    out += wchar_t(c);
  }
  return out;
}

}  // namespace

int CompareIgnoreCaseLocale(std::u16string_view a, std::u16string_view b) {
  int result =
      std::wcscoll(CodePoints(ToLowerLocale(a)).c_str(), CodePoints(ToLowerLocale(b)).c_str());
  return result < 0 ? -1 : result > 0 ? 1 : 0;
}

}  // namespace Tarnwick::platform
