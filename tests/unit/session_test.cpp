// OvSession and the cached login, against the emulator's accounts: alice/Secret1, bob/12345678,
// the administrator orvadmin/Adm1n-Key, single sign-on as alice, on "archive:Main".
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "binding/shared_state.h"
#include "emulator/emulator_api.h"
#include "emulator_control.h"
#include "module_folder.h"
#include "platform/text.h"
#include "session/credential_hash.h"
#include "tarnwick/crypto_provider.h"
#include "tarnwick/error.h"
#include "tarnwick/ov_host_api.h"
#include "tarnwick/ov_session.h"

namespace Tarnwick {
namespace {

using ::testing::ElementsAre;
using ::testing::IsEmpty;
using OvWrapper::DataSourceType;
using OvWrapper::HostHandle;
using testing::Emulator;

int32_t DropConnection(HostHandle handle) {
  static auto drop = reinterpret_cast<int32_t (*)(intptr_t)>(reinterpret_cast<uintptr_t>(
      platform::FindEntryPoint(platform::LoadHostLibrary(u"kelcore.dll"), "emu_DropConnection")));
  return drop(handle);
}

class Session : public ::testing::Test {
 protected:
  void SetUp() override {
    Emulator::Reset();
    cache().clear();
  }
  // The cache is process-wide: leave it as the start-up made it for the other tests.
  void TearDown() override {
    cache().clear();
    Emulator::Reset();
  }

