// Configuration values in dms_gcfg and dms_ucfg, by plain SQL through the host.
#include "tarnwick/configuration_tables.h"

#include <string>

#include "binding/data_buffer_scope.h"
#include "platform/text.h"
#include "tarnwick/error.h"
#include "tarnwick/ov_host_api.h"
#include "util/value_parsing.h"

namespace Tarnwick::OvWrapper {
namespace {

using detail::DataBufferScope;

// This library's component GUID, under which its data-source-wide values are filed.
constexpr std::u16string_view kComponentGuid = u"4493b532-0cc3-45ee-be8c-1de7b9a7bad4";

std::u16string Decimal(int32_t value) {
  return platform::FromAscii(std::to_string(value));
}

// The text as an SQL string literal's contents: each single quote doubled. A text without
// quotes stays as it is.
std::u16string SqlText(std::u16string_view text) {
  std::u16string escaped;
  escaped.reserve(text.size());
  for (char16_t c : text) {
    escaped += c;
    if (c == u'\'') escaped += u'\'';
  }
  return escaped;
}

bool HoldsNul(std::u16string_view text) {
  return text.find(u'\0') != std::u16string_view::npos;
}

std::optional<std::u16string> SelectGlobalValue(std::u16string_view column, int32_t iSetting) {
  std::u16string sql = u"select ";
  sql.append(column)
      .append(u" from dms_gcfg where o_compguid = '")
      .append(kComponentGuid)
      .append(u"' and o_paramno = ")
      .append(Decimal(iSetting));
  DataBufferScope buffer(qxApi_SqlSelectDataBuffer(sql.c_str(), 0));
  return qxApi_SqlSelectDataBufGetValue(buffer.get(), 0, 0);
}

std::optional<std::u16string> SelectUserValue(std::u16string_view column, int32_t iUserId,
                                              int32_t iParamNo) {
  std::u16string sql = u"select ";
  sql.append(column)
      .append(u" from v_dms_ucfg where o_userno = ")
      .append(Decimal(iUserId))
      .append(u" and o_paramno = ")
      .append(Decimal(iParamNo));
  int32_t columns = 0;
  if (qxApi_SqlSelect(sql.c_str(), 0, &columns) <= 0) return std::nullopt;
  return qxApi_SqlSelectGetData(0, 0).value_or(u"");
}

// The view creation and the delete, whose results do not matter, then the insert.
bool Replace(std::u16string_view view, std::u16string_view table, const std::u16string& remove,
             const std::u16string& insert) {
  std::u16string create = u"create view ";
  create.append(view).append(u" as select * from ").append(table);
  qxApi_ExecuteSqlStatement(create.c_str());
  qxApi_ExecuteSqlStatement(remove.c_str());
  return qxApi_ExecuteSqlStatement(insert.c_str()) != 0;
}

bool ReplaceGlobal(int32_t iSetting, const std::u16string& insert) {
  std::u16string remove = u"delete from v_dms_gcfg where o_compguid = '";
  remove.append(kComponentGuid).append(u"' and o_paramno = ").append(Decimal(iSetting));
  return Replace(u"v_dms_gcfg", u"dms_gcfg", remove, insert);
}

bool ReplaceUser(int32_t iUserId, int32_t iParamNo, const std::u16string& insert) {
  std::u16string remove = u"delete from v_dms_ucfg where o_userno = ";
  remove.append(Decimal(iUserId)).append(u" and o_paramno = ").append(Decimal(iParamNo));
  return Replace(u"v_dms_ucfg", u"dms_ucfg", remove, insert);
}

}  // namespace

std::optional<std::u16string> GetOvStringSetting(int32_t iSetting) {
  return SelectGlobalValue(u"o_textval", iSetting);
}

int32_t GetOvNumericSetting(int32_t iSetting) {
  std::optional<std::u16string> value = SelectGlobalValue(u"o_intval", iSetting);
  return value ? util::ParseInt32(*value).value_or(0) : 0;
}

bool SetOvStringSetting(int32_t iSetting, std::u16string_view sValue) {
  if (HoldsNul(sValue)) return false;
  std::u16string insert =
      u"insert into v_dms_gcfg(o_compguid, o_paramno, o_intval, o_textval) values ('";
  insert.append(kComponentGuid)
      .append(u"', ")
      .append(Decimal(iSetting))
      .append(u", 0, '")
      .append(SqlText(sValue))
      .append(u"')");
  return ReplaceGlobal(iSetting, insert);
}

bool SetOvNumericSetting(int32_t iSetting, int32_t iValue) {
  std::u16string insert = u"insert into v_dms_gcfg(o_compguid, o_paramno, o_intval) values ('";
  insert.append(kComponentGuid)
      .append(u"', ")
      .append(Decimal(iSetting))
      .append(u", ")
      .append(Decimal(iValue))
      .append(u")");
  return ReplaceGlobal(iSetting, insert);
}

std::u16string GetNonStandardUserStringSettingByUser(int32_t iUserId, int32_t iParamNo) {
  return SelectUserValue(u"o_textval", iUserId, iParamNo).value_or(u"");
}

int32_t GetNonStandardUserNumericSettingByUser(int32_t iUserId, int32_t iParamNo) {
  std::optional<std::u16string> value = SelectUserValue(u"o_intval", iUserId, iParamNo);
  if (!value) return -1;
  if (std::optional<int32_t> number = util::ParseInt32(*value)) return *number;
  throw FormatError("Input string was not in a correct format: '" + platform::ToUtf8(*value) +
                    "' is no 32-bit integer (user " + std::to_string(iUserId) + ", parameter " +
                    std::to_string(iParamNo) + ").");
}

bool SetNonStandardUserStringSettingByUser(int32_t iUserId, int32_t iParamNo,
                                           std::u16string_view sUserSetting) {
  if (HoldsNul(sUserSetting)) return false;
  std::u16string insert =
      u"insert into v_dms_ucfg (o_userno, o_paramno, o_intval, o_textval, o_compguid) values (";
  insert.append(Decimal(iUserId))
      .append(u",")
      .append(Decimal(iParamNo))
      .append(u",0,'")
      .append(SqlText(sUserSetting))
      .append(u"','00000000-0000-0000-0000-000000000000')");
  return ReplaceUser(iUserId, iParamNo, insert);
}

bool SetNonStandardUserNumericSettingByUser(int32_t iUserId, int32_t iParamNo,
                                            int32_t iUserSetting) {
  std::u16string insert =
      u"insert into v_dms_ucfg (o_userno, o_paramno, o_intval, o_textval, o_compguid) values (";
  insert.append(Decimal(iUserId))
      .append(u",")
      .append(Decimal(iParamNo))
      .append(u",")
      .append(Decimal(iUserSetting))
      .append(u",'','00000000-0000-0000-0000-000000000000')");
  return ReplaceUser(iUserId, iParamNo, insert);
}

}  // namespace Tarnwick::OvWrapper
