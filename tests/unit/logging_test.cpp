// Logging: the line format, the log folder rule, which file each operation writes and what it
// echoes, and file errors that never reach the caller.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <functional>
#include <thread>

#include "module_folder.h"
#include "platform/clock.h"
#include "platform/console.h"
#include "platform/debug_output.h"
#include "platform/files.h"
#include "tarnwick/dorn_utilities.h"
#include "tarnwick/error.h"

namespace Tarnwick {
namespace {

using ::testing::ElementsAre;
using ::testing::IsEmpty;
using testing::ModuleFolder;
namespace DU = DornUtilities;

// A process without a console title (so logs go to the application data), with its clock
// stopped at 2024-03-05 14:05:09 and its echoes captured.
class Logging : public ::testing::Test {
 protected:
  std::u16string LogsFolder() const {
    return platform::JoinPath(platform::JoinPath(folder_.appData(), u"Kestrum"), u"Logs");
  }
  std::u16string DailyLog() const {
    return platform::JoinPath(LogsFolder(), u"Tarnwick_20240305.log");
  }
  std::u16string ErrorLog() const {
    return platform::JoinPath(LogsFolder(), u"Tarnwick_20240305.error.log");
  }
  static std::string Line(const std::string& message) {
    return "2024-03-05 14:05:09Z\t" + message + "\r\n";
  }

