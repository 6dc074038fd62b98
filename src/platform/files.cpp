// Portable path arithmetic over the platform's separators.
#include "platform/files.h"

namespace Tarnwick::platform {

std::u16string JoinPath(std::u16string_view folder, std::u16string_view name) {
  std::u16string path(folder);
  if (!path.empty() && !IsDirectorySeparator(path.back())) path += DirectorySeparator();
  path.append(name);
  return path;
}

std::u16string_view FolderOf(std::u16string_view path) {
  size_t at = path.size();
  while (at > 0 && !IsDirectorySeparator(path[at - 1])) --at;
  if (at == 0) return {};
  // A file in a root keeps the root's separator: "/x" gives "/", "C:\x" gives "C:\".
  bool root = at == 1 || (at == 3 && path[1] == u':');
  return path.substr(0, root ? at : at - 1);
}

std::u16string_view FileNameOf(std::u16string_view path) {
  size_t at = path.size();
  while (at > 0 && !IsDirectorySeparator(path[at - 1])) --at;
  return path.substr(at);
}

std::u16string_view FileStemOf(std::u16string_view path) {
  std::u16string_view name = FileNameOf(path);
  size_t dot = name.rfind(u'.');
  return dot == std::u16string_view::npos ? name : name.substr(0, dot);
}

ExclusiveFile& ExclusiveFile::operator=(ExclusiveFile&& other) noexcept {
  if (this != &other) {
    Close();
    handle_ = other.handle_;
    other.handle_ = -1;
  }
  return *this;
}

bool CreateDirectories(const std::u16string& path) {
  std::u16string folder = path;
  while (folder.size() > 1 && IsDirectorySeparator(folder.back())) folder.pop_back();
  if (folder.empty() || DirectoryExists(folder)) return !folder.empty();
  std::u16string parent(FolderOf(folder));
  if (!parent.empty() && parent != folder && !CreateDirectories(parent)) return false;
  return detail::CreateOneDirectory(folder);
}

}  // namespace Tarnwick::platform
