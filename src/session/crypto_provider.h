// The private operations of CryptoProvider (tarnwick/crypto_provider.h), for the library and its
// tests.
#pragma once

#include <cstdint>
#include <string_view>
#include <vector>

#include "tarnwick/crypto_provider.h"

namespace Tarnwick::CryptoProvider {

// The shared body of GetEncryptedPassword (bEncrypt true) and GetDecryptedPassword.
std::u16string EncryptDecrypt(std::u16string_view sDatasource, std::u16string_view sUserName,
                              std::u16string_view sPassword, bool bEncrypt);

// iLength bytes: the first 19 bytes of the SHA-1 digest of sKey's UTF-16LE bytes (never the
// twentieth), then zeros. A negative length raises Tarnwick::Error.
std::vector<uint8_t> TruncateHash(std::u16string_view sKey, int32_t iLength);

}  // namespace Tarnwick::CryptoProvider
