// The native build's stand-in for the Windows loader: host libraries by file name, entry
// points by name, from the emulator linked into this process (served.inc), and the two
// KERNEL32 functions of the process environment that the binding declares.
#include <algorithm>
#include <array>
#include <cstdlib>
#include <cstring>
#include <string>

#include "emulator/datasource.h"
#include "emulator/export_hiding.h"
#include "emulator/host_api.h"

namespace {

struct Library {
  const char* fileName;  // lower case; Windows file names ignore case
};

constexpr std::array<Library, 6> kLibraries = {{
    {"kelcore.dll"},
    {"kelview.dll"},
    {"kelbase.dll"},
    {"kelctl.dll"},
    {"ovmanagedworkspace.dll"},
    {"kernel32.dll"},
}};

struct Served {
  const Library* library;
  const char* name;
  void* address;
};

constexpr const Library* kelcore = &kLibraries[0];
constexpr const Library* kelview = &kLibraries[1];
constexpr const Library* kelbase = &kLibraries[2];
constexpr const Library* kelctl = &kLibraries[3];
constexpr const Library* OvManagedWorkspace = &kLibraries[4];
constexpr const Library* KERNEL32 = &kLibraries[5];

// GetEnvironmentVariableA and SetEnvironmentVariableA over the C library's environment, with
// Windows' results: the value's length, or the size needed with its terminating zero when the
// buffer is too small, 0 when absent; a null value deletes the variable.
uint32_t GetEnvironmentVariableA(const char* name, char* buffer, uint32_t size) {
  const char* value = name ? std::getenv(name) : nullptr;
  if (!value) return 0;
  size_t length = std::strlen(value);
  if (!buffer || length >= size) return uint32_t(length + 1);
  std::memcpy(buffer, value, length + 1);
  return uint32_t(length);
}

int32_t SetEnvironmentVariableA(const char* name, const char* value) {
  if (!name || !*name || std::strchr(name, '=')) return 0;
  return (value ? setenv(name, value, 1) : unsetenv(name)) == 0;
}

// The address of a served name: kelcore's under its own name, another library's under
// <library>_<name>.
#define EMU_IMPLEMENTATION_kelcore(name) name
#define EMU_IMPLEMENTATION_kelview(name) kelview_##name
#define EMU_IMPLEMENTATION_kelbase(name) kelbase_##name
#define EMU_IMPLEMENTATION_kelctl(name) kelctl_##name
#define EMU_IMPLEMENTATION_OvManagedWorkspace(name) OvManagedWorkspace_##name

const Served kServed[] = {
#define EMU_SERVED(library, name) \
  {library, #name, reinterpret_cast<void*>(&EMU_IMPLEMENTATION_##library(name))},
#include "emulator/served.inc"
#undef EMU_SERVED
    {KERNEL32, "GetEnvironmentVariableA", reinterpret_cast<void*>(&GetEnvironmentVariableA)},
    {KERNEL32, "SetEnvironmentVariableA", reinterpret_cast<void*>(&SetEnvironmentVariableA)},
};

std::string Lower(const char16_t* text) {
  std::string out;
  for (; *text; ++text) out += *text < 0x80 ? char(std::tolower(int(*text))) : '?';
  return out;
}

}  // namespace

// This loader asks the host's hidden set on every lookup; nothing to change in a table.
void Tarnwick::Emulator::SetExportHidden(const std::string&, bool) {}
void Tarnwick::Emulator::ShowAllExports() {}

EMU_API void* emu_LoadLibrary(const char16_t* fileName) {
  std::string name = Lower(fileName);
  auto& host = Tarnwick::Emulator::Host::Instance();
  std::lock_guard lock(host.mutex());
  if (host.Hidden("library:" + name)) return nullptr;
  for (const Library& library : kLibraries) {
    if (name == library.fileName) return const_cast<Library*>(&library);
  }
  return nullptr;
}

EMU_API void* emu_GetProcAddress(void* module, const char* name) {
  auto& host = Tarnwick::Emulator::Host::Instance();
  std::lock_guard lock(host.mutex());
  if (host.Hidden(name)) return nullptr;
  for (const Served& served : kServed) {
    if (served.library == module && std::strcmp(served.name, name) == 0) return served.address;
  }
  return nullptr;
}
