// The emulator's control functions, for tests, the demo and plug-in developers without an
// Orvane installation. kelcore.dll exports them beside the host functions; in the native build
// they are linked into the process.
//
//   emu_Reset();                               // the built-in sample datasource, empty log
//   emu_LoadFixture(jsonText);                 // another datasource
//   emu_FailFunction("qxApi_SelectProject", 1) // it now returns its failure value
//   emu_GetCallLog(buffer, size);              // "qxApi_SelectProject(3)\n..." in call order
//   emu_CallHooks(hookId, hookType, ...)       // runs the hooks a plug-in registered
//
// Texts crossing here are UTF-8, zero-terminated.
#pragma once

#include <cstdint>

#if defined(_WIN32) && defined(TARNWICK_EMULATOR_BUILD)
#define EMU_API extern "C" __declspec(dllexport)
#else
#define EMU_API extern "C"
#endif

// Back to the built-in sample datasource, with every fault, hidden name and log cleared.
EMU_API void emu_Reset();
// Replaces the datasource with the JSON fixture; 0 and the reason in emu_GetLastError when the
// text is not a valid fixture.
EMU_API int32_t emu_LoadFixture(const char* json);
EMU_API int32_t emu_LoadFixtureFile(const char* path);
// The reason of the last failed load.
EMU_API int32_t emu_GetLastError(char* buffer, int32_t size);

// The host calls since the last reset or clear, one "name(arguments)" per line. Returns the
// length of the whole log; copies what fits, zero-terminated.
EMU_API int32_t emu_GetCallLog(char* buffer, int32_t size);
EMU_API void emu_ClearCallLog();
// Calls are logged unless switched off here (long runs such as benchmarks); emu_Reset
// switches logging on again.
EMU_API void emu_SetCallLogging(int32_t on);

// Fault injection, by host function name. A failing function returns its failure value
// (0, null, -1); a null-text function returns a null pointer instead of its text.
EMU_API void emu_FailFunction(const char* name, int32_t fail);
EMU_API void emu_ReturnNullText(const char* name, int32_t on);
// A hidden entry point cannot be bound while hidden, in both builds (the DLLs hide it from
// GetProcAddress, export_hiding.h); a hidden library cannot be loaded (native build only).
// A binding already made stays bound.
EMU_API void emu_HideEntryPoint(const char* name, int32_t hide);
EMU_API void emu_HideLibrary(const char* fileName, int32_t hide);

// Calls the hooks registered with qxApi_AddHook for (hookId, hookType), in registration order,
// until one returns other than QXHOOK_CALL_NEXT_IN_CHAIN (2); each receives aParam1, aParam2 and
// pResult. Returns the last hook's result, -1 when no hook is registered for the pair.
EMU_API int32_t emu_CallHooks(int32_t hookId, int32_t hookType, intptr_t aParam1, int32_t aParam2,
                              int32_t* pResult);

// Drops the connection of a data-source handle (0: the active one) as a lost network
// connection would: its handle goes stale and no data source is active if it was. 1 when there
// was such a connection.
EMU_API int32_t emu_DropConnection(intptr_t handle);

#ifdef __cplusplus
// The host's error numbers of a refused login (qxApi_GetLastErrorId).
inline constexpr int32_t kEmuErrorUnknownDatasource = 5001;   // no data source of that name
inline constexpr int32_t kEmuErrorBadCredentials = 5002;      // unknown user or wrong password
inline constexpr int32_t kEmuErrorNoSingleSignOn = 5003;      // no account for single sign-on
inline constexpr int32_t kEmuErrorNotAdministrator = 5004;    // admin login of another account
#endif

// Host data buffers selected and not yet freed, and frees of handles that were not live.
EMU_API int32_t emu_OpenDataBufferCount();
EMU_API int32_t emu_InvalidFreeCount();
// Moniker texts built for callers and not yet released with qxApi_Free (frees of pointers that
// were not live count in emu_InvalidFreeCount).
EMU_API int32_t emu_OpenMonikerTextCount();
// The id of the view last applied to the document list with qxApi_DocListSetView, 0 for none.
EMU_API int32_t emu_DocumentListViewId();

// The native build's stand-in for the Windows loader (platform/posix/loader.cpp).
EMU_API void* emu_LoadLibrary(const char16_t* fileName);
EMU_API void* emu_GetProcAddress(void* module, const char* name);
