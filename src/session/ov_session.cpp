// OvSession's logins and the login cache beneath them.
#include "tarnwick/ov_session.h"

#include <exception>
#include <string>
#include <utility>

#include "binding/shared_state.h"
#include "platform/debug_output.h"
#include "platform/text.h"
#include "session/credential_hash.h"
#include "tarnwick/crypto_provider.h"
#include "tarnwick/error.h"
#include "tarnwick/ov_host_api.h"
#include "util/message_template.h"
#include "util/settings.h"

namespace Tarnwick {
namespace {

constexpr std::u16string_view kNoDatasource = u"Datasource name not set";

void RequireDatasourceName(std::u16string_view sDatasourceName) {
  if (sDatasourceName.empty()) throw LoginError(platform::ToUtf8(kNoDatasource));
}

// The constructor's error for a refused login, with the host's last error number.
[[noreturn]] void ThrowLoginFailed(std::u16string_view messageTemplate,
                                   std::u16string_view sDatasourceName,
                                   std::u16string_view userText) {
  const int32_t hostError = OvWrapper::qxApi_GetLastErrorId();
  throw LoginError(platform::ToUtf8(util::FormatTemplate(
                       messageTemplate, {sDatasourceName, userText, hostError})),
                   hostError);
}

constexpr std::u16string_view kLoginFailed = u"Error logging in to '{0}' as {1}, Error: {2}";

}  // namespace

namespace OvWrapper {

bool qxApi_Login(DataSourceType lDSType, std::u16string_view lptstrDataSource,
                 std::u16string_view lpctstrUsername, std::u16string_view lpctstrPassword,
                 std::u16string_view lpctstrSchema, bool bReuseExistingConnection) {
  auto& cache = detail::sessionHandles();
  const std::u16string key = GetCredentialHash(lDSType, lptstrDataSource, lpctstrUsername,
                                               lpctstrPassword, lpctstrSchema);
  if (bReuseExistingConnection) {
    auto cached = cache.find(key);
    if (cached != cache.end() && cached->second != 0 &&
        qxApi_ActivateDatasourceByHandle(cached->second) != 0) {
      return true;
    }
  }
  // The host wants zero-terminated text.
  const std::u16string dataSource(lptstrDataSource), user(lpctstrUsername),
      password(lpctstrPassword), schema(lpctstrSchema);
  if (!qxApi_Login(static_cast<int32_t>(lDSType), dataSource.c_str(), user.c_str(),
                   password.c_str(), schema.c_str())) {
    return false;
  }
  cache[key] = qxApi_GetActiveDatasource();
  return true;
}

}  // namespace OvWrapper

bool OvSession::DoLogin(std::u16string_view sDatasourceName, std::u16string_view sUserName,
                        std::u16string_view sPassword) {
  OvWrapper::qxApi_Initialize(0);
  return OvWrapper::qxApi_Login(OvWrapper::DataSourceType::Unknown, sDatasourceName, sUserName, sPassword,
                                u"", false);
}

bool OvSession::DoAdminLogin(std::u16string_view sDatasourceName, std::u16string_view sUserName,
                             std::u16string_view sPassword) {
  OvWrapper::qxApi_Initialize(0);
  const std::u16string dataSource(sDatasourceName), user(sUserName), password(sPassword);
  return OvWrapper::qxApi_AdminLogin(OvWrapper::DataSourceType::Unknown, dataSource.c_str(), user.c_str(),
                                     password.c_str()) != 0;
}

OvSession::OvSession(std::u16string_view sDatasourceName, std::u16string_view sUserName,
                     std::u16string_view sPassword, bool bLoginAsAdmin) {
  RequireDatasourceName(sDatasourceName);
  if (bLoginAsAdmin) {
    if (!DoAdminLogin(sDatasourceName, sUserName, sPassword)) {
      ThrowLoginFailed(u"Error logging in as ADMIN to '{0}' as {1}, Error: {2}", sDatasourceName,
                       sUserName);
    }
  } else if (!DoLogin(sDatasourceName, sUserName, sPassword)) {
    ThrowLoginFailed(kLoginFailed, sDatasourceName, sUserName);
  }
  Datasource = sDatasourceName;
  User = std::u16string(sUserName);
  LoggedInOK = true;
  IsAdmin = OvWrapper::qxApi_HasAdminSetup() != 0;
}

OvSession::OvSession(std::u16string_view sDatasourceName, std::u16string_view sUserName,
                     std::u16string_view sPassword)
    : OvSession(sDatasourceName, sUserName, sPassword, false) {}

OvSession::OvSession(std::u16string_view sDatasourceName) {
  RequireDatasourceName(sDatasourceName);
  if (!DoLogin(sDatasourceName, u"", u"")) {
    ThrowLoginFailed(u"Error logging in to '{0}' with {1}, Error: {2}", sDatasourceName, u"SSO");
  }
  Datasource = sDatasourceName;
  LoggedInOK = true;
  IsAdmin = OvWrapper::qxApi_HasAdminSetup() != 0;
}

OvSession::OvSession()
    : OvSession(FromSettingsFile{}, DornUtilities::detail::ProcessSettingsFile()) {}

OvSession::OvSession(FromSettingsFile, const std::u16string& settingsFile) {
  namespace settings = DornUtilities::detail;
  auto text = [&](std::u16string_view key) {
    return settings::ReadSetting(settingsFile, key).value_or(u"");
  };
  const std::u16string dataSource = text(u"OvDataSourceName");
  std::u16string user = text(u"OvUser");
  const std::u16string storedPassword = text(u"OvPassword");
  const bool asAdmin = settings::ParseBoolean(settings::ReadSetting(settingsFile, u"LoginAsAdmin"),
                                              true);
  RequireDatasourceName(dataSource);

  std::u16string password;
  if (!storedPassword.empty()) {
    try {
      password = CryptoProvider::GetDecryptedPassword(dataSource, user, storedPassword);
    } catch (const std::exception& e) {
      platform::WriteDebugOutput(util::FormatTemplate(
          u"Error: {0}\n{1}", {e.what(), u"   at Tarnwick::OvSession::OvSession()"}));
      throw LoginError("Error decrypting password. Are all app settings defined?");
    }
  } else {
    user.clear();  // single sign-on
  }

  if (!(asAdmin ? DoAdminLogin(dataSource, user, password) : DoLogin(dataSource, user, password))) {
    ThrowLoginFailed(kLoginFailed, dataSource, user);
  }
  Datasource = dataSource;
  User = user;
  LoggedInOK = true;
  IsAdmin = OvWrapper::qxApi_HasAdminSetup() != 0;
}

OvSession::~OvSession() {
  try {
    Dispose();
  } catch (...) {
    // A destructor has no one to report to; the host keeps the connection until it exits.
  }
}

OvSession::OvSession(OvSession&& other) noexcept
    : Datasource(std::move(other.Datasource)),
      LoggedInOK(other.LoggedInOK),
      User(std::move(other.User)),
      IsAdmin(other.IsAdmin),
      loggedOut_(std::exchange(other.loggedOut_, true)) {}

OvSession& OvSession::operator=(OvSession&& other) noexcept {
  if (this != &other) {
    try {
      Dispose();
    } catch (...) {
    }
    Datasource = std::move(other.Datasource);
    LoggedInOK = other.LoggedInOK;
    User = std::move(other.User);
    IsAdmin = other.IsAdmin;
    loggedOut_ = std::exchange(other.loggedOut_, true);
  }
  return *this;
}

void OvSession::Dispose() {
  // A second logout would end whatever data source is active by then, maybe another login's.
  if (std::exchange(loggedOut_, true)) return;
  OvWrapper::qxApi_LogoutByHandle(OvWrapper::qxApi_GetActiveDatasource());
}

}  // namespace Tarnwick
