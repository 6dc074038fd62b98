// POSIX: the host libraries are the emulator linked into this process.
#include "platform/loader.h"

#include <string>

#include "emulator/emulator_api.h"
#include "platform/text.h"
#include "tarnwick/error.h"

namespace Tarnwick::platform {

HostModule LoadHostLibrary(std::u16string_view fileName) {
  std::u16string name(fileName);
  if (void* module = emu_LoadLibrary(name.c_str())) return module;
  throw HostBindingError(HostBindingError::Reason::LibraryNotFound,
                         "Unable to load DLL '" + ToUtf8(fileName) +
                             "': The specified module could not be found.");
}

void* FindEntryPoint(HostModule module, const char* name) { return emu_GetProcAddress(module, name); }

}  // namespace Tarnwick::platform
