// Portable half of the crypto seam: PKCS#7 fill and its check, the cipher's argument checks, and
// the Base64 codec. The digests and the block cipher are in the platform folders.
#include "platform/crypto.h"

#include "tarnwick/error.h"

namespace Tarnwick::platform {
namespace {

constexpr char kAlphabet[] = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789+/";

void CheckKeyAndIv(ByteSpan key, ByteSpan iv) {
  if (key.size() != kTripleDesKeySize || iv.size() != kTripleDesBlockSize) {
    throw CryptographicError(
        "Triple DES needs a key of 24 bytes and an initialisation vector of 8");
  }
}

// The value of a Base64 character, or -1.
int Base64Value(char16_t c) {
  if (c >= u'A' && c <= u'Z') return c - u'A';
  if (c >= u'a' && c <= u'z') return c - u'a' + 26;
  if (c >= u'0' && c <= u'9') return c - u'0' + 52;
  if (c == u'+') return 62;
  if (c == u'/') return 63;
  return -1;
}

bool IsSkippedWhiteSpace(char16_t c) {
  return c == u' ' || c == u'\t' || c == u'\r' || c == u'\n';
}

[[noreturn]] void ThrowNotBase64() {
  throw FormatError(
      "The input is not valid Base64: it holds a character outside the Base64 alphabet, a length "
      "that is not a multiple of four, or misplaced \"=\" fill characters.");
}

}  // namespace

std::vector<uint8_t> TripleDesCbcEncrypt(ByteSpan key, ByteSpan iv, std::vector<uint8_t> plain) {
  CheckKeyAndIv(key, iv);
  // PKCS#7: always 1 to 8 bytes, each holding the count, so that the fill can be told from data.
  const size_t fill = kTripleDesBlockSize - plain.size() % kTripleDesBlockSize;
  plain.insert(plain.end(), fill, uint8_t(fill));
  detail::TripleDesCbc(true, key, iv, plain);
  return plain;
}

std::vector<uint8_t> TripleDesCbcDecrypt(ByteSpan key, ByteSpan iv, std::vector<uint8_t> cipher) {
  CheckKeyAndIv(key, iv);
  if (cipher.empty() || cipher.size() % kTripleDesBlockSize != 0) {
    throw CryptographicError(
        "The length of the data to decrypt is invalid: " + std::to_string(cipher.size()) +
        " bytes, not a positive multiple of 8.");
  }
  detail::TripleDesCbc(false, key, iv, cipher);
  std::vector<uint8_t>& plain = cipher;
  const uint8_t fill = plain.back();
  bool valid = fill >= 1 && fill <= kTripleDesBlockSize;
  for (size_t i = 0; valid && i < fill; ++i) valid = plain[plain.size() - 1 - i] == fill;
  if (!valid) {
    throw CryptographicError(
        "Padding is invalid and cannot be removed: wrong key or damaged data.");
  }
  plain.resize(plain.size() - fill);
  return plain;
}

std::string ToBase64(ByteSpan data) {
  std::string text((data.size() + 2) / 3 * 4, '=');
  char* out = text.data();
  size_t i = 0;
  for (; i + 3 <= data.size(); i += 3, out += 4) {
    const uint32_t group = uint32_t(data[i]) << 16 | uint32_t(data[i + 1]) << 8 | data[i + 2];
    out[0] = kAlphabet[group >> 18];
    out[1] = kAlphabet[(group >> 12) & 63];
    out[2] = kAlphabet[(group >> 6) & 63];
    out[3] = kAlphabet[group & 63];
  }
  if (const size_t rest = data.size() - i) {  // the "=" fill is already in place
    const uint32_t group = uint32_t(data[i]) << 16 | (rest == 2 ? uint32_t(data[i + 1]) << 8 : 0);
    out[0] = kAlphabet[group >> 18];
    out[1] = kAlphabet[(group >> 12) & 63];
    if (rest == 2) out[2] = kAlphabet[(group >> 6) & 63];
  }
  return text;
}

std::vector<uint8_t> FromBase64(std::u16string_view text) {
  // The characters that count, and the trailing "=" among them, without copying the text.
  size_t counted = 0;
  size_t fill = 0;
  for (char16_t c : text) {
    if (IsSkippedWhiteSpace(c)) continue;
    ++counted;
    fill = c == u'=' ? fill + 1 : 0;
  }
  if (counted % 4 != 0 || fill > 2) ThrowNotBase64();

  const size_t digits = counted - fill;
  std::vector<uint8_t> bytes(digits * 6 / 8);
  size_t written = 0;
  size_t seen = 0;
  uint32_t group = 0;
  int bits = 0;
  for (size_t i = 0; seen < digits; ++i) {
    const char16_t c = text[i];
    if (IsSkippedWhiteSpace(c)) continue;
    ++seen;
    const int value = Base64Value(c);  // an "=" before the trailing ones lands here
    if (value < 0) ThrowNotBase64();
    group = (group << 6) | uint32_t(value);
    bits += 6;
    if (bits >= 8) {
      bits -= 8;
      bytes[written++] = uint8_t(group >> bits);
      group &= (1u << bits) - 1;
    }
  }
  return bytes;
}

}  // namespace Tarnwick::platform
