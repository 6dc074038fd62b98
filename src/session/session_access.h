// The library's own ways into OvSession that its public header does not offer.
//
//   OvSession session = session::SessionAccess::FromSettingsFile(u"/etc/app/MyApp.exe.config");
//
// FromSettingsFile logs in as the settings constructor does, from the given settings file
// instead of the program's (`tarnwick check-login --config FILE`).
#pragma once

#include <string>

#include "tarnwick/ov_session.h"

namespace Tarnwick::session {

class SessionAccess {
 public:
  static OvSession FromSettingsFile(const std::u16string& settingsFile) {
    return OvSession(OvSession::FromSettingsFile{}, settingsFile);
  }
};

}  // namespace Tarnwick::session
