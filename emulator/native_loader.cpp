// The native build's stand-in for the Windows loader: host libraries by file name, entry
// points by name, from the emulator linked into this process (served.inc).
#include <algorithm>
#include <array>
#include <cstring>
#include <string>

#include "emulator/datasource.h"
#include "emulator/host_api.h"

namespace {

struct Library {
  const char* fileName;  // lower case; Windows file names ignore case
};

constexpr std::array<Library, 5> kLibraries = {{
    {"kelcore.dll"}, {"kelview.dll"}, {"kelbase.dll"}, {"kelctl.dll"}, {"ovmanagedworkspace.dll"},
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

const Served kServed[] = {
#define EMU_SERVED(library, name) {library, #name, reinterpret_cast<void*>(&name)},
#include "emulator/served.inc"
#undef EMU_SERVED
};

std::string Lower(const char16_t* text) {
  std::string out;
  for (; *text; ++text) out += *text < 0x80 ? char(std::tolower(int(*text))) : '?';
  return out;
}

}  // namespace

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
