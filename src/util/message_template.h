// The library's message templates: numbered placeholders filled from arguments in order.
//
//   FormatTemplate(u"Error: {0}\n{1}", {message, throwSite});
//   FormatTemplate(u"{3}_{0:D4}{1:D2}{2:D2}.log", {2024, 3, 5, u"Tarnwick"});  //
//   Tarnwick_20240305.log FormatTemplate(u"{0:u}", {DateTime{2024, 3, 5, 14, 5, 9}}); // 2024-03-05
//   14:05:09Z
//
// A placeholder is {index[,alignment][:format]}; "{{" and "}}" write one brace. Formats: for
// numbers D or Dn (at least n digits, zero-padded after the sign), G or none (plain decimal),
// or a run of zeros (that many digits at least); for a date and time u (yyyy-MM-dd HH:mm:ss
// then a literal Z, the time written as given: no conversion to UTC) or none (the same
// without Z). Texts and truth values ignore the format. An argument without a value writes
// nothing. A template that does not fit its arguments (a lone brace, an index past the last
// argument, a format its argument does not take) raises Tarnwick::FormatError.
#pragma once

#include <span>
#include <string>
#include <string_view>

#include "tarnwick/template_argument.h"

namespace Tarnwick::util {

std::u16string FormatTemplate(std::u16string_view format, std::span<const TemplateArgument> args);

inline std::u16string FormatTemplate(std::u16string_view format,
                                     std::initializer_list<TemplateArgument> args) {
  return FormatTemplate(format, std::span<const TemplateArgument>(args.begin(), args.size()));
}

}  // namespace Tarnwick::util
