// Copy-out, local files, generated names, branches, default views, the document list's views
// and the connection check, against real folders under the temporary folder.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <random>

#include "emulator_control.h"
#include "platform/debug_output.h"
#include "platform/known_folders.h"
#include "tarnwick/documents.h"
#include "tarnwick/error.h"

namespace Tarnwick::testing {
namespace {

namespace fs = std::filesystem;
namespace Ov = OvWrapper;
using OvWrapper::FetchDocumentFlags;
using ::testing::ElementsAre;
using ::testing::IsEmpty;

const auto kNoFlags = FetchDocumentFlags(0);

std::string ReadFile(const std::u16string& path) {
  std::ifstream file(fs::path(path), std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(file), {});
}

fs::path WithoutTrailingSeparator(std::u16string folder) {
  while (folder.size() > 1 && (folder.back() == u'/' || folder.back() == u'\\')) folder.pop_back();
  return fs::path(folder);
}

std::string Json(const fs::path& path) {
  std::string text;
  for (char c : path.u8string()) {
    if (c == '\\') text += '\\';
    text += c;
  }
  return text;
}

// A folder of its own under the temporary folder, removed afterwards.
class DocumentsTest : public ::testing::Test {
 protected:
  void SetUp() override {
    root_ = fs::temp_directory_path() /
            ("tarnwick-documents-" + std::to_string(std::random_device()()));
    fs::create_directories(root_);
    Emulator::Reset();
    ASSERT_TRUE(Emulator::LoadFixture(Fixture(1, root_ / "work")));
  }
  void TearDown() override {
    std::error_code ignored;
    fs::remove_all(root_, ignored);
  }

  static std::string Fixture(int currentUser, const fs::path& workingFolder) {
    return R"({
      "datasource": "archive:Main",
      "currentUser": )" +
           std::to_string(currentUser) + R"(,
      "users": [{"id": 1, "name": "ann", "workingFolder": ")" +
           Json(workingFolder) + R"("},
                {"id": 2, "name": "nofolder"}],
      "folders": [
        {"id": 1, "guid": "9a2b5c1e-3f4d-4e6a-8b7c-1d2e3f4a5b6c", "name": "Top"},
        {"id": 3, "parent": 1, "guid": "16fd2706-8baf-433b-82eb-8c7fada847da", "name": "Bridge",
         "defaultView": 7, "previewView": 8},
        {"id": 5, "parent": 3, "guid": "5e0c3a8d-7b21-4f6e-9d4c-2a1b3c4d5e6f", "name": "Pier"},
        {"id": 4, "parent": 1, "guid": "2e0c3a8d-7b21-4f6e-9d4c-2a1b3c4d5e6f", "name": "Road"}
      ],
      "documents": [
        {"project": 3, "id": 1, "guid": "0f8fad5b-d9cb-469f-a165-70867728950e",
         "name": "Site plan.pdf", "file": "site-plan.pdf", "content": "%PDF-1.7 plan\n\u0000\u00ff"},
        {"project": 3, "id": 2, "guid": "7c9e6679-74a5-40de-944b-e07fc1f90ae7",
         "name": "Notes", "file": "notes.txt", "content": "notes", "fetchWrites": false,
         "localFile": ")" +
           Json(workingFolder.parent_path() / "elsewhere" / "notes.txt") + R"("}
      ],
      "views": [
        {"id": 1, "name": "Drawings", "projects": [4]},
        {"id": 2, "projects": [3]},
        {"id": 3, "name": "drawings", "projects": [3]},
        {"id": 4, "name": "DRAWINGS", "projects": [3]},
        {"id": 5, "name": "All"}
      ]
    })";
  }

  fs::path root_;
};

TEST_F(DocumentsTest, CopyOutToAFreshTemporaryFolderEachTime) {
  const std::u16string temporary = platform::TemporaryFolder();
  std::u16string first, second;
  ASSERT_TRUE(Ov::CopyOutDocument(3, 1, false, FetchDocumentFlags::View, first));
  ASSERT_TRUE(Ov::CopyOutDocument(Guid::Parse(u"0f8fad5b-d9cb-469f-a165-70867728950e"), false,
                                  kNoFlags, second));
  for (const std::u16string& path : {first, second}) {
    EXPECT_EQ(ReadFile(path), std::string("%PDF-1.7 plan\n\0\xc3\xbf", 17));
    const fs::path folder = fs::path(path).parent_path();
    EXPECT_EQ(folder.parent_path(), WithoutTrailingSeparator(temporary)) << folder;
    EXPECT_NO_THROW(Guid::Parse(folder.filename().u16string()));
    EXPECT_EQ(folder.filename().u16string().size(), 36u);  // no braces
    fs::remove_all(folder);
  }
  EXPECT_NE(fs::path(first).parent_path(), fs::path(second).parent_path());
  EXPECT_EQ(Emulator::CallsOf("qxApi_FetchDocumentFromServer")[0],
            "qxApi_FetchDocumentFromServer(524288, 3, 1, folder, 1024)");
}

