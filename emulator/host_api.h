// The host functions the emulator serves, with the host's names, signatures and calling
// convention. kelcore.dll exports them; the native build links them into the process.
//
// Functions of the other host libraries are implemented here too, under <library>_<name>
// (kelbase_qxApi_AddHook): kelcore.dll exports them under that name, and the library's own DLL
// forwards its export to it (emulator/CMakeLists.txt), so every library shares one host state.
#pragma once

#include <cstdint>

#include "emulator/emulator_api.h"
#include "tarnwick/host_types.h"
#include "tarnwick/ov_enums.h"
#include "tarnwick/ov_records.h"

using Tarnwick::Guid;
using Tarnwick::OvWrapper::GenericHookFunction;
using Tarnwick::OvWrapper::HostBool;
using Tarnwick::OvWrapper::HostHandle;
using Tarnwick::OvWrapper::QxDocItem;

#define EMU_HOSTAPI(result) EMU_API result TARNWICK_HOSTAPI

// kelcore.dll
EMU_HOSTAPI(HostBool) qxApi_Initialize(int32_t init);
EMU_HOSTAPI(HostBool) qxApi_GetActiveDatasourceName(char16_t* lptstrName, int32_t lNameSize);
EMU_HOSTAPI(HostBool) qxApi_GetDocumentGUIDsByIds(int32_t lCount, const QxDocItem* pDocuments,
                                                   Guid* docGuids);
EMU_HOSTAPI(HostBool) qxApi_GetDocumentIdsByGUIDs(int32_t lCount, const Guid* docGuids,
                                                   QxDocItem* pDocuments);
EMU_HOSTAPI(HostBool) qxApi_GetProjectGUIDsByIds(int32_t lCount, const int32_t* pProjectIds,
                                                  Guid* docGuids);
EMU_HOSTAPI(HostBool) qxApi_GetGuidsFromFileName(const char* lpctstrFileName, Guid* pProjectGuid,
                                                  Guid* pDocumentGuid);
EMU_HOSTAPI(HostHandle) qxApi_SelectDocumentDataBuffer(int32_t lProjectId, int32_t lDocumentId);
EMU_HOSTAPI(int32_t) qxApi_DmsDataBufferGetCount(HostHandle hDataBuffer);
EMU_HOSTAPI(const char16_t*)
    qxApi_DmsDataBufferGetStringProperty(HostHandle hDataBuffer, int32_t lPropertyId, int32_t lIdxRow);
EMU_HOSTAPI(const Guid*)
    qxApi_DmsDataBufferGetGuidProperty(HostHandle hDataBuffer, int32_t lPropertyId, int32_t lIdxRow);
EMU_HOSTAPI(void) qxApi_DmsDataBufferFree(HostHandle hDataBuffer);
EMU_HOSTAPI(int32_t) qxApi_SelectProject(int32_t lProjectId);
EMU_HOSTAPI(const char16_t*) qxApi_GetProjectStringProperty(int32_t PropertyId, int32_t lIndex);
EMU_HOSTAPI(int32_t) qxApi_SelectAllEnvs(HostBool showSystem);
EMU_HOSTAPI(int32_t) qxApi_GetEnvId(int32_t lIndex);
EMU_HOSTAPI(const char16_t*) qxApi_GetEnvStringProperty(int32_t lPropertyId, int32_t lIndex);
EMU_HOSTAPI(int32_t) qxApi_GetEnvNumericProperty(int32_t lPropertyId, int32_t lIndex);

// Monikers (host_monikers.cpp)
EMU_HOSTAPI(HostHandle) qxApi_GetActiveDatasource();
EMU_HOSTAPI(HostBool) qxApi_BuildMonikerStringByDocGuid(HostHandle hDatasource,
                                                         const Guid* pDocGuid,
                                                         HostHandle* pMonikerStr);
EMU_HOSTAPI(HostBool) qxApi_BuildMonikerStringByProjectGuid(HostHandle hDatasource,
                                                             const Guid* pProjectGuid,
                                                             HostHandle* pMonikerStr);
