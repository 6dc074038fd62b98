// Reading values from host text: integers, floating-point numbers, dates, booleans and GUIDs,
// without exceptions (a text that is not a value gives nothing).
//
//   util::ParseInt32(u" -42 ");                              // -42
//   auto conventions = util::ParseConventions::Current();
//   util::ParseDouble(u"1,234.5", conventions);              // 1234.5 in the "C" locale
//
// White space around a value is allowed everywhere: U+0009 to U+000D and U+0020.
#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

#include "tarnwick/data_table.h"
#include "tarnwick/guid.h"

namespace Tarnwick::util {

// The separators and the date order of the process's current locale (std::locale(), which a
// program sets with std::locale::global), taken once for a run of parses.
struct ParseConventions {
  enum class DateOrder { MonthDayYear, DayMonthYear, YearMonthDay };

  char16_t decimalPoint = u'.';
  char16_t groupSeparator = u',';
  DateOrder dateOrder = DateOrder::MonthDayYear;

  static ParseConventions Current();
};

bool IsWhiteSpace(char16_t c);
std::u16string_view TrimWhiteSpace(std::u16string_view text);

// Optionally signed decimal integers: "+7", " -42 ". Digits only, no separators.
std::optional<int32_t> ParseInt32(std::u16string_view text);
std::optional<int64_t> ParseInt64(std::u16string_view text);
// Unsigned: an optional "+" and digits.
std::optional<uint64_t> ParseUInt64(std::u16string_view text);

// A sign, digits with group separators before the decimal point, the decimal point, digits,
// an exponent ("e-3"); or Infinity, -Infinity, NaN in any letter case.
std::optional<double> ParseDouble(std::u16string_view text, const ParseConventions& conventions);

// "true" or "false" in any letter case, white space and NUL characters around allowed.
std::optional<bool> ParseBooleanWord(std::u16string_view text);

// A date with an optional time of day:
// - year first, always: 2024-03-01, 2024/03/01, with " " or "T" before the time;
// - otherwise three numbers separated by "/", "." or "-" in the locale's order (the "C" locale
//   reads month/day/year), two-digit years meaning 1950 to 2049;
// - a time of H:mm, H:mm:ss or H:mm:ss.fffffff (up to 9 fraction digits, kept to 100 ns),
//   optionally followed by AM or PM.
// No time-zone designators: such a text is not read.
std::optional<DateTime> ParseDateTime(std::u16string_view text,
                                      const ParseConventions& conventions);

// The standard GUID forms of Guid::Parse, and the hexadecimal-constant form
// {0x0f8fad5b,0xd9cb,0x469f,{0xa1,0x65,0x70,0x86,0x77,0x28,0x95,0x0e}}.
std::optional<Guid> ParseGuid(std::u16string_view text);

// A date and time from its parts; nothing when a part is out of range.
std::optional<DateTime> MakeDateTime(int year, int month, int day, int hour = 0, int minute = 0,
                                     int second = 0, int64_t ticks = 0);

}  // namespace Tarnwick::util