  static std::unordered_map<std::u16string, HostHandle>& cache() {
    return OvWrapper::detail::sessionHandles();
  }
  static std::u16string Key(std::u16string_view user, std::u16string_view password,
                            DataSourceType type = DataSourceType::Unknown,
                            std::u16string_view schema = u"") {
    return OvWrapper::GetCredentialHash(type, u"archive:Main", user, password, schema);
  }
  static bool Login(std::u16string_view user, std::u16string_view password, bool reuse,
                    DataSourceType type = DataSourceType::Unknown,
                    std::u16string_view schema = u"") {
    return OvWrapper::qxApi_Login(type, u"archive:Main", user, password, schema, reuse);
  }
  static HostHandle Active() { return OvWrapper::qxApi_GetActiveDatasource(); }
};

TEST(CredentialHash, TheTypeIsKeyedByItsMemberNameOrItsNumber) {
  const auto hash = [](DataSourceType type) {
    return OvWrapper::GetCredentialHash(type, u"archive:Main", u"alice", u"Secret1", u"");
  };
  EXPECT_EQ(hash(DataSourceType::Unknown), u"3z61ISXmiO6oHQzVMojXng==");
  EXPECT_EQ(hash(DataSourceType::SqlServer), u"cwxRpy/i9alhAXMXG7c3gQ==");
  EXPECT_EQ(hash(static_cast<DataSourceType>(99)), u"HQu7cLta+so5yRthCL7Idg==");
  EXPECT_EQ(OvWrapper::DataSourceTypeName(DataSourceType::ODBC_Solid), u"ODBC_Solid");
  EXPECT_EQ(OvWrapper::DataSourceTypeName(static_cast<DataSourceType>(-3)), u"-3");
}

TEST_F(Session, WithoutReuseEveryLoginIsFreshAndOverwritesTheEntry) {
  ASSERT_TRUE(Login(u"alice", u"Secret1", false));
  const HostHandle first = Active();
  ASSERT_TRUE(Login(u"alice", u"Secret1", false));
  const HostHandle second = Active();
  EXPECT_NE(first, second);
  EXPECT_EQ(Emulator::CallsOf("qxApi_Login").size(), 2u);
  EXPECT_THAT(Emulator::CallsOf("qxApi_ActivateDatasourceByHandle"), IsEmpty());
  EXPECT_EQ(cache().size(), 1u);
  EXPECT_EQ(cache()[Key(u"alice", u"Secret1")], second);
}

TEST_F(Session, ReuseActivatesAnOpenConnectionWithoutLoggingIn) {
  ASSERT_TRUE(Login(u"alice", u"Secret1", false));
  const HostHandle alice = Active();
  ASSERT_TRUE(Login(u"bob", u"12345678", false));
  ASSERT_NE(Active(), alice);
  Emulator::ClearCallLog();

  EXPECT_TRUE(Login(u"alice", u"Secret1", true));
  EXPECT_EQ(Active(), alice);
  EXPECT_THAT(Emulator::CalledFunctions(),
              ElementsAre("qxApi_ActivateDatasourceByHandle", "qxApi_GetActiveDatasource"));
  EXPECT_EQ(cache()[Key(u"alice", u"Secret1")], alice);
}

TEST_F(Session, ReuseOfAStaleHandleLogsInAnewAndReplacesIt) {
  ASSERT_TRUE(Login(u"alice", u"Secret1", true));  // nothing cached yet: a fresh login
  const HostHandle stale = Active();
  ASSERT_EQ(DropConnection(stale), 1);
  Emulator::ClearCallLog();

  EXPECT_TRUE(Login(u"alice", u"Secret1", true));
  EXPECT_THAT(Emulator::CalledFunctions(),
              ElementsAre("qxApi_ActivateDatasourceByHandle", "qxApi_Login",
                          "qxApi_GetActiveDatasource"));
  EXPECT_NE(Active(), stale);
  EXPECT_EQ(cache()[Key(u"alice", u"Secret1")], Active());
}

TEST_F(Session, AFailedFreshLoginLeavesTheCacheAsItWas) {
  ASSERT_TRUE(Login(u"alice", u"Secret1", false));
  const HostHandle stale = Active();
  ASSERT_EQ(DropConnection(stale), 1);
  Emulator::FailFunction("qxApi_Login");
  EXPECT_FALSE(Login(u"alice", u"Secret1", true));
  EXPECT_FALSE(Login(u"alice", u"Secret1", false));
  Emulator::FailFunction("qxApi_Login", false);
  EXPECT_FALSE(Login(u"alice", u"wrong", false));
  EXPECT_EQ(cache().size(), 1u);
  EXPECT_EQ(cache()[Key(u"alice", u"Secret1")], stale);
}

TEST_F(Session, SchemaAndTypeKeepSeparateEntries) {
  ASSERT_TRUE(Login(u"alice", u"Secret1", false));
  ASSERT_TRUE(Login(u"alice", u"Secret1", false, DataSourceType::SqlServer));
  ASSERT_TRUE(Login(u"alice", u"Secret1", false, DataSourceType::Unknown, u"dbo"));
  EXPECT_EQ(cache().size(), 3u);
  EXPECT_THAT(Emulator::CallsOf("qxApi_Login"),
              ElementsAre("qxApi_Login(0, \"archive:Main\", \"alice\", \"\")",
                          "qxApi_Login(7, \"archive:Main\", \"alice\", \"\")",
                          "qxApi_Login(0, \"archive:Main\", \"alice\", \"dbo\")"));
}

TEST_F(Session, EachConstructorSetsItsPropertiesInOrderAfterOneLogin) {
  {
    OvSession session(u"archive:Main", u"alice", u"Secret1");
    EXPECT_EQ(session.Datasource, u"archive:Main");
    EXPECT_EQ(session.User, u"alice");
    EXPECT_TRUE(session.LoggedInOK);
    EXPECT_FALSE(session.IsAdmin);
    EXPECT_THAT(Emulator::CalledFunctions(),
                ElementsAre("qxApi_Initialize", "qxApi_Login", "qxApi_GetActiveDatasource",
                            "qxApi_HasAdminSetup"));
    EXPECT_THAT(Emulator::CallsOf("qxApi_Initialize"), ElementsAre("qxApi_Initialize(0)"));
  }
  Emulator::ClearCallLog();
  {
    OvSession admin(u"archive:Main", u"ORVADMIN", u"Adm1n-Key", true);
    EXPECT_EQ(admin.User, u"ORVADMIN");
    EXPECT_TRUE(admin.IsAdmin);
    EXPECT_THAT(Emulator::CalledFunctions(),
                ElementsAre("qxApi_Initialize", "qxApi_AdminLogin", "qxApi_HasAdminSetup"));
    EXPECT_EQ(cache().size(), 1u) << "the administrator login bypasses the cache";
  }
  {
    OvSession sso(u"archive:Main");
    EXPECT_EQ(sso.Datasource, u"archive:Main");
    EXPECT_FALSE(sso.User.has_value());
    EXPECT_TRUE(sso.LoggedInOK);
    EXPECT_THAT(Emulator::CallsOf("qxApi_Login").back(),
                "qxApi_Login(0, \"archive:Main\", \"\", \"\")");
  }
}

TEST_F(Session, ConstructorsThatCannotLogInRaiseTheirMessages) {
  struct Case {
    const char* message;
    int32_t hostError;
    std::function<void()> construct;
  };
  const Case cases[] = {
      {"Error logging in to 'archive:Main' as alice, Error: 5002", kEmuErrorBadCredentials,
       [] { OvSession(u"archive:Main", u"alice", u"wrong"); }},
      {"Error logging in to 'elsewhere' as alice, Error: 5001", kEmuErrorUnknownDatasource,
       [] { OvSession(u"elsewhere", u"alice", u"Secret1", false); }},
      {"Error logging in as ADMIN to 'archive:Main' as alice, Error: 5004",
       kEmuErrorNotAdministrator, [] { OvSession(u"archive:Main", u"alice", u"Secret1", true); }},
      {"Error logging in as ADMIN to 'archive:Main' as orvadmin, Error: 5002",
       kEmuErrorBadCredentials, [] { OvSession(u"archive:Main", u"orvadmin", u"x", true); }},
      {"Error logging in to 'elsewhere' with SSO, Error: 5001", kEmuErrorUnknownDatasource,
       [] { OvSession{u"elsewhere"}; }},
      {"Datasource name not set", 0, [] { OvSession(u"", u"alice", u"Secret1", true); }},
      {"Datasource name not set", 0, [] { OvSession(u"", u"alice", u"Secret1"); }},
      {"Datasource name not set", 0, [] { OvSession{u""}; }},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.message);
    Emulator::ClearCallLog();
    try {
      c.construct();
      ADD_FAILURE() << "no error";
    } catch (const LoginError& e) {
      EXPECT_STREQ(e.what(), c.message);
      EXPECT_EQ(e.hostErrorId(), c.hostError);
    }
    if (c.hostError == 0) {
      EXPECT_THAT(Emulator::CallLog(), IsEmpty());
    }
  }
  EXPECT_THAT(Emulator::CallsOf("qxApi_LogoutByHandle"), IsEmpty());
}

TEST_F(Session, SingleSignOnRefusedByTheHostGivesItsError) {
  ASSERT_TRUE(Emulator::LoadFixture(
      R"({"datasource": "archive:Main", "accounts": [{"user": "alice", "password": "x"}]})"));
  try {
    OvSession session(u"archive:Main");
    ADD_FAILURE() << "no error";
  } catch (const LoginError& e) {
    EXPECT_STREQ(e.what(), "Error logging in to 'archive:Main' with SSO, Error: 5003");
  }
}

TEST_F(Session, TheSettingsConstructorLogsInFromTheProgramsSettingsFile) {
  testing::ModuleFolder folder;
  const auto settings = [&](const std::string& user, const std::string& password,
                            const std::string& extra = "") {
    folder.WriteProcessSettings(
        R"(<add key="OvDataSourceName" value="archive:Main" /><add key="OvUser" value=")" +
        user + R"(" /><add key="OvPassword" value=")" + password + "\" />" + extra);
  };
  const auto encrypted = [](std::u16string_view user, std::u16string_view password) {
    return platform::ToUtf8(CryptoProvider::GetEncryptedPassword(u"ARCHIVE:MAIN", user, password));
  };

