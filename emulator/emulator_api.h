// The emulator's control functions, for tests, the demo and plug-in developers without an
// Orvane installation. kelcore.dll exports them beside the host functions; in the native build
// they are linked into the process.
//
//   emu_Reset();                               // the built-in sample datasource, empty log
//   emu_LoadFixture(jsonText);                 // another datasource
//   emu_FailFunction("qxApi_SelectProject", 1) // it now returns its failure value
//   emu_GetCallLog(buffer, size);              // "qxApi_SelectProject(3)\n..." in call order
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
// A hidden entry point or library cannot be bound while hidden (native build; the Windows
// DLLs always export their names).
EMU_API void emu_HideEntryPoint(const char* name, int32_t hide);
EMU_API void emu_HideLibrary(const char* fileName, int32_t hide);

// Host data buffers selected and not yet freed, and frees of handles that were not live.
EMU_API int32_t emu_OpenDataBufferCount();
EMU_API int32_t emu_InvalidFreeCount();

// The native build's stand-in for the Windows loader (platform/posix/loader.cpp).
EMU_API void* emu_LoadLibrary(const char16_t* fileName);
EMU_API void* emu_GetProcAddress(void* module, const char* name);
