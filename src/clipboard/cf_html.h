// The CF_HTML text ("HTML Format") for an HTML fragment or document, and the UTF-8 byte
// counting its offsets are made of.
//
//   std::u16string text = GetHtmlDataString(u"abc");
//   // header with StartHTML:000000149 ... StartFragment:000000247 EndFragment:000000250,
//   // then the DOCTYPE line and <html><body><!--StartFragment-->abc<!--EndFragment-->...
//
// A fragment without markers is wrapped in <html><body> (or placed inside the caller's own html
// and body tags); markers the caller wrote are used as they stand. With only one marker the
// missing one goes where the writer would have put it (just inside the body, or at the start
// or end of the caller's content), so EndFragment never comes before StartFragment.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "clipboard/clipboard_writer.h"

namespace Tarnwick::ClipboardHelper::detail {

std::u16string GetHtmlDataString(std::u16string_view html);

// UTF-8 bytes of sb[start, end); an end of -1 or less means the end of sb. Allocates nothing.
int32_t GetByteCount(std::u16string_view sb, int32_t start = 0, int32_t end = -1);

// The three formats: "HTML Format" (UTF-8 with a zero byte), CF_TEXT, CF_UNICODETEXT.
clipboard::ClipboardData CreateDataObject(std::u16string_view html, std::u16string_view plainText);

}  // namespace Tarnwick::ClipboardHelper::detail
