// Logging, settings and small utilities for the library and the programs that embed it.
//
//   DornUtilities::WriteLog(u"Copy-out finished");
//   DornUtilities::WriteLog(u"Error: {0}\n{1}", {error.what(), u"   at MyTool::Run"});
//   std::u16string datasource = DornUtilities::GetSetting(u"OvDataSourceName");
//
// Logging. Every log call echoes its message to the debug output and to standard output, and
// appends "yyyy-MM-dd HH:mm:ssZ", a TAB, the message and CR LF (local time, UTF-8 without a
// byte-order mark) to a daily file "{module}_{yyyyMMdd}.log" in the log folder, opening and
// closing the file for each line under one process-wide lock. {module} is the name of the
// library's own file without extension: Tarnwick in the product. The log folder is the
// library's folder for a program with a titled console, else "Kestrum\Logs" in the user's
// roaming application-data folder; the process setting "LogFolder" replaces either, and a
// folder that cannot be created falls back to the library's folder. File errors never reach
// the caller: they go to the debug output.
//
// Settings. The process settings file is the program's file name with ".config" appended, in
// the program's folder; the library settings file is "Tarnwick.dll.config" beside the library.
// Both are XML application-settings files:
//
//   <configuration>
//     <appSettings>
//       <add key="LogFolder" value="D:\Logs\Orvane" />
//     </appSettings>
//   </configuration>
//
// Keys match regardless of ASCII letter case. An absent file or key reads as empty text, 0 or
// false; a file that exists but is not a well-formed settings file raises SettingsError, whose
// message names the file and the line. Each lookup reads the file anew.
#pragma once

#include <cstdint>
#include <initializer_list>
#include <map>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "tarnwick/collections.h"
#include "tarnwick/template_argument.h"

namespace Tarnwick::DornUtilities {

// Alphabets of GetARandomString, writable; a caller that changes them must not race with
// callers drawing from them.
extern std::u16string MIXED_CASE;  // a-z, A-Z, "_-~!#^", 1-9, 0: 68 characters
extern std::u16string LOWER_CASE;  // a-z, "_-~!#^", 1-9, 0: 42 characters

using TemplateArguments = std::initializer_list<TemplateArgument>;

// The message as it stands, braces included.
void WriteLog(std::u16string_view sMessage);
// The message formatted from the template. A template that does not fit its arguments writes
// nothing to the file; "Error: ..." goes to the debug output and standard output instead.
void WriteLog(std::u16string_view sMessage, TemplateArguments args);
// Into "{module}_{yyyyMMdd}.error.log"; the echoes carry "ERROR: " in front.
void WriteLogError(std::u16string_view sMessage, TemplateArguments args);
// Into the daily .log behind "[Info   ] ", "[Error  ] " or "[Warning] "; standard output shows
// the prefix, the debug output does not. A template that does not fit raises FormatError.
void LogInfo(std::u16string_view sMessage, TemplateArguments args);
void LogError(std::u16string_view sMessage, TemplateArguments args);
void LogWarning(std::u16string_view sMessage, TemplateArguments args);
// Into "{sLogFilePath}\{module}_{yyyyMMdd}.log"; the folder is not created.
void WriteLogToFile(std::u16string_view sMessage, std::u16string_view sLogFilePath);

// From the process settings file.
std::u16string GetSetting(std::u16string_view sSettingName);
// A decimal signed 32-bit number, blanks around it and a sign allowed; 0 for anything else.
int32_t GetIntSetting(std::u16string_view sSettingName);
// true/false in any case (blanks around allowed), "yes" in any case, "1" are true.
bool GetBooleanSetting(std::u16string_view sSettingName);
// The same from the library settings file, except that only a lower-case "yes" is true there.
std::u16string GetSettingFromDLLConfig(std::u16string_view sSettingName);
int32_t GetIntSettingFromDLLConfig(std::u16string_view sSettingName);
bool GetBooleanSettingFromDLLConfig(std::u16string_view sSettingName);

// sList cut at every character of sDelimiter (white space when it is empty), empty pieces
// dropped, pieces not trimmed. The sorted list keeps the first of pieces that differ in case
// only; the hash table holds each piece lower-cased, once.
LocaleSortedList<std::u16string> BuildListFromString(std::u16string_view sList,
                                                     std::u16string_view sDelimiter);
std::unordered_map<std::u16string, std::u16string> BuildHashTableFromString(
    std::u16string_view sList, std::u16string_view sDelimiter);

// length characters drawn uniformly, from a strong random source, from the characters of
// characterSet whose codes are below 256. A negative length, or a set without such a
// character, gives empty text at once (with a line on the debug output).
std::u16string GetARandomString(int32_t length, std::u16string_view characterSet);
std::u16string GetARandomString(int32_t length);  // from LOWER_CASE as it is at the call

// Copies a data item carried inside the library to sTargetFile; the library carries none, so
// this logs the failure and answers whether the target file exists afterwards.
bool GetEmbeddedResourceFile(std::u16string_view sResourceName, std::u16string_view sTargetFile);

// True when the existing file cannot be opened exclusively because another opening holds it;
// false for a missing file. A refusal for lack of rights raises AccessDeniedError.
bool IsFileLocked(std::u16string_view sFileName);

}  // namespace Tarnwick::DornUtilities
