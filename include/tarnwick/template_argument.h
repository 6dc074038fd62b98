// The arguments of the library's message templates ("Error: {0}\n{1}", "{0:D4}", "{0:u}").
//
//   DornUtilities::WriteLog(u"Copied {0} files to {1}", {count, folder});
//   DornUtilities::WriteLog(u"Started at {0:u}", {DateTime{2024, 3, 5, 14, 5, 9}});
//
// An argument is a text (UTF-16, or UTF-8 given as char), a whole number, a truth value or a
// local date and time, or it has no value (a null pointer, std::nullopt, an empty optional),
// which a template writes as nothing.
#pragma once

#include <concepts>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <type_traits>
#include <variant>

namespace Tarnwick {

// A local date and time, to the second, without a time zone.
struct DateTime {
  int32_t year = 1;
  int32_t month = 1;
  int32_t day = 1;
  int32_t hour = 0;
  int32_t minute = 0;
  int32_t second = 0;

  friend bool operator==(const DateTime&, const DateTime&) = default;
};

class TemplateArgument {
 public:
  using Value = std::variant<std::monostate, std::u16string, int64_t, uint64_t, bool, DateTime>;

  TemplateArgument() = default;
  TemplateArgument(std::nullopt_t) {}
  TemplateArgument(std::u16string_view text) : value_(std::u16string(text)) {}
  TemplateArgument(const std::u16string& text) : value_(text) {}
  TemplateArgument(const char16_t* text) {
    if (text) value_ = std::u16string(text);
  }
  TemplateArgument(const std::optional<std::u16string>& text) {
    if (text) value_ = *text;
  }
  // UTF-8, as the texts of std::exception::what() are.
  TemplateArgument(std::string_view utf8);
  TemplateArgument(const std::string& utf8) : TemplateArgument(std::string_view(utf8)) {}
  TemplateArgument(const char* utf8) {
    if (utf8) *this = TemplateArgument(std::string_view(utf8));
  }
  template <std::integral T>
  requires(!std::is_same_v<T, char> && !std::is_same_v<T, char16_t> &&
           !std::is_same_v<T, wchar_t> && !std::is_same_v<T, char8_t> &&
           !std::is_same_v<T, char32_t>) TemplateArgument(T number) {
    if constexpr (std::is_same_v<T, bool>) {
      value_ = number;
    } else if constexpr (std::is_signed_v<T>) {
      value_ = int64_t(number);
    } else {
      value_ = uint64_t(number);
    }
  }
  TemplateArgument(const DateTime& time) : value_(time) {}

  const Value& value() const { return value_; }

 private:
  Value value_;
};

}  // namespace Tarnwick
