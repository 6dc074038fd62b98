// POSIX: facts about the running process (module files, known folders, console, clock) and
// the strong random source.
#include <dlfcn.h>
#include <limits.h>
#include <stdlib.h>
#include <sys/random.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <ctime>
#include <mutex>

#include "platform/clock.h"
#include "platform/console.h"
#include "platform/known_folders.h"
#include "platform/module_files.h"
#include "platform/random.h"
#include "platform/text.h"
#include "tarnwick/error.h"

namespace Tarnwick::platform::detail {

std::u16string SystemProgramFilePath() {
  char path[PATH_MAX];
  ssize_t length = readlink("/proc/self/exe", path, sizeof path - 1);
  return length > 0 ? FromUtf8(std::string_view(path, size_t(length))) : std::u16string();
}

std::u16string SystemLibraryFilePath() {
  // The shared object or program that holds this function.
  Dl_info info{};
  char resolved[PATH_MAX];
  if (dladdr(reinterpret_cast<void*>(&SystemLibraryFilePath), &info) && info.dli_fname &&
      *info.dli_fname && realpath(info.dli_fname, resolved)) {
    return FromUtf8(resolved);
  }
  return SystemProgramFilePath();
}

std::u16string SystemRoamingAppDataFolder() {
  if (const char* config = std::getenv("XDG_CONFIG_HOME"); config && *config)
    return FromUtf8(config);
  if (const char* home = std::getenv("HOME"); home && *home) return FromUtf8(home) + u"/.config";
  return {};
}

std::u16string SystemTemporaryFolder() {
  std::u16string folder = u"/tmp/";
  if (const char* tmp = std::getenv("TMPDIR"); tmp && *tmp) folder = FromUtf8(tmp);
  if (folder.back() != u'/') folder += u'/';
  return folder;
}

std::optional<std::u16string> SystemConsoleTitle() {
  return std::nullopt;
}

void WriteSystemStandardOutputLine(std::u16string_view text) {
  static std::mutex mutex;
  std::string line = ToUtf8(text);
  line += '\n';
  std::lock_guard lock(mutex);
  std::fwrite(line.data(), 1, line.size(), stdout);
  std::fflush(stdout);
}

DateTime SystemLocalNow() {
  std::time_t now = std::time(nullptr);
  std::tm local{};
  localtime_r(&now, &local);
  return DateTime{local.tm_year + 1900, local.tm_mon + 1, local.tm_mday,
                  local.tm_hour,        local.tm_min,     local.tm_sec};
}

void FillSystemRandomBytes(uint8_t* bytes, size_t count) {
  while (count > 0) {
    ssize_t got = getrandom(bytes, count, 0);
    if (got < 0) {
      if (errno == EINTR) continue;
      throw Error(std::string("getrandom failed: ") + std::strerror(errno));
    }
    bytes += got;
    count -= size_t(got);
  }
}

}  // namespace Tarnwick::platform::detail
