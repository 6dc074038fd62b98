// Reading values from host text: the accepted forms of each type, and what is refused.
#include <gtest/gtest.h>

#include <cmath>

#include "util/value_parsing.h"

namespace Tarnwick::util {
namespace {

using DateOrder = ParseConventions::DateOrder;

const ParseConventions kC{};  // the "C" locale: '.', ',', month/day/year
const ParseConventions kGerman{u',', u'.', DateOrder::DayMonthYear};
const ParseConventions kYearFirst{u'.', u',', DateOrder::YearMonthDay};

DateTime At(int y, int mo, int d, int h = 0, int mi = 0, int s = 0, int64_t ticks = 0) {
  return *MakeDateTime(y, mo, d, h, mi, s, ticks);
}

TEST(ValueParsing, Integers) {
  EXPECT_EQ(ParseInt32(u"42"), 42);
  EXPECT_EQ(ParseInt32(u" \t-42\r\n"), -42);
  EXPECT_EQ(ParseInt32(u"+7"), 7);
  EXPECT_EQ(ParseInt32(u"-2147483648"), INT32_MIN);
  EXPECT_EQ(ParseInt32(u"2147483647"), INT32_MAX);
  EXPECT_EQ(ParseInt64(u"-9223372036854775808"), INT64_MIN);
  EXPECT_EQ(ParseInt64(u"9223372036854775807"), INT64_MAX);
  EXPECT_EQ(ParseUInt64(u" 18446744073709551615 "), UINT64_MAX);
  EXPECT_EQ(ParseUInt64(u"+1024"), 1024u);
  for (std::u16string_view bad : {u"", u" ", u"2147483648", u"-2147483649", u"4.0", u"1,000",
                                  u"- 1", u"+-1", u"0x10", u"12a", u"١٢"}) {
    EXPECT_EQ(ParseInt32(bad), std::nullopt) << std::string(bad.begin(), bad.end());
  }
  EXPECT_EQ(ParseInt64(u"9223372036854775808"), std::nullopt);
  EXPECT_EQ(ParseUInt64(u"-1"), std::nullopt);
  EXPECT_EQ(ParseUInt64(u"18446744073709551616"), std::nullopt);
}

TEST(ValueParsing, DoublesFollowTheLocaleSeparators) {
  EXPECT_EQ(ParseDouble(u"1,234.5", kC), 1234.5);
  EXPECT_EQ(ParseDouble(u" -1.5e3 ", kC), -1500.0);
  EXPECT_EQ(ParseDouble(u"+.5", kC), 0.5);
  EXPECT_EQ(ParseDouble(u"3.", kC), 3.0);
  EXPECT_EQ(ParseDouble(u"0.1", kC), 0.1) << "read exactly, not via a float";
  EXPECT_EQ(ParseDouble(u"1.234,5", kGerman), 1234.5);
  EXPECT_EQ(ParseDouble(u"1,5", kGerman), 1.5);
  EXPECT_EQ(ParseDouble(u"-Infinity", kC), -INFINITY);
  EXPECT_TRUE(std::isnan(*ParseDouble(u"NaN", kC)));
  for (std::u16string_view bad : {u"", u"1.2.3", u"1e", u"e5", u",5", u"1.5x", u"0x1p3", u"."}) {
    EXPECT_EQ(ParseDouble(bad, kC), std::nullopt) << std::string(bad.begin(), bad.end());
  }
  EXPECT_EQ(ParseDouble(u"1.5", kGerman), 15.0) << "'.' groups digits in that locale";
}

TEST(ValueParsing, DatesInTheHostsFormAndTheLocalesOrder) {
  struct Case {
    std::u16string_view text;
    const ParseConventions& conventions;
    std::optional<DateTime> date;
  };
  const Case kCases[] = {
      {u"2024-03-01 08:30:00", kC, At(2024, 3, 1, 8, 30)},
      {u"2024-02-29T23:59:59.1234567", kC, At(2024, 2, 29, 23, 59, 59, 1234567)},
      {u"2024-02-29 23:59:59.123456789", kC, At(2024, 2, 29, 23, 59, 59, 1234567)},
      {u" 2024/3/1 ", kGerman, At(2024, 3, 1)},  // year first in every locale
      {u"03/04/2024", kC, At(2024, 3, 4)},
      {u"03/04/2024 1:05 PM", kC, At(2024, 3, 4, 13, 5)},
      {u"3/4/24 12:00:01 am", kC, At(2024, 3, 4, 0, 0, 1)},
      {u"04.03.2024 13:05", kGerman, At(2024, 3, 4, 13, 5)},
      {u"31.12.99", kGerman, At(1999, 12, 31)},
      {u"24-03-04", kYearFirst, At(2024, 3, 4)},
      {u"2024-02-30", kC, std::nullopt},
      {u"2023-02-29", kC, std::nullopt},
      {u"2024-13-01", kC, std::nullopt},
      {u"13/04/2024", kC, std::nullopt},
      {u"2024-03-01 24:00", kC, std::nullopt},
      {u"2024-03-01 13:00 PM", kC, std::nullopt},
      {u"2024-03-01T08:30:00Z", kC, std::nullopt},
      {u"2024-03-01 8", kC, std::nullopt},
      {u"03/04-2024", kC, std::nullopt},
      {u"yesterday", kC, std::nullopt},
      {u"", kC, std::nullopt},
  };
  for (const Case& c : kCases) {
    EXPECT_EQ(ParseDateTime(c.text, c.conventions), c.date)
        << std::string(c.text.begin(), c.text.end());
  }
}

TEST(ValueParsing, GuidsInEveryStandardForm) {
  const Guid expected = Guid::Parse(u"0f8fad5b-d9cb-469f-a165-70867728950e");
  for (std::u16string_view text :
       {u"0f8fad5b-d9cb-469f-a165-70867728950e", u"{0F8FAD5B-D9CB-469F-A165-70867728950E}",
        u"(0f8fad5b-d9cb-469f-a165-70867728950e)", u" 0f8fad5bd9cb469fa16570867728950e ",
        u"{0x0f8fad5b,0xd9cb,0x469f,{0xa1,0x65,0x70,0x86,0x77,0x28,0x95,0x0e}}",
        u"{ 0xf8fad5b, 0xD9CB, 0x469f, { 0xa1, 0x65, 0x70, 0x86, 0x77, 0x28, 0x95, 0xe } }"}) {
    EXPECT_EQ(ParseGuid(text), expected) << std::string(text.begin(), text.end());
  }
  for (std::u16string_view bad :
       {u"", u"0f8fad5b-d9cb-469f-a165-70867728950", u"{0f8fad5b-d9cb-469f-a165-70867728950e",
        u"{0x0f8fad5b,0xd9cb,0x469f,{0xa1,0x65,0x70,0x86,0x77,0x28,0x95}}",
        u"{0x10f8fad5b,0xd9cb,0x469f,{0xa1,0x65,0x70,0x86,0x77,0x28,0x95,0x0e}}"}) {
    EXPECT_EQ(ParseGuid(bad), std::nullopt) << std::string(bad.begin(), bad.end());
  }
}

TEST(ValueParsing, BooleanWords) {
  EXPECT_EQ(ParseBooleanWord(u" TRUE\t"), true);
  EXPECT_EQ(ParseBooleanWord(u"False"), false);
  EXPECT_EQ(ParseBooleanWord(std::u16string_view(u"true\0", 5)), true);
  EXPECT_EQ(ParseBooleanWord(u"yes"), std::nullopt);
  EXPECT_EQ(ParseBooleanWord(u"1"), std::nullopt);
}

}  // namespace
}  // namespace Tarnwick::util