  ModuleFolder folder_;
  DateTime now_{2024, 3, 5, 14, 5, 9};
  platform::ScopedOverride<DateTime> clock_{now_};
  platform::ConsoleTitleOverride noConsole_{std::nullopt};
  platform::ScopedOverride<platform::ConsoleTitleOverride> console_{noConsole_};
  platform::DebugOutputCapture debug_;
  platform::StandardOutputCapture output_;
};

TEST_F(Logging, LinesAreLocalTimeWithZTabMessageAndCrLfInUtf8) {
  EXPECT_FALSE(platform::DirectoryExists(folder_.appData()));
  DU::WriteLog(u"first");
  DU::WriteLog(u"Grüße € 𝄞 {0} {{");  // braces stay as they are
  DU::WriteLog(u"two\nlines");
  EXPECT_EQ(ModuleFolder::ReadFile(DailyLog()), Line("first") +
                                                    Line("Gr\xC3\xBC\xC3\x9F"
                                                         "e \xE2\x82\xAC \xF0\x9D\x84\x9E {0} {{") +
                                                    Line("two\nlines"))
      << "created with its folders on first use, no byte-order mark";
  EXPECT_THAT(output_.Lines(), ElementsAre(u"first", u"Grüße € 𝄞 {0} {{", u"two\nlines"));
  EXPECT_THAT(debug_.Lines(), ElementsAre(u"first", u"Grüße € 𝄞 {0} {{", u"two\nlines"));

  now_ = DateTime{2024, 12, 31, 23, 59, 58};  // the next day's file
  DU::WriteLog(u"late");
  EXPECT_EQ(ModuleFolder::ReadFile(platform::JoinPath(LogsFolder(), u"Tarnwick_20241231.log")),
            "2024-12-31 23:59:58Z\tlate\r\n");
}

TEST_F(Logging, EachOperationWritesItsFileWithItsPrefixesAndEchoes) {
  struct Case {
    const char* name;
    std::function<void()> call;
    std::function<std::u16string()> file;
    std::string line;
    std::u16string debug;
    std::u16string output;
  };
  const std::u16string elsewhere = folder_.Path(u"elsewhere");
  ASSERT_TRUE(platform::CreateDirectories(elsewhere));
  const Case cases[] = {
      {"WriteLog", [] { DU::WriteLog(u"plain {0}"); }, [&] { return DailyLog(); }, "plain {0}",
       u"plain {0}", u"plain {0}"},
      {"WriteLog template", [] { DU::WriteLog(u"n={0:D3}", {7}); }, [&] { return DailyLog(); },
       "n=007", u"n=007", u"n=007"},
      {"WriteLogError", [] { DU::WriteLogError(u"bad {0}", {u"disk"}); },
       [&] { return ErrorLog(); }, "bad disk", u"ERROR: bad disk", u"ERROR: bad disk"},
      {"LogInfo", [] { DU::LogInfo(u"i{0}", {1}); }, [&] { return DailyLog(); }, "[Info   ] i1",
       u"i1", u"[Info   ] i1"},
      {"LogError", [] { DU::LogError(u"e{0}", {2}); }, [&] { return DailyLog(); }, "[Error  ] e2",
       u"e2", u"[Error  ] e2"},
      {"LogWarning", [] { DU::LogWarning(u"w{0}", {3}); }, [&] { return DailyLog(); },
       "[Warning] w3", u"w3", u"[Warning] w3"},
      {"WriteLogToFile", [&] { DU::WriteLogToFile(u"to {0}", elsewhere); },
       [&] { return platform::JoinPath(elsewhere, u"Tarnwick_20240305.log"); }, "to {0}", u"to {0}",
       u"to {0}"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    platform::DebugOutputCapture debug;
    platform::StandardOutputCapture output;
    c.call();
    std::string content = ModuleFolder::ReadFile(c.file());
    EXPECT_EQ(content, Line(c.line));
    EXPECT_THAT(debug.Lines(), ElementsAre(c.debug));
    EXPECT_THAT(output.Lines(), ElementsAre(c.output));
    platform::RemoveFile(c.file());
  }
}

TEST_F(Logging, ATemplateThatDoesNotFitIsSwallowedByWriteLogButRaisedByLogInfo) {
  DU::WriteLog(u"{0} and {1}", {u"one"});
  DU::WriteLogError(u"{0} and {1}", {u"one"});
  EXPECT_FALSE(platform::FileExists(DailyLog()));
  EXPECT_FALSE(platform::FileExists(ErrorLog()));
  const std::u16string report =
      u"Error: Index (zero based) must be greater than or equal to zero and less than the size of "
      u"the argument list.\n   at Tarnwick::DornUtilities::WriteLog";
  EXPECT_THAT(debug_.Lines(), ElementsAre(report, report));
  EXPECT_THAT(output_.Lines(), ElementsAre(report, report));

  EXPECT_THROW(DU::LogInfo(u"{0} and {1}", {u"one"}), FormatError);
  EXPECT_THROW(DU::LogWarning(u"{", {}), FormatError);
  EXPECT_FALSE(platform::FileExists(DailyLog()));
}

TEST_F(Logging, FileErrorsNeverReachTheCaller) {
  // A folder where the log file should be: every opening of the file fails.
  ASSERT_TRUE(platform::CreateDirectories(DailyLog()));
  ASSERT_TRUE(platform::CreateDirectories(ErrorLog()));

  DU::WriteLog(u"lost");
  std::vector<std::u16string> lines = debug_.Lines();
  ASSERT_EQ(lines.size(), 3u);
  EXPECT_EQ(lines[0], u"lost");
  EXPECT_NE(lines[1].find(u"Tarnwick_20240305.log"), std::u16string::npos)
      << "the error names the file";
  EXPECT_EQ(lines[2], u"Message in error: 2024-03-05 14:05:09Z\tlost");

  platform::DebugOutputCapture errorLog;
  DU::WriteLogError(u"lost {0}", {1});
  EXPECT_THAT(errorLog.Lines().back(), u"Message in error: 2024-03-05 14:05:09Z\tlost 1");

  platform::DebugOutputCapture prefixed;
  DU::LogInfo(u"lost", {});
  ASSERT_EQ(prefixed.Lines().size(), 2u) << "the echo and the error's message only";
  EXPECT_NE(prefixed.Lines()[1].find(u"Tarnwick_20240305.log"), std::u16string::npos);

  platform::DebugOutputCapture missingFolder;
  const std::u16string missing = folder_.Path(u"missing");
  DU::WriteLogToFile(u"lost", missing);
  ASSERT_EQ(missingFolder.Lines().size(), 2u);
  EXPECT_FALSE(platform::DirectoryExists(missing)) << "WriteLogToFile creates no folder";
}

TEST_F(Logging, TheLogFolderFollowsConsoleTitleAndSetting) {
  // A titled console logs beside the library.
  {
    platform::ConsoleTitleOverride titled{u"Orvane tool"};
    platform::ScopedOverride<platform::ConsoleTitleOverride> console(titled);
    DU::WriteLog(u"beside");
    EXPECT_EQ(ModuleFolder::ReadFile(folder_.Path(u"Tarnwick_20240305.log")), Line("beside"));
    platform::ConsoleTitleOverride empty{u""};
    platform::ScopedOverride<platform::ConsoleTitleOverride> untitled(empty);
    DU::WriteLog(u"untitled");
    EXPECT_EQ(ModuleFolder::ReadFile(DailyLog()), Line("untitled"));
  }
  // "LogFolder" replaces either, created with its parents.
  const std::u16string configured = platform::JoinPath(folder_.Path(u"custom"), u"logs");
  folder_.WriteProcessSettings("<add key=\"LogFolder\" value=\"" + platform::ToUtf8(configured) +
                               "\" />");
  DU::LogWarning(u"configured", {});
  EXPECT_EQ(ModuleFolder::ReadFile(platform::JoinPath(configured, u"Tarnwick_20240305.log")),
            Line("[Warning] configured"));
  // A folder that cannot be created (its parent is a file) falls back to the library's folder.
  ModuleFolder::WriteFile(folder_.Path(u"afile"), "");
  folder_.WriteProcessSettings("<add key=\"LogFolder\" value=\"" +
                               platform::ToUtf8(platform::JoinPath(folder_.Path(u"afile"), u"x")) +
                               "\" />");
  DU::WriteLog(u"fallback");
  EXPECT_EQ(ModuleFolder::ReadFile(folder_.Path(u"Tarnwick_20240305.log")),
            Line("beside") + Line("fallback"));
  // A settings file that cannot be read reaches the caller.
  ModuleFolder::WriteFile(folder_.Path(u"program.exe.config"), "<configuration>");
  EXPECT_THROW(DU::WriteLog(u"x"), SettingsError);
}

TEST_F(Logging, TwoThreadsWriteWholeLines) {
  constexpr int kLines = 200;
  const std::string a(300, 'a');
  const std::string b(300, 'b');
  auto writer = [](const std::string& text) {
    std::u16string message = platform::FromUtf8(text);
    for (int i = 0; i < kLines; ++i) DU::WriteLog(message);
  };
  std::thread first(writer, a);
  std::thread second(writer, b);
  first.join();
  second.join();

  std::string content = ModuleFolder::ReadFile(DailyLog());
  int countA = 0;
  int countB = 0;
  for (size_t start = 0; start < content.size();) {
    size_t end = content.find("\r\n", start);
    ASSERT_NE(end, std::string::npos);
    std::string line = content.substr(start, end - start + 2);
    if (line == Line(a)) {
      ++countA;
    } else if (line == Line(b)) {
      ++countB;
    } else {
      FAIL() << "a broken line: " << line;
    }
    start = end + 2;
  }
  EXPECT_EQ(countA, kLines);
  EXPECT_EQ(countB, kLines);
}

}  // namespace
}  // namespace Tarnwick