EMU_HOSTAPI(HostBool) qxApi_StringsToMonikers(int32_t lCount, HostHandle* pMonikers,
                                               const char16_t* const* sArrayMonikers,
                                               int16_t flags);
EMU_HOSTAPI(const char16_t*) qxApi_GetDatasourceNameFromMoniker(HostHandle hMoniker);
EMU_HOSTAPI(HostHandle) qxApi_GetDocumentGuidFromMoniker(HostHandle hMoniker);
EMU_HOSTAPI(HostHandle) qxApi_GetProjectGuidFromMoniker(HostHandle hMoniker);
EMU_HOSTAPI(HostHandle) qxApi_GUIDSelectProjectDataBuffer(const Guid* projGuid);
EMU_HOSTAPI(int32_t) qxApi_DmsDataBufferGetNumericProperty(HostHandle hDataBuffer,
                                                           int32_t lPropertyId, int32_t lIdxRow);

// Name paths (host_documents.cpp)
EMU_HOSTAPI(HostBool) qxApi_GetProjectNamePath(int32_t ProjectId, HostBool UseDesc,
                                                char16_t tchSeparator, char16_t* StringBuffer,
                                                int32_t BufferSize);
EMU_HOSTAPI(HostBool) qxApi_GetProjectNamePath2(int32_t ProjectId, HostBool UseDesc,
                                                 char16_t tchSeparator, char16_t* StringBuffer,
                                                 int32_t BufferSize);
EMU_HOSTAPI(HostBool) qxApi_GetDocumentNamePath(int32_t ProjectId, int32_t DocId,
                                                 HostBool UseDesc, char16_t tchSeparator,
                                                 char16_t* StringBuffer, int32_t BufferSize);
EMU_HOSTAPI(HostBool) qxApi_GUIDGetDocumentNamePath(const Guid* guid, HostBool UseDesc,
                                                     char16_t tchSeparator,
                                                     char16_t* StringBuffer, int32_t BufferSize);

// Administrative objects (host_lookups.cpp)
EMU_HOSTAPI(int32_t) qxApi_SelectAllUsers();
EMU_HOSTAPI(int32_t) qxApi_SelectAllGroups();
EMU_HOSTAPI(int32_t) qxApi_SelectAllUserLists();
EMU_HOSTAPI(int32_t) qxApi_SelectAllWorkflows();
EMU_HOSTAPI(int32_t) qxApi_SelectAllStates();
EMU_HOSTAPI(int32_t) qxApi_SelectAllStorages();
EMU_HOSTAPI(int32_t) qxApi_SelectAllApplications();
EMU_HOSTAPI(int32_t) qxApi_SelectAllGuis();
EMU_HOSTAPI(int32_t) qxApi_SelectAllDepartments();
EMU_HOSTAPI(int32_t) qxApi_SelectUser(int32_t id);
EMU_HOSTAPI(int32_t) qxApi_SelectWorkflow(int32_t id);
EMU_HOSTAPI(int32_t) qxApi_SelectState(int32_t id);
EMU_HOSTAPI(int32_t) qxApi_SelectStatesByWorkflow(int32_t id);
EMU_HOSTAPI(const char16_t*) qxApi_GetUserStringProperty(int32_t property, int32_t index);
EMU_HOSTAPI(const char16_t*) qxApi_GetGroupStringProperty(int32_t property, int32_t index);
EMU_HOSTAPI(const char16_t*) qxApi_GetUserListStringProperty(int32_t property, int32_t index);
EMU_HOSTAPI(const char16_t*) qxApi_GetWorkflowStringProperty(int32_t property, int32_t index);
EMU_HOSTAPI(const char16_t*) qxApi_GetStateStringProperty(int32_t property, int32_t index);
EMU_HOSTAPI(const char16_t*) qxApi_GetStorageStringProperty(int32_t property, int32_t index);
EMU_HOSTAPI(const char16_t*) qxApi_GetApplicationStringProperty(int32_t property, int32_t index);
EMU_HOSTAPI(const char16_t*) qxApi_GetGuiStringProperty(int32_t property, int32_t index);
EMU_HOSTAPI(const char16_t*) qxApi_GetDepartmentStringProperty(int32_t property, int32_t index);
EMU_HOSTAPI(int32_t) qxApi_GetUserNumericProperty(int32_t property, int32_t index);
EMU_HOSTAPI(int32_t) qxApi_GetGroupNumericProperty(int32_t property, int32_t index);
EMU_HOSTAPI(int32_t) qxApi_GetUserListNumericProperty(int32_t property, int32_t index);
EMU_HOSTAPI(int32_t) qxApi_GetApplicationNumericProperty(int32_t property, int32_t index);
EMU_HOSTAPI(int32_t) qxApi_GetWorkflowId(int32_t index);
EMU_HOSTAPI(int32_t) qxApi_GetStateId(int32_t index);
EMU_HOSTAPI(int32_t) qxApi_GetStorageId(int32_t index);
EMU_HOSTAPI(int32_t) qxApi_GetApplicationId(int32_t index);
EMU_HOSTAPI(int32_t) qxApi_GetGuiId(int32_t index);
EMU_HOSTAPI(int32_t) qxApi_GetDepartmentId(int32_t index);

