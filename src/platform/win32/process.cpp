// Win32: facts about the running process (module files, known folders, console, clock) and
// the strong random source.
#include "platform/windows.h"

#include <bcrypt.h>
#include <shlobj.h>

#include <cstdio>
#include <mutex>

#include "platform/clock.h"
#include "platform/console.h"
#include "platform/known_folders.h"
#include "platform/module_files.h"
#include "platform/random.h"
#include "platform/text.h"
#include "tarnwick/error.h"

namespace Tarnwick::platform::detail {
namespace {

// GetModuleFileNameW truncates silently; ask again with a larger buffer until it fits.
std::u16string ModuleFileName(HMODULE module) {
  std::wstring buffer(MAX_PATH, L'\0');
  for (;;) {
    DWORD length = GetModuleFileNameW(module, buffer.data(), DWORD(buffer.size()));
    if (length == 0) return {};
    if (length < buffer.size()) return std::u16string(AsUtf16(buffer.c_str()), length);
    buffer.assign(buffer.size() * 2, L'\0');
  }
}

}  // namespace

std::u16string SystemLibraryFilePath() {
  // The module that holds this function: Tarnwick.dll, or a program the library is linked into.
  HMODULE module = nullptr;
  GetModuleHandleExW(
      GET_MODULE_HANDLE_EX_FLAG_FROM_ADDRESS | GET_MODULE_HANDLE_EX_FLAG_UNCHANGED_REFCOUNT,
      reinterpret_cast<LPCWSTR>(reinterpret_cast<uintptr_t>(&SystemLibraryFilePath)), &module);
  return module ? ModuleFileName(module) : std::u16string();
}

std::u16string SystemProgramFilePath() {
  return ModuleFileName(nullptr);
}

std::u16string SystemRoamingAppDataFolder() {
  wchar_t path[MAX_PATH] = {};
  if (FAILED(SHGetFolderPathW(nullptr, CSIDL_APPDATA, nullptr, SHGFP_TYPE_CURRENT, path)))
    return {};
  return std::u16string(AsUtf16(path));
}

std::u16string SystemTemporaryFolder() {
  wchar_t path[MAX_PATH + 1] = {};
  DWORD length = GetTempPathW(DWORD(std::size(path)), path);
  return length == 0 || length > MAX_PATH ? std::u16string()
                                          : std::u16string(AsUtf16(path), length);
}

std::optional<std::u16string> SystemConsoleTitle() {
  // A title longer than the buffer comes back cut short, which is all a caller needs of it.
  wchar_t title[1024] = {};
  DWORD length = GetConsoleTitleW(title, DWORD(std::size(title)));
  if (length == 0) return std::nullopt;  // no console, or no title
  return std::u16string(AsUtf16(title));
}

void WriteSystemStandardOutputLine(std::u16string_view text) {
  static std::mutex mutex;
  std::lock_guard lock(mutex);
  std::fflush(stdout);  // keep the order of the program's own buffered output
  HANDLE output = GetStdHandle(STD_OUTPUT_HANDLE);
  DWORD mode = 0;
  if (output && output != INVALID_HANDLE_VALUE && GetConsoleMode(output, &mode)) {
    std::u16string line(text);
    line += u"\r\n";
    DWORD written = 0;
    WriteConsoleW(output, AsWide(line), DWORD(line.size()), &written, nullptr);
    return;
  }
  std::string line = ToUtf8(text);
  line += '\n';  // the C runtime's text mode makes it CR LF
  std::fwrite(line.data(), 1, line.size(), stdout);
  std::fflush(stdout);
}

DateTime SystemLocalNow() {
  SYSTEMTIME now;
  GetLocalTime(&now);
  return DateTime{now.wYear, now.wMonth, now.wDay, now.wHour, now.wMinute, now.wSecond};
}

void FillSystemRandomBytes(uint8_t* bytes, size_t count) {
  while (count > 0) {
    ULONG chunk = ULONG(std::min<size_t>(count, 1u << 20));
    NTSTATUS status = BCryptGenRandom(nullptr, bytes, chunk, BCRYPT_USE_SYSTEM_PREFERRED_RNG);
    if (!BCRYPT_SUCCESS(status)) {
      throw Error("BCryptGenRandom failed with status " + std::to_string(uint32_t(status)) + ".");
    }
    bytes += chunk;
    count -= chunk;
  }
}

}  // namespace Tarnwick::platform::detail
