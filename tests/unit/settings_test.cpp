// Settings files and DornUtilities' small utilities: the readers' parsing tables over both
// files, malformed files, the list builders, random strings, embedded data and file locks.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <set>

#include "module_folder.h"
#include "platform/console.h"
#include "platform/debug_output.h"
#include "platform/files.h"
#include "platform/random.h"
#include "tarnwick/dorn_utilities.h"
#include "tarnwick/error.h"
#include "tarnwick/gmail_links_to_clipboard.h"
#include "util/settings.h"

namespace Tarnwick {
namespace {

using ::testing::ElementsAre;
using ::testing::HasSubstr;
using testing::ModuleFolder;
using ::testing::Pair;
using ::testing::UnorderedElementsAre;
namespace DU = DornUtilities;

// Each value under its own key, in both settings files.
class SettingsTable {
 public:
  explicit SettingsTable(const std::vector<std::string>& values) {
    std::string entries;
    for (size_t i = 0; i < values.size(); ++i) {
      entries += "    <add key=\"k" + std::to_string(i) + "\" value=\"" + values[i] + "\" />\n";
    }
    folder_.WriteProcessSettings(entries);
    folder_.WriteLibrarySettings(entries);
  }
  static std::u16string Key(size_t i) { return platform::FromAscii("k" + std::to_string(i)); }

