// Documents, name paths and views of the connected datasource.
//
//   std::u16string file;
//   if (OvWrapper::CopyOutDocument(3, 1, false, FetchDocumentFlags(0), file)) ...
//     // file: "<temporary folder>/<new GUID>/site-plan.pdf"
//   OvWrapper::GetDocumentNamePath(3, 1);  // u"Documents\\Bridge 12\\Site plan.pdf"
//   OvWrapper::GetProjectNamePath(3);      // u"Documents\\Bridge 12"
//
// Name paths are the host's: the names (not descriptions) of the folders from the top down,
// then the document's, with a backslash between the levels. Host failures give the empty
// string.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "tarnwick/guid.h"
#include "tarnwick/ov_enums.h"

namespace Tarnwick::OvWrapper {

// Copies the document's file out of the datasource: into a new folder named by a fresh GUID
// under the user's temporary folder (never removed by the library), or into the user's working
// folder. On success sFileName receives the file's full path; otherwise it is left alone.
// Copy-outs of the process run one at a time. The text form throws Tarnwick::FormatError for a
// text that is not a GUID.
bool CopyOutDocument(int32_t iProjectId, int32_t iDocumentId, bool bUseWorkingDirectory,
                     FetchDocumentFlags fetchFlags, std::u16string& sFileName);
bool CopyOutDocument(const Guid& docGuid, bool bUseWorkingDirectory, FetchDocumentFlags fetchFlags,
                     std::u16string& sFileName);
bool CopyOutDocument(std::u16string_view sDocumentGuid, bool bUseWorkingDirectory,
                     FetchDocumentFlags fetchFlags, std::u16string& sFileName);

// The document whose local copy sFileName is: its ids, and true. iValidateWithChkl is not used.
bool mcmMain_GetDocumentIdByFilePath(std::u16string_view sFileName, int32_t iValidateWithChkl,
                                     int32_t& iProjectNo, int32_t& iDocumentNo);

// A name no document of the folder has yet, made by the host from the given one; the given
// name itself when the host cannot make one.
std::u16string GetUniqueDocumentName(int32_t iProjectId, std::u16string_view sDocumentName);
std::u16string GetUniqueFileName(int32_t iProjectId, std::u16string_view sFileName);

std::u16string GetDocumentNamePath(int32_t iProjectId, int32_t iDocId);
std::u16string GetDocumentNamePath(const Guid& docGuid);
std::u16string GetProjectNamePath(int32_t iProjectId);   // qxApi_GetProjectNamePath
std::u16string GetProjectNamePath2(int32_t iProjectId);  // qxApi_GetProjectNamePath2

// The folder ids of a branch as the host selects them (bGetSubProjects and an id above 0),
// of every folder (an id of 0 or less), or just iProjectNo.
std::vector<int32_t> GetBranchProjectNos(int32_t iProjectNo, bool bGetSubProjects);

// The folder's default view of the document list, or of the preview pane: the host's number.
int32_t GetDefaultProjectView(int32_t iProjectId, bool bGetPreviewPaneView);
bool SetDefaultProjectView(int32_t iProjectId, int32_t iViewId, bool bSetPreviewPaneView);

// Applies a view to the desktop client's active document list: the view of that name, or the
// first of the folder's views whose name matches ignoring case.
bool SetDocumentListView(std::u16string_view sViewName);
bool SetDocumentListViewByProject(int32_t iProjectId, std::u16string_view sViewName);

// True when a user is logged in and the working folder is defined and exists (it is created
// when missing); each failure is logged.
bool CheckConnectionAndWorkingFolder();

}  // namespace Tarnwick::OvWrapper
