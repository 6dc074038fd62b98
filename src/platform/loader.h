// Loading the host's libraries by file name and finding their entry points.
//
//   HostModule kelcore = platform::LoadHostLibrary(u"kelcore.dll");  // throws HostBindingError
//   void* entry = platform::FindEntryPoint(kelcore, "qxApi_Initialize");  // null when absent
//
// On Windows this is LoadLibraryW on the process's search path and GetProcAddress. The native
// build has no Windows loader: it resolves the names from the emulator linked into the process.
// A loaded library is kept for the life of the process, as the host's own libraries are.
#pragma once

#include <string_view>

namespace Tarnwick::platform {

using HostModule = void*;

HostModule LoadHostLibrary(std::u16string_view fileName);
void* FindEntryPoint(HostModule module, const char* name);

}  // namespace Tarnwick::platform
