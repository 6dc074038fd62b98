// UTF-16LE bytes of the library's text (no byte-order mark), the form in which the host's
// platform hashes and encrypts text, on any processor.
#pragma once

#include <bit>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace Tarnwick::session {

// A copy, with room for extraCapacity more bytes (a cipher's fill) without a new allocation.
inline std::vector<uint8_t> ToUtf16LeBytes(std::u16string_view text, size_t extraCapacity = 0) {
  std::vector<uint8_t> bytes;
  bytes.reserve(text.size() * 2 + extraCapacity);
  bytes.resize(text.size() * 2);
  for (size_t i = 0; i < text.size(); ++i) {
    bytes[2 * i] = uint8_t(text[i] & 0xFF);
    bytes[2 * i + 1] = uint8_t(text[i] >> 8);
  }
  return bytes;
}

// The bytes to read, for a digest: the text's own memory on a little-endian processor (every
// Windows and Linux target of ours), a converted copy elsewhere.
class Utf16LeView {
 public:
  explicit Utf16LeView(std::u16string_view text) {
    if constexpr (std::endian::native == std::endian::little) {
      bytes_ = {reinterpret_cast<const uint8_t*>(text.data()), text.size() * 2};
    } else {
      copy_ = ToUtf16LeBytes(text);
      bytes_ = copy_;
    }
  }
  Utf16LeView(const Utf16LeView&) = delete;
  Utf16LeView& operator=(const Utf16LeView&) = delete;
  std::span<const uint8_t> bytes() const { return bytes_; }

 private:
  std::vector<uint8_t> copy_;
  std::span<const uint8_t> bytes_;
};

// Every pair of bytes is one code unit, lone surrogates included; an odd last byte, which no
// text of ours produces, reads as U+FFFD.
inline std::u16string FromUtf16LeBytes(const std::vector<uint8_t>& bytes) {
  std::u16string text((bytes.size() + 1) / 2, u'\uFFFD');
  for (size_t i = 0; i < bytes.size() / 2; ++i) {
    text[i] = char16_t(bytes[2 * i] | bytes[2 * i + 1] << 8);
  }
  return text;
}

}  // namespace Tarnwick::session
