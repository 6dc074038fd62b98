// Win32: LoadLibraryW and GetProcAddress.
#include "platform/loader.h"

#include "platform/text.h"
#include "platform/windows.h"
#include "platform/win32/system_error.h"
#include "tarnwick/error.h"

namespace Tarnwick::platform {

HostModule LoadHostLibrary(std::u16string_view fileName) {
  std::u16string name(fileName);
  // Keep a failing load from showing a "missing DLL" box inside the host's process.
  UINT previousMode = SetErrorMode(SEM_FAILCRITICALERRORS | SEM_NOOPENFILEERRORBOX);
  HMODULE module = LoadLibraryW(AsWide(name));
  DWORD error = GetLastError();
  SetErrorMode(previousMode);
  if (module) return module;

  using Reason = HostBindingError::Reason;
  Reason reason = error == ERROR_MOD_NOT_FOUND     ? Reason::LibraryNotFound
                  : error == ERROR_BAD_EXE_FORMAT ? Reason::WrongArchitecture
                                                  : Reason::LibraryNotLoaded;
  throw HostBindingError(reason, "Unable to load DLL '" + ToUtf8(fileName) +
                                     "': " + SystemErrorMessage(error));
}

void* FindEntryPoint(HostModule module, const char* name) {
  // FARPROC and data pointers differ in type only; uintptr_t carries the address across.
  return reinterpret_cast<void*>(
      reinterpret_cast<uintptr_t>(GetProcAddress(static_cast<HMODULE>(module), name)));
}

}  // namespace Tarnwick::platform
