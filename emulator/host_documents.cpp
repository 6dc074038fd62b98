// The emulator's documents and folders beyond the basics of host_kelcore.cpp: name paths,
// copy-out into real files, generated names, branches, default views, and the document list's
// views (kelview.dll), with the current user and their working folder.
#include <algorithm>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <optional>
#include <string>

#include "emulator/datasource.h"
#include "emulator/host_api.h"
#include "emulator/host_call.h"
#include "platform/text.h"

using namespace Tarnwick::Emulator;

namespace {

// The folder's names (or descriptions) from the top folder down, separated by separator;
// nothing for an unknown folder or a parent chain that loops.
std::optional<std::u16string> FolderPath(const Datasource& datasource, int32_t projectId,
                                         bool useDesc, char16_t separator) {
  std::u16string path;
  const Folder* folder = datasource.FindFolder(projectId);
  if (!folder) return std::nullopt;
  for (size_t depth = 0; folder; ++depth) {
    if (depth > datasource.folders.size()) return std::nullopt;
    const std::u16string& part = useDesc ? folder->description : folder->name;
    path = path.empty() ? part : part + separator + path;
    folder = folder->parent > 0 ? datasource.FindFolder(folder->parent) : nullptr;
  }
  return path;
}

std::optional<std::u16string> DocumentPath(const Datasource& datasource, const Document* document,
                                           bool useDesc, char16_t separator) {
  if (!document) return std::nullopt;
  std::optional<std::u16string> path =
      FolderPath(datasource, document->projectId, useDesc, separator);
  if (!path) return std::nullopt;
  return *path + separator + document->name;
}

// Copies text with its terminator into the caller's buffer of size characters; fails, writing
// nothing, when it does not fit.
HostBool CopyOut(const std::optional<std::u16string>& text, char16_t* buffer, int32_t size) {
  if (!text || !buffer || size <= int32_t(text->size())) return 0;
  std::memcpy(buffer, text->c_str(), (text->size() + 1) * sizeof(char16_t));
  return 1;
}

}  // namespace

EMU_HOSTAPI(HostBool)
qxApi_GetProjectNamePath(int32_t ProjectId, HostBool UseDesc, char16_t tchSeparator,
                         char16_t* StringBuffer, int32_t BufferSize) {
  HOST_CALL(qxApi_GetProjectNamePath, ProjectId, UseDesc, int(tchSeparator), BufferSize);
  if (host.Failing(hostFunction)) return 0;
  return CopyOut(FolderPath(host.datasource(), ProjectId, UseDesc, tchSeparator), StringBuffer,
                 BufferSize);
}

// The host's second form; this host builds the same path.
EMU_HOSTAPI(HostBool)
qxApi_GetProjectNamePath2(int32_t ProjectId, HostBool UseDesc, char16_t tchSeparator,
                          char16_t* StringBuffer, int32_t BufferSize) {
  HOST_CALL(qxApi_GetProjectNamePath2, ProjectId, UseDesc, int(tchSeparator), BufferSize);
  if (host.Failing(hostFunction)) return 0;
  return CopyOut(FolderPath(host.datasource(), ProjectId, UseDesc, tchSeparator), StringBuffer,
                 BufferSize);
}

EMU_HOSTAPI(HostBool)
qxApi_GetDocumentNamePath(int32_t ProjectId, int32_t DocId, HostBool UseDesc, char16_t tchSeparator,
                          char16_t* StringBuffer, int32_t BufferSize) {
  HOST_CALL(qxApi_GetDocumentNamePath, ProjectId, DocId, UseDesc, int(tchSeparator), BufferSize);
  if (host.Failing(hostFunction)) return 0;
  const Document* document = host.datasource().FindDocument(ProjectId, DocId);
  return CopyOut(DocumentPath(host.datasource(), document, UseDesc, tchSeparator), StringBuffer,
                 BufferSize);
}

EMU_HOSTAPI(HostBool)
qxApi_GUIDGetDocumentNamePath(const Guid* guid, HostBool UseDesc, char16_t tchSeparator,
                              char16_t* StringBuffer, int32_t BufferSize) {
  HOST_CALL(qxApi_GUIDGetDocumentNamePath, UseDesc, int(tchSeparator), BufferSize);
  if (host.Failing(hostFunction) || !guid) return 0;
  const Document* document = host.datasource().FindDocument(*guid);
  return CopyOut(DocumentPath(host.datasource(), document, UseDesc, tchSeparator), StringBuffer,
                 BufferSize);
}

// Documents: copy-out, the local copies the host knows of, generated names.

