// Cryptographic primitives: SHA-1 and MD5 digests, Triple DES in CBC mode with PKCS#7 fill, and
// Base64 text.
//
//   auto key = platform::Sha1(bytes);                          // 20 bytes
//   std::vector<uint8_t> cipher = platform::TripleDesCbcEncrypt(key24, iv8, plain);
//   std::string text = platform::ToBase64(cipher);             // "B29BgOIdf9/S41QMZOWCBw=="
//
// The digests and the cipher come from the platform (CNG on Windows, OpenSSL natively); the
// PKCS#7 fill, its check and the Base64 codec are portable, so every build accepts and refuses
// exactly the same input. Nothing here keeps state between calls: any thread may call at any
// time.
//
// Errors: Tarnwick::FormatError for text that is not Base64, Tarnwick::CryptographicError for a
// cipher that does not decrypt (wrong length, bad fill bytes) or a platform failure.
#pragma once

#include <array>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace Tarnwick::platform {

using ByteSpan = std::span<const uint8_t>;

std::array<uint8_t, 20> Sha1(ByteSpan data);
std::array<uint8_t, 16> Md5(ByteSpan data);

// Triple DES (three-key EDE) in CBC mode; key of 24 bytes, initialisation vector of 8 bytes.
// Encryption always adds 1 to 8 PKCS#7 fill bytes; decryption checks and removes them and
// refuses a cipher that is empty or not a whole number of 8-byte blocks.
inline constexpr size_t kTripleDesKeySize = 24;
inline constexpr size_t kTripleDesBlockSize = 8;
// Both work in place on the buffer they are given (moved in: no copy of the data).
std::vector<uint8_t> TripleDesCbcEncrypt(ByteSpan key, ByteSpan iv, std::vector<uint8_t> plain);
std::vector<uint8_t> TripleDesCbcDecrypt(ByteSpan key, ByteSpan iv, std::vector<uint8_t> cipher);

// Standard Base64 (RFC 4648 alphabet, "=" fill, no line breaks).
std::string ToBase64(ByteSpan data);
// Reads what ToBase64 writes. Like the .NET decoder that wrote the texts kept in settings files,
// it skips spaces, tabs, CR and LF anywhere and ignores the unused low bits of the last
// character, and refuses any other character outside the alphabet, a length (without the
// skipped characters) that is not a multiple of four, and "=" anywhere but as the last one or
// two characters.
std::vector<uint8_t> FromBase64(std::u16string_view text);

namespace detail {
// The platform's Triple DES CBC over whole blocks, without fill, in place; data.size() is a
// multiple of 8.
void TripleDesCbc(bool encrypt, ByteSpan key, ByteSpan iv, std::span<uint8_t> data);
}  // namespace detail

}  // namespace Tarnwick::platform
