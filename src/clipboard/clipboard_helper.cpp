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

// Compares ignoring the letter case of ASCII letters (the tags and markers are ASCII).
bool MatchesAt(std::u16string_view text, size_t position, std::u16string_view word) {
  if (position + word.size() > text.size()) return false;
  for (size_t i = 0; i < word.size(); ++i) {
    if (FoldAscii(text[position + i]) != FoldAscii(word[i])) return false;
  }
  return true;
}

// The next '<' at or after from. Tests sixteen units at a time without an early exit, a loop
// the compiler turns into vector compares, since the fragments are long runs of text.
size_t FindTagStart(std::u16string_view text, size_t from) {
  size_t i = from;
  for (; i + 16 <= text.size(); i += 16) {
    bool any = false;
    for (size_t k = 0; k < 16; ++k) any |= text[i + k] == u'<';
    if (any) break;
  }
  for (; i < text.size(); ++i) {
    if (text[i] == u'<') return i;
  }
  return npos;
}

// Where the markers and the html and body tags stand in the caller's HTML, found in one pass.
struct Landmarks {
  size_t startMarker = npos;  // first "<!--StartFragment-->"
  size_t endMarker = npos;    // last "<!--EndFragment-->"
  size_t htmlOpen = npos;     // first "<html"
  size_t htmlClose = npos;    // last "</html"
  size_t bodyOpen = npos;     // first "<body"
  size_t bodyClose = npos;    // last "</body"
};

Landmarks FindLandmarks(std::u16string_view html) {
  Landmarks at;
  auto first = [](size_t& slot, size_t position) {
    if (slot == npos) slot = position;
  };
  for (size_t i = FindTagStart(html, 0); i != npos; i = FindTagStart(html, i + 1)) {
    if (i + 1 == html.size()) break;
    // One look at the character after '<' rules out most tags of a fragment (<a, </a, <br).
    switch (FoldAscii(html[i + 1])) {
      case u'!':
        if (MatchesAt(html, i, StartFragment)) {
          first(at.startMarker, i);
        } else if (MatchesAt(html, i, EndFragment)) {
          at.endMarker = i;
        }
        break;
      case u'h':
        if (MatchesAt(html, i, u"<html")) first(at.htmlOpen, i);
        break;
      case u'b':
        if (MatchesAt(html, i, u"<body")) first(at.bodyOpen, i);
        break;
      case u'/':
        if (MatchesAt(html, i, u"</html")) {
          at.htmlClose = i;
        } else if (MatchesAt(html, i, u"</body")) {
          at.bodyClose = i;
        }
        break;
    }
  }
  return at;
}

// The position just after the start tag that begins at open, or npos when there is no such
// tag or it never closes.
size_t StartTagEnd(std::u16string_view html, size_t open) {
  if (open == npos) return npos;
  size_t close = html.find(u'>', open);
  return close == npos ? npos : close + 1;
}

// The text under construction with its running UTF-8 byte count, so that every character is
// counted once, as it is appended.
class CountedText {
 public:
  explicit CountedText(size_t capacity) { text_.reserve(capacity); }
  void Append(std::u16string_view part) {
    text_.append(part);
    bytes_ += GetByteCount(part);
  }
  int32_t bytes() const { return bytes_; }
  std::u16string& text() { return text_; }

 private:
  std::u16string text_;
  int32_t bytes_ = 0;
};

// Writes the offsets over the placeholders of the header, which the text starts with: nine
// digits each, zero-filled, as wide as the placeholder (the offsets of a clipboard text fit).
void FillHeader(std::u16string& text, int32_t endHtml, int32_t fragmentStart, int32_t fragmentEnd) {
  for (size_t at = kHeader.find(u"<<<<<<<<"); at != npos; at = kHeader.find(u"<<<<<<<<", at + 9)) {
    int32_t value = 0;
    switch (kHeader[at + 8]) {
      case u'1':
        value = int32_t(kHeader.size());
        break;
      case u'2':
        value = endHtml;
        break;
      case u'3':
        value = fragmentStart;
        break;
      case u'4':
        value = fragmentEnd;
        break;
    }
    for (size_t digit = at + 9; digit-- > at; value /= 10) text[digit] = char16_t(u'0' + value % 10);
  }
}

}  // namespace

int32_t GetByteCount(std::u16string_view sb, int32_t start, int32_t end) {
  size_t stop = end < 0 ? sb.size() : std::min(size_t(end), sb.size());
  size_t first = std::min(size_t(std::max(start, 0)), stop);
  return int32_t(platform::Utf8Length(sb.substr(first, stop - first)));
}

std::u16string GetHtmlDataString(std::u16string_view html) {
  CountedText out(kHeader.size() + kDocType.size() + html.size() + 128);
  out.Append(kHeader);
  out.Append(u"\r\n");
  out.Append(kDocType);
  out.Append(u"\r\n");

  const Landmarks at = FindLandmarks(html);
  const size_t htmlTagEnd = StartTagEnd(html, at.htmlOpen);
  const size_t bodyTagEnd = StartTagEnd(html, at.bodyOpen);
  const bool hasHtmlTag = htmlTagEnd != npos;
  const bool hasBodyTag = bodyTagEnd != npos;

  // Where the writer puts the fragment inside the caller's document when it places the
  // markers itself: after the body (or html) start tag, up to the body (or html) end tag.
  const size_t innerStart = hasBodyTag ? bodyTagEnd : hasHtmlTag ? htmlTagEnd : 0;
  size_t innerEnd = at.bodyClose != npos ? at.bodyClose : at.htmlClose != npos ? at.htmlClose : html.size();
  innerEnd = std::max(innerEnd, innerStart);

  int32_t fragmentStart = 0;
  int32_t fragmentEnd = 0;
  if (at.startMarker == npos && at.endMarker == npos) {
    if (!hasHtmlTag && !hasBodyTag) {
      out.Append(u"<html><body>");
      out.Append(StartFragment);
      fragmentStart = out.bytes();
      out.Append(html);
      fragmentEnd = out.bytes();
      out.Append(EndFragment);
      out.Append(u"</body></html>");
    } else {
      if (hasHtmlTag) {
        out.Append(html.substr(0, htmlTagEnd));
      } else {
        out.Append(u"<html>");
      }
      if (hasBodyTag) {
        size_t from = hasHtmlTag ? std::min(htmlTagEnd, bodyTagEnd) : 0;
        out.Append(html.substr(from, bodyTagEnd - from));
      }
      out.Append(StartFragment);
      fragmentStart = out.bytes();
      out.Append(html.substr(innerStart, innerEnd - innerStart));
      fragmentEnd = out.bytes();
      out.Append(EndFragment);
      out.Append(html.substr(innerEnd));
      if (at.htmlClose == npos) out.Append(u"</html>");
    }
  } else {
    // The caller's markers are used as they stand. A lone marker: the other one goes where the
    // writer would have put it, never on the wrong side of the one the caller wrote.
    if (!hasHtmlTag) out.Append(u"<html>");
    const size_t from = at.startMarker != npos ? at.startMarker + StartFragment.size()
                                               : std::min(innerStart, at.endMarker);
    const size_t to = std::max(at.endMarker != npos ? at.endMarker : innerEnd, from);
    out.Append(html.substr(0, from));
    fragmentStart = out.bytes();
    out.Append(html.substr(from, to - from));
    fragmentEnd = out.bytes();
    out.Append(html.substr(to));
    if (at.htmlClose == npos) out.Append(u"</html>");
  }

  FillHeader(out.text(), out.bytes(), fragmentStart, fragmentEnd);
  return std::move(out.text());
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
