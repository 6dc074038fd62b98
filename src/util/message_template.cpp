#include "util/message_template.h"

#include "platform/text.h"
#include "tarnwick/error.h"

namespace Tarnwick {

TemplateArgument::TemplateArgument(std::string_view utf8) : value_(platform::FromUtf8(utf8)) {}

namespace util {
namespace {

constexpr char kBadFormat[] = "Input string was not in a correct format.";
constexpr char kBadIndex[] =
    "Index (zero based) must be greater than or equal to zero and less than the size of the "
    "argument list.";
constexpr char kBadSpecifier[] = "Format specifier was invalid.";

std::u16string Digits(uint64_t number) {
  std::u16string digits;
  do {
    digits.insert(digits.begin(), char16_t(u'0' + number % 10));
    number /= 10;
  } while (number != 0);
  return digits;
}

// The minimum digit count a number format asks for: D, Dn, G, none, or a run of zeros.
size_t MinimumDigits(std::u16string_view format) {
  if (format.empty() || format == u"G" || format == u"g") return 1;
  if (format[0] == u'D' || format[0] == u'd') {
    if (format.size() > 3) throw FormatError(kBadSpecifier);
    size_t count = 0;
    for (char16_t c : format.substr(1)) {
      if (c < u'0' || c > u'9') throw FormatError(kBadSpecifier);
      count = count * 10 + size_t(c - u'0');
    }
    return format.size() == 1 ? 1 : count;
  }
  if (format.find_first_not_of(u'0') == std::u16string_view::npos) return format.size();
  throw FormatError(kBadSpecifier);
}

std::u16string FormatNumber(bool negative, uint64_t magnitude, std::u16string_view format) {
  std::u16string digits = Digits(magnitude);
  size_t minimum = MinimumDigits(format);
  if (digits.size() < minimum) digits.insert(0, minimum - digits.size(), u'0');
  return negative ? u"-" + digits : digits;
}

std::u16string Padded(int64_t number, size_t width) {
  std::u16string digits = Digits(uint64_t(number < 0 ? -number : number));
  if (digits.size() < width) digits.insert(0, width - digits.size(), u'0');
  return number < 0 ? u"-" + digits : digits;
}

std::u16string FormatDateTime(const DateTime& time, std::u16string_view format) {
  if (!format.empty() && format != u"u") throw FormatError(kBadSpecifier);
  std::u16string text = Padded(time.year, 4) + u'-' + Padded(time.month, 2) + u'-' +
                        Padded(time.day, 2) + u' ' + Padded(time.hour, 2) + u':' +
                        Padded(time.minute, 2) + u':' + Padded(time.second, 2);
  if (format == u"u") text += u'Z';
  return text;
}

std::u16string FormatArgument(const TemplateArgument& argument, std::u16string_view format) {
  const TemplateArgument::Value& value = argument.value();
  if (const auto* text = std::get_if<std::u16string>(&value)) return *text;
  if (const auto* number = std::get_if<int64_t>(&value)) {
    // The magnitude of INT64_MIN does not fit an int64_t; as an unsigned value it does.
    uint64_t magnitude = *number < 0 ? 0 - uint64_t(*number) : uint64_t(*number);
    return FormatNumber(*number < 0, magnitude, format);
  }
  if (const auto* number = std::get_if<uint64_t>(&value))
    return FormatNumber(false, *number, format);
  if (const auto* truth = std::get_if<bool>(&value)) return *truth ? u"True" : u"False";
  if (const auto* time = std::get_if<DateTime>(&value)) return FormatDateTime(*time, format);
  return {};
}

}  // namespace

std::u16string FormatTemplate(std::u16string_view format, std::span<const TemplateArgument> args) {
  std::u16string out;
  out.reserve(format.size());
  const size_t end = format.size();
  size_t i = 0;
  auto skipBlanks = [&] {
    while (i < end && format[i] == u' ') ++i;
  };
  auto number = [&] {
    if (i >= end || format[i] < u'0' || format[i] > u'9') throw FormatError(kBadFormat);
    size_t value = 0;
    while (i < end && format[i] >= u'0' && format[i] <= u'9') {
      value = value * 10 + size_t(format[i++] - u'0');
      if (value >= 1000000) throw FormatError(kBadFormat);
    }
    return value;
  };

  while (i < end) {
    char16_t c = format[i++];
    if (c == u'}') {
      if (i < end && format[i] == u'}') {
        out += u'}';
        ++i;
        continue;
      }
      throw FormatError(kBadFormat);
    }
    if (c != u'{') {
      out += c;
      continue;
    }
    if (i < end && format[i] == u'{') {
      out += u'{';
      ++i;
      continue;
    }

    size_t index = number();
    skipBlanks();
    bool leftAligned = false;
    size_t width = 0;
    if (i < end && format[i] == u',') {
      ++i;
      skipBlanks();
      if (i < end && format[i] == u'-') {
        leftAligned = true;
        ++i;
      }
      width = number();
      skipBlanks();
    }
    std::u16string_view itemFormat;
    if (i < end && format[i] == u':') {
      size_t start = ++i;
      while (i < end && format[i] != u'}') {
        if (format[i] == u'{') throw FormatError(kBadFormat);
        ++i;
      }
      itemFormat = format.substr(start, i - start);
    }
    if (i >= end || format[i] != u'}') throw FormatError(kBadFormat);
    ++i;
    if (index >= args.size()) throw FormatError(kBadIndex);

    std::u16string text = FormatArgument(args[index], itemFormat);
    if (text.size() < width && !leftAligned) out.append(width - text.size(), u' ');
    out += text;
    if (text.size() < width && leftAligned) out.append(width - text.size(), u' ');
  }
  return out;
}

}  // namespace util
}  // namespace Tarnwick
