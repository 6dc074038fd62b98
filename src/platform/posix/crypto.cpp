// POSIX: the digests and Triple DES from OpenSSL's libcrypto.
#include <openssl/err.h>
#include <openssl/evp.h>

#include <memory>
#include <string>

#include "platform/crypto.h"
#include "tarnwick/error.h"

namespace Tarnwick::platform {
namespace {

struct CipherContextFree {
  void operator()(EVP_CIPHER_CTX* context) const { EVP_CIPHER_CTX_free(context); }
};
struct DigestFree {
  void operator()(EVP_MD* digest) const { EVP_MD_free(digest); }
};
struct CipherFree {
  void operator()(EVP_CIPHER* cipher) const { EVP_CIPHER_free(cipher); }
};

[[noreturn]] void ThrowOpenSslError(const char* what) {
  const unsigned long code = ERR_get_error();
  ERR_clear_error();
  char reason[256] = "no reason given";
  if (code != 0) ERR_error_string_n(code, reason, sizeof reason);
  throw CryptographicError(std::string(what) + " failed: " + reason);
}

// OpenSSL 3 looks an algorithm up in its providers on every implicit use; fetching it once
// keeps that search out of every call. The fetched objects are immutable and thread-safe.
EVP_MD* FetchedDigest(const char* name) {
  EVP_MD* digest = EVP_MD_fetch(nullptr, name, nullptr);
  if (!digest) ThrowOpenSslError(name);
  return digest;
}

template <size_t N>
std::array<uint8_t, N> Digest(const EVP_MD* digest, ByteSpan data) {
  std::array<uint8_t, N> out{};
  unsigned int size = 0;
  if (!EVP_Digest(data.data(), data.size(), out.data(), &size, digest, nullptr) || size != N) {
    ThrowOpenSslError("Computing a digest");
  }
  return out;
}

}  // namespace

std::array<uint8_t, 20> Sha1(ByteSpan data) {
  static const std::unique_ptr<EVP_MD, DigestFree> sha1(FetchedDigest("SHA1"));
  return Digest<20>(sha1.get(), data);
}

std::array<uint8_t, 16> Md5(ByteSpan data) {
  static const std::unique_ptr<EVP_MD, DigestFree> md5(FetchedDigest("MD5"));
  return Digest<16>(md5.get(), data);
}

namespace detail {

std::vector<uint8_t> TripleDesCbc(bool encrypt, ByteSpan key, ByteSpan iv, ByteSpan data) {
  static const std::unique_ptr<EVP_CIPHER, CipherFree> cipher = [] {
    EVP_CIPHER* fetched = EVP_CIPHER_fetch(nullptr, "DES-EDE3-CBC", nullptr);
    if (!fetched) ThrowOpenSslError("Fetching DES-EDE3-CBC");
    return std::unique_ptr<EVP_CIPHER, CipherFree>(fetched);
  }();

  std::unique_ptr<EVP_CIPHER_CTX, CipherContextFree> context(EVP_CIPHER_CTX_new());
  if (!context) ThrowOpenSslError("Creating a cipher context");
  // The portable half adds and checks the PKCS#7 fill, so OpenSSL sees whole blocks only.
  if (!EVP_CipherInit_ex2(context.get(), cipher.get(), key.data(), iv.data(), encrypt ? 1 : 0,
                          nullptr) ||
      !EVP_CIPHER_CTX_set_padding(context.get(), 0)) {
    ThrowOpenSslError("Setting up Triple DES");
  }
  std::vector<uint8_t> out(data.size());
  int written = 0;
  int finished = 0;
  if (!EVP_CipherUpdate(context.get(), out.data(), &written, data.data(), int(data.size())) ||
      !EVP_CipherFinal_ex(context.get(), out.data() + written, &finished) ||
      size_t(written) + size_t(finished) != data.size()) {
    ThrowOpenSslError("Triple DES");
  }
  return out;
}

}  // namespace detail
}  // namespace Tarnwick::platform
