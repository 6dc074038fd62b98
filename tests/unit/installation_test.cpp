// Installation discovery over a registry tree of the test's own, and the search-path change
// over a fake process environment.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <functional>

#include "binding/shared_state.h"
#include "binding/startup.h"
#include "fake_environment.h"
#include "module_folder.h"
#include "platform/debug_output.h"
#include "platform/files.h"
#include "platform/registry.h"
#include "tarnwick/error.h"
#include "tarnwick/ov_guids.h"
#include "tarnwick/ov_installation.h"

namespace Tarnwick {
namespace {

using OvWrapper::detail::AppendOrvaneDllPathToEnvironmentPath;
using OvWrapper::detail::AppendToEnvironmentPath;
using OvWrapper::detail::FindOrvanePath;
using OvWrapper::detail::OrvaneVersion;
using testing::FakeEnvironment;
using testing::ModuleFolder;

constexpr char16_t kExplorer[] = u"SOFTWARE\\Kestrum\\Orvane Explorer";
constexpr char16_t kAdministrator[] = u"SOFTWARE\\Kestrum\\Orvane Administrator";
constexpr char16_t kWowExplorer[] = u"SOFTWARE\\Wow6432Node\\Kestrum\\Orvane Explorer";
constexpr char16_t kWowAdministrator[] = u"SOFTWARE\\Wow6432Node\\Kestrum\\Orvane Administrator";

std::u16string Key(std::u16string_view key, std::u16string_view subkey) {
  return std::u16string(key) + u"\\" + std::u16string(subkey);
}

// One installed version: a subkey with "Version" and, unless empty, "PathName".
void Install(platform::InMemoryRegistry& registry, std::u16string_view key,
             std::u16string_view subkey, std::u16string_view version, std::u16string_view path) {
  registry.SetText(Key(key, subkey), u"Version", version);
  if (!path.empty()) registry.SetText(Key(key, subkey), u"PathName", path);
}

TEST(OrvaneVersion, ParsesComparesAndPrints) {
  auto v = [](std::u16string_view text) { return OrvaneVersion::Parse(text); };
  EXPECT_EQ(v(u"08.11").ToString(), u"8.11");
  EXPECT_EQ(v(u"08.01").ToString(), u"8.1");
  EXPECT_EQ(v(u"10.00.02.0100").ToString(), u"10.0.2.100");
  EXPECT_EQ(v(u"08.11"), v(u"8.11"));
  EXPECT_LT(v(u"8.11"), v(u"8.11.0")) << "a missing component ranks below any present one";
  EXPECT_LT(v(u"08.11.09"), v(u"10.00.02"));
  EXPECT_LT(v(u"8.9"), v(u"8.10")) << "numbers, not texts";
  EXPECT_GT(v(u"8.1.0.1"), v(u"8.1.0"));
  for (const char16_t* bad : {u"", u"8", u"8.", u".8", u"8..1", u"8.a", u"1.2.3.4.5", u"-1.2",
                              u"8.11 ", u"8.99999999999"}) {
    EXPECT_THROW(v(bad), FormatError) << platform::ToUtf8(bad);
  }
}

struct SearchCase {
  const char* name;
  bool is64Bit;
  std::function<void(platform::InMemoryRegistry&)> registry;
  std::optional<std::u16string> expected;
  std::u16string debug;  // held by the one line of debug output; empty: no line
};

std::u16string NotFound(std::u16string_view minimum) {
  return u"Registry search could not find installation directory for a Orvane version matching "
         u"minimum required version '" +
         std::u16string(minimum) +
         u"'.\nMake sure a Orvane version matching the above version is installed on this system.";
}

TEST(GetOrvanePath, SearchesTheKeysInOrderForTheHighestQualifyingVersion) {
  const SearchCase cases[] = {
      {"highest version wins, listed last", true,
       [](auto& r) {
         Install(r, kExplorer, u"a", u"08.11.09", u"C:\\Old");
         Install(r, kExplorer, u"b", u"10.00.02", u"C:\\New");
       },
       u"C:\\New", u""},
      {"highest version wins, listed first", true,
       [](auto& r) {
         Install(r, kExplorer, u"b", u"10.00.02", u"C:\\New");
         Install(r, kExplorer, u"a", u"08.11.09", u"C:\\Old");
       },
       u"C:\\New", u""},
      {"equal versions: the one listed last", true,
       [](auto& r) {
         Install(r, kExplorer, u"a", u"9.0", u"C:\\First");
         Install(r, kExplorer, u"b", u"09.00", u"C:\\Second");
       },
       u"C:\\Second", u""},
      {"the minimum itself qualifies", true,
       [](auto& r) { Install(r, kExplorer, u"a", u"08.11", u"C:\\Min"); }, u"C:\\Min", u""},
      {"below the minimum of a 64-bit process", true,
       [](auto& r) { Install(r, kExplorer, u"a", u"8.10.99", u"C:\\Old"); }, std::nullopt,
       NotFound(u"8.11")},
      {"a 64-bit process reads neither Wow6432Node nor Administrator", true,
       [](auto& r) {
         Install(r, kWowExplorer, u"a", u"12.0", u"C:\\Wow");
         Install(r, kAdministrator, u"a", u"12.0", u"C:\\Admin");
       },
       std::nullopt, NotFound(u"8.11")},
      {"a 32-bit process passes over 8.0 and prints its minimum as 8.1", false,
       [](auto& r) { Install(r, kExplorer, u"a", u"8.0", u"C:\\Old"); }, std::nullopt,
       NotFound(u"8.1")},
      {"32-bit: the first key that yields a folder ends the search", false,
       [](auto& r) {
         Install(r, kExplorer, u"a", u"12.0", u"C:\\Later");
         Install(r, kWowExplorer, u"a", u"8.5", u"C:\\Wow");
       },
       u"C:\\Wow", u""},
      {"32-bit: keys in their order, the administrator's last", false,
       [](auto& r) {
         Install(r, kAdministrator, u"a", u"12.0", u"C:\\Admin");
         Install(r, kWowAdministrator, u"a", u"8.1", u"C:\\WowAdmin");
       },
       u"C:\\WowAdmin", u""},
      {"a qualifying version without PathName empties the key and raises the minimum", false,
       [](auto& r) {
         Install(r, kWowExplorer, u"a", u"8.2", u"C:\\Lower");
         Install(r, kWowExplorer, u"b", u"9.0", u"");
         Install(r, kWowAdministrator, u"a", u"8.5", u"C:\\BelowRaised");
         Install(r, kWowAdministrator, u"b", u"9.0", u"C:\\AtRaised");
       },
       u"C:\\AtRaised", u""},
      {"subkeys without Version are passed over", true,
       [](auto& r) {
         Install(r, kExplorer, u"a", u"9.0", u"C:\\Good");
         r.SetText(Key(kExplorer, u"b"), u"PathName", u"C:\\NoVersion");
       },
       u"C:\\Good", u""},
      {"a Version that is not text ends the search with the result so far", true,
       [](auto& r) {
         Install(r, kExplorer, u"a", u"9.0", u"C:\\SoFar");
         r.SetNumber(Key(kExplorer, u"b"), u"Version", 10);
         Install(r, kExplorer, u"c", u"10.0", u"C:\\NeverSeen");
       },
       u"C:\\SoFar", u"The registry value 'Version' of "},
      {"a PathName that is not text", true,
       [](auto& r) {
         r.SetText(Key(kExplorer, u"a"), u"Version", u"9.0");
         r.SetNumber(Key(kExplorer, u"a"), u"PathName", 1);
       },
       std::nullopt, u"The registry value 'PathName' of "},
      {"a Version text that is not a version", true,
       [](auto& r) { Install(r, kExplorer, u"a", u"nine", u"C:\\X"); }, std::nullopt,
       u"'nine' is not a version."},
      {"a key that may not be read", false,
       [](auto& r) {
         r.DenyAccess(kWowExplorer);
         Install(r, kExplorer, u"a", u"9.0", u"C:\\NeverSeen");
       },
       std::nullopt, u"Requested registry access is not allowed"},
      {"nothing installed", true, [](auto&) {}, std::nullopt, NotFound(u"8.11")},
  };
  for (const SearchCase& c : cases) {
    SCOPED_TRACE(c.name);
    platform::InMemoryRegistry registry;
    c.registry(registry);
    platform::ScopedOverride<platform::Registry> scope(registry);
    platform::DebugOutputCapture debug;
    EXPECT_EQ(FindOrvanePath(c.is64Bit), c.expected);
    if (c.debug.empty()) {
      EXPECT_THAT(debug.Lines(), ::testing::IsEmpty());
    } else {
      ASSERT_EQ(debug.Lines().size(), 1u);
      EXPECT_NE(debug.Lines()[0].find(c.debug), std::u16string::npos)
          << platform::ToUtf8(debug.Lines()[0]);
    }
  }
}

TEST(GetOrvanePath, PublicFormUsesThisProcessWidth) {
  platform::InMemoryRegistry registry;
  Install(registry, kExplorer, u"a", u"08.11", u"C:\\Explorer");
  Install(registry, kWowExplorer, u"a", u"08.11", u"C:\\Wow");
  platform::ScopedOverride<platform::Registry> scope(registry);
  EXPECT_EQ(OvWrapper::Is64Bit(), sizeof(void*) == 8);
  EXPECT_EQ(OvWrapper::GetOrvanePath(), OvWrapper::Is64Bit() ? u"C:\\Explorer" : u"C:\\Wow");
}

class SearchPath : public ::testing::Test {
 protected:
  std::u16string& Path() { return environment_.variables["Path"]; }

