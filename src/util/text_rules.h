// Small text rules shared by the settings readers and the list builders.
#pragma once

#include <algorithm>
#include <string_view>

namespace Tarnwick::util {

// White space as Unicode defines it (the separators, and TAB to CR, NEL, NBSP).
constexpr bool IsWhiteSpace(char16_t c) {
  return c == u' ' || (c >= u'\t' && c <= u'\r') || c == 0x85 || c == 0xA0 || c == 0x1680 ||
         (c >= 0x2000 && c <= 0x200A) || c == 0x2028 || c == 0x2029 || c == 0x202F || c == 0x205F ||
         c == 0x3000;
}

// Without white space (and NUL characters) at either end.
constexpr std::u16string_view TrimWhiteSpace(std::u16string_view text) {
  auto trimmed = [](char16_t c) { return IsWhiteSpace(c) || c == u'\0'; };
  while (!text.empty() && trimmed(text.front())) text.remove_prefix(1);
  while (!text.empty() && trimmed(text.back())) text.remove_suffix(1);
  return text;
}

constexpr bool EqualsIgnoringAsciiCase(std::u16string_view a, std::u16string_view b) {
  auto fold = [](char16_t c) { return c >= u'A' && c <= u'Z' ? char16_t(c + 32) : c; };
  return std::equal(a.begin(), a.end(), b.begin(), b.end(),
                    [&](char16_t x, char16_t y) { return fold(x) == fold(y); });
}

}  // namespace Tarnwick::util
