// Portable UTF-16/UTF-8 conversions (the ANSI code page lives in the platform folders).
#include "platform/text.h"

#include <cstdint>

namespace Tarnwick::platform {
namespace {

constexpr char32_t kReplacement = 0xFFFD;

bool IsHighSurrogate(char16_t c) { return c >= 0xD800 && c <= 0xDBFF; }
bool IsLowSurrogate(char16_t c) { return c >= 0xDC00 && c <= 0xDFFF; }

// Decodes the code point at text[i] and advances i past it; a lone surrogate decodes as
// U+FFFD.
char32_t NextCodePoint(std::u16string_view text, size_t& i) {
  char16_t c = text[i++];
  if (IsHighSurrogate(c) && i < text.size() && IsLowSurrogate(text[i])) {
    return 0x10000 + ((char32_t(c) - 0xD800) << 10) + (char32_t(text[i++]) - 0xDC00);
  }
  if (IsHighSurrogate(c) || IsLowSurrogate(c)) return kReplacement;
  return c;
}

void AppendUtf8(std::string& out, char32_t cp) {
  if (cp < 0x80) {
    out += char(cp);
  } else if (cp < 0x800) {
    out += char(0xC0 | (cp >> 6));
    out += char(0x80 | (cp & 0x3F));
  } else if (cp < 0x10000) {
    out += char(0xE0 | (cp >> 12));
    out += char(0x80 | ((cp >> 6) & 0x3F));
    out += char(0x80 | (cp & 0x3F));
  } else {
    out += char(0xF0 | (cp >> 18));
    out += char(0x80 | ((cp >> 12) & 0x3F));
    out += char(0x80 | ((cp >> 6) & 0x3F));
    out += char(0x80 | (cp & 0x3F));
  }
}

void AppendUtf16(std::u16string& out, char32_t cp) {
  if (cp < 0x10000) {
    out += char16_t(cp);
  } else {
    cp -= 0x10000;
    out += char16_t(0xD800 + (cp >> 10));
    out += char16_t(0xDC00 + (cp & 0x3FF));
  }
}

}  // namespace

std::string ToUtf8(std::u16string_view text) {
  std::string out;
  out.reserve(Utf8Length(text));
  for (size_t i = 0; i < text.size();) AppendUtf8(out, NextCodePoint(text, i));
  return out;
}

size_t Utf8Length(std::u16string_view text) {
  // Branch-free loops the compiler vectorises (CF_HTML offsets count megabytes of text): every
  // unit counts 1, one more from U+0080 and one more from U+0800, so each surrogate counts 3,
  // right for a lone one (it becomes U+FFFD) and 2 too many for each half of a pair (4 bytes).
  const char16_t* units = text.data();
  const size_t size = text.size();
  size_t bytes = 0;
  for (size_t i = 0; i < size; ++i) {
    bytes += 1 + size_t(units[i] >= 0x80) + size_t(units[i] >= 0x800);
  }
  size_t pairs = 0;
  for (size_t i = 0; i + 1 < size; ++i) {
    pairs += size_t((units[i] & 0xFC00) == 0xD800) & size_t((units[i + 1] & 0xFC00) == 0xDC00);
  }
  return bytes - 2 * pairs;
}

std::u16string FromUtf8(std::string_view bytes) {
  std::u16string out;
  out.reserve(bytes.size());
  size_t i = 0;
  while (i < bytes.size()) {
    uint8_t lead = uint8_t(bytes[i]);
    int extra = lead < 0x80           ? 0
                : (lead >> 5) == 0x6  ? 1
                : (lead >> 4) == 0xE  ? 2
                : (lead >> 3) == 0x1E ? 3
                                      : -1;
    if (extra < 0 || i + extra >= bytes.size()) {
      out += char16_t(kReplacement);
      ++i;
      continue;
    }
    char32_t cp = extra == 0 ? lead : lead & (0x3F >> extra);
    bool ok = true;
    for (int k = 1; k <= extra; ++k) {
      uint8_t b = uint8_t(bytes[i + k]);
      if ((b & 0xC0) != 0x80) {
        ok = false;
        break;
      }
      cp = (cp << 6) | (b & 0x3F);
    }
    // Reject overlong forms, surrogates and values past U+10FFFF.
    static constexpr char32_t kMinimum[] = {0, 0x80, 0x800, 0x10000};
    if (!ok || cp < kMinimum[extra] || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF)) {
      out += char16_t(kReplacement);
      ++i;
      continue;
    }
    AppendUtf16(out, cp);
    i += extra + 1;
  }
  return out;
}

std::u16string FromAscii(std::string_view ascii) { return std::u16string(ascii.begin(), ascii.end()); }

}  // namespace Tarnwick::platform