namespace {

constexpr int32_t kId = 1;                  // DocumentProperty::ID and ProjectProperty::ID
constexpr int32_t kDocumentProjectId = 29;  // DocumentProperty::ProjectID

std::filesystem::path PathOf(const std::u16string& text) {
  return std::filesystem::path(text);
}

std::u16string Joined(std::u16string folder, const std::u16string& name) {
  if (!folder.empty() && folder.back() != u'\\' && folder.back() != u'/') {
    folder += char16_t(std::filesystem::path::preferred_separator);
  }
  return folder + name;
}

// The name itself when no document of the folder has it under field, else "stem (n).ext"
// with the smallest n from 2 that is free.
std::u16string FreeName(const Datasource& datasource, int32_t projectId, const std::u16string& name,
                        std::u16string Document::*field) {
  auto taken = [&](const std::u16string& candidate) {
    for (const Document& document : datasource.documents) {
      if (document.projectId == projectId && Tarnwick::platform::ToLowerLocale(document.*field) ==
                                                 Tarnwick::platform::ToLowerLocale(candidate)) {
        return true;
      }
    }
    return false;
  };
  if (!taken(name)) return name;
  const size_t dot = name.rfind(u'.');
  const std::u16string stem = dot == std::u16string::npos || dot == 0 ? name : name.substr(0, dot);
  const std::u16string extension = stem.size() == name.size() ? u"" : name.substr(dot);
  for (int n = 2;; ++n) {
    std::u16string candidate =
        stem + u" (" + Tarnwick::platform::FromAscii(std::to_string(n)) + u")" + extension;
    if (!taken(candidate)) return candidate;
  }
}

}  // namespace

EMU_HOSTAPI(int32_t) qxApi_GetCurrentUserId() {
  HOST_CALL(qxApi_GetCurrentUserId);
  return host.Failing(hostFunction) ? 0 : host.datasource().currentUser;
}

// The current user's working folder; no text when none is defined.
EMU_HOSTAPI(const char16_t*) qxApi_GetWorkingDirectory() {
  HOST_CALL(qxApi_GetWorkingDirectory);
  const auto& folders = host.datasource().workingFolders;
  auto it = folders.find(host.datasource().currentUser);
  if (host.Failing(hostFunction) || it == folders.end()) return nullptr;
  return host.HostText(hostFunction, it->second);
}

// Writes the document's file into lpctstrWorkdir, or into the user's working folder when it is
// null, and gives its full path. The folder must exist or be creatable.
EMU_HOSTAPI(HostBool)
qxApi_FetchDocumentFromServer(uint32_t ulFlags, int32_t lProjectId, int32_t lDocumentId,
                              const char16_t* lpctstrWorkdir, char16_t* lptstrFileName,
                              int32_t lBufferSize) {
  HOST_CALL(qxApi_FetchDocumentFromServer, ulFlags, lProjectId, lDocumentId,
            lpctstrWorkdir ? "folder" : "null", lBufferSize);
  Datasource& datasource = host.datasource();
  const Document* document = datasource.FindDocument(lProjectId, lDocumentId);
  if (host.Failing(hostFunction) || !document) return 0;
  std::u16string folder;
  if (lpctstrWorkdir) {
    folder = lpctstrWorkdir;
  } else {
    auto it = datasource.workingFolders.find(datasource.currentUser);
    if (it == datasource.workingFolders.end()) return 0;
    folder = it->second;
  }
  const std::u16string path = Joined(folder, document->fileName);
  if (document->fetchWrites) {
    std::error_code error;
    std::filesystem::create_directories(PathOf(folder), error);
    std::ofstream file(PathOf(path), std::ios::binary | std::ios::trunc);
    file.write(document->content.data(), std::streamsize(document->content.size()));
    if (!file) return 0;
    datasource.localFiles[{lProjectId, lDocumentId}] = path;
  }
  return CopyOut(path, lptstrFileName, lBufferSize);
}

EMU_HOSTAPI(HostBool)
qxApi_GetDocumentFileName(int32_t iProjectId, int32_t iDocumentId, char16_t* sbLocalFilePath,
                          int32_t iBufferSize) {
  HOST_CALL(qxApi_GetDocumentFileName, iProjectId, iDocumentId, iBufferSize);
  const auto& files = host.datasource().localFiles;
  auto it = files.find({iProjectId, iDocumentId});
  if (host.Failing(hostFunction) || it == files.end()) return 0;
  return CopyOut(it->second, sbLocalFilePath, iBufferSize);
}

// The document whose local copy the file is, by its full path.
EMU_HOSTAPI(HostBool)
qxApi_ChklSetGetDocGuidFromFileName(const char16_t* pFileName, Guid* pDocGuid) {
  HOST_CALL(qxApi_ChklSetGetDocGuidFromFileName,
            pFileName ? Tarnwick::platform::ToUtf8(pFileName) : "null");
  if (host.Failing(hostFunction) || !pFileName || !pDocGuid) return 0;
  for (const auto& [ids, path] : host.datasource().localFiles) {
    if (path != pFileName) continue;
    const Document* document = host.datasource().FindDocument(ids.first, ids.second);
    if (!document) return 0;
    *pDocGuid = document->guid;
    return 1;
  }
  return 0;
}

