// Puts an HTML fragment and a plain-text alternative on the Windows clipboard in one step.
//
//   ClipboardHelper::CopyToClipboard(u"<a href=\"...\">Site plan.pdf</a>", u"...");
//
// The HTML goes in the "HTML Format" clipboard format (CF_HTML: a header of UTF-8 byte offsets,
// then an HTML document whose fragment is marked by StartFragment/EndFragment comments); the
// plain text goes as CF_TEXT (ANSI code page) and CF_UNICODETEXT. Every format is rendered at
// once, so the data stays on the clipboard after the process ends.
//
// The calling thread must have COM initialised as a single-threaded apartment (the host's
// user-interface thread does). While another program holds the clipboard open, placing is
// retried for about a second; after that CopyToClipboard throws Tarnwick::ClipboardError.
#pragma once

#include <string_view>

namespace Tarnwick::ClipboardHelper {

inline constexpr std::u16string_view StartFragment = u"<!--StartFragment-->";
inline constexpr std::u16string_view EndFragment = u"<!--EndFragment-->";

void CopyToClipboard(std::u16string_view html, std::u16string_view plainText);

}  // namespace Tarnwick::ClipboardHelper
