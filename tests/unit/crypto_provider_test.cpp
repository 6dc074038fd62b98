// Stored passwords and the credential hash against answers computed outside this code base
// (crypto_test_data.h). The same table runs natively (OpenSSL) and under Wine (CNG), so both
// builds produce and accept identical texts.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <functional>

#include "crypto_test_data.h"
#include "platform/text.h"
#include "session/credential_hash.h"
#include "session/crypto_provider.h"
#include "tarnwick/crypto_provider.h"
#include "tarnwick/error.h"

namespace Tarnwick {
namespace {

using ::testing::ElementsAre;
using testing::kCredentialVectors;
using testing::kPasswordVectors;
using ::testing::StartsWith;

constexpr char kDecryptDetails[] = "Details: at Tarnwick::CryptoProvider::DecryptData";

struct Captured {
  std::u16string result;
  std::vector<std::string> lines;  // standard output, line by line
};

Captured CaptureStandardOutput(const std::function<std::u16string()>& call) {
  ::testing::internal::CaptureStdout();
  Captured captured{call(), {}};
  std::string output = ::testing::internal::GetCapturedStdout();
  std::string line;
  for (char c : output) {
    if (c == '\n') {
      captured.lines.push_back(line);
      line.clear();
    } else if (c != '\r') {
      line += c;
    }
  }
  if (!line.empty()) captured.lines.push_back(line);
  return captured;
}

std::string Trace(const testing::PasswordVector& v) {
  return platform::ToUtf8(v.dataSource) + " / " + platform::ToUtf8(v.user) + " / " +
         platform::ToUtf8(v.password);
}

TEST(CryptoProvider, KnownAnswersInBothDirections) {
  for (const auto& v : kPasswordVectors) {
    SCOPED_TRACE(Trace(v));
    EXPECT_EQ(CryptoProvider::GetEncryptedPassword(v.dataSource, v.user, v.password), v.text);
    EXPECT_EQ(CryptoProvider::GetDecryptedPassword(v.dataSource, v.user, v.text), v.password);
  }
  // 8 characters: 24 cipher bytes, 32 characters of text.
  EXPECT_EQ(CryptoProvider::GetEncryptedPassword(u"archive:Main", u"Bob", u"12345678").size(), 32u);
}

TEST(CryptoProvider, NamesAreLowerCasedIntoTheKey) {
  const struct {
    const char16_t* dataSource;
    const char16_t* user;
    const testing::PasswordVector& made;
  } cases[] = {
      {u"ARCHIVE:MAIN", u"ALICE", kPasswordVectors[0]},
      {u"Archive:main", u"bOB", kPasswordVectors[1]},
      {u"B\u00dcRO-ARCHIV", u"J\u00dcRGEN", kPasswordVectors[2]},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(platform::ToUtf8(c.dataSource) + " / " + platform::ToUtf8(c.user));
    EXPECT_EQ(CryptoProvider::GetDecryptedPassword(c.dataSource, c.user, c.made.text),
              c.made.password);
    EXPECT_EQ(CryptoProvider::GetEncryptedPassword(c.dataSource, c.user, c.made.password),
              c.made.text);
  }
  // EncryptData and DecryptData take the key text as it is.
  EXPECT_EQ(CryptoProvider::EncryptData(u"Secret1", u"archive:main_alice"),
            kPasswordVectors[0].text);
  EXPECT_EQ(CryptoProvider::DecryptData(kPasswordVectors[0].text, u"archive:main_alice"),
            u"Secret1");
  EXPECT_NE(CryptoProvider::EncryptData(u"Secret1", u"archive:Main_alice"),
            kPasswordVectors[0].text);
}

TEST(CryptoProvider, TextThatDoesNotDecryptGivesEmptyTextAndTwoLines) {
  const char16_t* secret1 = kPasswordVectors[0].text;
  Captured wrongUser = CaptureStandardOutput(
      [&] { return CryptoProvider::GetDecryptedPassword(u"archive:Main", u"bob", secret1); });
  EXPECT_EQ(wrongUser.result, u"");
  EXPECT_THAT(wrongUser.lines,
              ElementsAre("Error: Padding is invalid and cannot be removed: wrong key or damaged "
                          "data.",
                          kDecryptDetails));

  const struct {
    const char* what;
    const char16_t* dataSource;
    const char16_t* user;
    const char16_t* text;
  } cases[] = {
      {"other data source", u"archive:Other", u"alice", secret1},
      {"other user, 24 cipher bytes", u"archive:Main", u"alice", kPasswordVectors[1].text},
      {"user differing by an accent", u"B\u00fcro-Archiv", u"Jurgen", kPasswordVectors[2].text},
      {"a character cut off", u"archive:Main", u"alice", u"B29BgOIdf9/S41QMZOWCBw="},
      {"a character outside Base64", u"archive:Main", u"alice", u"B29BgOId*9/S41QMZOWCBw=="},
      {"fill in the middle", u"archive:Main", u"alice", u"B29BgOIdf9/S41QM=OWCBw=="},
      {"three fill characters", u"archive:Main", u"alice", u"B29BgOIdf9/S41QMZOWCB==="},
      {"12 bytes, not whole blocks", u"archive:Main", u"alice", u"B29BgOIdf9/S41QM"},
      // The fill block of "12345678" cut off: the data block then ends in a zero byte.
      {"a block cut off", u"archive:Main", u"Bob", u"eGqZvwbxm0nCHTQTjq7Jqg=="},
      {"a damaged last block", u"archive:Main", u"alice", u"B29BgOIdf9/S41QMZOWDBw=="},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    Captured out = CaptureStandardOutput(
        [&] { return CryptoProvider::GetDecryptedPassword(c.dataSource, c.user, c.text); });
    EXPECT_EQ(out.result, u"");
    EXPECT_THAT(out.lines, ElementsAre(StartsWith("Error: "), kDecryptDetails));
  }
}

TEST(CryptoProvider, EmptyTextsGiveEmptyTextSilently) {
  const struct {
    const char16_t* dataSource;
    const char16_t* user;
    const char16_t* password;
  } cases[] = {
      {u"", u"alice", u"Secret1"},
      {u"archive:Main", u"", u"Secret1"},
      {u"archive:Main", u"alice", u""},
  };
  for (const auto& c : cases) {
    for (bool encrypt : {true, false}) {
      Captured out = CaptureStandardOutput([&] {
        return encrypt ? CryptoProvider::GetEncryptedPassword(c.dataSource, c.user, c.password)
                       : CryptoProvider::GetDecryptedPassword(c.dataSource, c.user, c.password);
      });
      EXPECT_EQ(out.result, u"");
      EXPECT_TRUE(out.lines.empty());
    }
  }
}

TEST(CryptoProvider, DecryptDataRaisesTheError) {
  const char16_t* key = u"archive:main_alice";
  EXPECT_THROW(CryptoProvider::DecryptData(u"B29BgOId*9/S41QMZOWCBw==", key), FormatError);
  EXPECT_THROW(CryptoProvider::DecryptData(u"B29BgOIdf9/S41QM", key), CryptographicError);
  EXPECT_THROW(CryptoProvider::DecryptData(u"", key), CryptographicError);
  EXPECT_THROW(CryptoProvider::DecryptData(kPasswordVectors[0].text, u"archive:main_bob"),
               CryptographicError);
}

TEST(CryptoProvider, StoredTextMayCarryLineBreaksAndSpaces) {
  // Settings files written by hand wrap or indent values; the decoder skips white space.
  EXPECT_EQ(CryptoProvider::GetDecryptedPassword(u"archive:Main", u"Bob",
                                                 u" eGqZvwbxm0nCHTQT\r\n\tjq7Jqt7JJdIQfnUp \n"),
            u"12345678");
}

TEST(CryptoProvider, TruncateHashKeepsNineteenDigestBytesThenZeros) {
  using Bytes = std::vector<uint8_t>;
  // SHA-1 of no input is da39a3ee5e6b4b0d3255bfef95601890afd80709.
  EXPECT_EQ(CryptoProvider::TruncateHash(u"", 8),
            (Bytes{0xda, 0x39, 0xa3, 0xee, 0x5e, 0x6b, 0x4b, 0x0d}));
  EXPECT_EQ(CryptoProvider::TruncateHash(u"", 20),
            (Bytes{0xda, 0x39, 0xa3, 0xee, 0x5e, 0x6b, 0x4b, 0x0d, 0x32, 0x55,
                   0xbf, 0xef, 0x95, 0x60, 0x18, 0x90, 0xaf, 0xd8, 0x07, 0x00}));
  const Bytes key = CryptoProvider::TruncateHash(u"archive:main_alice", 24);
  EXPECT_EQ(key, (Bytes{0x8b, 0xa4, 0x56, 0xb6, 0x63, 0xec, 0x5b, 0xac, 0x94, 0xaf, 0x54, 0xba,
                        0xdc, 0x62, 0x03, 0xe9, 0x36, 0x54, 0x56, 0,    0,    0,    0,    0}));
  const Bytes longer = CryptoProvider::TruncateHash(u"archive:main_alice", 40);
  EXPECT_EQ(Bytes(longer.begin(), longer.begin() + 24), key);
  EXPECT_EQ(Bytes(longer.begin() + 19, longer.end()), Bytes(21, 0));
  EXPECT_TRUE(CryptoProvider::TruncateHash(u"x", 0).empty());
  EXPECT_THROW(CryptoProvider::TruncateHash(u"x", -1), Error);
}

TEST(CredentialHash, KnownAnswers) {
  for (const auto& v : kCredentialVectors) {
    SCOPED_TRACE(platform::ToUtf8(v.dataSource) + " / " + platform::ToUtf8(v.schema) + " / " +
                 platform::ToUtf8(v.typeName));
    EXPECT_EQ(OvWrapper::GetCredentialHash(v.typeName, v.dataSource, v.user, v.password, v.schema),
              v.hash);
  }
}

TEST(LocaleLowerCase, LowersLettersAndPassesTheRestThrough) {
  EXPECT_EQ(platform::ToLowerLocale(u"ARCHIVE:Main_ALICE"), u"archive:main_alice");
  EXPECT_EQ(platform::ToLowerLocale(u"B\u00dcRO \u00c4\u00d6 \u0391\u0392"),
            u"b\u00fcro \u00e4\u00f6 \u03b1\u03b2");
  std::u16string odd = u"x\U0001F511";
  odd += char16_t(0xD800);  // a lone surrogate stays as it is
  odd += u"Y";
  std::u16string lowered = u"x\U0001F511";
  lowered += char16_t(0xD800);
  lowered += u"y";
  EXPECT_EQ(platform::ToLowerLocale(odd), lowered);
  EXPECT_EQ(platform::ToLowerLocale(u""), u"");
}

}  // namespace
}  // namespace Tarnwick
