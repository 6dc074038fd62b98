// The four menu commands end to end against the emulator, with the clipboard captured: link
// texts, the failure cases, the host calls they make, and buffers freed exactly once.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <cstring>
#include <functional>
#include <optional>

#include "commands/exports.h"
#include "emulator_control.h"
#include "fake_clipboard.h"
#include "platform/debug_output.h"
#include "platform/text.h"
#include "tarnwick/addresses.h"
#include "tarnwick/error.h"
#include "tarnwick/gmail_links_to_clipboard.h"

namespace Tarnwick {
namespace {

using ::testing::ElementsAre;
using testing::Emulator;

const std::string kDoc1 = "L?ov://archive:Main/Documents/D{0f8fad5b-d9cb-469f-a165-70867728950e}/";
const std::string kDoc2 = "L?ov://archive:Main/Documents/D{7c9e6679-74a5-40de-944b-e07fc1f90ae7}/";
const std::string kFolder = "L?ov://archive:Main/Documents/P{16fd2706-8baf-433b-82eb-8c7fada847da}/";
const std::string kAnchor1 = "<a href=\"" + kDoc1 + "\">Site plan.pdf</a>";
const std::string kAnchor2 = "<a href=\"" + kDoc2 + "\">Notes & minutes</a>";
const std::string kFolderAnchor = "<a href=\"" + kFolder + "\">Bridge 12</a>";

// What a command left on the clipboard, read back as the paste target would.
struct Placed {
  std::optional<std::string> fragment;  // the "HTML Format" bytes between the offsets
  std::optional<std::string> text;      // CF_TEXT without its zero
  std::optional<std::string> unicode;   // CF_UNICODETEXT as UTF-8, without its zero
  size_t formats = 0;
};

class CommandsTest : public ::testing::Test {
 protected:
  void SetUp() override {
    Emulator::Reset();
    GMailLinksToClipboard::SetURNPrefix(u"L");
  }
  void TearDown() override {
    GMailLinksToClipboard::SetURNPrefix(GMailLinksToClipboard::kDefaultURNPrefix);
    EXPECT_EQ(Emulator::OpenDataBufferCount(), 0) << "a data buffer was not freed";
    EXPECT_EQ(Emulator::InvalidFreeCount(), 0) << "a data buffer was freed twice";
  }

  Placed Run(const std::function<int32_t()>& command) {
    EXPECT_EQ(command(), 1);
    Placed placed;
    placed.formats = clipboard_.FormatCount();
    if (auto html = clipboard_.Html()) {
      EXPECT_EQ(html->back(), '\0');
      long start = std::stol(html->substr(html->find("StartFragment:") + 14, 9));
      long end = std::stol(html->substr(html->find("EndFragment:") + 12, 9));
      placed.fragment = html->substr(size_t(start), size_t(end - start));
    }
    if (auto text = clipboard_.GetData(platform::kClipboardText)) {
      EXPECT_EQ(text->back(), '\0');
      placed.text = text->substr(0, text->size() - 1);
    }
    if (auto unicode = clipboard_.GetData(platform::kClipboardUnicodeText)) {
      std::u16string wide(unicode->size() / 2, u'\0');
      std::memcpy(wide.data(), unicode->data(), wide.size() * 2);
      EXPECT_EQ(wide.back(), u'\0');
      wide.pop_back();
      placed.unicode = platform::ToUtf8(wide);
    }
    return placed;
  }

