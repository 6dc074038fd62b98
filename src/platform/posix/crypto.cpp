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

void TripleDesCbc(bool encrypt, ByteSpan key, ByteSpan iv, std::span<uint8_t> data) {
  // Setting a context up (cipher, fill switched off) costs about as much as encrypting a short
  // password, so each thread sets one up once and gives it a new key and vector per call. The
  // fill setting stays through a new key. Threads share nothing.
  thread_local const std::unique_ptr<EVP_CIPHER_CTX, CipherContextFree> context = [] {
    static const std::unique_ptr<EVP_CIPHER, CipherFree> cipher = [] {
      EVP_CIPHER* fetched = EVP_CIPHER_fetch(nullptr, "DES-EDE3-CBC", nullptr);
      if (!fetched) ThrowOpenSslError("Fetching DES-EDE3-CBC");
      return std::unique_ptr<EVP_CIPHER, CipherFree>(fetched);
    }();
    std::unique_ptr<EVP_CIPHER_CTX, CipherContextFree> made(EVP_CIPHER_CTX_new());
    // The portable half adds and checks the PKCS#7 fill, so OpenSSL sees whole blocks only.
    if (!made || !EVP_CipherInit_ex2(made.get(), cipher.get(), nullptr, nullptr, 1, nullptr) ||
        !EVP_CIPHER_CTX_set_padding(made.get(), 0)) {
      ThrowOpenSslError("Setting up Triple DES");
    }
    return made;
  }();

  if (!EVP_CipherInit_ex2(context.get(), nullptr, key.data(), iv.data(), encrypt ? 1 : 0,
                          nullptr)) {
    ThrowOpenSslError("Setting the Triple DES key");
  }
  // CBC in OpenSSL may write its output over its input.
  int written = 0;
  int finished = 0;
  if (!EVP_CipherUpdate(context.get(), data.data(), &written, data.data(), int(data.size())) ||
      !EVP_CipherFinal_ex(context.get(), data.data() + written, &finished) ||
      size_t(written) + size_t(finished) != data.size()) {
    ThrowOpenSslError("Triple DES");
  }
}

}  // namespace detail
}  // namespace Tarnwick::platform