  ModuleFolder folder_;  // no settings file unless a test writes one
  FakeEnvironment environment_;
  platform::ScopedOverride<platform::Environment> scope_{environment_};
};

TEST_F(SearchPath, GoesToTheFrontOnceWithASemicolon) {
  AppendToEnvironmentPath(u"C:\\Orvane\\bin");
  EXPECT_EQ(Path(), u"C:\\Orvane\\bin") << "absent: the folder alone";

  Path() = u"";
  AppendToEnvironmentPath(u"C:\\Orvane\\bin");
  EXPECT_EQ(Path(), u"C:\\Orvane\\bin") << "empty: the folder alone";

  Path() = u"C:\\Windows;C:\\Tools";
  AppendToEnvironmentPath(u"C:\\Orvane\\bin");
  EXPECT_EQ(Path(), u"C:\\Orvane\\bin;C:\\Windows;C:\\Tools");

  int writes = environment_.writes;
  AppendToEnvironmentPath(u"C:\\Orvane\\bin");
  AppendToEnvironmentPath(u"Orvane");
  EXPECT_EQ(environment_.writes, writes) << "already contained: nothing is written";
  AppendToEnvironmentPath(u"c:\\orvane\\bin");
  EXPECT_EQ(Path(), u"c:\\orvane\\bin;C:\\Orvane\\bin;C:\\Windows;C:\\Tools")
      << "the search is case-sensitive";
}

TEST_F(SearchPath, TheSettingReplacesTheWholeVariable) {
  Path() = u"C:\\Windows";
  folder_.WriteProcessSettings(R"(<add key="Path" value="D:\Orvane\bin;C:\Windows" />)");
  AppendToEnvironmentPath(u"C:\\Orvane\\bin");
  EXPECT_EQ(Path(), u"D:\\Orvane\\bin;C:\\Windows");

  folder_.WriteProcessSettings(R"(<add key="Path" value="" />)");
  AppendToEnvironmentPath(u"C:\\Orvane\\bin");
  EXPECT_EQ(environment_.variables.count("Path"), 0u) << "an empty setting removes the variable";
}

TEST_F(SearchPath, AValueOf32767CharactersOrMoreIsRefused) {
  const std::u16string folder = u"C:\\Orvane\\bin";
  Path() = std::u16string(32766 - folder.size() - 1, u'x');  // result: 32766 characters
  AppendToEnvironmentPath(folder);
  EXPECT_EQ(Path().size(), 32766u);

  Path() = std::u16string(32767 - folder.size() - 1, u'x');  // result: 32767 characters
  int writes = environment_.writes;
  try {
    AppendToEnvironmentPath(folder);
    FAIL() << "no error";
  } catch (const Error& error) {
    EXPECT_STREQ(error.what(),
                 "Can not add to 'Path' environment variable because the resulting value would be "
                 "too long.");
  }
  EXPECT_EQ(environment_.writes, writes);

  Path() = std::u16string(40000, u'x');  // larger than the buffer
  EXPECT_THROW(AppendToEnvironmentPath(folder), Error);
}

TEST_F(SearchPath, AFailedWriteIsAnError) {
  environment_.refuseWrites = true;
  try {
    AppendToEnvironmentPath(u"C:\\Orvane\\bin");
    FAIL() << "no error";
  } catch (const Error& error) {
    EXPECT_STREQ(error.what(), "Could not write to 'Path' environment variable.");
  }
}

TEST_F(SearchPath, TheInstalledBinFolderGoesOnThePathAndErrorsStayOnTheDebugOutput) {
  platform::InMemoryRegistry registry;
  Install(registry, kExplorer, u"a", u"08.11", u"C:\\Orvane");
  Install(registry, kWowExplorer, u"a", u"08.11", u"C:\\Orvane");
  platform::ScopedOverride<platform::Registry> registryScope(registry);
  const std::u16string bin = platform::JoinPath(u"C:\\Orvane", u"bin");

  Path() = u"C:\\Windows";
  AppendOrvaneDllPathToEnvironmentPath();
  EXPECT_EQ(Path(), bin + u";C:\\Windows");

  platform::DebugOutputCapture debug;
  Path() = std::u16string(32760, u'x');
  AppendOrvaneDllPathToEnvironmentPath();
  EXPECT_THAT(debug.Lines(),
              ::testing::ElementsAre(u"Can not add to 'Path' environment variable because the "
                                     u"resulting value would be too long."));
  environment_.refuseWrites = true;
  Path() = u"C:\\Windows";
  AppendOrvaneDllPathToEnvironmentPath();
  EXPECT_TRUE(debug.Contains(u"Could not write to 'Path' environment variable."));
  ModuleFolder::WriteFile(folder_.Path(u"program.exe.config"), "<configuration>");
  AppendOrvaneDllPathToEnvironmentPath();
  EXPECT_TRUE(debug.Contains(u"program.exe.config line ")) << "a malformed settings file too";
}

TEST(SharedState, GuidsAndLibraryState) {
  EXPECT_EQ(OvWrapper::ApplicationActionTypes[0].ToString(),
            u"ac08df6b-f420-44e8-95e0-8142cf2288c5");
  EXPECT_EQ(OvWrapper::ApplicationActionTypes[1].ToString(),
            u"bab502f2-85b0-403c-bff5-c314e0783818");
  EXPECT_EQ(OvWrapper::ApplicationActionTypes[2].ToString(),
            u"dbb7bd29-f1dc-4a7b-8b12-f585c4299d7e");
  EXPECT_EQ(OvWrapper::ApplicationActionTypes[3].ToString(),
            u"faf4fb46-1871-4834-9c6d-c991428db202");
  EXPECT_EQ(OvWrapper::ApplicationActionTypes[4].ToString(),
            u"ed52a96d-8d2e-4c54-a54a-8bda68a8b4a6");
  EXPECT_EQ(OvWrapper::PSET_DOCUMENT_GENERIC.ToString(), u"4e43310a-4524-4417-ae6e-d73bd7796123");
  EXPECT_EQ(OvWrapper::PSET_ATTRIBUTE_GENERIC.ToString(), u"53dc3798-a8fc-415a-9ebf-2370df192031");
  EXPECT_EQ(OvWrapper::PSET_DBTABLE_GENERIC.ToString(), u"84088b7b-f2e5-4bb1-bd80-8a1f6489b281");
  EXPECT_EQ(OvWrapper::PSET_DOCUMENT_ACCESS.ToString(), u"ad9e44d9-00a7-412c-98c5-75a561297b1c");
  EXPECT_EQ(OvWrapper::PSET_FREE_TEXT.ToString(), u"a45b753a-fe55-426c-b91e-366596e8caed");
  EXPECT_EQ(OvWrapper::PSET_FILEPROPS.ToString(), u"3acde94e-ccff-4f00-8440-152cebf1e3c3");
  EXPECT_TRUE(OvWrapper::detail::sessionHandles().empty());
  std::lock_guard lock(OvWrapper::detail::_lockObject());
}

}  // namespace
}  // namespace Tarnwick