  testing::FakeClipboard clipboard_;
  platform::ScopedClipboardOverride scope_{clipboard_};
};

int32_t Documents(std::vector<std::pair<int32_t, int32_t>> items, bool html) {
  std::vector<int32_t> projects, documents;
  for (auto [p, d] : items) {
    projects.push_back(p);
    documents.push_back(d);
  }
  auto command = html ? DocumentCommand : DocumentCommandBareLink;
  return command(uint32_t(items.size()), projects.data(), documents.data());
}

TEST_F(CommandsTest, LinkTextsOfEveryCommand) {
  struct Case {
    const char* label;
    std::function<int32_t()> command;
    std::optional<std::string> fragment;
    std::string text;
  };
  const Case cases[] = {
      {"DocumentCommand, one", [] { return Documents({{3, 1}}, true); }, kAnchor1, kAnchor1 + "\r\n"},
      {"DocumentCommand, two", [] { return Documents({{3, 1}, {3, 2}}, true); },
       kAnchor1 + "<br>" + kAnchor2, kAnchor1 + "\r\n" + kAnchor2 + "\r\n"},
      {"DocumentCommandBareLink, two", [] { return Documents({{3, 1}, {3, 2}}, false); },
       std::nullopt, kDoc1 + "\n" + kDoc2},
      {"ProjectCommand", [] { return ProjectCommand(3); }, kFolderAnchor, kFolder},
      {"ProjectCommandBareLink", [] { return ProjectCommandBareLink(3); }, kFolder, kFolder},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.label);
    Placed placed = Run(c.command);
    EXPECT_EQ(placed.fragment, c.fragment);
    EXPECT_EQ(placed.text, c.text);
    if (c.fragment) {
      EXPECT_EQ(placed.unicode, c.text);
      EXPECT_EQ(placed.formats, 3u);
    } else {
      EXPECT_EQ(placed.formats, 1u) << "bare document links go as CF_TEXT alone";
    }
  }
}

TEST_F(CommandsTest, NonAsciiNamesReachEveryFormatIntact) {
  Placed placed = Run([] { return Documents({{4, 1}}, true); });
  const std::string anchor =
      "<a href=\"L?ov://archive:Main/Documents/D{b3f1c2d4-5e6f-4a7b-8c9d-0e1f2a3b4c5d}/\">"
      "\xC3\x9C" "bersicht \xF0\x9F\x8C\x89.docx</a>";
  EXPECT_EQ(placed.fragment, anchor);
  EXPECT_EQ(placed.unicode, anchor + "\r\n");
}

TEST_F(CommandsTest, SkippedDocumentsLeaveNoEmptyEntries) {
  // 99 is no folder (no buffer at all); 3:77 is no document of folder 3 (an empty buffer).
  for (auto failing : {std::pair{99, 1}, std::pair{3, 77}}) {
    Placed html = Run([&] { return Documents({{3, 1}, failing, {3, 2}}, true); });
    EXPECT_EQ(html.fragment, kAnchor1 + "<br>" + kAnchor2);
    EXPECT_EQ(html.unicode, kAnchor1 + "\r\n" + kAnchor2 + "\r\n");
    Placed bare = Run([&] { return Documents({failing, {3, 1}, failing, {3, 2}, failing}, false); });
    EXPECT_EQ(bare.text, kDoc1 + "\n" + kDoc2);
  }
}

TEST_F(CommandsTest, AbsentNameIsWrittenAsNothing) {
  Emulator::ReturnNullText("qxApi_DmsDataBufferGetStringProperty");
  EXPECT_EQ(Run([] { return Documents({{3, 1}}, true); }).fragment, "<a href=\"" + kDoc1 + "\"></a>");
  Emulator::ReturnNullText("qxApi_GetProjectStringProperty");
  EXPECT_EQ(Run([] { return ProjectCommand(3); }).fragment, "<a href=\"" + kFolder + "\"></a>");
}

TEST_F(CommandsTest, FailedLookupsGiveTheEmptyOrPartialMoniker) {
  Emulator::FailFunction("qxApi_GetDocumentGUIDsByIds");
  EXPECT_EQ(Run([] { return Documents({{3, 1}}, false); }).text,
            "L?ov://archive:Main/Documents/D{}/");
  Emulator::FailFunction("qxApi_GetActiveDatasourceName");
  EXPECT_EQ(Run([] { return Documents({{3, 1}}, false); }).text, "L?/");
  EXPECT_EQ(Run([] { return ProjectCommandBareLink(3); }).text, "L?");
}

TEST_F(CommandsTest, UnselectableFolderGivesEmptyFragmentAndTheBareLinkAsText) {
  Emulator::FailFunction("qxApi_SelectProject");
  Placed placed = Run([] { return ProjectCommand(3); });
  EXPECT_EQ(placed.fragment, "");
  EXPECT_EQ(placed.text, kFolder);
  EXPECT_EQ(Run([] { return ProjectCommand(99); }).text, "L?") << "unknown folder: no moniker";
}

TEST_F(CommandsTest, NothingSelected) {
  Placed html = Run([] { return DocumentCommand(0, nullptr, nullptr); });
  EXPECT_EQ(html.fragment, "");
  EXPECT_EQ(html.text, "");
  EXPECT_EQ(html.unicode, "");

  // The bare command empties the clipboard so no older link is pasted for this selection.
  Run([] { return Documents({{3, 1}}, false); });
  Placed bare = Run([] { return DocumentCommandBareLink(0, nullptr, nullptr); });
  EXPECT_EQ(bare.formats, 0u);

  // A host passing a count without arrays selected nothing; it must not crash.
  EXPECT_EQ(Run([] { return DocumentCommand(5, nullptr, nullptr); }).fragment, "");
  int32_t projects[] = {3};
  EXPECT_EQ(Run([&] { return DocumentCommandBareLink(1, projects, nullptr); }).formats, 0u);
}

TEST_F(CommandsTest, HostCallOrderForOneDocument) {
  Emulator::ClearCallLog();
  Run([] { return Documents({{3, 1}}, true); });
  EXPECT_THAT(Emulator::CalledFunctions(),
              ElementsAre("qxApi_SelectDocumentDataBuffer", "qxApi_DmsDataBufferGetCount",
                          "qxApi_DmsDataBufferGetStringProperty", "qxApi_GetActiveDatasourceName",
                          "qxApi_GetDocumentGUIDsByIds", "qxApi_GetActiveDatasourceName",
                          "qxApi_GetDocumentGUIDsByIds", "qxApi_DmsDataBufferFree"));
  EXPECT_THAT(Emulator::CallsOf("qxApi_GetActiveDatasourceName"),
              ElementsAre("qxApi_GetActiveDatasourceName(1024)", "qxApi_GetActiveDatasourceName(1024)"));
  EXPECT_THAT(Emulator::CallsOf("qxApi_DmsDataBufferGetStringProperty")[0],
              ::testing::EndsWith(", 20, 0)"));
}

TEST_F(CommandsTest, HostCallOrderForTheFolder) {
  Emulator::ClearCallLog();
  Run([] { return ProjectCommand(3); });
  EXPECT_THAT(Emulator::CallLog(),
              ElementsAre("qxApi_SelectProject(3)", "qxApi_GetProjectStringProperty(12, 0)",
                          "qxApi_GetProjectGUIDsByIds(1, 3)", "qxApi_GetActiveDatasourceName(1024)",
                          "qxApi_GetProjectGUIDsByIds(1, 3)", "qxApi_GetActiveDatasourceName(1024)"));
}

TEST_F(CommandsTest, EveryBufferIsFreedOnceAlsoWhenItHoldsNoRow) {
  Emulator::ClearCallLog();
  Run([] { return Documents({{3, 1}, {3, 77}, {99, 1}, {3, 2}}, true); });
  EXPECT_EQ(Emulator::CallsOf("qxApi_SelectDocumentDataBuffer").size(), 4u);
  EXPECT_EQ(Emulator::CallsOf("qxApi_DmsDataBufferFree").size(), 3u);  // 99:1 gave no buffer
}

TEST_F(CommandsTest, ClipboardHeldByAnotherProgramEndsAsDebugLineAndResultOne) {
  clipboard_.heldForAttempts = 1000;
  platform::DebugOutputCapture debug;
  EXPECT_EQ(Documents({{3, 1}}, true), 1);
  EXPECT_EQ(clipboard_.openAttempts, 10);
  EXPECT_TRUE(debug.Contains(u"DocumentCommand failed: Requested Clipboard operation did not succeed"));
}

TEST_F(CommandsTest, ClipboardFreedWithinTheRetriesIsWritten) {
  clipboard_.heldForAttempts = 3;
  Placed placed = Run([] { return ProjectCommandBareLink(3); });
  EXPECT_EQ(placed.text, kFolder);
  EXPECT_EQ(clipboard_.openAttempts, 4);
}

TEST(Addresses, EveryOverloadAndItsFailureResult) {
  Emulator::Reset();
  const Guid doc = Guid::Parse(u"7c9e6679-74a5-40de-944b-e07fc1f90ae7");
  EXPECT_EQ(OvWrapper::GetDocumentURL(3, 1),
            u"ov://archive:Main/Documents/D{0f8fad5b-d9cb-469f-a165-70867728950e}");
  EXPECT_EQ(OvWrapper::GetDocumentURL(doc),
            u"ov://archive:Main/Documents/D{7c9e6679-74a5-40de-944b-e07fc1f90ae7}");
  EXPECT_EQ(OvWrapper::GetDocumentURL(3, 1, u"other:DS"),
            u"ov://other:DS/Documents/D{0f8fad5b-d9cb-469f-a165-70867728950e}");
  EXPECT_EQ(OvWrapper::GetDocumentURL(3, 77), u"ov://archive:Main/Documents/D{}");
  EXPECT_EQ(OvWrapper::GetProjectURL(3),
            u"ov://archive:Main/Documents/P{16fd2706-8baf-433b-82eb-8c7fada847da}/");
  EXPECT_EQ(OvWrapper::GetGuidStringFromIds(3, 2), u"7c9e6679-74a5-40de-944b-e07fc1f90ae7");
  EXPECT_EQ(OvWrapper::GetProjectGuidStringFromId(3), u"16fd2706-8baf-433b-82eb-8c7fada847da");
  EXPECT_EQ(OvWrapper::GetGuidStringFromIds(3, 77), u"");
  EXPECT_EQ(OvWrapper::GetProjectGuidStringFromId(99), u"");

  // The folder's GUID is asked first: an unknown folder never reaches the datasource name.
  Emulator::ClearCallLog();
  EXPECT_EQ(OvWrapper::GetProjectURL(99), u"");
  EXPECT_THAT(Emulator::CalledFunctions(), ElementsAre("qxApi_GetProjectGUIDsByIds"));

  // The explicit datasource and GUID form asks the host nothing.
  Emulator::ClearCallLog();
  EXPECT_EQ(OvWrapper::GetDocumentURL(doc, u"x"),
            u"ov://x/Documents/D{7c9e6679-74a5-40de-944b-e07fc1f90ae7}");
  EXPECT_TRUE(Emulator::CallLog().empty());

  Emulator::FailFunction("qxApi_GetActiveDatasourceName");
  EXPECT_EQ(OvWrapper::GetDocumentURL(3, 1), u"");
  EXPECT_EQ(OvWrapper::GetDocumentURL(doc), u"");
  EXPECT_EQ(OvWrapper::GetProjectURL(3), u"");
  EXPECT_EQ(OvWrapper::GetDocumentURL(3, 1, u"ds"),
            u"ov://ds/Documents/D{0f8fad5b-d9cb-469f-a165-70867728950e}");
}

TEST(Addresses, IdsFromGuidText) {
  Emulator::Reset();
  int32_t project = -1, document = -1;
  EXPECT_TRUE(OvWrapper::GetIdsFromGuidString(u"{7C9E6679-74A5-40DE-944B-E07FC1F90AE7}", project,
                                              document));
  EXPECT_EQ(project, 3);
  EXPECT_EQ(document, 2);

  project = document = -1;
  EXPECT_FALSE(OvWrapper::GetIdsFromGuidString(u"00000000-0000-0000-0000-000000000001", project,
                                               document));
  EXPECT_EQ(project, -1) << "ids stay untouched on failure";
  EXPECT_EQ(document, -1);
  EXPECT_THROW(OvWrapper::GetIdsFromGuidString(u"Site plan.pdf", project, document), FormatError);
}

}  // namespace
}  // namespace Tarnwick
