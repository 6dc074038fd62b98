// One conformance suite for every clipboard implementation: the system's (Win32 under Wine,
// the in-process stand-in natively) and the test fake.
#include <gtest/gtest.h>

#include <functional>

#include "clipboard/clipboard_writer.h"
#include "fake_clipboard.h"
#include "platform/clipboard.h"
#include "tarnwick/error.h"

namespace Tarnwick {
namespace {

struct Implementation {
  const char* name;
  std::function<platform::Clipboard&()> get;
};

class ClipboardConformance : public ::testing::TestWithParam<Implementation> {
 protected:
  platform::Clipboard& clipboard() { return GetParam().get(); }
};

TEST_P(ClipboardConformance, RegisteredFormatsAreStableAndNamed) {
  uint32_t html = clipboard().RegisterFormat(u"HTML Format");
  EXPECT_GE(html, 0xC000u);
  EXPECT_EQ(clipboard().RegisterFormat(u"HTML Format"), html);
  EXPECT_NE(clipboard().RegisterFormat(u"Tarnwick Test Format"), html);
}

TEST_P(ClipboardConformance, PlacingReplacesEveryFormat) {
  platform::ScopedClipboardOverride scope(clipboard());
  uint32_t html = clipboard().RegisterFormat(u"HTML Format");
  clipboard::PlaceOnClipboard({clipboard::ClipboardFormatData::Registered(u"HTML Format", std::string("<b>x</b>\0", 9)),
                               clipboard::ClipboardFormatData::Standard(platform::kClipboardText, std::string("x\0", 2))});
  clipboard::PlaceOnClipboard({clipboard::ClipboardFormatData::Standard(platform::kClipboardText, std::string("y\0", 2))});

  ASSERT_TRUE(clipboard().TryOpen());
  std::optional<std::string> text = clipboard().GetData(platform::kClipboardText);
  std::optional<std::string> stale = clipboard().GetData(html);
  clipboard().Close();
  ASSERT_TRUE(text);
  EXPECT_EQ(text->substr(0, 2), std::string("y\0", 2));  // Windows may round the size up
  EXPECT_FALSE(stale) << "the earlier HTML must be gone";
}

TEST_P(ClipboardConformance, EmptyDataEmptiesTheClipboard) {
  platform::ScopedClipboardOverride scope(clipboard());
  clipboard::PlaceOnClipboard({clipboard::ClipboardFormatData::Standard(platform::kClipboardText, std::string("z\0", 2))});
  clipboard::PlaceOnClipboard({});
  ASSERT_TRUE(clipboard().TryOpen());
  EXPECT_FALSE(clipboard().GetData(platform::kClipboardText));
  clipboard().Close();
}

INSTANTIATE_TEST_SUITE_P(
    Implementations, ClipboardConformance,
    ::testing::Values(
        Implementation{"System", [] () -> platform::Clipboard& { return platform::ActiveClipboard(); }},
        Implementation{"Fake",
                       [] () -> platform::Clipboard& {
                         static testing::FakeClipboard fake;
                         return fake;
                       }}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(ClipboardWriter, RetriesThenRaises) {
  testing::FakeClipboard fake;
  fake.heldForAttempts = 5;
  platform::ScopedClipboardOverride scope(fake);
  clipboard::RetryPolicy quick{.attempts = 5, .interval = std::chrono::milliseconds(1)};
  EXPECT_THROW(clipboard::PlaceOnClipboard({}, quick), ClipboardError);
  EXPECT_EQ(fake.openAttempts, 5);
  EXPECT_EQ(fake.emptied, 0);
  clipboard::PlaceOnClipboard({}, quick);  // free again
  EXPECT_EQ(fake.emptied, 1);
}

}  // namespace
}  // namespace Tarnwick
