// DornUtilities' logging: echoes, the log folder, and one open-append-close per line under
// the process-wide lock.
#include <exception>
#include <mutex>

#include "platform/clock.h"
#include "platform/console.h"
#include "platform/debug_output.h"
#include "platform/files.h"
#include "platform/known_folders.h"
#include "platform/module_files.h"
#include "platform/text.h"
#include "tarnwick/dorn_utilities.h"
#include "util/message_template.h"

namespace Tarnwick::DornUtilities {
namespace {

// Held around every opening, writing and closing of a log file in the process.
std::mutex _syncObject;

constexpr char16_t kWriteLogSite[] = u"   at Tarnwick::DornUtilities::WriteLog";

std::u16string LibraryFolder() {
  return std::u16string(platform::FolderOf(platform::LibraryFilePath()));
}

// The file name without folder and extension of the module whose code logs: for every call
// made by the library, the library's own file (Tarnwick).
std::u16string ModuleName() {
  return std::u16string(platform::FileStemOf(platform::LibraryFilePath()));
}

// "{3}_{0:D4}{1:D2}{2:D2}" and the extension: a new file every calendar day.
std::u16string DailyFileName(std::u16string_view extension) {
  DateTime today = platform::LocalNow();
  return util::FormatTemplate(u"{3}_{0:D4}{1:D2}{2:D2}",
                              {today.year, today.month, today.day, ModuleName()}) +
         std::u16string(extension);
}

// Looked up anew for every line: settings errors reach the caller.
std::u16string GetLogFolder() {
  std::u16string folder = LibraryFolder();
  // A console program with a titled console logs beside the library, everything else under
  // the user's roaming application data.
  std::optional<std::u16string> title = platform::ConsoleTitle();
  if (!title || title->empty()) {
    std::u16string logs = u"Kestrum";
    logs += platform::DirectorySeparator();
    logs += u"Logs";
    folder = platform::JoinPath(platform::RoamingAppDataFolder(), logs);
  }
  std::u16string configured = GetSetting(u"LogFolder");
  if (!configured.empty()) folder = configured;
  if (folder.empty()) folder = LibraryFolder();
  if (!platform::DirectoryExists(folder) && !platform::CreateDirectories(folder)) {
    folder = LibraryFolder();
  }
  return folder;
}

// "{0:u}\t{1}": local time with a literal Z (no conversion to UTC), TAB, the message as given.
std::u16string LogLine(std::u16string_view message) {
  return util::FormatTemplate(u"{0:u}\t{1}", {platform::LocalNow(), message});
}

// One line appended under the lock, the time taken inside it so that a file's lines stay in
// time order. Throws the file error; line receives the text that was to be written.
void AppendLogLine(const std::u16string& file, std::u16string_view message, std::u16string& line) {
  std::lock_guard lock(_syncObject);
  line = LogLine(message);
  platform::AppendToFile(file, platform::ToUtf8(line + u"\r\n"));
}

void Echo(std::u16string_view debugText, std::u16string_view outputText) {
  platform::WriteDebugOutput(debugText);
  platform::WriteStandardOutputLine(outputText);
}

std::u16string ErrorText(const std::exception& error, std::u16string_view site) {
  return util::FormatTemplate(u"Error: {0}\n{1}", {error.what(), site});
}

// The file step of both WriteLog forms and WriteLogError: a lost line leaves the error and the
// line on the debug output.
void WriteLineReportingErrors(const std::u16string& file, std::u16string_view message) {
  std::u16string line;
  try {
    AppendLogLine(file, message, line);
  } catch (const std::exception& error) {
    platform::WriteDebugOutput(platform::FromUtf8(error.what()));
    try {
      if (line.empty()) line = LogLine(message);
      platform::WriteDebugOutput(u"Message in error: " + line);
    } catch (const std::exception& inner) {
      platform::WriteDebugOutput(ErrorText(inner, kWriteLogSite));
    }
  }
}

void WriteFormatted(std::u16string_view sMessage, TemplateArguments args,
                    std::u16string_view echoPrefix, std::u16string_view extension) {
  std::u16string message;
  try {
    message = util::FormatTemplate(sMessage, args);
  } catch (const std::exception& error) {
    std::u16string text = ErrorText(error, kWriteLogSite);
    Echo(text, text);
    return;
  }
  std::u16string echo = std::u16string(echoPrefix) + message;
  Echo(echo, echo);
  WriteLineReportingErrors(platform::JoinPath(GetLogFolder(), DailyFileName(extension)), message);
}

// Skipped for an empty path; a lost line leaves only the error on the debug output.
void WriteLogToThisFile(std::u16string_view sMessage, const std::u16string& sFullPathToLogFile) {
  if (sFullPathToLogFile.empty()) return;
  std::u16string line;
  try {
    AppendLogLine(sFullPathToLogFile, sMessage, line);
  } catch (const std::exception& error) {
    platform::WriteDebugOutput(platform::FromUtf8(error.what()));
  }
}

// Formats outside any error handling: a template that does not fit reaches the caller.
void LogWithPrefix(std::u16string_view prefix, std::u16string_view sMessage,
                   TemplateArguments args) {
  std::u16string file = platform::JoinPath(GetLogFolder(), DailyFileName(u".log"));
  std::u16string message = util::FormatTemplate(sMessage, args);
  std::u16string prefixed = std::u16string(prefix) + message;
  Echo(message, prefixed);
  WriteLogToThisFile(prefixed, file);
}

}  // namespace

void WriteLog(std::u16string_view sMessage) {
  Echo(sMessage, sMessage);
  WriteLineReportingErrors(platform::JoinPath(GetLogFolder(), DailyFileName(u".log")), sMessage);
}

void WriteLog(std::u16string_view sMessage, TemplateArguments args) {
  WriteFormatted(sMessage, args, u"", u".log");
}

void WriteLogError(std::u16string_view sMessage, TemplateArguments args) {
  WriteFormatted(sMessage, args, u"ERROR: ", u".error.log");
}

void LogInfo(std::u16string_view sMessage, TemplateArguments args) {
  LogWithPrefix(u"[Info   ] ", sMessage, args);
}

void LogError(std::u16string_view sMessage, TemplateArguments args) {
  LogWithPrefix(u"[Error  ] ", sMessage, args);
}

void LogWarning(std::u16string_view sMessage, TemplateArguments args) {
  LogWithPrefix(u"[Warning] ", sMessage, args);
}

void WriteLogToFile(std::u16string_view sMessage, std::u16string_view sLogFilePath) {
  Echo(sMessage, sMessage);
  // The caller's folder and the name, with exactly one separator between them.
  std::u16string file(sLogFilePath);
  file += platform::DirectorySeparator();
  file += DailyFileName(u".log");
  WriteLogToThisFile(sMessage, file);
}

}  // namespace Tarnwick::DornUtilities
