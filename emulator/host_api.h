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

// kelbase.dll
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
EMU_HOSTAPI(HostHandle) qxApi_GetActiveDatasource();
EMU_HOSTAPI(HostHandle) qxApi_ActivateDatasourceByHandle(HostHandle dsHandle);
EMU_HOSTAPI(HostHandle) qxApi_LogoutByHandle(HostHandle dsHandle);
EMU_HOSTAPI(HostBool) qxApi_HasAdminSetup();

// The host's error state (kelbase.dll; emulator/host_errors.cpp)
EMU_HOSTAPI(int32_t) kelbase_qxApi_GetLastErrorId();
EMU_HOSTAPI(const char16_t*) kelbase_qxApi_GetLastErrorMessage();
