// Portable: the standard library reaches the platform's own call on each side.
#include "platform/temporary_folder.h"

#include <filesystem>

namespace Tarnwick::platform {
namespace {
const ScopedTemporaryFolder* g_override = nullptr;
}  // namespace

ScopedTemporaryFolder::ScopedTemporaryFolder(std::u16string folder)
    : folder_(std::move(folder)), previous_(g_override) {
  g_override = this;
}

ScopedTemporaryFolder::~ScopedTemporaryFolder() {
  g_override = previous_;
}

std::u16string TemporaryFolder() {
  if (g_override) return g_override->folder_;
  std::error_code error;
  const std::filesystem::path folder = std::filesystem::temp_directory_path(error);
  return error ? std::u16string() : folder.u16string();
}

}  // namespace Tarnwick::platform
