// Hiding an entry point from the loader, so that binding it fails as on a host without it.
//
//   emu_HideEntryPoint("qxApi_GetAPIVersion", 1);  // GetProcAddress(kelbase, ...) gives null
//   emu_HideEntryPoint("qxApi_GetAPIVersion", 0);  // and the real address again
//
// The native build's loader asks the host's hidden set itself, so there these do nothing. The
// DLL build changes the name in the export table of the emulator DLL that serves it, in
// memory (export_hiding_win32.cpp).
#pragma once

#include <string>

namespace Tarnwick::Emulator {

void SetExportHidden(const std::string& name, bool hidden);
void ShowAllExports();

}  // namespace Tarnwick::Emulator
