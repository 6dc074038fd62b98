// Value parsing from UTF-16 host text; see value_parsing.h for the accepted forms.
#include "util/value_parsing.h"

#include <charconv>
#include <limits>
#include <locale>
#include <string>

#include "tarnwick/error.h"

namespace Tarnwick::util {
namespace {

bool IsDigit(char16_t c) {
  return c >= u'0' && c <= u'9';
}

char16_t AsciiLower(char16_t c) {
  return c >= u'A' && c <= u'Z' ? char16_t(c + 32) : c;
}

bool EqualsIgnoringAsciiCase(std::u16string_view text, std::u16string_view lower) {
  if (text.size() != lower.size()) return false;
  for (size_t i = 0; i < text.size(); ++i) {
    if (AsciiLower(text[i]) != lower[i]) return false;
  }
  return true;
}

// Optional sign and digits, the magnitude limited to limit; sets negative.
std::optional<uint64_t> ParseMagnitude(std::u16string_view text, bool allowMinus, bool& negative,
                                       uint64_t limit) {
  text = TrimWhiteSpace(text);
  negative = false;
  if (!text.empty() && (text.front() == u'+' || (allowMinus && text.front() == u'-'))) {
    negative = text.front() == u'-';
    text.remove_prefix(1);
  }
  if (text.empty()) return std::nullopt;
  uint64_t value = 0;
  for (char16_t c : text) {
    if (!IsDigit(c)) return std::nullopt;
    unsigned digit = c - u'0';
    if (value > (limit - digit) / 10) return std::nullopt;
    value = value * 10 + digit;
  }
  return value;
}

template <typename T>
std::optional<T> ParseSigned(std::u16string_view text) {
  bool negative;
  constexpr uint64_t kMax = uint64_t(std::numeric_limits<T>::max());
  std::optional<uint64_t> magnitude = ParseMagnitude(text, true, negative, kMax + 1);
  if (!magnitude || (!negative && *magnitude > kMax)) return std::nullopt;
  if (negative) return T(-int64_t(*magnitude - 1) - 1);  // reaches the minimum without overflow
  return T(*magnitude);
}

// Reads up to maxDigits decimal digits at text[pos]; at least one.
std::optional<int> ReadNumber(std::u16string_view text, size_t& pos, size_t maxDigits,
                              size_t* digits = nullptr) {
  size_t start = pos;
  int value = 0;
  while (pos < text.size() && IsDigit(text[pos]) && pos - start < maxDigits) {
    value = value * 10 + (text[pos++] - u'0');
  }
  if (pos == start || (pos < text.size() && IsDigit(text[pos]))) return std::nullopt;
  if (digits) *digits = pos - start;
  return value;
}

struct TimeOfDay {
  int hour = 0, minute = 0, second = 0;
  int64_t ticks = 0;
};

// H:mm[:ss[.f...]] [AM|PM] to the end of text.
std::optional<TimeOfDay> ParseTime(std::u16string_view text) {
  TimeOfDay time;
  size_t pos = 0;
  std::optional<int> hour = ReadNumber(text, pos, 2);
  if (!hour || pos >= text.size() || text[pos++] != u':') return std::nullopt;
  size_t digits = 0;
  std::optional<int> minute = ReadNumber(text, pos, 2, &digits);
  if (!minute || digits != 2) return std::nullopt;
  time.hour = *hour;
  time.minute = *minute;
  if (pos < text.size() && text[pos] == u':') {
    ++pos;
    std::optional<int> second = ReadNumber(text, pos, 2, &digits);
    if (!second || digits != 2) return std::nullopt;
    time.second = *second;
    if (pos < text.size() && text[pos] == u'.') {
      ++pos;
      size_t start = pos;
      int64_t scale = 1'000'000;
      while (pos < text.size() && IsDigit(text[pos]) && pos - start < 9) {
        time.ticks += (text[pos++] - u'0') * scale;
        scale /= 10;
      }
      if (pos == start || (pos < text.size() && IsDigit(text[pos]))) return std::nullopt;
    }
  }
  std::u16string_view rest = TrimWhiteSpace(text.substr(pos));
  if (!rest.empty()) {
    bool pm = EqualsIgnoringAsciiCase(rest, u"pm");
    if (!pm && !EqualsIgnoringAsciiCase(rest, u"am")) return std::nullopt;
    if (time.hour < 1 || time.hour > 12) return std::nullopt;
    time.hour = time.hour % 12 + (pm ? 12 : 0);
  }
  if (time.hour > 23 || time.minute > 59 || time.second > 59) return std::nullopt;
  return time;
}

}  // namespace

ParseConventions ParseConventions::Current() {
  ParseConventions conventions;
  std::locale locale;
  const auto& numbers = std::use_facet<std::numpunct<char>>(locale);
  auto ascii = [](char c, char16_t fallback) {
    return static_cast<unsigned char>(c) < 0x80 && c != '\0' ? char16_t(c) : fallback;
  };
  conventions.decimalPoint = ascii(numbers.decimal_point(), u'.');
  conventions.groupSeparator = ascii(numbers.thousands_sep(), u'\0');
  if (conventions.groupSeparator == conventions.decimalPoint) conventions.groupSeparator = u'\0';
  switch (std::use_facet<std::time_get<char>>(locale).date_order()) {
    case std::time_base::dmy:
      conventions.dateOrder = DateOrder::DayMonthYear;
      break;
    case std::time_base::ymd:
    case std::time_base::ydm:
      conventions.dateOrder = DateOrder::YearMonthDay;
      break;
    default:  // mdy, and no_order: the "C" locale writes %m/%d/%y
      conventions.dateOrder = DateOrder::MonthDayYear;
      break;
  }
  return conventions;
}

bool IsWhiteSpace(char16_t c) {
  return c == u' ' || (c >= u'\t' && c <= u'\r');
}

std::u16string_view TrimWhiteSpace(std::u16string_view text) {
  while (!text.empty() && IsWhiteSpace(text.front())) text.remove_prefix(1);
  while (!text.empty() && IsWhiteSpace(text.back())) text.remove_suffix(1);
  return text;
}

std::optional<int32_t> ParseInt32(std::u16string_view text) {
  return ParseSigned<int32_t>(text);
}
std::optional<int64_t> ParseInt64(std::u16string_view text) {
  return ParseSigned<int64_t>(text);
}

std::optional<uint64_t> ParseUInt64(std::u16string_view text) {
  bool negative;
  return ParseMagnitude(text, false, negative, std::numeric_limits<uint64_t>::max());
}

std::optional<double> ParseDouble(std::u16string_view text, const ParseConventions& conventions) {
  text = TrimWhiteSpace(text);
  std::string ascii;
  ascii.reserve(text.size());
  size_t pos = 0;
  if (pos < text.size() && (text[pos] == u'+' || text[pos] == u'-')) {
    if (text[pos] == u'-') ascii += '-';
    ++pos;
  }
  std::u16string_view word = text.substr(pos);
  if (EqualsIgnoringAsciiCase(word, u"infinity") || EqualsIgnoringAsciiCase(word, u"inf")) {
    return ascii.empty() ? std::numeric_limits<double>::infinity()
                         : -std::numeric_limits<double>::infinity();
  }
  if (EqualsIgnoringAsciiCase(word, u"nan")) return std::numeric_limits<double>::quiet_NaN();

  size_t digits = 0;
  for (; pos < text.size(); ++pos) {
    if (IsDigit(text[pos])) {
      ascii += char(text[pos]);
      ++digits;
    } else if (text[pos] != conventions.groupSeparator || conventions.groupSeparator == u'\0' ||
               digits == 0) {
      break;
    }
  }
  if (pos < text.size() && text[pos] == conventions.decimalPoint) {
    ascii += '.';
    for (++pos; pos < text.size() && IsDigit(text[pos]); ++pos) {
      ascii += char(text[pos]);
      ++digits;
    }
  }
  if (digits == 0) return std::nullopt;
  if (pos < text.size() && (text[pos] == u'e' || text[pos] == u'E')) {
    ascii += 'e';
    ++pos;
    if (pos < text.size() && (text[pos] == u'+' || text[pos] == u'-')) ascii += char(text[pos++]);
    size_t exponentStart = pos;
    for (; pos < text.size() && IsDigit(text[pos]); ++pos) ascii += char(text[pos]);
    if (pos == exponentStart) return std::nullopt;
  }
  if (pos != text.size()) return std::nullopt;

  double value = 0;
  auto [end, error] = std::from_chars(ascii.data(), ascii.data() + ascii.size(), value);
  if (error != std::errc() || end != ascii.data() + ascii.size()) return std::nullopt;
  return value;
}

std::optional<bool> ParseBooleanWord(std::u16string_view text) {
  auto trimmable = [](char16_t c) { return c == u'\0' || IsWhiteSpace(c); };
  while (!text.empty() && trimmable(text.front())) text.remove_prefix(1);
  while (!text.empty() && trimmable(text.back())) text.remove_suffix(1);
  if (EqualsIgnoringAsciiCase(text, u"true")) return true;
  if (EqualsIgnoringAsciiCase(text, u"false")) return false;
  return std::nullopt;
}

std::optional<DateTime> MakeDateTime(int year, int month, int day, int hour, int minute, int second,
                                     int64_t ticks) {
  using namespace std::chrono;
  year_month_day date{std::chrono::year(year), std::chrono::month(unsigned(month)),
                      std::chrono::day(unsigned(day))};
  if (year < 1 || year > 9999 || !date.ok() || hour < 0 || hour > 23 || minute < 0 || minute > 59 ||
      second < 0 || second > 59 || ticks < 0 || ticks >= 10'000'000) {
    return std::nullopt;
  }
  return DateTime(local_days(date).time_since_epoch()) + hours(hour) + minutes(minute) +
         seconds(second) + DateTimeTicks(ticks);
}

std::optional<DateTime> ParseDateTime(std::u16string_view text,
                                      const ParseConventions& conventions) {
  text = TrimWhiteSpace(text);
  size_t pos = 0;
  size_t firstDigits = 0;
  std::optional<int> first = ReadNumber(text, pos, 4, &firstDigits);
  if (!first || pos >= text.size()) return std::nullopt;
  char16_t separator = text[pos];
  if (separator != u'-' && separator != u'/' && separator != u'.') return std::nullopt;
  ++pos;
  size_t secondDigits = 0, thirdDigits = 0;
  std::optional<int> second = ReadNumber(text, pos, 2, &secondDigits);
  if (!second || pos >= text.size() || text[pos] != separator) return std::nullopt;
  ++pos;
  std::optional<int> third = ReadNumber(text, pos, 4, &thirdDigits);
  if (!third) return std::nullopt;

  int year, month, day;
  size_t yearDigits;
  if (firstDigits > 2 || conventions.dateOrder == ParseConventions::DateOrder::YearMonthDay) {
    year = *first, month = *second, day = *third, yearDigits = firstDigits;
    if (thirdDigits > 2) return std::nullopt;
  } else {
    bool dayFirst = conventions.dateOrder == ParseConventions::DateOrder::DayMonthYear;
    day = dayFirst ? *first : *second;
    month = dayFirst ? *second : *first;
    year = *third, yearDigits = thirdDigits;
  }
  if (yearDigits == 2) {
    year += year < 50 ? 2000 : 1900;
  } else if (yearDigits != 4) {
    return std::nullopt;
  }

  TimeOfDay time;
  if (pos < text.size()) {
    // The year-first form takes "T" before the time; every form takes white space.
    size_t timeStart = pos;
    if (text[pos] == u'T' && firstDigits == 4) {
      ++timeStart;
    } else {
      while (timeStart < text.size() && IsWhiteSpace(text[timeStart])) ++timeStart;
      if (timeStart == pos) return std::nullopt;
    }
    std::optional<TimeOfDay> parsed = ParseTime(text.substr(timeStart));
    if (!parsed) return std::nullopt;
    time = *parsed;
  }
  return MakeDateTime(year, month, day, time.hour, time.minute, time.second, time.ticks);
}

std::optional<Guid> ParseGuid(std::u16string_view text) {
  text = TrimWhiteSpace(text);
  if (text.find(u"0x") != std::u16string_view::npos ||
      text.find(u"0X") != std::u16string_view::npos) {
    // {0xhhhhhhhh,0xhhhh,0xhhhh,{0xhh,0xhh,0xhh,0xhh,0xhh,0xhh,0xhh,0xhh}}, white space ignored.
    std::u16string compact;
    for (char16_t c : text) {
      if (!IsWhiteSpace(c)) compact += c;
    }
    size_t pos = 0;
    auto expect = [&](char16_t c) { return pos < compact.size() && compact[pos++] == c; };
    auto hex = [&](size_t maxDigits) -> std::optional<uint32_t> {
      if (!expect(u'0') || pos >= compact.size() || AsciiLower(compact[pos++]) != u'x') {
        return std::nullopt;
      }
      size_t start = pos;
      uint32_t value = 0;
      for (; pos < compact.size() && pos - start < maxDigits; ++pos) {
        char16_t c = AsciiLower(compact[pos]);
        int digit = IsDigit(c) ? c - u'0' : (c >= u'a' && c <= u'f') ? c - u'a' + 10 : -1;
        if (digit < 0) break;
        value = value << 4 | uint32_t(digit);
      }
      if (pos == start) return std::nullopt;
      return value;
    };
    Guid guid;
    std::optional<uint32_t> data1, data2, data3;
    if (!expect(u'{') || !(data1 = hex(8)) || !expect(u',') || !(data2 = hex(4)) || !expect(u',') ||
        !(data3 = hex(4)) || !expect(u',') || !expect(u'{')) {
      return std::nullopt;
    }
    guid.Data1 = *data1;
    guid.Data2 = uint16_t(*data2);
    guid.Data3 = uint16_t(*data3);
    for (int i = 0; i < 8; ++i) {
      std::optional<uint32_t> byte = hex(2);
      if (!byte || !expect(i < 7 ? u',' : u'}')) return std::nullopt;
      guid.Data4[i] = uint8_t(*byte);
    }
    if (!expect(u'}') || pos != compact.size()) return std::nullopt;
    return guid;
  }
  try {
    return Guid::Parse(text);
  } catch (const FormatError&) {
    return std::nullopt;
  }
}

}  // namespace Tarnwick::util
