// GUID text: read in the standard forms, written in the lower-case hyphenated form.
#include "tarnwick/guid.h"

#include "platform/text.h"
#include "tarnwick/error.h"

namespace Tarnwick {
namespace {

int HexValue(char16_t c) {
  if (c >= u'0' && c <= u'9') return c - u'0';
  if (c >= u'a' && c <= u'f') return c - u'a' + 10;
  if (c >= u'A' && c <= u'F') return c - u'A' + 10;
  return -1;
}

bool IsSpace(char16_t c) { return c == u' ' || (c >= u'\t' && c <= u'\r'); }

[[noreturn]] void ThrowMalformed(std::u16string_view text) {
  throw FormatError("Guid should contain 32 digits with 4 dashes "
                    "(xxxxxxxx-xxxx-xxxx-xxxx-xxxxxxxxxxxx): '" +
                    platform::ToUtf8(text) + "'");
}

}  // namespace

Guid Guid::Parse(std::u16string_view text) {
  std::u16string_view s = text;
  while (!s.empty() && IsSpace(s.front())) s.remove_prefix(1);
  while (!s.empty() && IsSpace(s.back())) s.remove_suffix(1);

  // Braces and parentheses enclose the hyphenated form only.
  if (s.size() == 38 && ((s.front() == u'{' && s.back() == u'}') ||
                         (s.front() == u'(' && s.back() == u')'))) {
    s = s.substr(1, 36);
  }
  bool hyphenated = s.size() == 36;
  if (!hyphenated && s.size() != 32) ThrowMalformed(text);

  uint8_t bytes[16];
  size_t position = 0;
  for (int i = 0; i < 16; ++i) {
    if (hyphenated && (position == 8 || position == 13 || position == 18 || position == 23)) {
      if (s[position] != u'-') ThrowMalformed(text);
      ++position;
    }
    int high = HexValue(s[position]);
    int low = HexValue(s[position + 1]);
    if (high < 0 || low < 0) ThrowMalformed(text);
    bytes[i] = uint8_t(high << 4 | low);
    position += 2;
  }

  Guid guid;
  guid.Data1 = uint32_t(bytes[0]) << 24 | uint32_t(bytes[1]) << 16 | uint32_t(bytes[2]) << 8 | bytes[3];
  guid.Data2 = uint16_t(bytes[4] << 8 | bytes[5]);
  guid.Data3 = uint16_t(bytes[6] << 8 | bytes[7]);
  for (int i = 0; i < 8; ++i) guid.Data4[i] = bytes[8 + i];
  return guid;
}

std::u16string Guid::ToString() const {
  static constexpr char16_t kDigits[] = u"0123456789abcdef";
  std::u16string text;
  text.reserve(36);
  auto put = [&](uint64_t value, int digits) {
    for (int shift = (digits - 1) * 4; shift >= 0; shift -= 4) text += kDigits[(value >> shift) & 0xF];
  };
  put(Data1, 8);
  text += u'-';
  put(Data2, 4);
  text += u'-';
  put(Data3, 4);
  text += u'-';
  put(uint64_t(Data4[0]) << 8 | Data4[1], 4);
  text += u'-';
  for (int i = 2; i < 8; ++i) put(Data4[i], 2);
  return text;
}

}  // namespace Tarnwick
