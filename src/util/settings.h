// The settings files behind DornUtilities' readers, for the library's own lookups that must
// tell an absent key from an empty value (the "Path" setting of the binding's start-up).
//
//   if (std::optional<std::u16string> path = DornUtilities::detail::FindSetting(u"Path")) ...
//
// Each lookup reads the file anew. A missing file holds no keys; a file that exists but cannot
// be read or parsed raises SettingsError naming the file (and the line, when it is malformed).
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace Tarnwick::DornUtilities::detail {

// The program's file name with ".config" appended, and the library's.
std::u16string ProcessSettingsFile();
std::u16string LibrarySettingsFile();

// The value of the key in the file's appSettings section, with <remove> and <clear> applied;
// keys match regardless of ASCII letter case.
std::optional<std::u16string> ReadSetting(const std::u16string& settingsFile,
                                          std::u16string_view key);

inline std::optional<std::u16string> FindSetting(std::u16string_view key) {
  return ReadSetting(ProcessSettingsFile(), key);
}
inline std::optional<std::u16string> FindSettingFromDLLConfig(std::u16string_view key) {
  return ReadSetting(LibrarySettingsFile(), key);
}

// The readers' parsing rules. ParseBoolean lower-cases the value under the current locale
// before comparing it with "yes" when anyCaseYes is set (the process settings file).
int32_t ParseInteger(const std::optional<std::u16string>& value);
bool ParseBoolean(const std::optional<std::u16string>& value, bool anyCaseYes);

}  // namespace Tarnwick::DornUtilities::detail
