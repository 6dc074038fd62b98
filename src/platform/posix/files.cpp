// POSIX: files and folders through the system calls; exclusive opening by flock.
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <utility>

#include "platform/files.h"
#include "platform/text.h"
#include "tarnwick/error.h"

namespace Tarnwick::platform {
namespace {

[[noreturn]] void Fail(const char* what, const std::u16string& path, int error) {
  std::string message = std::string(what) + " '" + ToUtf8(path) + "': " + std::strerror(error);
  if (error == EACCES || error == EPERM || error == EROFS) throw AccessDeniedError(message);
  throw FileError(message);
}

// Closes the descriptor at the end of the scope.
class Descriptor {
 public:
  explicit Descriptor(int fd) : fd_(fd) {}
  ~Descriptor() {
    if (fd_ >= 0) close(fd_);
  }
  Descriptor(const Descriptor&) = delete;
  Descriptor& operator=(const Descriptor&) = delete;
  int get() const { return fd_; }
  int release() { return std::exchange(fd_, -1); }

 private:
  int fd_;
};

void WriteAll(int fd, std::string_view bytes, const char* what, const std::u16string& path) {
  while (!bytes.empty()) {
    ssize_t written = write(fd, bytes.data(), bytes.size());
    if (written < 0) {
      if (errno == EINTR) continue;
      Fail(what, path, errno);
    }
    bytes.remove_prefix(size_t(written));
  }
}

}  // namespace

char16_t DirectorySeparator() {
  return u'/';
}
bool IsDirectorySeparator(char16_t c) {
  return c == u'/';
}

bool FileExists(const std::u16string& path) {
  struct stat status {};
  return !path.empty() && stat(ToUtf8(path).c_str(), &status) == 0 && !S_ISDIR(status.st_mode);
}

bool DirectoryExists(const std::u16string& path) {
  struct stat status {};
  return !path.empty() && stat(ToUtf8(path).c_str(), &status) == 0 && S_ISDIR(status.st_mode);
}

bool detail::CreateOneDirectory(const std::u16string& folder) {
  return mkdir(ToUtf8(folder).c_str(), 0777) == 0 || (errno == EEXIST && DirectoryExists(folder));
}

bool RemoveFile(const std::u16string& path) {
  return unlink(ToUtf8(path).c_str()) == 0;
}

void AppendToFile(const std::u16string& path, std::string_view bytes) {
  Descriptor fd(open(ToUtf8(path).c_str(), O_WRONLY | O_APPEND | O_CREAT | O_CLOEXEC, 0666));
  if (fd.get() < 0) Fail("Could not open", path, errno);
  WriteAll(fd.get(), bytes, "Could not write to", path);
}

std::string ReadWholeFile(const std::u16string& path) {
  Descriptor fd(open(ToUtf8(path).c_str(), O_RDONLY | O_CLOEXEC));
  if (fd.get() < 0) Fail("Could not open", path, errno);
  std::string bytes;
  char buffer[65536];
  for (;;) {
    ssize_t count = read(fd.get(), buffer, sizeof buffer);
    if (count == 0) return bytes;
    if (count < 0) {
      if (errno == EINTR) continue;
      Fail("Could not read", path, errno);
    }
    bytes.append(buffer, size_t(count));
  }
}

void WriteWholeFile(const std::u16string& path, std::string_view bytes) {
  Descriptor fd(open(ToUtf8(path).c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0666));
  if (fd.get() < 0) Fail("Could not create", path, errno);
  WriteAll(fd.get(), bytes, "Could not write to", path);
}

void ExclusiveFile::Close() {
  if (handle_ != -1) close(int(std::exchange(handle_, -1)));
}

ExclusiveOpenResult OpenExclusive(const std::u16string& path) {
  Descriptor fd(open(ToUtf8(path).c_str(), O_RDWR | O_CLOEXEC));
  if (fd.get() < 0) Fail("Could not open", path, errno);
  if (flock(fd.get(), LOCK_EX | LOCK_NB) != 0) {
    if (errno != EWOULDBLOCK) Fail("Could not lock", path, errno);
    return {ExclusiveFile(), u"The process cannot access the file '" + path +
                                 u"' because it is being used by another process."};
  }
  return {ExclusiveFile(fd.release()), {}};
}

}  // namespace Tarnwick::platform
