// Win32: files and folders through CreateFileW and friends, with explicit sharing modes.
#include "platform/files.h"
#include "platform/text.h"
#include "platform/win32/system_error.h"
#include "platform/win32/unique_handle.h"
#include "platform/windows.h"
#include "tarnwick/error.h"

namespace Tarnwick::platform {
namespace {

[[noreturn]] void Fail(const char* what, const std::u16string& path, DWORD error) {
  std::string message = std::string(what) + " '" + ToUtf8(path) + "': " + SystemErrorMessage(error);
  if (error == ERROR_ACCESS_DENIED || error == ERROR_WRITE_PROTECT)
    throw AccessDeniedError(message);
  throw FileError(message);
}

DWORD Attributes(const std::u16string& path) {
  return path.empty() ? INVALID_FILE_ATTRIBUTES : GetFileAttributesW(AsWide(path));
}

void WriteAll(HANDLE file, std::string_view bytes, const std::u16string& path) {
  while (!bytes.empty()) {
    DWORD chunk = DWORD(std::min<size_t>(bytes.size(), 1u << 30));
    DWORD written = 0;
    if (!WriteFile(file, bytes.data(), chunk, &written, nullptr)) {
      Fail("Could not write to", path, GetLastError());
    }
    bytes.remove_prefix(written);
  }
}

}  // namespace

char16_t DirectorySeparator() {
  return u'\\';
}
bool IsDirectorySeparator(char16_t c) {
  return c == u'\\' || c == u'/';
}

bool FileExists(const std::u16string& path) {
  DWORD attributes = Attributes(path);
  return attributes != INVALID_FILE_ATTRIBUTES && !(attributes & FILE_ATTRIBUTE_DIRECTORY);
}

bool DirectoryExists(const std::u16string& path) {
  DWORD attributes = Attributes(path);
  return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY);
}

bool detail::CreateOneDirectory(const std::u16string& folder) {
  return CreateDirectoryW(AsWide(folder), nullptr) ||
         (GetLastError() == ERROR_ALREADY_EXISTS && DirectoryExists(folder));
}

bool RemoveFile(const std::u16string& path) {
  return DeleteFileW(AsWide(path)) != FALSE;
}

void AppendToFile(const std::u16string& path, std::string_view bytes) {
  // Readers may look at the file meanwhile; a second writer is refused and loses its line.
  unique_hfile file(CreateFileW(AsWide(path), FILE_APPEND_DATA, FILE_SHARE_READ, nullptr,
                                OPEN_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr));
  if (!file) Fail("Could not open", path, GetLastError());
  WriteAll(file.get(), bytes, path);
}

std::string ReadWholeFile(const std::u16string& path) {
  unique_hfile file(CreateFileW(AsWide(path), GENERIC_READ,
                                FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                                OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
  if (!file) Fail("Could not open", path, GetLastError());
  std::string bytes;
  char buffer[65536];
  for (;;) {
    DWORD count = 0;
    if (!ReadFile(file.get(), buffer, sizeof buffer, &count, nullptr)) {
      Fail("Could not read", path, GetLastError());
    }
    if (count == 0) return bytes;
    bytes.append(buffer, count);
  }
}

void WriteWholeFile(const std::u16string& path, std::string_view bytes) {
  unique_hfile file(CreateFileW(AsWide(path), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                                FILE_ATTRIBUTE_NORMAL, nullptr));
  if (!file) Fail("Could not create", path, GetLastError());
  WriteAll(file.get(), bytes, path);
}

void ExclusiveFile::Close() {
  if (handle_ != -1) CloseHandle(reinterpret_cast<HANDLE>(std::exchange(handle_, -1)));
}

ExclusiveOpenResult OpenExclusive(const std::u16string& path) {
  HANDLE file = CreateFileW(AsWide(path), GENERIC_READ | GENERIC_WRITE, 0, nullptr, OPEN_EXISTING,
                            FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file != INVALID_HANDLE_VALUE) return {ExclusiveFile(reinterpret_cast<intptr_t>(file)), {}};
  DWORD error = GetLastError();
  if (error == ERROR_SHARING_VIOLATION || error == ERROR_LOCK_VIOLATION) {
    return {ExclusiveFile(), u"The process cannot access the file '" + path +
                                 u"' because it is being used by another process."};
  }
  Fail("Could not open", path, error);
}

}  // namespace Tarnwick::platform
