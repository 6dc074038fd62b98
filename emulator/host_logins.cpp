// The emulator's logins: connections to the fixture's datasource by handle, one of them active,
// with the fixture's accounts, an administrator and single sign-on. A refused login sets the
// host's last error (kEmuError* in emulator_api.h).
//
// Data-source and user names match regardless of ASCII letter case; passwords exactly. The
// data-source type and the schema are not looked at.
#include <string>

#include "emulator/datasource.h"
#include "emulator/emulator_api.h"
#include "emulator/host_api.h"
#include "emulator/host_call.h"
#include "platform/text.h"
#include "util/text_rules.h"

using namespace Tarnwick::Emulator;
using Tarnwick::util::EqualsIgnoringAsciiCase;

namespace {

std::u16string TextOf(const char16_t* text) { return text ? std::u16string(text) : u""; }

// For the call log: the text quoted, or null. Passwords are never logged.
std::string Quoted(const char16_t* text) {
  return text ? "\"" + Tarnwick::platform::ToUtf8(text) + "\"" : "null";
}

// The account the credentials log in as, or nullptr after setting the host's error.
const Account* Authenticate(Host& host, const char16_t* dataSource, const char16_t* user,
                            const char16_t* password) {
  const Datasource& datasource = host.datasource();
  const std::u16string name = TextOf(dataSource);
  if (name.empty() || !EqualsIgnoringAsciiCase(name, datasource.name)) {
    host.SetHostError(kEmuErrorUnknownDatasource, u"Unknown data source '" + name + u"'.");
    return nullptr;
  }
  std::u16string userName = TextOf(user);
  const std::u16string secret = TextOf(password);
  const bool singleSignOn = userName.empty() && secret.empty();
  if (singleSignOn) {
    if (datasource.singleSignOnUser.empty()) {
      host.SetHostError(kEmuErrorNoSingleSignOn,
                        u"Single sign-on is not set up for data source '" + name + u"'.");
      return nullptr;
    }
    userName = datasource.singleSignOnUser;
  }
  for (const Account& account : datasource.accounts) {
    if (EqualsIgnoringAsciiCase(account.user, userName) &&
        (singleSignOn || account.password == secret)) {
      return &account;
    }
  }
  host.SetHostError(kEmuErrorBadCredentials, u"Wrong user name or password.");
  return nullptr;
}

HostBool OpenConnection(Host& host, const Account& account) {
  const HostHandle handle = host.NewConnectionHandle();
  host.connections()[handle] = Host::Connection{host.datasource().name, account.user,
                                                account.admin};
  host.activeConnection() = handle;
  return 1;
}

}  // namespace

EMU_HOSTAPI(HostBool)
qxApi_Login(int32_t iDSType, const char16_t* lptstrDataSource, const char16_t* lpctstrUsername,
            const char16_t* lpctstrPassword, const char16_t* lpctstrSchema) {
  HOST_CALL(qxApi_Login, iDSType, Quoted(lptstrDataSource), Quoted(lpctstrUsername),
            Quoted(lpctstrSchema));
  if (host.Failing(hostFunction)) return 0;
  const Account* account = Authenticate(host, lptstrDataSource, lpctstrUsername, lpctstrPassword);
  return account ? OpenConnection(host, *account) : 0;
}

EMU_HOSTAPI(HostBool)
qxApi_AdminLogin(Tarnwick::OvWrapper::DataSourceType lDSType, const char16_t* sDatasourceName,
                 const char16_t* lpctstrUsername, const char16_t* lpctstrPassword) {
  HOST_CALL(qxApi_AdminLogin, static_cast<int32_t>(lDSType), Quoted(sDatasourceName),
            Quoted(lpctstrUsername));
  if (host.Failing(hostFunction)) return 0;
  const Account* account = Authenticate(host, sDatasourceName, lpctstrUsername, lpctstrPassword);
  if (!account) return 0;
  if (!account->admin) {
    host.SetHostError(kEmuErrorNotAdministrator,
                      u"User '" + account->user + u"' is not an administrator.");
    return 0;
  }
  return OpenConnection(host, *account);
}

EMU_HOSTAPI(HostHandle) qxApi_GetActiveDatasource() {
  HOST_CALL(qxApi_GetActiveDatasource);
  return host.Failing(hostFunction) ? 0 : host.activeConnection();
}

EMU_HOSTAPI(HostHandle) qxApi_ActivateDatasourceByHandle(HostHandle dsHandle) {
  HOST_CALL(qxApi_ActivateDatasourceByHandle, dsHandle);
  if (host.Failing(hostFunction) || !host.connections().count(dsHandle)) return 0;
  host.activeConnection() = dsHandle;
  return dsHandle;
}

EMU_HOSTAPI(HostHandle) qxApi_LogoutByHandle(HostHandle dsHandle) {
  HOST_CALL(qxApi_LogoutByHandle, dsHandle);
  if (host.Failing(hostFunction) || !host.connections().erase(dsHandle)) return 0;
  if (host.activeConnection() == dsHandle) host.activeConnection() = 0;
  return 1;
}

EMU_HOSTAPI(HostBool) qxApi_HasAdminSetup() {
  HOST_CALL(qxApi_HasAdminSetup);
  if (host.Failing(hostFunction)) return 0;
  auto active = host.connections().find(host.activeConnection());
  return active != host.connections().end() && active->second.admin ? 1 : 0;
}

EMU_API int32_t emu_DropConnection(intptr_t handle) {
  Host& host = Host::Instance();
  std::lock_guard lock(host.mutex());
  if (handle == 0) handle = host.activeConnection();
  if (!host.connections().erase(handle)) return 0;
  if (host.activeConnection() == handle) host.activeConnection() = 0;
  return 1;
}
