// Passwords kept encrypted in settings files, such as the "OvPassword" setting of a program that
// logs in with OvSession.
//
//   auto text = CryptoProvider::GetEncryptedPassword(u"archive:Main", u"alice", u"Secret1");
//     // u"B29BgOIdf9/S41QMZOWCBw=="
//   CryptoProvider::GetDecryptedPassword(u"ARCHIVE:MAIN", u"Alice", text);  // u"Secret1"
//
// No key is stored anywhere: the key is derived from the two names, lower-cased under the
// current locale, so a text decrypts only for the names it was made with (in any letter case).
// The cipher is Triple DES in CBC mode with a fixed initialisation vector and no salt: the same
// password and names always give the same text, and texts made by earlier releases decrypt.
// This keeps a password out of plain sight in a file; it is no protection against someone who
// knows the names and this scheme.
//
// GetEncryptedPassword and GetDecryptedPassword never throw: an empty name or password gives
// empty text, and a text that does not decrypt gives empty text after two lines on standard
// output ("Error: ..." and "Details: ..."). A wrong key is not always noticed: when the last
// block happens to decrypt to valid fill bytes, unrelated text comes back. EncryptData and
// DecryptData take the key text as it is and raise their errors: Tarnwick::FormatError for text
// that is not Base64, Tarnwick::CryptographicError for a cipher that does not decrypt.
//
// No shared state: any thread may call at any time.
#pragma once

#include <string>
#include <string_view>

namespace Tarnwick::CryptoProvider {

std::u16string GetEncryptedPassword(std::u16string_view sDataSource, std::u16string_view sUserName,
                                    std::u16string_view sPassword);
std::u16string GetDecryptedPassword(std::u16string_view sDataSource, std::u16string_view sUserName,
                                    std::u16string_view sPassword);

std::u16string EncryptData(std::u16string_view sData, std::u16string_view sKey);
std::u16string DecryptData(std::u16string_view sEncrpytedData, std::u16string_view sKey);

}  // namespace Tarnwick::CryptoProvider