 private:
  ModuleFolder folder_;
};

TEST(Settings, BooleanValuesInBothFiles) {
  struct Row {
    std::string value;
    bool process;
    bool library;
  };
  const std::vector<Row> rows = {
      {"true", true, true},          {"TRUE", true, true},    {" True ", true, true},
      {"false", false, false},       {"FaLsE", false, false}, {"yes", true, true},
      {"YES", true, false},          {"Yes", true, false},    {" yes", false, false},
      {"no", false, false},          {"1", true, true},       {"0", false, false},
      {"2", false, false},           {"", false, false},      {"on", false, false},
      {"&#9;true&#10;", true, true},
  };
  std::vector<std::string> values;
  for (const Row& row : rows) values.push_back(row.value);
  SettingsTable table(values);
  for (size_t i = 0; i < rows.size(); ++i) {
    EXPECT_EQ(DU::GetBooleanSetting(SettingsTable::Key(i)), rows[i].process) << rows[i].value;
    EXPECT_EQ(DU::GetBooleanSettingFromDLLConfig(SettingsTable::Key(i)), rows[i].library)
        << rows[i].value;
  }
  EXPECT_FALSE(DU::GetBooleanSetting(u"absent"));
  EXPECT_FALSE(DU::GetBooleanSettingFromDLLConfig(u"absent"));
}

TEST(Settings, IntegerValuesInBothFiles) {
  const std::vector<std::pair<std::string, int32_t>> rows = {
      {"42", 42},         {" -7 ", -7},
      {"+5", 5},          {"007", 7},
      {"12ab", 0},        {"1 2", 0},
      {"0x10", 0},        {"", 0},
      {"-", 0},           {"2147483647", 2147483647},
      {"2147483648", 0},  {"-2147483648", INT32_MIN},
      {"-2147483649", 0}, {"99999999999999999999", 0},
  };
  std::vector<std::string> values;
  for (const auto& row : rows) values.push_back(row.first);
  SettingsTable table(values);
  for (size_t i = 0; i < rows.size(); ++i) {
    EXPECT_EQ(DU::GetIntSetting(SettingsTable::Key(i)), rows[i].second) << rows[i].first;
    EXPECT_EQ(DU::GetIntSettingFromDLLConfig(SettingsTable::Key(i)), rows[i].second)
        << rows[i].first;
  }
  EXPECT_EQ(DU::GetIntSetting(u"absent"), 0);
}

TEST(Settings, TextValuesKeysAndTheSettingsSchema) {
  ModuleFolder folder;
  EXPECT_EQ(DU::GetSetting(u"OvUser"), u"") << "no settings file holds no keys";
  EXPECT_EQ(DU::detail::FindSetting(u"OvUser"), std::nullopt);

  folder.WriteProcessSettings(R"(
    <add key="OvUser" value="ann &amp; bob" />
    <add key="Empty" value="" />
    <add key="NoValue" />
    <add key="Removed" value="x" />
    <remove key="removed" />
    <add key="Twice" value="first" />
    <add key="Twice" value="second" />
    <add key="Unicode" value="Grüße € 𝄞" />)");
  folder.WriteLibrarySettings(R"(<add key="OvUser" value="library" />)");

  EXPECT_EQ(DU::GetSetting(u"OvUser"), u"ann & bob");
  EXPECT_EQ(DU::GetSetting(u"ovuser"), u"ann & bob") << "keys ignore letter case";
  EXPECT_EQ(DU::GetSettingFromDLLConfig(u"OvUser"), u"library");
  EXPECT_EQ(DU::detail::FindSetting(u"Empty"), u"") << "present but empty";
  EXPECT_EQ(DU::detail::FindSetting(u"NoValue"), u"");
  EXPECT_EQ(DU::detail::FindSetting(u"Removed"), std::nullopt);
  EXPECT_EQ(DU::GetSetting(u"Twice"), u"second");
  EXPECT_EQ(DU::GetSetting(u"Unicode"), u"Grüße € 𝄞");

  ModuleFolder::WriteFile(folder.Path(u"program.exe.config"),
                          "\xEF\xBB\xBF<configuration><configSections/><appSettings>"
                          "<add key='a' value='1'/><clear/><add key='b' value='2'/>"
                          "</appSettings><startup/></configuration>");
  EXPECT_EQ(DU::GetSetting(u"a"), u"") << "<clear/> drops the keys before it";
  EXPECT_EQ(DU::GetSetting(u"b"), u"2") << "byte-order mark and other sections are fine";
}

TEST(Settings, AMalformedFileRaisesAnErrorNamingTheFileAndTheLine) {
  ModuleFolder folder;
  const std::u16string file = folder.Path(u"program.exe.config");
  const std::string name = platform::ToUtf8(file);
  struct Case {
    std::string content;
    std::string lineText;  // empty: any line
  };
  const Case cases[] = {
      {"<configuration>\n  <appSettings>\n    <add key=\"a\" value=\"1\">\n  </appSettings>\n"
       "</configuration>\n",
       ""},
      {"<configuration>\n  <appSettings>\n    <add value=\"1\" />\n  </appSettings>\n"
       "</configuration>\n",
       " line 3)"},
      {"<configuration>\n<appSettings>\n<add key=\"a\" value=\"1\" />\n<set key=\"b\" />\n"
       "</appSettings>\n</configuration>\n",
       " line 4)"},
      {"<?xml version=\"1.0\"?>\n<settings />\n", " line 2)"},
      {"", ""},
      {"<!DOCTYPE configuration [<!ENTITY x \"boom\">]>\n<configuration/>\n", ""},
  };
  for (const Case& c : cases) {
    ModuleFolder::WriteFile(file, c.content);
    try {
      DU::GetSetting(u"a");
      ADD_FAILURE() << "no error for:\n" << c.content;
    } catch (const SettingsError& error) {
      EXPECT_THAT(error.what(), HasSubstr("(" + name + " line ")) << c.content;
      if (!c.lineText.empty()) {
        EXPECT_THAT(error.what(), HasSubstr(c.lineText)) << c.content;
      }
    }
  }
  // The library's file the same way; the other file is not involved.
  folder.WriteLibrarySettings("<add key=\"x\" value=\"\" /></appSettings>");
  EXPECT_THROW(DU::GetSettingFromDLLConfig(u"x"), SettingsError);
}

TEST(Builders, SplitAtEveryDelimiterCharacterAndKeepTheFirstOfEachWord) {
  EXPECT_THAT(DU::BuildListFromString(u"b;A;a;c", u";"),
              ElementsAre(Pair(u"A", u"A"), Pair(u"b", u"b"), Pair(u"c", u"c")));
  EXPECT_THAT(DU::BuildListFromString(u";;x;;y;", u";"),
              ElementsAre(Pair(u"x", u"x"), Pair(u"y", u"y")));
  EXPECT_THAT(DU::BuildListFromString(u"a;b,c", u";,"),
              ElementsAre(Pair(u"a", u"a"), Pair(u"b", u"b"), Pair(u"c", u"c")));
  EXPECT_THAT(DU::BuildListFromString(u"x y\tz\r\nw", u""),
              ElementsAre(Pair(u"w", u"w"), Pair(u"x", u"x"), Pair(u"y", u"y"), Pair(u"z", u"z")));
  EXPECT_THAT(DU::BuildListFromString(u" a ; b", u";"),
              ElementsAre(Pair(u" a ", u" a "), Pair(u" b", u" b")))
      << "pieces are not trimmed";
  EXPECT_THAT(DU::BuildListFromString(u"one--two", u"--"),
              ElementsAre(Pair(u"one", u"one"), Pair(u"two", u"two")))
      << "a delimiter text is a set of characters";
  EXPECT_TRUE(DU::BuildListFromString(u"", u";").empty());

  EXPECT_THAT(DU::BuildHashTableFromString(u"B,b, b", u","),
              UnorderedElementsAre(Pair(u"b", u"b"), Pair(u" b", u" b")));
  EXPECT_THAT(DU::BuildHashTableFromString(u"Ab;;aB;c", u";"),
              UnorderedElementsAre(Pair(u"ab", u"ab"), Pair(u"c", u"c")));
}

TEST(RandomStrings, DrawOnlyFromTheSet) {
  EXPECT_EQ(DU::MIXED_CASE.size(), 68u);
  EXPECT_EQ(DU::LOWER_CASE.size(), 42u);
  EXPECT_EQ(std::set<char16_t>(DU::MIXED_CASE.begin(), DU::MIXED_CASE.end()).size(), 68u);
  EXPECT_EQ(DU::LOWER_CASE.substr(26, 16), u"_-~!#^1234567890");

  EXPECT_EQ(DU::GetARandomString(0), u"");
  std::u16string text = DU::GetARandomString(16);
  EXPECT_EQ(text.size(), 16u);
  EXPECT_EQ(text.find_first_not_of(DU::LOWER_CASE), std::u16string::npos) << platform::ToUtf8(text);
  EXPECT_EQ(DU::GetARandomString(1000, DU::MIXED_CASE).find_first_not_of(DU::MIXED_CASE),
            std::u16string::npos);
}

TEST(RandomStrings, BytesOutsideTheSetAreDrawnAgain) {
  struct Bytes final : platform::RandomSource {
    std::string bytes = std::string(
        "\x00z\xFF"
        "a\xE4",
        5);  // 0xE4 is ä
    size_t next = 0;
    void Fill(uint8_t* out, size_t count) override {
      for (size_t i = 0; i < count; ++i) out[i] = uint8_t(bytes[next++ % bytes.size()]);
    }
  } source;
  platform::ScopedOverride<platform::RandomSource> scope(source);
  EXPECT_EQ(DU::GetARandomString(5, u"az\u00E4\u20AC"), u"za\u00E4za")
      << "characters at or above 256 (the euro sign) never occur";
}

TEST(RandomStrings, ArgumentsThatCouldNeverFinishGiveEmptyTextAtOnce) {
  platform::DebugOutputCapture debug;
  EXPECT_EQ(DU::GetARandomString(-1), u"");
  EXPECT_TRUE(debug.Contains(u"GetARandomString: the length must not be negative."));
  EXPECT_EQ(DU::GetARandomString(8, u"\u20AC\u4E00"), u"");
  EXPECT_EQ(DU::GetARandomString(8, u""), u"");
  EXPECT_TRUE(debug.Contains(u"no character with a code below 256"));
}

TEST(EmbeddedResources, TheLibraryCarriesNoneSoEveryCallLogsAndReportsTheTarget) {
  ModuleFolder folder;
  platform::DebugOutputCapture debug;
  platform::StandardOutputCapture output;
  const std::u16string target = folder.Path(u"out.bin");
  ModuleFolder::WriteFile(target, "old");
  EXPECT_FALSE(DU::GetEmbeddedResourceFile(u"Tarnwick.logo.png", target));
  EXPECT_FALSE(platform::FileExists(target)) << "the old target is deleted first";
  EXPECT_TRUE(
      debug.Contains(u"Error: The library carries no data item named 'Tarnwick.logo.png'."));
}

TEST(FileLocks, AFileHeldExclusivelyElsewhereIsLocked) {
  ModuleFolder folder;
  const std::u16string file = folder.Path(u"data.txt");
  EXPECT_FALSE(DU::IsFileLocked(file)) << "a missing file";
  ModuleFolder::WriteFile(file, "x");
  EXPECT_FALSE(DU::IsFileLocked(file));
  {
    platform::ExclusiveOpenResult holder = platform::OpenExclusive(file);
    ASSERT_TRUE(holder.file);
    platform::DebugOutputCapture debug;
    EXPECT_TRUE(DU::IsFileLocked(file));
    EXPECT_TRUE(debug.Contains(u"because it is being used by another process"));
    EXPECT_TRUE(debug.Contains(u"at Tarnwick::DornUtilities::IsFileLocked"));
  }
  EXPECT_FALSE(DU::IsFileLocked(file)) << "the test's own opening was closed again";
}

TEST(FileLocks, ARefusalForLackOfRightsReachesTheCaller) {
  ModuleFolder folder;
  const std::u16string file = folder.Path(u"readonly.txt");
  ModuleFolder::WriteFile(file, "x");
  std::filesystem::permissions(std::filesystem::path(file), std::filesystem::perms::owner_read);
  bool refused = false;
  try {
    platform::OpenExclusive(file);
  } catch (const AccessDeniedError&) {
    refused = true;
  }
  if (!refused) GTEST_SKIP() << "this account may write read-only files";
  EXPECT_THROW(DU::IsFileLocked(file), AccessDeniedError);
  std::filesystem::permissions(std::filesystem::path(file), std::filesystem::perms::owner_all);
}

}  // namespace
}  // namespace Tarnwick