TEST_F(DocumentsTest, CopyOutToTheWorkingFolderAndItsFallback) {
  std::u16string path;
  ASSERT_TRUE(Ov::CopyOutDocument(u"{0F8FAD5B-D9CB-469F-A165-70867728950E}", true, kNoFlags, path));
  EXPECT_EQ(fs::path(path), root_ / "work" / "site-plan.pdf");
  EXPECT_EQ(Emulator::CallsOf("qxApi_FetchDocumentFromServer")[0],
            "qxApi_FetchDocumentFromServer(0, 3, 1, null, 1024)");

  // The fetch reports a path it never wrote; the host's recorded local copy exists.
  fs::create_directories(root_ / "elsewhere");
  std::ofstream(root_ / "elsewhere" / "notes.txt") << "notes";
  ASSERT_TRUE(Ov::CopyOutDocument(3, 2, true, kNoFlags, path));
  EXPECT_EQ(fs::path(path), root_ / "elsewhere" / "notes.txt");

  // Without the working folder there is no fallback; without the local copy none either.
  path = u"unchanged";
  EXPECT_FALSE(Ov::CopyOutDocument(3, 2, false, kNoFlags, path));
  fs::remove(root_ / "elsewhere" / "notes.txt");
  EXPECT_FALSE(Ov::CopyOutDocument(3, 2, true, kNoFlags, path));
  EXPECT_EQ(path, u"unchanged");
}

TEST_F(DocumentsTest, CopyOutFailures) {
  std::u16string path = u"unchanged";
  EXPECT_FALSE(Ov::CopyOutDocument(3, 99, true, kNoFlags, path));
  EXPECT_FALSE(Ov::CopyOutDocument(Guid::Parse(u"16fd2706-8baf-433b-82eb-8c7fada847da"), true,
                                   kNoFlags, path));
  EXPECT_FALSE(Ov::CopyOutDocument(u"16fd2706-8baf-433b-82eb-8c7fada847da", true, kNoFlags, path));
  EXPECT_THROW(Ov::CopyOutDocument(u"16fd2706", true, kNoFlags, path), FormatError);
  Emulator::FailFunction("qxApi_FetchDocumentFromServer");
  EXPECT_FALSE(Ov::CopyOutDocument(3, 1, true, kNoFlags, path));
  Emulator::FailFunction("qxApi_FetchDocumentFromServer", false);

  // A temporary folder in which no folder can be made: reported on the debug output only.
  std::ofstream(root_ / "a-file") << "x";
  platform::KnownFolders folders{platform::RoamingAppDataFolder(), (root_ / "a-file").u16string()};
  platform::ScopedOverride<platform::KnownFolders> temporary(folders);
  platform::DebugOutputCapture capture;
  Emulator::ClearCallLog();
  EXPECT_FALSE(Ov::CopyOutDocument(3, 1, false, kNoFlags, path));
  EXPECT_THAT(Emulator::CallsOf("qxApi_FetchDocumentFromServer"), IsEmpty());
  ASSERT_EQ(capture.Lines().size(), 1u);
  EXPECT_EQ(capture.Lines()[0].rfind(u"Error: ", 0), 0u);
  EXPECT_NE(capture.Lines()[0].find(u"\n   at Tarnwick::OvWrapper::CopyOutDocument"),
            std::u16string::npos);
  EXPECT_EQ(path, u"unchanged");
}

TEST_F(DocumentsTest, DocumentBehindALocalFile) {
  std::u16string path;
  ASSERT_TRUE(Ov::CopyOutDocument(3, 1, true, kNoFlags, path));
  int32_t projectNo = -1, documentNo = -1;
  EXPECT_TRUE(Ov::mcmMain_GetDocumentIdByFilePath(path, 0, projectNo, documentNo));
  EXPECT_EQ(projectNo, 3);
  EXPECT_EQ(documentNo, 1);
  projectNo = documentNo = -1;
  EXPECT_FALSE(Ov::mcmMain_GetDocumentIdByFilePath((root_ / "other.pdf").u16string(), 1, projectNo,
                                                   documentNo));
  EXPECT_EQ(projectNo, -1);
  EXPECT_EQ(documentNo, -1);
}

