// Monikers built and read by the host, the form encoding, and every web-link form.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <functional>

#include "emulator_control.h"
#include "links/url_encoding.h"
#include "platform/debug_output.h"
#include "tarnwick/documents.h"
#include "tarnwick/web_links.h"

namespace Tarnwick::testing {
namespace {

using OvWrapper::WebLinkActions;

bool Has(const std::u16string& text, std::u16string_view part) {
  return text.find(part) != std::u16string::npos;
}

constexpr char16_t kPage[] = u"https://dms.example/Open.aspx";
constexpr char16_t kSiteDocGuid[] = u"0f8fad5b-d9cb-469f-a165-70867728950e";  // 3:1
constexpr char16_t kBridgeGuid[] = u"16fd2706-8baf-433b-82eb-8c7fada847da";   // folder 3
constexpr char16_t kLocation[] = u"?location=archive%3aMain&link=";

class WebLinksTest : public ::testing::Test {
 protected:
  void SetUp() override { Emulator::Reset(); }
  // Whatever a test did, no moniker text or data buffer is left over and nothing was freed
  // twice.
  void TearDown() override {
    EXPECT_EQ(Emulator::OpenMonikerTextCount(), 0);
    EXPECT_EQ(Emulator::OpenDataBufferCount(), 0);
    EXPECT_EQ(Emulator::InvalidFreeCount(), 0);
  }
};

// Runs first in this file: a hidden entry point must be hidden before anything binds it.
TEST_F(WebLinksTest, DatasourceNameFallsBackToTheTextWhenTheHostCannotName) {
  Emulator::HideEntryPoint("qxApi_GetDatasourceNameFromMoniker");
  const std::u16string guid = std::u16string(u"{") + kSiteDocGuid + u"}";
  platform::DebugOutputCapture capture;
  EXPECT_EQ(
      OvWrapper::GetDatasourceNameFromMonikerString(u"ov:\\\\archive:Main\\Documents\\D" + guid),
      u"archive:Main");
  // The scheme in capitals is not removed by the fallback.
  EXPECT_EQ(OvWrapper::GetDatasourceNameFromMonikerString(u"OV://archive:Main/Documents/D" + guid),
            u"OV://archive:Main");
  ASSERT_FALSE(capture.Lines().empty());
  EXPECT_EQ(capture.Lines()[0].rfind(u"Error: ", 0), 0u);
  EXPECT_TRUE(
      Has(capture.Lines()[0], u"\n   at Tarnwick::OvWrapper::GetDatasourceNameFromMonikerString"));
  Emulator::HideEntryPoint("qxApi_GetDatasourceNameFromMoniker", false);
}

TEST(UrlEncode, BytesOfUtf8WithLowerCaseHex) {
  const struct {
    std::u16string text, encoded;
  } cases[] = {
      {u"ov://archive:Main/Documents/D{0f8fad5b-d9cb-469f-a165-70867728950e}",
       u"ov%3a%2f%2farchive%3aMain%2fDocuments%2fD%7b0f8fad5b-d9cb-469f-a165-70867728950e%7d"},
      {u"Bridges\\Pier 3.pdf", u"Bridges%5cPier+3.pdf"},
      {u"azAZ09-_.!*()", u"azAZ09-_.!*()"},  // the unreserved set
      {u"~&%+=?#'\"<>", u"%7e%26%25%2b%3d%3f%23%27%22%3c%3e"},
      {u"Ä", u"%c3%84"},
      {u"€", u"%e2%82%ac"},
      {u"🌉", u"%f0%9f%8c%89"},                       // outside the BMP: one four-byte sequence
      {std::u16string(1, u'\xD800'), u"%ef%bf%bd"},  // a lone surrogate as U+FFFD
      {u"", u""},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(OvWrapper::detail::UrlEncode(c.text), c.encoded);
  }
}

TEST(FormattedWebLink, ExampleAndEveryAction) {
  const std::u16string base =
      u"W?location=archive%3aMain&link=ov%3a%2f%2farchive%3aMain%2fDocuments%2fBridges%5cPier+3."
      u"pdf";
  const struct {
    WebLinkActions action;
    std::u16string suffix;
  } cases[] = {
      {WebLinkActions::None, u""},
      {WebLinkActions::Open, u"&action=DM_Open"},
      {WebLinkActions::OpenReadOnly, u"&action=DM_Open_ReadOnly"},
      {WebLinkActions::View, u"&action=DM_View"},
      {WebLinkActions::Markup, u"&action=DM_Redline"},
      {WebLinkActions(5), u""},
      {WebLinkActions(-1), u""},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(
        OvWrapper::GetFormattedWebLink(u"W", u"archive:Main", u"Bridges\\Pier 3.pdf", c.action),
        base + c.suffix);
  }
}

TEST_F(WebLinksTest, HostBuiltMonikersOfEveryForm) {
  const Guid doc = Guid::Parse(kSiteDocGuid), folder = Guid::Parse(kBridgeGuid);
  const std::u16string docMoniker =
      std::u16string(u"ov://archive:Main/Documents/D{") + kSiteDocGuid + u"}/";
  const std::u16string folderMoniker =
      std::u16string(u"ov://archive:Main/Documents/P{") + kBridgeGuid + u"}/";
  EXPECT_EQ(OvWrapper::GetMonikerStringFromDocumentGuid(doc), docMoniker);
  EXPECT_EQ(OvWrapper::GetMonikerStringFromDocumentGuidString(u"{0F8FAD5B-D9CB-469F-A165-"
                                                              u"70867728950E}"),
            docMoniker);
  EXPECT_EQ(OvWrapper::GetMonikerStringFromDocumentIds(3, 1), docMoniker);
  EXPECT_EQ(OvWrapper::GetMonikerStringFromProjectGuid(folder), folderMoniker);
  EXPECT_EQ(OvWrapper::GetMonikerStringFromProjectGuidString(kBridgeGuid), folderMoniker);
  EXPECT_EQ(OvWrapper::GetMonikerStringFromProjectId(3), folderMoniker);
  EXPECT_EQ(Emulator::CallsOf("qxApi_Free").size(), 6u);
}

TEST_F(WebLinksTest, MonikerFailuresGiveEmptyAndADebugLine) {
  const struct {
    const char* name;
    std::function<std::u16string()> call;
    const char16_t* operation;
  } cases[] = {
      {"unknown document ids", [] { return OvWrapper::GetMonikerStringFromDocumentIds(3, 99); },
       u"GetMonikerStringFromDocumentIds"},
      {"unknown folder id", [] { return OvWrapper::GetMonikerStringFromProjectId(99); },
       u"GetMonikerStringFromProjectId"},
      {"malformed GUID text",
       [] { return OvWrapper::GetMonikerStringFromDocumentGuidString(u"not-a-guid"); },
       u"GetMonikerStringFromDocumentGuidString"},
      {"malformed folder GUID text",
       [] { return OvWrapper::GetMonikerStringFromProjectGuidString(u"{1234}"); },
       u"GetMonikerStringFromProjectGuidString"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    platform::DebugOutputCapture capture;
    EXPECT_EQ(c.call(), u"");
    ASSERT_EQ(capture.Lines().size(), 1u);
    EXPECT_TRUE(Has(capture.Lines()[0], std::u16string(u"at Tarnwick::OvWrapper::") + c.operation));
  }
  // A GUID the host does not know is a plain host failure: empty, no debug line.
  platform::DebugOutputCapture capture;
  EXPECT_EQ(OvWrapper::GetMonikerStringFromDocumentGuid(Guid::Parse(kBridgeGuid)), u"");
  Emulator::FailFunction("qxApi_BuildMonikerStringByProjectGuid");
  EXPECT_EQ(OvWrapper::GetMonikerStringFromProjectId(3), u"");
  EXPECT_TRUE(capture.Lines().empty());
  EXPECT_TRUE(Emulator::CallsOf("qxApi_Free").empty());
}

TEST_F(WebLinksTest, MonikersReadBack) {
  const std::u16string docMoniker = OvWrapper::GetMonikerStringFromDocumentIds(4, 1);
  const std::u16string folderMoniker = OvWrapper::GetMonikerStringFromProjectId(4);
  EXPECT_EQ(OvWrapper::GetDatasourceNameFromMonikerString(docMoniker), u"archive:Main");
  EXPECT_EQ(OvWrapper::GetProjectIdFromMonikerString(folderMoniker), 4);
  int32_t projectId = -1, documentId = -1;
  EXPECT_TRUE(OvWrapper::GetDocumentIdsFromMonikerString(docMoniker, projectId, documentId));
  EXPECT_EQ(projectId, 4);
  EXPECT_EQ(documentId, 1);
  // The moniker composed by the addresses reads back too.
  EXPECT_TRUE(OvWrapper::GetDocumentIdsFromMonikerString(
      std::u16string(u"ov://archive:Main/Documents/D{") + kSiteDocGuid + u"}", projectId,
      documentId));
  EXPECT_EQ(projectId, 3);
  EXPECT_EQ(documentId, 1);

  // Failures leave the ids alone; a moniker of the other kind has no GUID to read.
  projectId = documentId = -7;
  platform::DebugOutputCapture capture;
  EXPECT_FALSE(OvWrapper::GetDocumentIdsFromMonikerString(u"no moniker", projectId, documentId));
  EXPECT_FALSE(OvWrapper::GetDocumentIdsFromMonikerString(folderMoniker, projectId, documentId));
  EXPECT_EQ(projectId, -7);
  EXPECT_EQ(documentId, -7);
  EXPECT_EQ(OvWrapper::GetProjectIdFromMonikerString(docMoniker), 0);
  EXPECT_EQ(OvWrapper::GetProjectIdFromMonikerString(u"ov://archive:Main/Documents/P{" +
                                                     std::u16string(kSiteDocGuid) + u"}/"),
            0);  // a GUID no folder has: an empty buffer, freed
  EXPECT_EQ(OvWrapper::GetDatasourceNameFromMonikerString(u"archive:Main"), u"");
  EXPECT_EQ(capture.Lines().size(), 2u);  // the two null GUIDs
}

TEST_F(WebLinksTest, EveryWebLinkFormWithEveryAction) {
  const Guid doc = Guid::Parse(kSiteDocGuid);
  const std::u16string docMoniker =
      u"ov%3a%2f%2farchive%3aMain%2fDocuments%2fD%7b0f8fad5b-d9cb-469f-a165-70867728950e%7d%2f";
  const std::u16string folderMoniker =
      u"ov%3a%2f%2farchive%3aMain%2fDocuments%2fP%7b16fd2706-8baf-433b-82eb-8c7fada847da%7d%2f";
  const std::u16string docPath =
      u"ov%3a%2f%2farchive%3aMain%2fDocuments%2fDocuments%5cBridge+12%5cSite+plan.pdf";
  const struct {
    const char* name;
    std::function<std::u16string(WebLinkActions)> call;
    std::u16string link;  // without the action's suffix
  } forms[] = {
      {"URN of a moniker text",
       [](WebLinkActions a) { return OvWrapper::GetURNWebLink(kPage, u"ov://x/{ }", a); },
       u"ov%3a%2f%2fx%2f%7b+%7d"},
      {"URN of a folder", [](WebLinkActions a) { return OvWrapper::GetURNWebLink(kPage, 3, a); },
       folderMoniker},
      {"URN of a document GUID",
       [&](WebLinkActions a) { return OvWrapper::GetURNWebLink(kPage, doc, a); }, docMoniker},
      {"URN of document ids",
       [](WebLinkActions a) { return OvWrapper::GetURNWebLink(kPage, 3, 1, a); }, docMoniker},
      {"name path of a document GUID",
       [&](WebLinkActions a) { return OvWrapper::GetDocumentWebLink(kPage, doc, a); }, docPath},
      {"name path of document ids",
       [](WebLinkActions a) { return OvWrapper::GetDocumentWebLink(kPage, 3, 1, a); }, docPath},
      {"name path of a document GUID, datasource given",
       [&](WebLinkActions a) {
         return OvWrapper::GetDocumentWebLink(kPage, u"archive:Main", doc, a);
       },
       docPath},
      {"name path of document ids, datasource given",
       [](WebLinkActions a) {
         return OvWrapper::GetDocumentWebLink(kPage, u"archive:Main", 3, 1, a);
       },
       docPath},
  };
  const struct {
    WebLinkActions action;
    std::u16string suffix;
  } actions[] = {
      {WebLinkActions::None, u""},
      {WebLinkActions::Open, u"&action=DM_Open"},
      {WebLinkActions::OpenReadOnly, u"&action=DM_Open_ReadOnly"},
      {WebLinkActions::View, u"&action=DM_View"},
      {WebLinkActions::Markup, u"&action=DM_Redline"},
      {WebLinkActions(9), u""},
  };
  for (const auto& form : forms) {
    SCOPED_TRACE(form.name);
    for (const auto& action : actions) {
      EXPECT_EQ(form.call(action.action), kPage + (kLocation + form.link) + action.suffix);
    }
  }
  EXPECT_EQ(OvWrapper::GetProjectWebLink(kPage, 4),
            kPage + (kLocation + std::u16string(u"ov%3a%2f%2farchive%3aMain%2fDocuments%2f"
                                                u"Documents%5c%c3%96dland+%26+S%c3%b6hne%2f%2f")));
  EXPECT_EQ(OvWrapper::GetURLEncodedDocumentMoniker(3, 1), docMoniker);
}

TEST_F(WebLinksTest, WebLinkFailures) {
  // A moniker or name path the host cannot give leaves the link parameter empty.
  EXPECT_EQ(OvWrapper::GetURNWebLink(kPage, 3, 99, WebLinkActions::View),
            kPage + (kLocation + std::u16string(u"&action=DM_View")));
  EXPECT_EQ(OvWrapper::GetDocumentWebLink(kPage, 3, 99, WebLinkActions::None),
            kPage + (kLocation + std::u16string(u"ov%3a%2f%2farchive%3aMain%2fDocuments%2f")));
  EXPECT_EQ(OvWrapper::GetURLEncodedDocumentMoniker(3, 99), u"");
  // Without the datasource name every form that reads it gives empty.
  Emulator::FailFunction("qxApi_GetActiveDatasourceName");
  EXPECT_EQ(OvWrapper::GetURNWebLink(kPage, u"ov://x", WebLinkActions::View), u"");
  EXPECT_EQ(OvWrapper::GetURNWebLink(kPage, 3, 1, WebLinkActions::View), u"");
  EXPECT_EQ(OvWrapper::GetProjectWebLink(kPage, 3), u"");
  EXPECT_EQ(OvWrapper::GetDocumentWebLink(kPage, 3, 1, WebLinkActions::View), u"");
  EXPECT_NE(OvWrapper::GetDocumentWebLink(kPage, u"archive:Main", 3, 1, WebLinkActions::View), u"");
}

TEST_F(WebLinksTest, NamePaths) {
  EXPECT_EQ(OvWrapper::GetDocumentNamePath(3, 1), u"Documents\\Bridge 12\\Site plan.pdf");
  EXPECT_EQ(OvWrapper::GetDocumentNamePath(Guid::Parse(u"b3f1c2d4-5e6f-4a7b-8c9d-0e1f2a3b4c5d")),
            u"Documents\\Ödland & Söhne\\Übersicht 🌉.docx");
  EXPECT_EQ(OvWrapper::GetProjectNamePath(3), u"Documents\\Bridge 12");
  EXPECT_EQ(OvWrapper::GetProjectNamePath2(1), u"Documents");
  EXPECT_EQ(OvWrapper::GetProjectNamePath(99), u"");
  EXPECT_EQ(OvWrapper::GetDocumentNamePath(3, 99), u"");
  EXPECT_EQ(OvWrapper::GetDocumentNamePath(Guid::Parse(kBridgeGuid)), u"");
  // Names, not descriptions; a backslash between levels; the whole buffer offered.
  EXPECT_THAT(Emulator::CallsOf("qxApi_GetProjectNamePath"),
              ::testing::ElementsAre("qxApi_GetProjectNamePath(3, 0, 92, 5096)",
                                     "qxApi_GetProjectNamePath(99, 0, 92, 5096)"));
}

}  // namespace
}  // namespace Tarnwick::testing
