// Win32: the digests and Triple DES from CNG (bcrypt.dll).
#include "platform/windows.h"
// bcrypt.h needs the types of windows.h first.
#include <bcrypt.h>

#include <algorithm>
#include <cstdio>
#include <string>

#include "platform/crypto.h"
#include "platform/win32/unique_handle.h"
#include "tarnwick/error.h"

namespace Tarnwick::platform {
namespace {

struct HashHandleTraits {
  using Handle = BCRYPT_HASH_HANDLE;
  static constexpr Handle Invalid() { return nullptr; }
  static void Close(Handle handle) { BCryptDestroyHash(handle); }
};
struct KeyHandleTraits {
  using Handle = BCRYPT_KEY_HANDLE;
  static constexpr Handle Invalid() { return nullptr; }
  static void Close(Handle handle) { BCryptDestroyKey(handle); }
};
using unique_bcrypt_hash = unique_handle<HashHandleTraits>;
using unique_bcrypt_key = unique_handle<KeyHandleTraits>;

[[noreturn]] void ThrowStatus(const char* call, NTSTATUS status) {
  char code[16];
  std::snprintf(code, sizeof code, "0x%08lX", static_cast<unsigned long>(status));
  throw CryptographicError(std::string(call) + " failed with status " + code);
}

void Check(const char* call, NTSTATUS status) {
  if (!BCRYPT_SUCCESS(status)) ThrowStatus(call, status);
}

// Opening a CNG provider is slow, its handle is thread-safe, and every call needs one: each
// provider is opened once per process and kept open for the life of the process. It is never
// closed, because the only moment for that would be DLL detach, where calling into another
// DLL is not safe.
BCRYPT_ALG_HANDLE OpenProvider(const wchar_t* algorithm) {
  BCRYPT_ALG_HANDLE provider = nullptr;
  Check("BCryptOpenAlgorithmProvider",
        BCryptOpenAlgorithmProvider(&provider, algorithm, nullptr, 0));
  return provider;
}

BCRYPT_ALG_HANDLE TripleDesCbcProvider() {
  static const BCRYPT_ALG_HANDLE provider = [] {
    BCRYPT_ALG_HANDLE opened = OpenProvider(BCRYPT_3DES_ALGORITHM);
    NTSTATUS status =
        BCryptSetProperty(opened, BCRYPT_CHAINING_MODE,
                          reinterpret_cast<PUCHAR>(const_cast<wchar_t*>(BCRYPT_CHAIN_MODE_CBC)),
                          sizeof(BCRYPT_CHAIN_MODE_CBC), 0);
    if (!BCRYPT_SUCCESS(status)) {
      BCryptCloseAlgorithmProvider(opened, 0);
      ThrowStatus("BCryptSetProperty(BCRYPT_CHAINING_MODE)", status);
    }
    return opened;
  }();
  return provider;
}

template <size_t N>
std::array<uint8_t, N> Digest(BCRYPT_ALG_HANDLE provider, ByteSpan data) {
  unique_bcrypt_hash hash;
  BCRYPT_HASH_HANDLE created = nullptr;
  // With no object buffer CNG allocates the hash object itself and frees it with the handle.
  Check("BCryptCreateHash", BCryptCreateHash(provider, &created, nullptr, 0, nullptr, 0, 0));
  hash.reset(created);
  Check("BCryptHashData",
        BCryptHashData(hash.get(), const_cast<PUCHAR>(data.data()), ULONG(data.size()), 0));
  std::array<uint8_t, N> out{};
  Check("BCryptFinishHash", BCryptFinishHash(hash.get(), out.data(), ULONG(out.size()), 0));
  return out;
}

}  // namespace

std::array<uint8_t, 20> Sha1(ByteSpan data) {
  static const BCRYPT_ALG_HANDLE provider = OpenProvider(BCRYPT_SHA1_ALGORITHM);
  return Digest<20>(provider, data);
}

std::array<uint8_t, 16> Md5(ByteSpan data) {
  static const BCRYPT_ALG_HANDLE provider = OpenProvider(BCRYPT_MD5_ALGORITHM);
  return Digest<16>(provider, data);
}

namespace detail {

void TripleDesCbc(bool encrypt, ByteSpan key, ByteSpan iv, std::span<uint8_t> data) {
  unique_bcrypt_key keyHandle;
  BCRYPT_KEY_HANDLE generated = nullptr;
  Check("BCryptGenerateSymmetricKey",
        BCryptGenerateSymmetricKey(TripleDesCbcProvider(), &generated, nullptr, 0,
                                   const_cast<PUCHAR>(key.data()), ULONG(key.size()), 0));
  keyHandle.reset(generated);

  // CNG updates the vector as it chains, so it gets a copy. No BCRYPT_BLOCK_PADDING: the
  // portable half adds and checks the PKCS#7 fill. CNG may write its output over its input.
  uint8_t chain[kTripleDesBlockSize];
  std::copy(iv.begin(), iv.end(), chain);
  const ULONG size = ULONG(data.size());
  ULONG written = 0;
  NTSTATUS status = encrypt ? BCryptEncrypt(keyHandle.get(), data.data(), size, nullptr, chain,
                                            sizeof chain, data.data(), size, &written, 0)
                            : BCryptDecrypt(keyHandle.get(), data.data(), size, nullptr, chain,
                                            sizeof chain, data.data(), size, &written, 0);
  Check(encrypt ? "BCryptEncrypt" : "BCryptDecrypt", status);
  if (written != size) ThrowStatus(encrypt ? "BCryptEncrypt" : "BCryptDecrypt", status);
}

}  // namespace detail
}  // namespace Tarnwick::platform