// Documents, folders and views (host_documents.cpp)
EMU_HOSTAPI(int32_t) qxApi_GetCurrentUserId();
EMU_HOSTAPI(const char16_t*) qxApi_GetWorkingDirectory();
EMU_HOSTAPI(HostBool) qxApi_FetchDocumentFromServer(uint32_t ulFlags, int32_t lProjectId,
                                                    int32_t lDocumentId,
                                                    const char16_t* lpctstrWorkdir,
                                                    char16_t* lptstrFileName, int32_t lBufferSize);
EMU_HOSTAPI(HostBool) qxApi_GetDocumentFileName(int32_t iProjectId, int32_t iDocumentId,
                                                char16_t* sbLocalFilePath, int32_t iBufferSize);
EMU_HOSTAPI(HostBool) qxApi_ChklSetGetDocGuidFromFileName(const char16_t* pFileName,
                                                          Guid* pDocGuid);
EMU_HOSTAPI(int32_t) qxApi_GUIDSelectDocument(const Guid* guid);
EMU_HOSTAPI(int32_t) qxApi_GetDocumentNumericProperty(int32_t PropertyId, int32_t lIndex);
EMU_HOSTAPI(HostBool) qxApi_DocumentGenNameWithPrefix(int32_t lProjectId,
                                                      const char16_t* lpctstrPrefix,
                                                      char16_t* lptstrDocName, int32_t iBufferSize);
EMU_HOSTAPI(HostBool) qxApi_DocumentGenFileNameWithPrefix(int32_t lProjectId,
                                                          const char16_t* lpctstrPrefix,
                                                          char16_t* lptstrDocName,
                                                          int32_t iBufferSize);
EMU_HOSTAPI(int32_t) qxApi_SelectAllProjects();
EMU_HOSTAPI(int32_t) qxApi_SelectProjectsFromBranch(int32_t iParentId, const char16_t* lpctstrCode,
                                                    const char16_t* lpctstrName,
                                                    const char16_t* lpctstrDesc,
                                                    const char16_t* lpctstrVersion);
EMU_HOSTAPI(int32_t) qxApi_GetProjectNumericProperty(int32_t PropertyId, int32_t lIndex);
EMU_HOSTAPI(int32_t) qxApi_RetrieveDefaultView(int32_t iUserId, const Guid* objectTypeGuid,
                                               int32_t iObjectId, const Guid* viewTypeGuid);
EMU_HOSTAPI(HostBool) qxApi_SetDefaultView(int32_t iUserId, const Guid* objectTypeGuid,
                                           int32_t iObjectId, const Guid* viewTypeGuid,
                                           int32_t iViewId);