EMU_HOSTAPI(int32_t) qxApi_GUIDSelectDocument(const Guid* guid) {
  HOST_CALL(qxApi_GUIDSelectDocument);
  auto& selection = host.documentSelection();
  selection.clear();
  if (host.Failing(hostFunction) || !guid) return 0;
  if (const Document* document = host.datasource().FindDocument(*guid)) {
    selection.push_back(document);
  }
  return int32_t(selection.size());
}

EMU_HOSTAPI(int32_t) qxApi_GetDocumentNumericProperty(int32_t PropertyId, int32_t lIndex) {
  HOST_CALL(qxApi_GetDocumentNumericProperty, PropertyId, lIndex);
  const auto& selection = host.documentSelection();
  if (host.Failing(hostFunction) || lIndex < 0 || lIndex >= int32_t(selection.size())) return 0;
  const Document& document = *selection[size_t(lIndex)];
  switch (PropertyId) {
    case kId:
      return document.id;
    case kDocumentProjectId:
      return document.projectId;
    default:
      return 0;
  }
}

EMU_HOSTAPI(HostBool)
qxApi_DocumentGenNameWithPrefix(int32_t lProjectId, const char16_t* lpctstrPrefix,
                                char16_t* lptstrDocName, int32_t iBufferSize) {
  HOST_CALL(qxApi_DocumentGenNameWithPrefix, lProjectId, iBufferSize);
  if (host.Failing(hostFunction) || !lpctstrPrefix || !host.datasource().FindFolder(lProjectId)) {
    return 0;
  }
  return CopyOut(FreeName(host.datasource(), lProjectId, lpctstrPrefix, &Document::name),
                 lptstrDocName, iBufferSize);
}

EMU_HOSTAPI(HostBool)
qxApi_DocumentGenFileNameWithPrefix(int32_t lProjectId, const char16_t* lpctstrPrefix,
                                    char16_t* lptstrDocName, int32_t iBufferSize) {
  HOST_CALL(qxApi_DocumentGenFileNameWithPrefix, lProjectId, iBufferSize);
  if (host.Failing(hostFunction) || !lpctstrPrefix || !host.datasource().FindFolder(lProjectId)) {
    return 0;
  }
  return CopyOut(FreeName(host.datasource(), lProjectId, lpctstrPrefix, &Document::fileName),
                 lptstrDocName, iBufferSize);
}

// Folders: every folder, or a folder and all below it (depth first), into the current folder
// selection. The filters are accepted and not applied.
EMU_HOSTAPI(int32_t) qxApi_SelectAllProjects() {
  HOST_CALL(qxApi_SelectAllProjects);
  auto& selection = host.projectSelection();
  selection.clear();
  if (host.Failing(hostFunction)) return -1;
  for (const Folder& folder : host.datasource().folders) selection.push_back(&folder);
  return int32_t(selection.size());
}

EMU_HOSTAPI(int32_t)
qxApi_SelectProjectsFromBranch(int32_t iParentId, const char16_t*, const char16_t*, const char16_t*,
                               const char16_t*) {
  HOST_CALL(qxApi_SelectProjectsFromBranch, iParentId);
  auto& selection = host.projectSelection();
  selection.clear();
  const Datasource& datasource = host.datasource();
  const Folder* top = datasource.FindFolder(iParentId);
  if (host.Failing(hostFunction) || !top) return host.Failing(hostFunction) ? -1 : 0;
  std::vector<const Folder*> pending{top};
  while (!pending.empty() && selection.size() <= datasource.folders.size()) {
    const Folder* folder = pending.back();
    pending.pop_back();
    selection.push_back(folder);
    for (auto it = datasource.folders.rbegin(); it != datasource.folders.rend(); ++it) {
      if (it->parent == folder->id && it->id != folder->id) pending.push_back(&*it);
    }
  }
  return int32_t(selection.size());
}

EMU_HOSTAPI(int32_t) qxApi_GetProjectNumericProperty(int32_t PropertyId, int32_t lIndex) {
  HOST_CALL(qxApi_GetProjectNumericProperty, PropertyId, lIndex);
  const auto& selection = host.projectSelection();
  if (host.Failing(hostFunction) || lIndex < 0 || lIndex >= int32_t(selection.size())) return 0;
  return PropertyId == kId ? selection[size_t(lIndex)]->id : 0;
}

