// Message templates: placeholders, the number and date formats, braces, absent arguments, and
// the templates that do not fit their arguments.
#include <gtest/gtest.h>

#include <climits>
#include <vector>

#include "tarnwick/error.h"
#include "util/message_template.h"

namespace Tarnwick {
namespace {

using util::FormatTemplate;

struct Case {
  const char16_t* format;
  std::vector<TemplateArgument> args;
  const char16_t* expected;
};

TEST(MessageTemplate, FillsPlaceholdersWithTheirFormats) {
  const DateTime afternoon{2024, 3, 5, 14, 5, 9};
  const Case cases[] = {
      {u"Error: {0}\n{1}", {u"disk full", u"   at X"}, u"Error: disk full\n   at X"},
      {u"{1}{0}{1}", {u"a", u"b"}, u"bab"},
      {u"{0:D4}{1:D2}{2:D2}", {2024, 3, 5}, u"20240305"},
      {u"{0:D4}", {7}, u"0007"},
      {u"{0:D2}", {12345}, u"12345"},
      {u"{0:D4}", {-5}, u"-0005"},
      {u"{0:d3}", {uint32_t(9)}, u"009"},
      {u"{0}", {INT64_MIN}, u"-9223372036854775808"},
      {u"{0:000000}", {149}, u"000149"},
      {u"{0:u}\t{1}", {afternoon, u"msg"}, u"2024-03-05 14:05:09Z\tmsg"},
      {u"{0:u}", {DateTime{987, 12, 31, 0, 0, 0}}, u"0987-12-31 00:00:00Z"},
      {u"{0}", {afternoon}, u"2024-03-05 14:05:09"},
      {u"{{{0}}} {{}}", {1}, u"{1} {}"},
      {u"[{0}]", {std::nullopt}, u"[]"},
      {u"[{0:D4}]", {static_cast<const char16_t*>(nullptr)}, u"[]"},
      {u"[{0}]", {std::optional<std::u16string>()}, u"[]"},
      {u"{0:D4}", {u"text ignores formats"}, u"text ignores formats"},
      {u"{0} {1}", {true, false}, u"True False"},
      {u"{0}", {"UTF-8 \xC3\xA4"}, u"UTF-8 ä"},
      {u"[{0,4}|{0,-4}]", {7}, u"[   7|7   ]"},
      {u"no placeholders", {}, u"no placeholders"},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(FormatTemplate(c.format, c.args), c.expected)
        << ::testing::PrintToString(std::u16string(c.format));
  }
}

TEST(MessageTemplate, ATemplateThatDoesNotFitRaisesFormatError) {
  const Case cases[] = {
      {u"{0} and {1}", {u"only one"}, nullptr},  // index past the arguments
      {u"{0", {1}, nullptr},
      {u"{}", {1}, nullptr},
      {u"{x}", {1}, nullptr},
      {u"a } b", {}, nullptr},
      {u"{0:X4}", {1}, nullptr},  // a format a number does not take
      {u"{0:D123}", {1}, nullptr},
      {u"{0:yyyy}", {DateTime{}}, nullptr},
      {u"{0:{1}}", {1, 2}, nullptr},
  };
  for (const Case& c : cases) {
    EXPECT_THROW(FormatTemplate(c.format, c.args), FormatError)
        << ::testing::PrintToString(std::u16string(c.format));
  }
}

}  // namespace
}  // namespace Tarnwick
