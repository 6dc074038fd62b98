// The CF_HTML text: header offsets, wrapping, the caller's own tags and markers, and the
// single-format writer. Offsets are checked as numbers and by slicing the fragment back out.
#include <gtest/gtest.h>

#include <cstdlib>

#include "clipboard/cf_html.h"
#include "fake_clipboard.h"
#include "platform/text.h"
#include "tarnwick/gmail_links_to_clipboard.h"

namespace Tarnwick {
namespace {

using ClipboardHelper::detail::GetByteCount;
using ClipboardHelper::detail::GetHtmlDataString;

long Field(const std::string& text, const std::string& name) {
  size_t at = text.find(name + ":");
  EXPECT_NE(at, std::string::npos) << name;
  return at == std::string::npos ? -1 : std::strtol(text.c_str() + at + name.size() + 1, nullptr, 10);
}

struct CfHtmlCase {
  const char* label;
  std::u16string html;
  long startFragment, endFragment, endHtml;
  std::string fragment;  // the bytes between the offsets
  std::string htmlPart;  // what follows the DOCTYPE line
};

class CfHtmlTest : public ::testing::TestWithParam<CfHtmlCase> {};

TEST_P(CfHtmlTest, OffsetsAndDocument) {
  const CfHtmlCase& c = GetParam();
  const std::string text = platform::ToUtf8(GetHtmlDataString(c.html));

  auto nine = [](long value) {
    std::string digits = std::to_string(value);
    return std::string(9 - digits.size(), '0') + digits;
  };
  const std::string prefix =
      "Version:0.9\r\nStartHTML:000000149\r\nEndHTML:" + nine(c.endHtml) +
      "\r\nStartFragment:" + nine(c.startFragment) + "\r\nEndFragment:" + nine(c.endFragment) +
      "\r\nStartSelection:" + nine(c.startFragment) + "\r\nEndSelection:" + nine(c.endFragment) +
      "\r\n<!DOCTYPE HTML PUBLIC \"-//W3C//DTD HTML 4.0 Transitional//EN\">\r\n";
  ASSERT_EQ(text.substr(0, prefix.size()), prefix);
  EXPECT_EQ(text.substr(prefix.size()), c.htmlPart);

  EXPECT_EQ(c.endHtml, long(text.size()));
  EXPECT_EQ(text.substr(size_t(c.startFragment), size_t(c.endFragment - c.startFragment)), c.fragment);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, CfHtmlTest,
    ::testing::Values(
        CfHtmlCase{"abc", u"abc", 247, 250, 282, "abc",
                   "<html><body><!--StartFragment-->abc<!--EndFragment--></body></html>"},
        CfHtmlCase{"empty", u"", 247, 247, 279, "",
                   "<html><body><!--StartFragment--><!--EndFragment--></body></html>"},
        CfHtmlCase{"two_byte_letter", u"\u00c4", 247, 249, 281, "\xC3\x84",
                   "<html><body><!--StartFragment-->\xC3\x84<!--EndFragment--></body></html>"},
        CfHtmlCase{"outside_bmp", u"\U0001F309", 247, 251, 283, "\xF0\x9F\x8C\x89",
                   "<html><body><!--StartFragment-->\xF0\x9F\x8C\x89<!--EndFragment--></body></html>"},
        CfHtmlCase{"complete_document_other_case", u"<HTML><Body class=\"x\">hi</BODY></Html>",
                   257, 259, 291, "hi",
                   "<HTML><Body class=\"x\"><!--StartFragment-->hi<!--EndFragment--></BODY></Html>"},
        CfHtmlCase{"body_only", u"<body>hi", 247, 249, 274, "hi",
                   "<html><body><!--StartFragment-->hi<!--EndFragment--></html>"},
        CfHtmlCase{"caller_markers", u"<b><!--StartFragment-->x<!--EndFragment--></b>", 244, 245,
                   274, "x", "<html><b><!--StartFragment-->x<!--EndFragment--></b></html>"},
        CfHtmlCase{"caller_markers_in_document",
                   u"<html><body>a<!--StartFragment-->\u00e9<!--EndFragment--></body></html>",
                   248, 250, 282, "\xC3\xA9",
                   "<html><body>a<!--StartFragment-->\xC3\xA9<!--EndFragment--></body></html>"},
        // A lone marker: the missing one goes where the writer would put it, never before.
        CfHtmlCase{"start_marker_only", u"<!--StartFragment-->x", 241, 242, 249, "x",
                   "<html><!--StartFragment-->x</html>"},
        CfHtmlCase{"end_marker_only", u"x<!--EndFragment-->", 221, 222, 247, "x",
                   "<html>x<!--EndFragment--></html>"},
        CfHtmlCase{"markers_in_reverse_order", u"<!--EndFragment-->x<!--StartFragment-->y", 260,
                   260, 268, "", "<html><!--EndFragment-->x<!--StartFragment-->y</html>"},
        CfHtmlCase{"end_marker_only_in_body", u"<body>ab<!--EndFragment--></body>", 227, 229,
                   261, "ab", "<html><body>ab<!--EndFragment--></body></html>"}),
    [](const auto& info) { return std::string(info.param.label); });

TEST(CfHtml, WrappedFragmentAlwaysStartsAt247AndEndsThirtyTwoBeforeTheEnd) {
  for (std::u16string html : {u"a", u"<b>bold</b> & more", u"\u00e4\u00f6\u00fc\U0001F600"}) {
    const std::string text = platform::ToUtf8(GetHtmlDataString(html));
    EXPECT_EQ(Field(text, "StartFragment"), 247);
    EXPECT_EQ(Field(text, "EndHTML"), Field(text, "EndFragment") + 32);
  }
}

TEST(CfHtml, ByteCountTable) {
  const std::u16string text = u"a\u00e4\u20ac\U0001F600";  // 1 + 2 + 3 + 4 bytes
  EXPECT_EQ(GetByteCount(text), 10);
  EXPECT_EQ(GetByteCount(text, 0, -1), 10);
  EXPECT_EQ(GetByteCount(text, 1, 3), 5);
  EXPECT_EQ(GetByteCount(text, 3), 4);
  EXPECT_EQ(GetByteCount(text, 2, 2), 0);
  EXPECT_EQ(GetByteCount(std::u16string(1, char16_t(0xD800))), 3);  // a lone surrogate
}

TEST(CfHtml, SingleFormatWriterOffsets) {
  testing::FakeClipboard fake;
  platform::ScopedClipboardOverride scope(fake);
  GMailLinksToClipboard::CopyHtmlToClipBoard(u"ab\u00c4");  // 4 bytes

  ASSERT_EQ(fake.FormatCount(), 1u);
  const std::string text = fake.Html().value();
  EXPECT_EQ(text.substr(0, 89),
            "Version:0.9\r\nStartHTML:000089\r\nEndHTML:000284\r\n"
            "StartFragment:000242\r\nEndFragment:000246\r\n");
  EXPECT_EQ(text.size(), 284u);  // exactly the bytes: no zero, no byte-order mark
  EXPECT_EQ(text.substr(242, 4), "ab\xC3\x84");
  EXPECT_EQ(text.substr(246), "<!--EndFragment-->\r\n</body>\r\n</html>\r\n");
}

}  // namespace
}  // namespace Tarnwick
