// Numbered configuration values of this library kept in the data source's database: values
// for the whole data source in dms_gcfg (filed under the library's component GUID) and values
// per user in dms_ucfg, each an integer or a text.
//
//   OvWrapper::SetOvStringSetting(3, u"https://intranet/launcher.htm");
//   std::optional<std::u16string> launcher = OvWrapper::GetOvStringSetting(3);
//   OvWrapper::SetNonStandardUserNumericSettingByUser(userId, 1, 25);
//
// Reads give a default when nothing is stored (see each function); writes replace the stored
// row (delete, then insert) and report whether the insert succeeded. Writes go through the
// views v_dms_gcfg and v_dms_ucfg, which the first write to each table creates. Text values
// are written as SQL string literals with each single quote doubled, so any text is stored
// and read back unchanged and nothing in it is executed; a text holding U+0000, which no host
// text can carry, is not written (false). Needs a logged-in connection; the per-user reads
// use the host's current SQL selection, so one thread at a time.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace Tarnwick::OvWrapper {

// Data-source-wide values. The text is absent when none is stored; the number is 0 when none
// is stored or the stored value is not a 32-bit integer.
std::optional<std::u16string> GetOvStringSetting(int32_t iSetting);
int32_t GetOvNumericSetting(int32_t iSetting);
bool SetOvStringSetting(int32_t iSetting, std::u16string_view sValue);
bool SetOvNumericSetting(int32_t iSetting, int32_t iValue);

// Per-user values. The text is empty and the number -1 when no row is stored (also before the
// first per-user write in a data source, which creates v_dms_ucfg); a stored number that is
// not a 32-bit integer, empty text included, raises FormatError. A text and a number with the
// same user and parameter number share one row.
std::u16string GetNonStandardUserStringSettingByUser(int32_t iUserId, int32_t iParamNo);
int32_t GetNonStandardUserNumericSettingByUser(int32_t iUserId, int32_t iParamNo);
bool SetNonStandardUserStringSettingByUser(int32_t iUserId, int32_t iParamNo,
                                           std::u16string_view sUserSetting);
bool SetNonStandardUserNumericSettingByUser(int32_t iUserId, int32_t iParamNo,
                                            int32_t iUserSetting);

}  // namespace Tarnwick::OvWrapper
