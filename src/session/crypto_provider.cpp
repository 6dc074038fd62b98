// CryptoProvider: stored passwords, Triple DES under a key derived from the names.
#include "session/crypto_provider.h"

#include <cstdio>
#include <exception>
#include <string>
#include <utility>

#include "platform/crypto.h"
#include "platform/text.h"
#include "session/utf16le.h"
#include "tarnwick/error.h"

namespace Tarnwick::CryptoProvider {
namespace {

// The initialisation vector: the same for every password and key, rebuilt on every call.
std::vector<uint8_t> InitialisationVector() {
  return TruncateHash(u"", 8);
}

void WriteStandardOutputLine(const std::string& line) {
  std::fwrite(line.data(), 1, line.size(), stdout);
  std::fputc('\n', stdout);
  std::fflush(stdout);
}

}  // namespace

std::vector<uint8_t> TruncateHash(std::u16string_view sKey, int32_t iLength) {
  if (iLength < 0) throw Error("TruncateHash: negative length " + std::to_string(iLength));
  const auto digest = platform::Sha1(session::Utf16LeView(sKey).bytes());
  std::vector<uint8_t> bytes(size_t(iLength), 0);
  // Bytes 0 to 18 of the digest and never the twentieth: texts kept in settings files were
  // made with this key, so the quirk stays.
  for (size_t i = 0; i < bytes.size() && i + 1 < digest.size(); ++i) bytes[i] = digest[i];
  return bytes;
}

std::u16string EncryptData(std::u16string_view sData, std::u16string_view sKey) {
  const std::vector<uint8_t> cipher =
      platform::TripleDesCbcEncrypt(TruncateHash(sKey, 24), InitialisationVector(),
                                    session::ToUtf16LeBytes(sData, platform::kTripleDesBlockSize));
  return platform::FromAscii(platform::ToBase64(cipher));
}

std::u16string DecryptData(std::u16string_view sEncrpytedData, std::u16string_view sKey) {
  std::vector<uint8_t> cipher = platform::FromBase64(sEncrpytedData);
  return session::FromUtf16LeBytes(platform::TripleDesCbcDecrypt(
      TruncateHash(sKey, 24), InitialisationVector(), std::move(cipher)));
}

std::u16string EncryptDecrypt(std::u16string_view sDatasource, std::u16string_view sUserName,
                              std::u16string_view sPassword, bool bEncrypt) {
  if (sDatasource.empty() || sUserName.empty() || sPassword.empty()) return {};
  const std::u16string key =
      platform::ToLowerLocale(sDatasource) + u"_" + platform::ToLowerLocale(sUserName);
  // The line after "Details: " names where the error was raised, which is what a caller
  // reading the console can act on.
  const char* site = bEncrypt ? "at Tarnwick::CryptoProvider::EncryptData"
                              : "at Tarnwick::CryptoProvider::DecryptData";
  try {
    return bEncrypt ? EncryptData(sPassword, key) : DecryptData(sPassword, key);
  } catch (const std::exception& e) {
    WriteStandardOutputLine(std::string("Error: ") + e.what());
  } catch (...) {
    WriteStandardOutputLine("Error: unknown error");
  }
  WriteStandardOutputLine(std::string("Details: ") + site);
  return {};
}

std::u16string GetEncryptedPassword(std::u16string_view sDataSource, std::u16string_view sUserName,
                                    std::u16string_view sPassword) {
  return EncryptDecrypt(sDataSource, sUserName, sPassword, true);
}

std::u16string GetDecryptedPassword(std::u16string_view sDataSource, std::u16string_view sUserName,
                                    std::u16string_view sPassword) {
  return EncryptDecrypt(sDataSource, sUserName, sPassword, false);
}

}  // namespace Tarnwick::CryptoProvider