namespace Tarnwick {
namespace {

TEST(LauncherAddress, ComesFromTheLibrarySettingsWhenTheyHoldOne) {
  using GMailLinksToClipboard::detail::InitialURNPrefix;
  testing::ModuleFolder folder;
  EXPECT_EQ(InitialURNPrefix(), GMailLinksToClipboard::kDefaultURNPrefix) << "no settings file";
  folder.WriteProcessSettings(R"(<add key="URNPrefix" value="http://process/" />)");
  EXPECT_EQ(InitialURNPrefix(), GMailLinksToClipboard::kDefaultURNPrefix)
      << "the program's settings file is not the library's";
  folder.WriteLibrarySettings(R"(<add key="URNPrefix" value="" />)");
  EXPECT_EQ(InitialURNPrefix(), GMailLinksToClipboard::kDefaultURNPrefix) << "empty value";
  folder.WriteLibrarySettings(
      R"(<add key="URNPrefix" value="https://intranet.example/Web/OvURLLauncher.html" />)");
  EXPECT_EQ(InitialURNPrefix(), u"https://intranet.example/Web/OvURLLauncher.html");

  platform::DebugOutputCapture debug;
  testing::ModuleFolder::WriteFile(folder.Path(u"Tarnwick.dll.config"), "<configuration>");
  EXPECT_EQ(InitialURNPrefix(), GMailLinksToClipboard::kDefaultURNPrefix);
  EXPECT_TRUE(debug.Contains(u"Tarnwick.dll.config line "));
}

}  // namespace
}  // namespace Tarnwick
