// UTF-16LE bytes of the library's text (no byte-order mark), the form in which the host's
// platform hashes and encrypts text, on any processor.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace Tarnwick::session {

inline std::vector<uint8_t> ToUtf16LeBytes(std::u16string_view text) {
  std::vector<uint8_t> bytes;
  bytes.reserve(text.size() * 2);
  for (char16_t c : text) {
    bytes.push_back(uint8_t(c & 0xFF));
    bytes.push_back(uint8_t(c >> 8));
  }
  return bytes;
}

// Every pair of bytes is one code unit, lone surrogates included; an odd last byte, which no
// text of ours produces, reads as U+FFFD.
inline std::u16string FromUtf16LeBytes(const std::vector<uint8_t>& bytes) {
  std::u16string text;
  text.reserve(bytes.size() / 2 + 1);
  for (size_t i = 0; i + 1 < bytes.size(); i += 2) text += char16_t(bytes[i] | bytes[i + 1] << 8);
  if (bytes.size() % 2 != 0) text += u'\uFFFD';
  return text;
}

}  // namespace Tarnwick::session