EMU_HOSTAPI(HostHandle) kelview_qxApi_ViewGetHandle(const char16_t* sViewName);
EMU_HOSTAPI(HostHandle) kelview_qxApi_ViewGetFirstForProject(int32_t iProjectId);
EMU_HOSTAPI(HostHandle) kelview_qxApi_ViewGetNext(HostHandle hView);
EMU_HOSTAPI(const char16_t*) kelview_qxApi_ViewGetName(HostHandle hView);
EMU_HOSTAPI(HostHandle) kelview_qxApi_GetActiveDocumentList();
EMU_HOSTAPI(HostBool) kelview_qxApi_DocListSetView(HostHandle hWndDocList, HostHandle hView);

// kelbase.dll
EMU_HOSTAPI(HostBool) kelbase_qxApi_Free(HostHandle pointer);
EMU_HOSTAPI(HostBool)
    kelbase_qxApi_AddHook(int32_t lHookId, int32_t lHookType, GenericHookFunction lpfnHook);
EMU_HOSTAPI(int32_t) kelbase_qxApi_GetAPIVersion();
EMU_HOSTAPI(const char16_t*) kelbase_qxApi_GetProductVersionString();

// SQL (emulator/host_sql.cpp)
EMU_HOSTAPI(HostBool) qxApi_ExecuteSqlStatement(const char16_t* description);
EMU_HOSTAPI(int32_t)
    qxApi_SqlSelect(const char16_t* sqlStatement, HostHandle columnBind,
                    int32_t* numColumnsSelected);
EMU_HOSTAPI(int32_t) qxApi_SqlSelectGetNumericProperty(int32_t lPropertyId, int32_t lIdxCol);
EMU_HOSTAPI(const char16_t*)
    qxApi_SqlSelectGetStringProperty(int32_t lPropertyId, int32_t lIdxCol);
EMU_HOSTAPI(const char16_t*) qxApi_SqlSelectGetData(int32_t iRow, int32_t iColumn);
EMU_HOSTAPI(HostHandle)
    qxApi_SqlSelectDataBuffer(const char16_t* sqlStatement, HostHandle columnBind);
EMU_HOSTAPI(int32_t) qxApi_SqlSelectDataBufGetColumnCount(HostHandle hDataBuffer);
EMU_HOSTAPI(int32_t)
    qxApi_SqlSelectDataBufGetNumericProperty(HostHandle hDataBuffer, int32_t lPropertyId,
                                             int32_t lIdxCol);
EMU_HOSTAPI(const char16_t*)
    qxApi_SqlSelectDataBufGetStringProperty(HostHandle hDataBuffer, int32_t lPropertyId,
                                            int32_t lIdxCol);
EMU_HOSTAPI(const char16_t*)
    qxApi_SqlSelectDataBufGetValue(HostHandle hDataBuffer, int32_t iRowIndex,
                                   int32_t iColumnIndex);

// Logins (emulator/host_logins.cpp)
EMU_HOSTAPI(HostBool)
    qxApi_Login(int32_t iDSType, const char16_t* lptstrDataSource, const char16_t* lpctstrUsername,
                const char16_t* lpctstrPassword, const char16_t* lpctstrSchema);
EMU_HOSTAPI(HostBool)
    qxApi_AdminLogin(Tarnwick::OvWrapper::DataSourceType lDSType, const char16_t* sDatasourceName,
                     const char16_t* lpctstrUsername, const char16_t* lpctstrPassword);
EMU_HOSTAPI(HostHandle) qxApi_ActivateDatasourceByHandle(HostHandle dsHandle);
EMU_HOSTAPI(HostHandle) qxApi_LogoutByHandle(HostHandle dsHandle);
EMU_HOSTAPI(HostBool) qxApi_HasAdminSetup();

// The host's error state (kelbase.dll; emulator/host_errors.cpp)
EMU_HOSTAPI(int32_t) kelbase_qxApi_GetLastErrorId();
EMU_HOSTAPI(const char16_t*) kelbase_qxApi_GetLastErrorMessage();
