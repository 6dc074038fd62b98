// The user's temporary folder: GetTempPathW on Windows, $TMPDIR or /tmp elsewhere (what
// std::filesystem::temp_directory_path reads on each). Empty when the system cannot tell.
//
//   platform::TemporaryFolder();  // u"C:\\Users\\ann\\AppData\\Local\\Temp"
//
// Tests put another folder in its place with a ScopedTemporaryFolder.
#pragma once

#include <string>

namespace Tarnwick::platform {

std::u16string TemporaryFolder();

class ScopedTemporaryFolder {
 public:
  explicit ScopedTemporaryFolder(std::u16string folder);
  ~ScopedTemporaryFolder();
  ScopedTemporaryFolder(const ScopedTemporaryFolder&) = delete;
  ScopedTemporaryFolder& operator=(const ScopedTemporaryFolder&) = delete;

 private:
  friend std::u16string TemporaryFolder();
  std::u16string folder_;
  const ScopedTemporaryFolder* previous_;
};

}  // namespace Tarnwick::platform