TEST_F(DocumentsTest, UniqueNamesFallBackToTheGivenName) {
  EXPECT_EQ(Ov::GetUniqueDocumentName(3, u"Site plan.pdf"), u"Site plan (2).pdf");
  EXPECT_EQ(Ov::GetUniqueDocumentName(3, u"New"), u"New");
  EXPECT_EQ(Ov::GetUniqueFileName(3, u"NOTES.txt"), u"NOTES (2).txt");
  EXPECT_EQ(Ov::GetUniqueDocumentName(99, u"Site plan.pdf"), u"Site plan.pdf");
  // Longer than the 127-character buffer the host is given: the host refuses.
  const std::u16string longName(130, u'x');
  EXPECT_EQ(Ov::GetUniqueFileName(3, longName), longName);
  Emulator::FailFunction("qxApi_DocumentGenNameWithPrefix");
  EXPECT_EQ(Ov::GetUniqueDocumentName(3, u"Site plan.pdf"), u"Site plan.pdf");
}

TEST_F(DocumentsTest, BranchProjectNos) {
  const struct {
    int32_t id;
    bool sub;
    std::vector<int32_t> ids;
  } cases[] = {
      {5, false, {5}},         {3, false, {3}},          {0, false, {1, 3, 5, 4}},
      {0, true, {1, 3, 5, 4}}, {-2, true, {1, 3, 5, 4}}, {3, true, {3, 5}},
      {1, true, {1, 3, 5, 4}}, {99, true, {}},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(Ov::GetBranchProjectNos(c.id, c.sub), c.ids) << c.id << " " << c.sub;
  }
}

TEST_F(DocumentsTest, DefaultViews) {
  EXPECT_EQ(Ov::GetDefaultProjectView(3, false), 7);
  EXPECT_EQ(Ov::GetDefaultProjectView(3, true), 8);
  EXPECT_EQ(Ov::GetDefaultProjectView(4, false), 0);
  EXPECT_TRUE(Ov::SetDefaultProjectView(4, 9, true));
  EXPECT_EQ(Ov::GetDefaultProjectView(4, true), 9);
  EXPECT_EQ(Ov::GetDefaultProjectView(4, false), 0);
  EXPECT_FALSE(Ov::SetDefaultProjectView(99, 9, false));
  EXPECT_EQ(Emulator::CallsOf("qxApi_RetrieveDefaultView")[0],
            "qxApi_RetrieveDefaultView(0, 3, 2073fbc1-2fbf-496f-9de0-015ab4010e94)");
}

TEST_F(DocumentsTest, DocumentListViews) {
  // By project: ignoring case, the first match only; a view without a name matches nothing.
  EXPECT_TRUE(Ov::SetDocumentListViewByProject(3, u"Drawings"));
  EXPECT_EQ(Emulator::DocumentListViewId(), 3);
  EXPECT_TRUE(Ov::SetDocumentListViewByProject(3, u"ALL"));
  EXPECT_EQ(Emulator::DocumentListViewId(), 5);
  EXPECT_FALSE(Ov::SetDocumentListViewByProject(5, u"drawings"));  // not offered there
  EXPECT_THAT(Emulator::CallsOf("qxApi_DocListSetView"), ::testing::SizeIs(2));

  EXPECT_TRUE(Ov::SetDocumentListView(u"DRAWINGS"));
  EXPECT_EQ(Emulator::DocumentListViewId(), 4);
  EXPECT_FALSE(Ov::SetDocumentListView(u"Nothing"));
  Emulator::FailFunction("qxApi_GetActiveDocumentList");
  EXPECT_FALSE(Ov::SetDocumentListView(u"All"));
}

TEST_F(DocumentsTest, ConnectionAndWorkingFolderMessages) {
  std::ofstream(root_ / "a-file") << "x";
  const struct {
    int user;
    fs::path folder;
    bool result;
    std::u16string message;  // empty: nothing logged
  } cases[] = {
      {0, root_ / "work", false, u"No valid Orvane connection."},
      {2, root_ / "work", false, u"Error, no working directory defined for current user."},
      {1, root_ / "a-file" / "work", false,
       u"Error, could not create working directory '" + (root_ / "a-file" / "work").u16string() +
           u"' for current user."},
      {1, root_ / "new" / "deep", true, u""},
      {1, root_ / "new" / "deep", true, u""},  // now it exists
  };
  for (const auto& c : cases) {
    ASSERT_TRUE(Emulator::LoadFixture(Fixture(c.user, c.folder)));
    Emulator::ClearCallLog();
    platform::DebugOutputCapture capture;
    EXPECT_EQ(Ov::CheckConnectionAndWorkingFolder(), c.result) << c.folder;
    if (c.message.empty()) {
      EXPECT_THAT(capture.Lines(), IsEmpty());
      EXPECT_TRUE(fs::is_directory(c.folder));
    } else {
      EXPECT_THAT(capture.Lines(), ElementsAre(c.message));
    }
    if (c.user == 0) {
      EXPECT_THAT(Emulator::CalledFunctions(), ElementsAre("qxApi_GetCurrentUserId"));
    }
  }
}

}  // namespace
}  // namespace Tarnwick::testing
