// POSIX: lower case under the environment's LC_CTYPE, through the C library's towlower_l.
#include <langinfo.h>
#include <locale.h>
#include <wctype.h>

#include <cstring>

#include "platform/text.h"

namespace Tarnwick::platform {
namespace {

bool IsHighSurrogate(char16_t c) {
  return c >= 0xD800 && c <= 0xDBFF;
}
bool IsLowSurrogate(char16_t c) {
  return c >= 0xDC00 && c <= 0xDFFF;
}

// The environment's LC_CTYPE, read once. The plain C locale knows only ASCII letters; a
// program there gets the C.UTF-8 locale instead, whose mapping is Unicode's own, as the
// invariant rules of a Windows program would give.
locale_t CaseLocale() {
  static const locale_t locale = [] {
    locale_t chosen = newlocale(LC_CTYPE_MASK, "", locale_t(0));
    if (chosen && std::strcmp(nl_langinfo_l(CODESET, chosen), "UTF-8") == 0) return chosen;
    if (chosen) freelocale(chosen);
    chosen = newlocale(LC_CTYPE_MASK, "C.UTF-8", locale_t(0));
    return chosen ? chosen : newlocale(LC_CTYPE_MASK, "C", locale_t(0));
  }();
  return locale;
}

void Append(std::u16string& out, char32_t cp) {
  if (cp < 0x10000) {
    out += char16_t(cp);
  } else {
    out += char16_t(0xD800 + ((cp - 0x10000) >> 10));
    out += char16_t(0xDC00 + ((cp - 0x10000) & 0x3FF));
  }
}

char32_t Lower(char32_t cp, locale_t locale) {
  return locale ? char32_t(towlower_l(wint_t(cp), locale)) : cp;
}

// Whether the locale lower-cases A-Z to a-z and leaves the rest of ASCII alone (all but the
// Turkish and Azeri ones): such text then needs no call into the C library.
bool PlainAsciiCase(locale_t locale) {
  static const bool plain = [locale] {
    for (char32_t c = 0; c < 0x80; ++c) {
      const char32_t expected = c >= U'A' && c <= U'Z' ? c + 32 : c;
      if (Lower(c, locale) != expected) return false;
    }
    return true;
  }();
  return plain;
}

}  // namespace

std::u16string ToLowerLocale(std::u16string_view text) {
  const locale_t locale = CaseLocale();
  const bool plainAscii = PlainAsciiCase(locale);
  if (plainAscii) {  // most names: ASCII only, lower-cased in place
    std::u16string out(text);
    bool ascii = true;
    for (char16_t& c : out) {
      if (c >= 0x80) {
        ascii = false;
        break;
      }
      if (c >= u'A' && c <= u'Z') c = char16_t(c + 32);
    }
    if (ascii) return out;
  }
  std::u16string out;
  out.reserve(text.size());
  for (size_t i = 0; i < text.size(); ++i) {
    const char16_t c = text[i];
    if (c < 0x80 && plainAscii) {
      out += c >= u'A' && c <= u'Z' ? char16_t(c + 32) : c;
    } else if (IsHighSurrogate(c) && i + 1 < text.size() && IsLowSurrogate(text[i + 1])) {
      Append(out, Lower(0x10000 + ((char32_t(c) - 0xD800) << 10) + (text[i + 1] - 0xDC00), locale));
      ++i;
    } else if (IsHighSurrogate(c) || IsLowSurrogate(c)) {
      out += c;  // a lone surrogate is no letter
    } else {
      Append(out, Lower(c, locale));
    }
  }
  return out;
}

}  // namespace Tarnwick::platform
