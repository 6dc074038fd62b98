// Files and folders, with the sharing rules the library's log and lock tests rely on.
//
//   platform::AppendToFile(u"C:\\Logs\\Tarnwick_20240305.log", bytes);  // throws FileError
//   platform::ExclusiveOpenResult held = platform::OpenExclusive(path);
//   if (!held.file) ... held.inUseMessage ...
//
// Paths are the library's UTF-16 text; Windows separates folders with a backslash (a slash is
// accepted), Linux with a slash. Failures that reach the caller are Tarnwick::FileError (or
// AccessDeniedError) naming the file and the system's reason.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace Tarnwick::platform {

// The platform's folder separator, and whether c separates folders.
char16_t DirectorySeparator();
bool IsDirectorySeparator(char16_t c);

// folder + separator + name, without doubling a separator already at the end of folder.
std::u16string JoinPath(std::u16string_view folder, std::u16string_view name);
// The folder part of path (without a final separator) and the file name part.
std::u16string_view FolderOf(std::u16string_view path);
std::u16string_view FileNameOf(std::u16string_view path);
// The file name without its last extension: "Tarnwick" for "C:\\x\\Tarnwick.dll".
std::u16string_view FileStemOf(std::u16string_view path);

bool FileExists(const std::u16string& path);  // an existing file, not a folder
bool DirectoryExists(const std::u16string& path);
// Creates the folder with its missing parents; false when that fails.
bool CreateDirectories(const std::u16string& path);
// False when the file could not be deleted (or did not exist).
bool RemoveFile(const std::u16string& path);

// Opens the file for appending (creating it), writes bytes and closes it again. While it is
// open others may read the file but not write it.
void AppendToFile(const std::u16string& path, std::string_view bytes);
std::string ReadWholeFile(const std::u16string& path);
// Creates or replaces the file.
void WriteWholeFile(const std::u16string& path, std::string_view bytes);

// A file held open for reading and writing with no sharing. On Windows no other opening of the
// file succeeds meanwhile; on Linux, which has no sharing modes, the holder takes an exclusive
// lock on the whole file, which every other exclusive opening respects.
class ExclusiveFile {
 public:
  ExclusiveFile() = default;
  explicit ExclusiveFile(intptr_t handle) : handle_(handle) {}
  ExclusiveFile(ExclusiveFile&& other) noexcept : handle_(other.handle_) { other.handle_ = -1; }
  ExclusiveFile& operator=(ExclusiveFile&& other) noexcept;
  ExclusiveFile(const ExclusiveFile&) = delete;
  ExclusiveFile& operator=(const ExclusiveFile&) = delete;
  ~ExclusiveFile() { Close(); }

  explicit operator bool() const { return handle_ != -1; }
  void Close();

 private:
  intptr_t handle_ = -1;
};

struct ExclusiveOpenResult {
  ExclusiveFile file;           // held when the opening succeeded
  std::u16string inUseMessage;  // the system's reason when another opening holds the file
};

// An opening refused because the file is in use comes back with its reason; a refusal for lack
// of rights raises AccessDeniedError, anything else FileError.
ExclusiveOpenResult OpenExclusive(const std::u16string& path);

namespace detail {
// One folder whose parent exists; true also when another opening made it meanwhile. One per
// platform folder; CreateDirectories walks the missing parents.
bool CreateOneDirectory(const std::u16string& folder);
}  // namespace detail

}  // namespace Tarnwick::platform
