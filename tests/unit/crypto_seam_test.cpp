// The crypto seam on each platform (OpenSSL natively, CNG under Wine): published digests, the
// Base64 codec's edges, and the PKCS#7 fill check over the platform's raw cipher.
#include <gtest/gtest.h>

#include <string>

#include "platform/crypto.h"
#include "platform/text.h"
#include "tarnwick/error.h"

namespace Tarnwick::platform {
namespace {

using Bytes = std::vector<uint8_t>;

Bytes AsBytes(std::string_view text) {
  return Bytes(text.begin(), text.end());
}

std::string Hex(ByteSpan bytes) {
  static constexpr char kDigits[] = "0123456789abcdef";
  std::string hex;
  for (uint8_t b : bytes) {
    hex += kDigits[b >> 4];
    hex += kDigits[b & 15];
  }
  return hex;
}

TEST(CryptoSeam, DigestsMatchPublishedValues) {
  // FIPS 180 and RFC 1321 examples.
  EXPECT_EQ(Hex(Sha1(AsBytes("abc"))), "a9993e364706816aba3e25717850c26c9cd0d89d");
  EXPECT_EQ(Hex(Sha1({})), "da39a3ee5e6b4b0d3255bfef95601890afd80709");
  EXPECT_EQ(Hex(Md5(AsBytes("abc"))), "900150983cd24fb0d6963f7d28e17f72");
  EXPECT_EQ(Hex(Md5({})), "d41d8cd98f00b204e9800998ecf8427e");
  const Bytes million(1000000, 'a');
  EXPECT_EQ(Hex(Sha1(million)), "34aa973cd4c4daa4f61eeb2bdbad27316534016f");
}

TEST(CryptoSeam, Base64FollowsRfc4648) {
  const std::pair<const char*, const char16_t*> vectors[] = {
      {"", u""},
      {"f", u"Zg=="},
      {"fo", u"Zm8="},
      {"foo", u"Zm9v"},
      {"foob", u"Zm9vYg=="},
      {"fooba", u"Zm9vYmE="},
      {"foobar", u"Zm9vYmFy"},
  };
  for (const auto& [plain, text] : vectors) {
    SCOPED_TRACE(plain);
    EXPECT_EQ(FromAscii(ToBase64(AsBytes(plain))), text);
    EXPECT_EQ(FromBase64(text), AsBytes(plain));
  }
  const Bytes all = [] {
    Bytes b;
    for (int i = 0; i < 256; ++i) b.push_back(uint8_t(i));
    return b;
  }();
  EXPECT_EQ(FromBase64(FromAscii(ToBase64(all))), all);
  EXPECT_EQ(ToBase64(Bytes{0xfb, 0xff, 0xbf}), "+/+/");
}

TEST(CryptoSeam, Base64DecoderSkipsWhiteSpaceAndUnusedBits) {
  EXPECT_EQ(FromBase64(u" Zm9v\r\nYmE=\t"), AsBytes("fooba"));
  EXPECT_EQ(FromBase64(u"Zh=="), AsBytes("f"));  // the low bits of "h" fall outside the byte
  EXPECT_EQ(FromBase64(u"  "), Bytes{});
}

TEST(CryptoSeam, Base64DecoderRefusesMalformedText) {
  std::u16string withNull = u"Zm9v";
  withNull += char16_t(0);
  withNull += u"YmFy";
  for (const std::u16string& text : std::initializer_list<std::u16string>{
           u"Zm9", u"Zm9vY", u"Zm9v*mFy", u"Zm9v-_Fy", u"Zm=v", u"Z===", u"====", u"Zm9vYg=",
           u"=Zm9", u"Zm9v\u00c4mFy", u"Zm9\uFF56", withNull, u"Zm9v\u00a0YmFy"}) {
    SCOPED_TRACE(ToUtf8(text));
    EXPECT_THROW(FromBase64(text), FormatError);
  }
}

TEST(CryptoSeam, TripleDesFillIsAddedAndCheckedExactly) {
  const Bytes key24 = {0x8b, 0xa4, 0x56, 0xb6, 0x63, 0xec, 0x5b, 0xac, 1,  2,  3,  4,
                       5,    6,    7,    8,    9,    10,   11,   12,   13, 14, 15, 16};
  const Bytes iv = {8, 7, 6, 5, 4, 3, 2, 1};

  for (size_t length : {0u, 1u, 7u, 8u, 9u, 16u}) {
    SCOPED_TRACE(length);
    const Bytes plain(length, 0x41);
    const Bytes cipher = TripleDesCbcEncrypt(key24, iv, plain);
    EXPECT_EQ(cipher.size(), (length / 8 + 1) * 8);  // always 1 to 8 fill bytes
    EXPECT_EQ(TripleDesCbcDecrypt(key24, iv, cipher), plain);
  }

  // Blocks whose decryption ends in the given bytes, made with the raw cipher.
  auto decryptEnding = [&](Bytes lastBlock) {
    detail::TripleDesCbc(true, key24, iv, lastBlock);
    return TripleDesCbcDecrypt(key24, iv, lastBlock);
  };
  EXPECT_EQ(decryptEnding({1, 2, 3, 4, 5, 6, 2, 2}), (Bytes{1, 2, 3, 4, 5, 6}));
  EXPECT_EQ(decryptEnding({8, 8, 8, 8, 8, 8, 8, 8}), Bytes{});
  for (const Bytes& bad : std::initializer_list<Bytes>{
           {1, 2, 3, 4, 5, 6, 7, 0},  // no fill count
           {1, 2, 3, 4, 5, 6, 7, 9},  // more than a block
           {1, 2, 3, 4, 5, 6, 3, 2},  // fill bytes that differ
           {7, 8, 8, 8, 8, 8, 8, 8},  // one byte short of a full fill block
       }) {
    SCOPED_TRACE(Hex(bad));
    EXPECT_THROW(decryptEnding(bad), CryptographicError);
  }
  for (size_t length : {0u, 7u, 12u}) {
    EXPECT_THROW(TripleDesCbcDecrypt(key24, iv, Bytes(length, 0)), CryptographicError);
  }
  EXPECT_THROW(TripleDesCbcEncrypt(Bytes(8, 1), iv, Bytes{}), CryptographicError);  // 8-byte key
}

}  // namespace
}  // namespace Tarnwick::platform
