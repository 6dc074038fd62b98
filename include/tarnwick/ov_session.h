// A login of this process to an Orvane data source, for code that opens its own connection
// instead of using the desktop client's.
//
//   OvSession session(u"archive:Main", u"alice", u"Secret1");   // or: as administrator,
//   OvSession sso(u"archive:Main");                              // single sign-on,
//   OvSession fromSettings;                                      // the settings file
//   ... host work on the data source ...
//   session.Dispose();   // or let the destructor log out
//
// A constructor either logs in or throws Tarnwick::LoginError: "Datasource name not set" for an
// empty name (before any host call), else "Error logging in to '{data source}' as {user},
// Error: {host error number}" ("... as ADMIN to ..." for an administrator login, "... with SSO,
// ..." for single sign-on).
//
// The settings constructor reads "OvDataSourceName", "OvUser", "OvPassword" (encrypted with
// CryptoProvider::GetEncryptedPassword, or `tarnwick encrypt-password`) and "LoginAsAdmin"
// from the process settings file. An empty "OvPassword" means single sign-on: the user name is
// then ignored and User is empty. A stored text that does not decrypt is used as an empty
// password.
//
// Dispose logs out the data source that is active at that moment, once: a second Dispose, and
// the destructor after Dispose, do nothing. An object that was moved from does not log out.
//
// Logins change the host's process-wide active data source and use a process-wide cache without
// a lock: keep them on one thread at a time.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "tarnwick/ov_enums.h"

namespace Tarnwick {

namespace session {
class SessionAccess;
}

class OvSession {
 public:
  OvSession(std::u16string_view sDatasourceName, std::u16string_view sUserName,
            std::u16string_view sPassword, bool bLoginAsAdmin);
  OvSession(std::u16string_view sDatasourceName, std::u16string_view sUserName,
            std::u16string_view sPassword);
  explicit OvSession(std::u16string_view sDatasourceName);
  OvSession();
  ~OvSession();

  OvSession(const OvSession&) = delete;
  OvSession& operator=(const OvSession&) = delete;
  // The login moves with the object; the source no longer logs out.
  OvSession(OvSession&& other) noexcept;
  // Disposes this object's own login first.
  OvSession& operator=(OvSession&& other) noexcept;

  // Logs out the active data source; only the first call does.
  void Dispose();

  std::u16string Datasource;          // the data source of the login
  bool LoggedInOK = false;            // true once the login succeeded
  std::optional<std::u16string> User;  // the user name; never set by single sign-on
  bool IsAdmin = false;               // qxApi_HasAdminSetup() right after the login

 private:
  friend class session::SessionAccess;
  struct FromSettingsFile {};
  OvSession(FromSettingsFile, const std::u16string& settingsFile);

  static bool DoLogin(std::u16string_view sDatasourceName, std::u16string_view sUserName,
                      std::u16string_view sPassword);
  static bool DoAdminLogin(std::u16string_view sDatasourceName, std::u16string_view sUserName,
                           std::u16string_view sPassword);

  bool loggedOut_ = false;  // Dispose has run, or the login moved to another object
};

namespace OvWrapper {

// The cached login: logs in with the host's qxApi_Login and remembers the new connection's
// handle for these credentials. With bReuseExistingConnection a remembered connection that is
// still open is made active again instead (true, no login); a stale one is replaced by a fresh
// login. Without it every call logs in anew. True when a connection for the credentials is
// active afterwards.
bool qxApi_Login(DataSourceType lDSType, std::u16string_view lptstrDataSource,
                 std::u16string_view lpctstrUsername, std::u16string_view lpctstrPassword,
                 std::u16string_view lpctstrSchema, bool bReuseExistingConnection);

}  // namespace OvWrapper

}  // namespace Tarnwick
