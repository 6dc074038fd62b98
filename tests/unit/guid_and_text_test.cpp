// GUID text in every standard form, and the UTF-16/UTF-8 conversions under it all.
#include <gtest/gtest.h>

#include "platform/text.h"
#include "tarnwick/error.h"
#include "tarnwick/guid.h"

namespace Tarnwick {
namespace {

constexpr char16_t kCanonical[] = u"0f8fad5b-d9cb-469f-a165-70867728950e";

TEST(Guid, ReadsEveryStandardForm) {
  for (const char16_t* text : {
           u"0f8fad5b-d9cb-469f-a165-70867728950e",
           u"0F8FAD5B-D9CB-469F-A165-70867728950E",
           u"0f8fad5bd9cb469fa16570867728950e",
           u"{0F8FAD5B-D9CB-469F-A165-70867728950E}",
           u"(0f8fad5b-d9cb-469f-a165-70867728950e)",
           u"  {0f8fad5b-d9cb-469f-a165-70867728950e}\t",
       }) {
    SCOPED_TRACE(platform::ToUtf8(text));
    EXPECT_EQ(Guid::Parse(text).ToString(), kCanonical);
  }
}

TEST(Guid, FieldsFollowTheWindowsLayout) {
  Guid guid = Guid::Parse(kCanonical);
  EXPECT_EQ(guid.Data1, 0x0f8fad5bu);
  EXPECT_EQ(guid.Data2, 0xd9cb);
  EXPECT_EQ(guid.Data3, 0x469f);
  EXPECT_EQ(guid.Data4[0], 0xa1);
  EXPECT_EQ(guid.Data4[7], 0x0e);
  EXPECT_EQ(Guid{}.ToString(), u"00000000-0000-0000-0000-000000000000");
}

TEST(Guid, MalformedTextRaisesFormatError) {
  for (const char16_t* text : {
           u"", u"not a guid", u"0f8fad5b-d9cb-469f-a165-70867728950",     // 31 digits
           u"0f8fad5b-d9cb-469f-a165-70867728950e0",                         // too long
           u"0f8fad5bd9cb-469f-a165-70867728950e0",                          // hyphen misplaced
           u"0f8fad5g-d9cb-469f-a165-70867728950e",                          // not hex
           u"{0f8fad5b-d9cb-469f-a165-70867728950e)",                        // mixed brackets
           u"{0f8fad5bd9cb469fa16570867728950e}",                            // braces need hyphens
           u"0f8fad5b d9cb 469f a165 70867728950e",
       }) {
    SCOPED_TRACE(platform::ToUtf8(text));
    EXPECT_THROW(Guid::Parse(text), FormatError);
  }
}

TEST(Text, Utf8RoundTripsEveryKindOfCharacter) {
  const std::u16string text = u"a\u00e4\u20ac\U0001F309\uFFFF";
  const std::string bytes = platform::ToUtf8(text);
  EXPECT_EQ(bytes, "a\xC3\xA4\xE2\x82\xAC\xF0\x9F\x8C\x89\xEF\xBF\xBF");
  EXPECT_EQ(platform::Utf8Length(text), bytes.size());
  EXPECT_EQ(platform::FromUtf8(bytes), text);
}

TEST(Text, LoneSurrogatesAndMalformedBytesBecomeReplacementCharacters) {
  std::u16string lone = u"a";
  lone += char16_t(0xDC00);
  lone += u"b";
  EXPECT_EQ(platform::ToUtf8(lone), "a\xEF\xBF\xBD" "b");
  EXPECT_EQ(platform::Utf8Length(lone), 5u);

  EXPECT_EQ(platform::FromUtf8("a\xFF" "b"), u"a\uFFFDb");
  EXPECT_EQ(platform::FromUtf8("\xC0\xAF"), u"\uFFFD\uFFFD");  // overlong "/"
  EXPECT_EQ(platform::FromUtf8("\xED\xA0\x80"), u"\uFFFD\uFFFD\uFFFD");  // an encoded surrogate
  EXPECT_EQ(platform::FromUtf8("\xE2\x82"), u"\uFFFD\uFFFD");  // cut short
}

}  // namespace
}  // namespace Tarnwick
