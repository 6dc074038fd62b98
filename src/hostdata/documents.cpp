#include "tarnwick/documents.h"

#include <filesystem>
#include <mutex>
#include <random>

#include "binding/shared_state.h"
#include "hostdata/report.h"
#include "platform/known_folders.h"
#include "platform/text.h"
#include "tarnwick/addresses.h"
#include "tarnwick/error.h"
#include "tarnwick/ov_host_api.h"

namespace Tarnwick::OvWrapper {

namespace {

constexpr int32_t kNamePathSize = 5096;
constexpr int32_t kGeneratedNameSize = 127;
constexpr int32_t kFilePathSize = 1024;

// The host's object type of a folder, and its view types of the document list and the preview
// pane.
const Guid kFolderObjectType = Guid::Parse(u"67536006-10e4-4428-86b1-bbcc11699ded");
const Guid kDocumentListViewType = Guid::Parse(u"2073fbc1-2fbf-496f-9de0-015ab4010e94");
const Guid kPreviewPaneViewType = Guid::Parse(u"b7312de2-d64b-4c40-9369-a14c2f46d2ef");
constexpr char16_t kNamePathSeparator = u'\\';

// The text the host wrote into a buffer of size characters, after a call that reported success;
// a host that filled the buffer to the brim is cut at its last character.
std::u16string BufferText(std::u16string& buffer) {
  buffer.back() = u'\0';
  return std::u16string(buffer.c_str());
}

// The host's text in a buffer of size characters, or std::nullopt when the call fails.
template <typename Call>
std::optional<std::u16string> HostBufferText(int32_t size, Call call) {
  std::u16string buffer(size_t(size), u'\0');
  if (!call(buffer.data(), size)) return std::nullopt;
  return BufferText(buffer);
}

template <typename Call>
std::u16string NamePath(Call call) {
  return HostBufferText(kNamePathSize, call).value_or(u"");
}

std::filesystem::path PathOf(std::u16string_view text) {
  return std::filesystem::path(std::u16string(text));
}

bool FileExists(std::u16string_view path) {
  std::error_code error;
  return std::filesystem::is_regular_file(PathOf(path), error);
}

// A version-4 GUID from the standard library's random device (the system's random source on
// both platforms).
Guid NewGuid() {
  std::random_device random;
  Guid guid;
  guid.Data1 = uint32_t(random());
  const uint32_t middle = uint32_t(random());
  guid.Data2 = uint16_t(middle);
  guid.Data3 = uint16_t(((middle >> 16) & 0x0FFF) | 0x4000);
  for (size_t i = 0; i < 8; i += 4) {
    const uint32_t word = uint32_t(random());
    for (size_t j = 0; j < 4; ++j) guid.Data4[i + j] = uint8_t(word >> (8 * j));
  }
  guid.Data4[0] = uint8_t((guid.Data4[0] & 0x3F) | 0x80);
  return guid;
}

// A new folder "<temporary folder>/<GUID>" for one copy-out; std::nullopt after reporting why
// it could not be made.
std::optional<std::u16string> NewCopyOutFolder() {
  try {
    const std::u16string temporary = platform::TemporaryFolder();
    if (temporary.empty()) throw Error("the user's temporary folder is unknown");
    const std::filesystem::path folder = PathOf(temporary) / PathOf(NewGuid().ToString());
    std::filesystem::create_directories(folder);
    return folder.u16string();
  } catch (const std::exception& e) {
    detail::ReportError(e, "CopyOutDocument");
    return std::nullopt;
  }
}

std::u16string GeneratedName(std::u16string_view given,
                             HostBool (*generate)(int32_t, const char16_t*, char16_t*, int32_t),
                             int32_t iProjectId) {
  const std::u16string prefix(given);
  return HostBufferText(kGeneratedNameSize,
                        [&](char16_t* buffer, int32_t size) {
                          return generate(iProjectId, prefix.c_str(), buffer, size);
                        })
      .value_or(prefix);
}

std::vector<int32_t> SelectedProjectIds(int32_t count) {
  std::vector<int32_t> ids;
  for (int32_t i = 0; i < count; ++i) {
    ids.push_back(qxApi_GetProjectNumericProperty(ProjectProperty::ID, i));
  }
  return ids;
}

bool ApplyToDocumentList(HostHandle view) {
  return qxApi_DocListSetView(qxApi_GetActiveDocumentList(), view) != 0;
}

}  // namespace

bool CopyOutDocument(int32_t iProjectId, int32_t iDocumentId, bool bUseWorkingDirectory,
                     FetchDocumentFlags fetchFlags, std::u16string& sFileName) {
  std::optional<std::u16string> folder;
  if (!bUseWorkingDirectory) {
    folder = NewCopyOutFolder();
    if (!folder) return false;
  }
  {
    std::lock_guard lock(detail::_lockObject());  // one copy-out at a time in the process
    const std::optional<std::u16string> fetched =
        HostBufferText(kFilePathSize, [&](char16_t* buffer, int32_t size) {
          return qxApi_FetchDocumentFromServer(fetchFlags, iProjectId, iDocumentId,
                                               folder ? folder->c_str() : nullptr, buffer, size);
        });
    if (!fetched) return false;
    if (FileExists(*fetched)) {
      sFileName = *fetched;
      return true;
    }
  }
  // The host may keep the working copy elsewhere than where it says it fetched it to.
  if (bUseWorkingDirectory) {
    const std::optional<std::u16string> local =
        HostBufferText(kFilePathSize, [&](char16_t* buffer, int32_t size) {
          return qxApi_GetDocumentFileName(iProjectId, iDocumentId, buffer, size);
        });
    if (local && FileExists(*local)) {
      sFileName = *local;
      return true;
    }
  }
  return false;
}

bool CopyOutDocument(const Guid& docGuid, bool bUseWorkingDirectory, FetchDocumentFlags fetchFlags,
                     std::u16string& sFileName) {
  QxDocItem item{};
  if (!qxApi_GetDocumentIdsByGUIDs(1, &docGuid, &item)) return false;
  return CopyOutDocument(item.lProjectId, item.lDocumentId, bUseWorkingDirectory, fetchFlags,
                         sFileName);
}

bool CopyOutDocument(std::u16string_view sDocumentGuid, bool bUseWorkingDirectory,
                     FetchDocumentFlags fetchFlags, std::u16string& sFileName) {
  int32_t projectId = 0, documentId = 0;
  if (!GetIdsFromGuidString(sDocumentGuid, projectId, documentId)) return false;
  return CopyOutDocument(projectId, documentId, bUseWorkingDirectory, fetchFlags, sFileName);
}

bool mcmMain_GetDocumentIdByFilePath(std::u16string_view sFileName, int32_t /*iValidateWithChkl*/,
                                     int32_t& iProjectNo, int32_t& iDocumentNo) {
  const std::u16string fileName(sFileName);
  Guid guid;
  if (!qxApi_ChklSetGetDocGuidFromFileName(fileName.c_str(), &guid)) return false;
  if (qxApi_GUIDSelectDocument(&guid) != 1) return false;
  iProjectNo = qxApi_GetDocumentNumericProperty(DocumentProperty::ProjectID, 0);
  iDocumentNo = qxApi_GetDocumentNumericProperty(DocumentProperty::ID, 0);
  return true;
}

std::u16string GetUniqueDocumentName(int32_t iProjectId, std::u16string_view sDocumentName) {
  return GeneratedName(sDocumentName, &qxApi_DocumentGenNameWithPrefix, iProjectId);
}

std::u16string GetUniqueFileName(int32_t iProjectId, std::u16string_view sFileName) {
  return GeneratedName(sFileName, &qxApi_DocumentGenFileNameWithPrefix, iProjectId);
}

std::u16string GetDocumentNamePath(int32_t iProjectId, int32_t iDocId) {
  return NamePath([&](char16_t* buffer, int32_t size) {
    return qxApi_GetDocumentNamePath(iProjectId, iDocId, 0, kNamePathSeparator, buffer, size);
  });
}

std::u16string GetDocumentNamePath(const Guid& docGuid) {
  return NamePath([&](char16_t* buffer, int32_t size) {
    return qxApi_GUIDGetDocumentNamePath(&docGuid, 0, kNamePathSeparator, buffer, size);
  });
}

std::u16string GetProjectNamePath(int32_t iProjectId) {
  return NamePath([&](char16_t* buffer, int32_t size) {
    return qxApi_GetProjectNamePath(iProjectId, 0, kNamePathSeparator, buffer, size);
  });
}

std::u16string GetProjectNamePath2(int32_t iProjectId) {
  return NamePath([&](char16_t* buffer, int32_t size) {
    return qxApi_GetProjectNamePath2(iProjectId, 0, kNamePathSeparator, buffer, size);
  });
}

std::vector<int32_t> GetBranchProjectNos(int32_t iProjectNo, bool bGetSubProjects) {
  if (bGetSubProjects && iProjectNo > 0) {
    return SelectedProjectIds(
        qxApi_SelectProjectsFromBranch(iProjectNo, nullptr, nullptr, nullptr, nullptr));
  }
  if (iProjectNo <= 0) return SelectedProjectIds(qxApi_SelectAllProjects());
  return {iProjectNo};
}

int32_t GetDefaultProjectView(int32_t iProjectId, bool bGetPreviewPaneView) {
  return qxApi_RetrieveDefaultView(
      0, &kFolderObjectType, iProjectId,
      bGetPreviewPaneView ? &kPreviewPaneViewType : &kDocumentListViewType);
}

bool SetDefaultProjectView(int32_t iProjectId, int32_t iViewId, bool bSetPreviewPaneView) {
  return qxApi_SetDefaultView(0, &kFolderObjectType, iProjectId,
                              bSetPreviewPaneView ? &kPreviewPaneViewType : &kDocumentListViewType,
                              iViewId) != 0;
}

bool SetDocumentListView(std::u16string_view sViewName) {
  const std::u16string name(sViewName);
  const HostHandle view = qxApi_ViewGetHandle(name.c_str());
  return view && ApplyToDocumentList(view);
}

bool SetDocumentListViewByProject(int32_t iProjectId, std::u16string_view sViewName) {
  const std::u16string wanted = platform::ToLowerLocale(sViewName);
  for (HostHandle view = qxApi_ViewGetFirstForProject(iProjectId); view;
       view = qxApi_ViewGetNext(view)) {
    // A view without a name matches nothing.
    const std::optional<std::u16string> name = qxApi_ViewGetName(view);
    if (name && platform::ToLowerLocale(*name) == wanted) return ApplyToDocumentList(view);
  }
  return false;
}

bool CheckConnectionAndWorkingFolder() {
  if (qxApi_GetCurrentUserId() < 1) {
    detail::Log(u"No valid Orvane connection.");
    return false;
  }
  const std::optional<std::u16string> folder = qxApi_GetWorkingDirectory();
  if (!folder || folder->empty()) {
    detail::Log(u"Error, no working directory defined for current user.");
    return false;
  }
  std::error_code error;
  if (!std::filesystem::is_directory(PathOf(*folder), error)) {
    try {
      std::filesystem::create_directories(PathOf(*folder));
    } catch (const std::exception&) {
      detail::Log(u"Error, could not create working directory '" + *folder +
                  u"' for current user.");
      return false;
    }
    if (!std::filesystem::is_directory(PathOf(*folder), error)) {
      detail::Log(u"Error, could not create working directory '" + *folder +
                  u"' for current user.");
      return false;
    }
  }
  return true;
}

}  // namespace Tarnwick::OvWrapper
