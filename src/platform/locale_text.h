// Text rules of the current locale: lower-casing and comparison without regard to case.
//
//   platform::ToLowerLocale(u"ÄBC");               // u"äbc"
//   platform::CompareIgnoreCaseLocale(u"a", u"B");  // < 0
//
// Windows applies the user's locale (LCMapStringEx, CompareStringEx); Linux the C library's
// current locale, code unit by code unit.
#pragma once

#include <string>
#include <string_view>

#include "platform/text.h"  // ToLowerLocale

namespace Tarnwick::platform {

// Negative, zero or positive, as a sorts before, with or after b.
int CompareIgnoreCaseLocale(std::u16string_view a, std::u16string_view b);

}  // namespace Tarnwick::platform
