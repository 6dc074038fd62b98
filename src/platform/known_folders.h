// The user's folders that the library writes to.
//
//   platform::RoamingAppDataFolder();  // u"C:\\Users\\ann\\AppData\\Roaming" (CSIDL_APPDATA)
//   platform::TemporaryFolder();       // u"C:\\Users\\ann\\AppData\\Local\\Temp\\"
//
// Either is empty when the system cannot tell. On Linux they are $XDG_CONFIG_HOME (or
// ~/.config) and $TMPDIR (or /tmp/). Tests put other folders in place with
// ScopedOverride<KnownFolders>.
#pragma once

#include <string>

#include "platform/scoped_override.h"

namespace Tarnwick::platform {

struct KnownFolders {
  std::u16string roamingAppData;
  std::u16string temporary;
};

namespace detail {
std::u16string SystemRoamingAppDataFolder();  // one per platform folder
std::u16string SystemTemporaryFolder();
}  // namespace detail

inline std::u16string RoamingAppDataFolder() {
  if (const KnownFolders* folders = ScopedOverride<KnownFolders>::Current()) {
    return folders->roamingAppData;
  }
  return detail::SystemRoamingAppDataFolder();
}

inline std::u16string TemporaryFolder() {
  if (const KnownFolders* folders = ScopedOverride<KnownFolders>::Current()) {
    return folders->temporary;
  }
  return detail::SystemTemporaryFolder();
}

}  // namespace Tarnwick::platform
