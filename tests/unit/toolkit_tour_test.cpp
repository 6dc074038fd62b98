// The README's toolkit tour, as written, against the emulator's built-in sample datasource.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "emulator_control.h"
#include "tarnwick/documents.h"
#include "tarnwick/lookups.h"
#include "tarnwick/web_links.h"

namespace Tarnwick::testing {
namespace {

TEST(ToolkitTour, RunsAsWrittenOnTheSample) {
  Emulator::Reset();
  using namespace Tarnwick::OvWrapper;

  // Open a session: the emulator's sample is logged in already (archive:Main, user alice).
  ASSERT_TRUE(CheckConnectionAndWorkingFolder());

  // Copy out a document.
  std::u16string file;
  ASSERT_TRUE(CopyOutDocument(3, 1, false, FetchDocumentFlags(0), file));
  std::ifstream bytes{std::filesystem::path(file), std::ios::binary};
  EXPECT_EQ(std::string(std::istreambuf_iterator<char>(bytes), {}),
            "%PDF-1.4\n% Site plan of bridge 12\n");
  bytes.close();
  std::filesystem::remove_all(std::filesystem::path(file).parent_path());

  // Print a web link.
  EXPECT_EQ(GetDocumentWebLink(u"https://dms.example/Open.aspx", 3, 1, WebLinkActions::View),
            u"https://dms.example/Open.aspx?location=archive%3aMain&link=ov%3a%2f%2farchive%3aMain"
            u"%2fDocuments%2fDocuments%5cBridge+12%5cSite+plan.pdf&action=DM_View");

  // Look up a user.
  const auto users = GetUsersByName();
  const OrvaneUser& alice = users.at(u"Alice");
  EXPECT_EQ(alice.ID, 7);
  EXPECT_EQ(alice.EMail, u"alice@tarnwick.example");
  EXPECT_EQ(GetUserName(7), u"alice");
  EXPECT_EQ(GetWorkflowId(u"release"), 10);
}

}  // namespace
}  // namespace Tarnwick::testing
