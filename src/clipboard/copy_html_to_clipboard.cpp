// The single-format writer of GMailLinksToClipboard: "HTML Format" alone, with six-digit
// offsets, and no terminating zero byte.
#include <cstdio>

#include "clipboard/clipboard_writer.h"
#include "platform/debug_output.h"
#include "platform/text.h"
#include "tarnwick/gmail_links_to_clipboard.h"

namespace Tarnwick::GMailLinksToClipboard {
namespace {

constexpr std::string_view kPrefix =
    "<html>\r\n<head>\r\n"
    "<meta http-equiv=\"Content-Type\" content=\"text/html; charset=utf-8\">\r\n"
    "<title>HTML clipboard</title>\r\n</head>\r\n<body>\r\n<!--StartFragment-->";
constexpr std::string_view kSuffix = "<!--EndFragment-->\r\n</body>\r\n</html>\r\n";

std::string Header(size_t startHtml, size_t endHtml, size_t startFragment, size_t endFragment) {
  char header[128];
  int length = std::snprintf(header, sizeof header,
                             "Version:0.9\r\nStartHTML:%06zu\r\nEndHTML:%06zu\r\n"
                             "StartFragment:%06zu\r\nEndFragment:%06zu\r\n",
                             startHtml, endHtml, startFragment, endFragment);
  return std::string(header, size_t(length));
}

}  // namespace

void CopyHtmlToClipBoard(std::u16string_view html) {
  const std::string fragment = platform::ToUtf8(html);
  const size_t h = Header(0, 0, 0, 0).size();  // 89 bytes while every number has six digits
  const size_t p = kPrefix.size();
  const size_t f = fragment.size();
  const size_t q = kSuffix.size();

  std::string text = Header(h, h + p + f + q, h + p, h + p + f);
  text.append(kPrefix).append(fragment).append(kSuffix);
  platform::WriteDebugOutput(platform::FromUtf8(text));

  clipboard::PlaceOnClipboard({clipboard::ClipboardFormatData::Registered(u"HTML Format", std::move(text))});
}

}  // namespace Tarnwick::GMailLinksToClipboard