// Default views, for folders only, by view type; 0 when none is set.
EMU_HOSTAPI(int32_t)
qxApi_RetrieveDefaultView(int32_t iUserId, const Guid* objectTypeGuid, int32_t iObjectId,
                          const Guid* viewTypeGuid) {
  HOST_CALL(qxApi_RetrieveDefaultView, iUserId, iObjectId,
            viewTypeGuid ? Tarnwick::platform::ToUtf8(viewTypeGuid->ToString()) : "null");
  if (host.Failing(hostFunction) || !objectTypeGuid || !viewTypeGuid ||
      objectTypeGuid->ToString() != kFolderObjectType) {
    return 0;
  }
  const auto& views = host.datasource().defaultViews;
  auto it = views.find({iObjectId, viewTypeGuid->ToString()});
  return it == views.end() ? 0 : it->second;
}

EMU_HOSTAPI(HostBool)
qxApi_SetDefaultView(int32_t iUserId, const Guid* objectTypeGuid, int32_t iObjectId,
                     const Guid* viewTypeGuid, int32_t iViewId) {
  HOST_CALL(qxApi_SetDefaultView, iUserId, iObjectId,
            viewTypeGuid ? Tarnwick::platform::ToUtf8(viewTypeGuid->ToString()) : "null", iViewId);
  if (host.Failing(hostFunction) || !objectTypeGuid || !viewTypeGuid ||
      objectTypeGuid->ToString() != kFolderObjectType || !host.datasource().FindFolder(iObjectId)) {
    return 0;
  }
  host.datasource().defaultViews[{iObjectId, viewTypeGuid->ToString()}] = iViewId;
  return 1;
}

// Views (kelview.dll): a view's handle is its index in the fixture plus kFirstView.

namespace {

constexpr HostHandle kFirstView = 0x7000;
constexpr HostHandle kDocumentList = 0xD0C;

const View* ViewOf(Host& host, HostHandle handle) {
  const auto& views = host.datasource().views;
  const HostHandle index = handle - kFirstView;
  return index >= 0 && index < HostHandle(views.size()) ? &views[size_t(index)] : nullptr;
}

bool OfferedFor(const View& view, int32_t projectId) {
  return view.projects.empty() ||
         std::find(view.projects.begin(), view.projects.end(), projectId) != view.projects.end();
}

HostHandle NextViewFor(Host& host, size_t from, int32_t projectId) {
  const auto& views = host.datasource().views;
  for (size_t i = from; i < views.size(); ++i) {
    if (OfferedFor(views[i], projectId)) return kFirstView + HostHandle(i);
  }
  return 0;
}

}  // namespace

EMU_HOSTAPI(HostHandle) kelview_qxApi_ViewGetHandle(const char16_t* sViewName) {
  HOST_CALL(qxApi_ViewGetHandle, sViewName ? Tarnwick::platform::ToUtf8(sViewName) : "null");
  if (host.Failing(hostFunction) || !sViewName) return 0;
  const auto& views = host.datasource().views;
  for (size_t i = 0; i < views.size(); ++i) {
    if (views[i].name == std::u16string(sViewName)) return kFirstView + HostHandle(i);
  }
  return 0;
}

EMU_HOSTAPI(HostHandle) kelview_qxApi_ViewGetFirstForProject(int32_t iProjectId) {
  HOST_CALL(qxApi_ViewGetFirstForProject, iProjectId);
  if (host.Failing(hostFunction)) return 0;
  host.viewWalkProject() = iProjectId;
  return NextViewFor(host, 0, iProjectId);
}

EMU_HOSTAPI(HostHandle) kelview_qxApi_ViewGetNext(HostHandle hView) {
  HOST_CALL(qxApi_ViewGetNext, hView);
  if (host.Failing(hostFunction) || !ViewOf(host, hView)) return 0;
  return NextViewFor(host, size_t(hView - kFirstView) + 1, host.viewWalkProject());
}

EMU_HOSTAPI(const char16_t*) kelview_qxApi_ViewGetName(HostHandle hView) {
  HOST_CALL(qxApi_ViewGetName, hView);
  const View* view = ViewOf(host, hView);
  if (host.Failing(hostFunction) || !view) return nullptr;
  return host.HostText(hostFunction, view->name);
}

EMU_HOSTAPI(HostHandle) kelview_qxApi_GetActiveDocumentList() {
  HOST_CALL(qxApi_GetActiveDocumentList);
  return host.Failing(hostFunction) ? 0 : kDocumentList;
}

EMU_HOSTAPI(HostBool) kelview_qxApi_DocListSetView(HostHandle hWndDocList, HostHandle hView) {
  HOST_CALL(qxApi_DocListSetView, hWndDocList, hView);
  const View* view = ViewOf(host, hView);
  if (host.Failing(hostFunction) || hWndDocList != kDocumentList || !view) return 0;
  host.documentListView() = view->id;
  return 1;
}
