// The files of the running modules: this library's own file and the program's.
//
//   platform::LibraryFilePath();  // u"C:\\Program Files\\Orvane\\Tarnwick.dll"
//   platform::ProgramFilePath();  // u"C:\\Program Files\\Orvane\\OvExplorer.exe"
//
// The library's file is the module that holds this code: Tarnwick.dll in the product, the
// program itself where the library is linked in statically (the tests, the native build).
// Tests put other names in place with ScopedOverride<ModuleFiles>.
#pragma once

#include <string>

#include "platform/scoped_override.h"

namespace Tarnwick::platform {

struct ModuleFiles {
  std::u16string library;
  std::u16string program;
};

namespace detail {
std::u16string SystemLibraryFilePath();  // one per platform folder
std::u16string SystemProgramFilePath();
}  // namespace detail

inline std::u16string LibraryFilePath() {
  if (const ModuleFiles* files = ScopedOverride<ModuleFiles>::Current()) return files->library;
  return detail::SystemLibraryFilePath();
}

inline std::u16string ProgramFilePath() {
  if (const ModuleFiles* files = ScopedOverride<ModuleFiles>::Current()) return files->program;
  return detail::SystemProgramFilePath();
}

}  // namespace Tarnwick::platform
