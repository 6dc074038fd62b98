// Text conversions between the library's UTF-16 text and the encodings it meets at its edges.
//
//   std::string bytes = platform::ToUtf8(u"Ä");     // "\xC3\x84"
//   std::u16string text = platform::FromUtf8(bytes);
//
// UTF-16 to UTF-8 is exact for well-formed text; a lone surrogate, which UTF-8 cannot hold,
// becomes U+FFFD (three bytes), the same count that Utf8Length gives for it. UTF-8 to UTF-16
// turns each malformed sequence into U+FFFD. ToAnsi and FromAnsi go through the platform: the
// system ANSI code page on Windows, the locale's UTF-8 elsewhere.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace Tarnwick::platform {

std::string ToUtf8(std::u16string_view text);
std::u16string FromUtf8(std::string_view bytes);

// The number of UTF-8 bytes ToUtf8 produces for text, without producing them.
size_t Utf8Length(std::u16string_view text);

std::string ToAnsi(std::u16string_view text);
std::u16string FromAnsi(std::string_view bytes);

// Lower case under the current locale's rules: the user's locale on Windows, the environment's
// LC_CTYPE elsewhere (Unicode's own mapping when that is the plain C locale). Surrogate pairs
// and lone surrogates pass through; the result may differ in length only where the locale says.
std::u16string ToLowerLocale(std::u16string_view text);

// For messages built from ASCII literals and numbers.
std::u16string FromAscii(std::string_view ascii);

}  // namespace Tarnwick::platform
