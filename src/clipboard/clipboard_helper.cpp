#include "tarnwick/clipboard_helper.h"

#include <algorithm>
#include <cstring>

#include "clipboard/cf_html.h"
#include "platform/clipboard.h"
#include "platform/text.h"

namespace Tarnwick::ClipboardHelper {
namespace detail {
namespace {

// Seven lines, 149 characters. Each placeholder is as wide as the nine-digit number that
// replaces it, so filling the header moves nothing.
constexpr std::u16string_view kHeader =
    u"Version:0.9\r\n"
    u"StartHTML:<<<<<<<<1\r\n"
    u"EndHTML:<<<<<<<<2\r\n"
    u"StartFragment:<<<<<<<<3\r\n"
    u"EndFragment:<<<<<<<<4\r\n"
    u"StartSelection:<<<<<<<<3\r\n"
    u"EndSelection:<<<<<<<<4";
static_assert(kHeader.size() == 149);

constexpr std::u16string_view kDocType =
    u"<!DOCTYPE HTML PUBLIC \"-//W3C//DTD HTML 4.0 Transitional//EN\">";

constexpr size_t npos = std::u16string_view::npos;

char16_t FoldAscii(char16_t c) { return c >= u'A' && c <= u'Z' ? char16_t(c + 32) : c; }

bool MatchesAt(std::u16string_view text, size_t position, std::u16string_view word) {
  if (position + word.size() > text.size()) return false;
  for (size_t i = 0; i < word.size(); ++i) {
    if (FoldAscii(text[position + i]) != FoldAscii(word[i])) return false;
  }
  return true;
}

// Searches ignoring the letter case of ASCII letters (the tags and markers are ASCII).
size_t FindFirst(std::u16string_view text, std::u16string_view word) {
  for (size_t i = 0; i + word.size() <= text.size(); ++i) {
    if (MatchesAt(text, i, word)) return i;
  }
  return npos;
}

size_t FindLast(std::u16string_view text, std::u16string_view word) {
  if (word.size() > text.size()) return npos;
  for (size_t i = text.size() - word.size() + 1; i-- > 0;) {
    if (MatchesAt(text, i, word)) return i;
  }
  return npos;
}

// The position just after the start tag that begins with opening ("<html", "<body"), or npos
// when there is no such tag (or it never closes).
size_t StartTagEnd(std::u16string_view html, std::u16string_view opening) {
  size_t start = FindFirst(html, opening);
  if (start == npos) return npos;
  size_t close = html.find(u'>', start);
  return close == npos ? npos : close + 1;
}

void FillPlaceholder(std::u16string& text, std::u16string_view placeholder, int32_t value) {
  std::string digits = std::to_string(value);
  if (digits.size() < 9) digits.insert(0, 9 - digits.size(), '0');
  std::u16string number = platform::FromAscii(digits);
  for (size_t at = text.find(placeholder); at != npos && at < kHeader.size();
       at = text.find(placeholder, at + number.size())) {
    text.replace(at, placeholder.size(), number);
  }
}

}  // namespace

int32_t GetByteCount(std::u16string_view sb, int32_t start, int32_t end) {
  size_t stop = end < 0 ? sb.size() : std::min(size_t(end), sb.size());
  size_t first = std::min(size_t(std::max(start, 0)), stop);
  return int32_t(platform::Utf8Length(sb.substr(first, stop - first)));
}

std::u16string GetHtmlDataString(std::u16string_view html) {
  std::u16string text;
  text.reserve(kHeader.size() + kDocType.size() + html.size() + 128);
  text.append(kHeader).append(u"\r\n").append(kDocType).append(u"\r\n");

  const size_t startMarker = FindFirst(html, StartFragment);
  const size_t endMarker = FindLast(html, EndFragment);
  const size_t htmlTagEnd = StartTagEnd(html, u"<html");
  const size_t htmlClose = FindLast(html, u"</html");
  const size_t bodyTagEnd = StartTagEnd(html, u"<body");
  const bool hasHtmlTag = htmlTagEnd != npos;
  const bool hasBodyTag = bodyTagEnd != npos;

  // Where the writer puts the fragment inside the caller's document when it places the
  // markers itself: after the body (or html) start tag, up to the body (or html) end tag.
  const size_t innerStart = hasBodyTag ? bodyTagEnd : hasHtmlTag ? htmlTagEnd : 0;
  size_t innerEnd = FindLast(html, u"</body");
  if (innerEnd == npos) innerEnd = htmlClose != npos ? htmlClose : html.size();
  innerEnd = std::max(innerEnd, innerStart);

  int32_t fragmentStart = 0;
  int32_t fragmentEnd = 0;
  if (startMarker == npos && endMarker == npos) {
    if (!hasHtmlTag && !hasBodyTag) {
      text.append(u"<html><body>").append(StartFragment);
      fragmentStart = GetByteCount(text);
      text.append(html);
      fragmentEnd = GetByteCount(text);
      text.append(EndFragment).append(u"</body></html>");
    } else {
      if (hasHtmlTag) {
        text.append(html.substr(0, htmlTagEnd));
      } else {
        text.append(u"<html>");
      }
      if (hasBodyTag) {
        size_t from = hasHtmlTag ? std::min(htmlTagEnd, bodyTagEnd) : 0;
        text.append(html.substr(from, bodyTagEnd - from));
      }
      text.append(StartFragment);
      fragmentStart = GetByteCount(text);
      text.append(html.substr(innerStart, innerEnd - innerStart));
      fragmentEnd = GetByteCount(text);
      text.append(EndFragment);
      text.append(html.substr(innerEnd));
      if (htmlClose == npos) text.append(u"</html>");
    }
  } else {
    if (!hasHtmlTag) text.append(u"<html>");
    // The prefix so far is ASCII, so its length in characters is its length in bytes.
    const int32_t base = int32_t(text.size());
    text.append(html);
    // A lone marker: the other one goes where the writer would have put it, never on the
    // wrong side of the one the caller wrote.
    size_t fragmentFrom =
        startMarker != npos ? startMarker + StartFragment.size() : std::min(innerStart, endMarker);
    size_t fragmentTo = endMarker != npos ? endMarker : std::max(innerEnd, fragmentFrom);
    fragmentStart = base + GetByteCount(html, 0, int32_t(fragmentFrom));
    fragmentEnd = base + GetByteCount(html, 0, int32_t(fragmentTo));
    if (htmlClose == npos) text.append(u"</html>");
  }

  FillPlaceholder(text, u"<<<<<<<<1", int32_t(kHeader.size()));
  FillPlaceholder(text, u"<<<<<<<<2", GetByteCount(text));
  FillPlaceholder(text, u"<<<<<<<<3", fragmentStart);
  FillPlaceholder(text, u"<<<<<<<<4", fragmentEnd);
  return text;
}

clipboard::ClipboardData CreateDataObject(std::u16string_view html, std::u16string_view plainText) {
  std::string htmlBytes = platform::ToUtf8(GetHtmlDataString(html));
  htmlBytes += '\0';
  std::string ansiBytes = platform::ToAnsi(plainText);
  ansiBytes += '\0';
  // UTF-16LE, the in-memory form on every processor Windows runs this library on.
  std::string unicodeBytes((plainText.size() + 1) * sizeof(char16_t), '\0');
  std::memcpy(unicodeBytes.data(), plainText.data(), plainText.size() * sizeof(char16_t));

  clipboard::ClipboardData data;
  data.push_back(clipboard::ClipboardFormatData::Registered(u"HTML Format", std::move(htmlBytes)));
  data.push_back(clipboard::ClipboardFormatData::Standard(platform::kClipboardText, std::move(ansiBytes)));
  data.push_back(clipboard::ClipboardFormatData::Standard(platform::kClipboardUnicodeText, std::move(unicodeBytes)));
  return data;
}

}  // namespace detail

void CopyToClipboard(std::u16string_view html, std::u16string_view plainText) {
  clipboard::PlaceOnClipboard(detail::CreateDataObject(html, plainText));
}

}  // namespace Tarnwick::ClipboardHelper
