#include "tarnwick/sorted_lists.h"

#include <algorithm>


namespace Tarnwick::OvWrapper {
namespace {

char16_t LowerInvariant(char16_t c) {
  if (c < 0x80) return c >= u'A' && c <= u'Z' ? char16_t(c + 32) : c;
  if ((c >= 0xC0 && c <= 0xDE && c != 0xD7) || (c >= 0x391 && c <= 0x3AB && c != 0x3A2) ||
      (c >= 0x410 && c <= 0x42F)) {
    return char16_t(c + 32);
  }
  if (c >= 0x400 && c <= 0x40F) return char16_t(c + 80);
  if (c >= 0x531 && c <= 0x556) return char16_t(c + 48);
  // Latin Extended-A and the Cyrillic supplements pair capital and small letter side by side.
  if ((c >= 0x100 && c <= 0x137) || (c >= 0x14A && c <= 0x177) || (c >= 0x460 && c <= 0x481) ||
      (c >= 0x48A && c <= 0x4BF) || (c >= 0x4D0 && c <= 0x52F)) {
    return c % 2 == 0 ? char16_t(c + 1) : c;
  }
  if ((c >= 0x139 && c <= 0x148) || (c >= 0x179 && c <= 0x17E)) {
    return c % 2 == 1 ? char16_t(c + 1) : c;
  }
  if (c == 0x178) return 0xFF;
  return c;
}

}  // namespace

std::u16string ToLowerInvariant(std::u16string_view text) {
  std::u16string lower(text);
  for (char16_t& c : lower) c = LowerInvariant(c);
  return lower;
}

bool InvariantCaseLess::operator()(std::u16string_view a, std::u16string_view b) const {
  const size_t n = std::min(a.size(), b.size());
  for (size_t i = 0; i < n; ++i) {
    const char16_t x = LowerInvariant(a[i]), y = LowerInvariant(b[i]);
    if (x != y) return x < y;
  }
  return a.size() < b.size();
}

}  // namespace Tarnwick::OvWrapper
