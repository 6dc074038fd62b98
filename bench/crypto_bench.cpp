// A stored password's round trip (encrypt, then decrypt the text) through CryptoProvider,
// against the bare OpenSSL calls the same work needs: two SHA-1 digests for key and vector on
// each side, Triple DES CBC with OpenSSL's own PKCS#7 fill, and OpenSSL's Base64 blocks, on
// text already in UTF-16LE. What CryptoProvider adds is the lower-casing of the names, the
// UTF-16 conversions, the portable fill check and Base64 codec, and its result texts.
#include <benchmark/benchmark.h>
#include <openssl/evp.h>

#include <array>
#include <cstdio>
#include <cstring>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "ratio_reporter.h"
#include "tarnwick/crypto_provider.h"

namespace {

using Tarnwick::CryptoProvider::GetDecryptedPassword;
using Tarnwick::CryptoProvider::GetEncryptedPassword;

void BM_CryptoProviderRoundTrip(benchmark::State& state) {
  for (auto _ : state) {
    std::u16string text = GetEncryptedPassword(u"archive:Main", u"Alice", u"Secret1");
    std::u16string password = GetDecryptedPassword(u"archive:Main", u"Alice", text);
    benchmark::DoNotOptimize(password);
  }
}
BENCHMARK(BM_CryptoProviderRoundTrip);

// --- The bare OpenSSL calls --------------------------------------------------------------------

struct Algorithms {
  std::unique_ptr<EVP_MD, decltype(&EVP_MD_free)> sha1{EVP_MD_fetch(nullptr, "SHA1", nullptr),
                                                       &EVP_MD_free};
  std::unique_ptr<EVP_CIPHER, decltype(&EVP_CIPHER_free)> tdes{
      EVP_CIPHER_fetch(nullptr, "DES-EDE3-CBC", nullptr), &EVP_CIPHER_free};
};

std::vector<unsigned char> Utf16Le(const char* ascii) {
  std::vector<unsigned char> bytes;
  for (const char* p = ascii; *p; ++p) bytes.insert(bytes.end(), {(unsigned char)*p, 0});
  return bytes;
}

void KeyAndVector(const Algorithms& a, const std::vector<unsigned char>& keyText,
                  unsigned char key[24], unsigned char iv[8]) {
  unsigned char digest[20];
  EVP_Digest(keyText.data(), keyText.size(), digest, nullptr, a.sha1.get(), nullptr);
  std::memcpy(key, digest, 19);
  std::memset(key + 19, 0, 5);
  EVP_Digest(nullptr, 0, digest, nullptr, a.sha1.get(), nullptr);
  std::memcpy(iv, digest, 8);
}

using CipherContext = std::unique_ptr<EVP_CIPHER_CTX, decltype(&EVP_CIPHER_CTX_free)>;

// With a context that was set up before (reused), only the key and vector are new.
std::vector<unsigned char> Cipher(const Algorithms& a, const std::vector<unsigned char>& keyText,
                                  const unsigned char* in, int length, int encrypt,
                                  EVP_CIPHER_CTX* reused) {
  unsigned char key[24];
  unsigned char iv[8];
  KeyAndVector(a, keyText, key, iv);
  CipherContext fresh(reused ? nullptr : EVP_CIPHER_CTX_new(), &EVP_CIPHER_CTX_free);
  EVP_CIPHER_CTX* context = reused ? reused : fresh.get();
  std::vector<unsigned char> out(size_t(length) + 8);
  int written = 0;
  int finished = 0;
  if (!EVP_CipherInit_ex2(context, reused ? nullptr : a.tdes.get(), key, iv, encrypt, nullptr) ||
      !EVP_CipherUpdate(context, out.data(), &written, in, length) ||
      !EVP_CipherFinal_ex(context, out.data() + written, &finished)) {
    return {};
  }
  out.resize(size_t(written + finished));
  return out;
}

void BareRoundTrip(benchmark::State& state, bool reuseContext) {
  const Algorithms algorithms;
  const std::vector<unsigned char> keyText = Utf16Le("archive:main_alice");
  const std::vector<unsigned char> password = Utf16Le("Secret1");
  CipherContext reused(reuseContext ? EVP_CIPHER_CTX_new() : nullptr, &EVP_CIPHER_CTX_free);
  if (reused) EVP_CipherInit_ex2(reused.get(), algorithms.tdes.get(), nullptr, nullptr, 1, nullptr);
  for (auto _ : state) {
    std::vector<unsigned char> cipher =
        Cipher(algorithms, keyText, password.data(), int(password.size()), 1, reused.get());
    std::string text(4 * ((cipher.size() + 2) / 3) + 1, '\0');
    text.resize(size_t(EVP_EncodeBlock(reinterpret_cast<unsigned char*>(text.data()), cipher.data(),
                                       int(cipher.size()))));

    std::vector<unsigned char> decoded(text.size() / 4 * 3);
    int length = EVP_DecodeBlock(
        decoded.data(), reinterpret_cast<const unsigned char*>(text.data()), int(text.size()));
    for (size_t i = text.size(); i > 0 && text[i - 1] == '='; --i) --length;  // fill characters
    std::vector<unsigned char> plain =
        Cipher(algorithms, keyText, decoded.data(), length, 0, reused.get());
    if (plain != password) state.SkipWithError("the bare round trip lost the password");
    benchmark::DoNotOptimize(plain);
  }
}

// A new cipher context for every call, as most code using OpenSSL writes it.
void BM_BareOpenSslRoundTrip(benchmark::State& state) {
  BareRoundTrip(state, false);
}
BENCHMARK(BM_BareOpenSslRoundTrip);

// One context set up once and given a new key per call, as CryptoProvider does on each thread:
// the tightest the bare calls get.
void BM_BareOpenSslRoundTripReusedContext(benchmark::State& state) {
  BareRoundTrip(state, true);
}
BENCHMARK(BM_BareOpenSslRoundTripReusedContext);
TARNWICK_RATIO("BM_CryptoProviderRoundTrip", "BM_BareOpenSslRoundTrip", 1.2);
TARNWICK_RATIO("BM_CryptoProviderRoundTrip", "BM_BareOpenSslRoundTripReusedContext", 1.2);

}  // namespace