  // The password decrypted.
  settings("alice", encrypted(u"alice", u"Secret1"));
  {
    OvSession session;
    EXPECT_EQ(session.User, u"alice");
    EXPECT_FALSE(session.IsAdmin);
    EXPECT_THAT(Emulator::CallsOf("qxApi_Login").back(),
                "qxApi_Login(0, \"archive:Main\", \"alice\", \"\")");
  }

  // No password: single sign-on, the user name dropped.
  settings("bob", "");
  {
    OvSession session;
    EXPECT_EQ(session.User, u"");
    EXPECT_THAT(Emulator::CallsOf("qxApi_Login").back(),
                "qxApi_Login(0, \"archive:Main\", \"\", \"\")");
  }

  // A text that does not decrypt for these names: the login goes ahead with an empty password.
  settings("bob", encrypted(u"alice", u"Secret1"));
  try {
    OvSession session;
    ADD_FAILURE() << "no error";
  } catch (const LoginError& e) {
    EXPECT_STREQ(e.what(), "Error logging in to 'archive:Main' as bob, Error: 5002");
    EXPECT_THAT(Emulator::CallsOf("qxApi_Login").back(),
                "qxApi_Login(0, \"archive:Main\", \"bob\", \"\")");
  }

  // As administrator.
  settings("orvadmin", encrypted(u"orvadmin", u"Adm1n-Key"),
           R"(<add key="LoginAsAdmin" value="YES" />)");
  {
    OvSession session;
    EXPECT_TRUE(session.IsAdmin);
    EXPECT_THAT(Emulator::CallsOf("qxApi_AdminLogin").back(),
                "qxApi_AdminLogin(0, \"archive:Main\", \"orvadmin\")");
  }
  settings("alice", encrypted(u"alice", u"Secret1"), R"(<add key="LoginAsAdmin" value="yes" />)");
  try {
    OvSession session;
    ADD_FAILURE() << "no error";
  } catch (const LoginError& e) {
    EXPECT_STREQ(e.what(), "Error logging in to 'archive:Main' as alice, Error: 5004");
  }

