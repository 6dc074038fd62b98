// Win32: hides an entry point of the emulator's DLLs by renaming it in the module's export name
// table, in memory. GetProcAddress searches that table by name, in binary search over the sorted
// names, so the new name must sort between the same neighbours as the old one: every other name
// is then still found, and the hidden one no longer matches. Showing it writes the name back.
#include <cstring>
#include <map>
#include <mutex>
#include <string>
#include <vector>

#include "emulator/export_hiding.h"
#include "platform/windows.h"

namespace Tarnwick::Emulator {
namespace {

// The emulator DLL that exports each served name (served.inc).
struct Served {
  const wchar_t* library;
  const char* name;
};
const Served kServed[] = {
#define EMU_SERVED(library, name) {L"" #library ".dll", #name},
#include "emulator/served.inc"
#undef EMU_SERVED
};

struct Patch {
  char* where;
  std::string original;
};

std::mutex g_mutex;
std::map<std::string, Patch> g_patches;

// The served library's module: loaded already, or loaded now from kelcore.dll's own folder.
HMODULE ServingModule(const wchar_t* library) {
  if (HMODULE module = GetModuleHandleW(library)) return module;
  HMODULE self = nullptr;
  GetModuleHandleExW(
      GET_MODULE_HANDLE_EX_FLAG_FROM_ADDRESS | GET_MODULE_HANDLE_EX_FLAG_UNCHANGED_REFCOUNT,
      reinterpret_cast<LPCWSTR>(&ServingModule), &self);
  std::wstring path(MAX_PATH, L'\0');
  path.resize(GetModuleFileNameW(self, path.data(), DWORD(path.size())));
  path = path.substr(0, path.find_last_of(L"\\/") + 1) + library;
  return LoadLibraryW(path.c_str());  // kept loaded, so the patch stays in place
}

// The module's export names, in the table's (sorted) order.
std::vector<char*> ExportNames(HMODULE module) {
  auto* base = reinterpret_cast<uint8_t*>(module);
  auto* dos = reinterpret_cast<IMAGE_DOS_HEADER*>(base);
  auto* nt = reinterpret_cast<IMAGE_NT_HEADERS*>(base + dos->e_lfanew);
  const IMAGE_DATA_DIRECTORY& directory =
      nt->OptionalHeader.DataDirectory[IMAGE_DIRECTORY_ENTRY_EXPORT];
  std::vector<char*> names;
  if (!directory.VirtualAddress) return names;
  auto* exports = reinterpret_cast<IMAGE_EXPORT_DIRECTORY*>(base + directory.VirtualAddress);
  auto* rvas = reinterpret_cast<DWORD*>(base + exports->AddressOfNames);
  for (DWORD i = 0; i < exports->NumberOfNames; ++i) {
    names.push_back(reinterpret_cast<char*>(base + rvas[i]));
  }
  return names;
}

void Write(char* where, const std::string& text) {
  DWORD previous = 0;
  VirtualProtect(where, text.size() + 1, PAGE_READWRITE, &previous);
  std::memcpy(where, text.c_str(), text.size() + 1);
  VirtualProtect(where, text.size() + 1, previous, &previous);
}

// A name no longer than name that sorts strictly between the neighbours: the name with its
// last character changed, or cut short by one.
std::string StandIn(const std::string& name, const char* before, const char* after) {
  auto fits = [&](const std::string& candidate) {
    return candidate != name && (!before || std::strcmp(before, candidate.c_str()) < 0) &&
           (!after || std::strcmp(candidate.c_str(), after) < 0);
  };
  std::string candidate = name.substr(0, name.size() - 1);
  if (fits(candidate)) return candidate;
  for (char c = '!'; c <= '~'; ++c) {
    candidate = name.substr(0, name.size() - 1) + c;
    if (fits(candidate)) return candidate;
  }
  return {};
}

void Hide(const std::string& name) {
  if (g_patches.count(name)) return;
  for (const Served& served : kServed) {
    if (name != served.name) continue;
    HMODULE module = ServingModule(served.library);
    if (!module) return;
    std::vector<char*> names = ExportNames(module);
    for (size_t i = 0; i < names.size(); ++i) {
      if (name != names[i]) continue;
      std::string standIn = StandIn(name, i > 0 ? names[i - 1] : nullptr,
                                    i + 1 < names.size() ? names[i + 1] : nullptr);
      if (standIn.empty()) return;
      Write(names[i], standIn);
      g_patches.emplace(name, Patch{names[i], name});
      return;
    }
  }
}

void Show(const std::string& name) {
  auto it = g_patches.find(name);
  if (it == g_patches.end()) return;
  Write(it->second.where, it->second.original);
  g_patches.erase(it);
}

}  // namespace

void SetExportHidden(const std::string& name, bool hidden) {
  std::lock_guard lock(g_mutex);
  if (hidden) {
    Hide(name);
  } else {
    Show(name);
  }
}

void ShowAllExports() {
  std::lock_guard lock(g_mutex);
  while (!g_patches.empty()) Show(g_patches.begin()->first);
}

}  // namespace Tarnwick::Emulator