  // No data-source name: no host call.
  folder.WriteProcessSettings(R"(<add key="OvUser" value="alice" />)");
  Emulator::ClearCallLog();
  try {
    OvSession session;
    ADD_FAILURE() << "no error";
  } catch (const LoginError& e) {
    EXPECT_STREQ(e.what(), "Datasource name not set");
  }
  EXPECT_THAT(Emulator::CallLog(), IsEmpty());
}

TEST_F(Session, DisposeLogsOutOnceWhateverFollows) {
  std::vector<std::string> logouts;
  {
    OvSession first(u"archive:Main", u"alice", u"Secret1");
    const HostHandle own = Active();
    first.Dispose();
    EXPECT_EQ(Active(), 0);
    OvSession second(u"archive:Main", u"bob", u"12345678");
    const HostHandle other = Active();
    first.Dispose();  // must not end the second login
    EXPECT_EQ(Active(), other);
    EXPECT_TRUE(first.LoggedInOK) << "Dispose changes no property";
    logouts = Emulator::CallsOf("qxApi_LogoutByHandle");
    EXPECT_THAT(logouts, ElementsAre("qxApi_LogoutByHandle(" + std::to_string(own) + ")"));

    OvSession moved(std::move(second));
    EXPECT_EQ(moved.User, u"bob");
  }  // first's destructor logs out nothing more; second was moved: only moved logs out
  EXPECT_EQ(Emulator::CallsOf("qxApi_LogoutByHandle").size(), 2u);
  EXPECT_EQ(Active(), 0);
}

}  // namespace
}  // namespace Tarnwick
