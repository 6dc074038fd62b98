// SQL select into a table: one host select, the column descriptions, then one host call per
// cell, each cell read into its column's type.
#include "tarnwick/sql_select.h"

#include <string>

#include "platform/debug_output.h"
#include "platform/text.h"
#include "tarnwick/error.h"
#include "tarnwick/ov_host_api.h"
#include "util/value_parsing.h"

namespace Tarnwick::OvWrapper {
namespace {

// What the library writes for the stack of a caught failure: the place it was caught.
constexpr std::u16string_view kCatchSite = u"   at OvWrapper::CreateDataTableFromSQLSelect";

std::u16string Decimal(int64_t value) {
  return platform::FromAscii(std::to_string(value));
}

void TraceFailure(std::u16string_view first, const std::exception& error) {
  platform::WriteDebugOutput(first);
  platform::WriteDebugOutput(platform::FromUtf8(error.what()));
  platform::WriteDebugOutput(kCatchSite);
}

void TraceUnreadable(std::u16string_view text, std::u16string_view into,
                     std::u16string_view column) {
  std::u16string line = u"Error parsing '";
  line.append(text).append(u"' into ").append(into).append(u" for column ").append(column);
  platform::WriteDebugOutput(line);
}

// Reads one cell's host text into the row by the column's type. A text that is not a value of
// that type leaves the cell empty with one line; other failures are thrown to the caller's
// per-cell guard.
void StoreCell(DataRow& row, size_t c, const DataColumn& column,
               std::optional<std::u16string>&& text, const util::ParseConventions& conventions) {
  // An absent text cannot be read as any value; it shows as empty text in the lines.
  std::u16string_view view = text ? std::u16string_view(*text) : std::u16string_view();
  auto store = [&](auto parsed, std::u16string_view into) {
    if (parsed) {
      row.Set(c, *parsed);
    } else {
      TraceUnreadable(view, into, column.name);
    }
  };
  switch (column.type) {
    case DataType::Text:
      if (text) row.Set(c, std::move(*text));
      return;
    case DataType::DateTime:
      return store(util::ParseDateTime(view, conventions), u"date");
    case DataType::Boolean: {
      if (!text) throw Error("The cell has no text to read as a boolean.");
      std::u16string lower(view);
      for (char16_t& ch : lower) {
        if (ch >= u'A' && ch <= u'Z') ch = char16_t(ch + 32);
      }
      std::optional<bool> value = util::ParseBooleanWord(lower);
      if (!value && (lower == u"no" || lower == u"false" || lower == u"0")) value = false;
      if (!value && (lower == u"yes" || lower == u"true" || lower == u"1")) value = true;
      return store(value, u"boolean");
    }
    case DataType::Guid:
      return store(util::ParseGuid(view), u"guid");
    case DataType::Int32:
      return store(util::ParseInt32(view), u"int");
    case DataType::Double:
      return store(util::ParseDouble(view, conventions), u"double");
    case DataType::Int64:
      return store(util::ParseInt64(view), u"int64 value");
    case DataType::UInt64:
      return store(util::ParseUInt64(view), u"uint64 value");
  }
}

// A name for a column the host reports without one: "Column" and its position from 1, or the
// next number not yet in use.
std::u16string DefaultColumnName(const DataTable& table, size_t position) {
  for (size_t number = position + 1;; ++number) {
    std::u16string name = u"Column" + Decimal(int64_t(number));
    bool taken = false;
    for (size_t i = 0; i < table.ColumnCount() && !taken; ++i) {
      taken = table.Column(i).name == name;
    }
    if (!taken) return name;
  }
}

}  // namespace

DataColumn GetDataColumn(std::u16string sName, SQLSelectDBColumnTypes iNativeType,
                         SQLSelectOvTypes iOvType, int32_t /*iLength*/) {
  auto type = [&]() -> std::optional<DataType> {
    switch (iNativeType) {
      case SQLSelectDBColumnTypes::DateTime:
        return DataType::DateTime;
      case SQLSelectDBColumnTypes::SQLBoolean:
        return DataType::Boolean;
      case SQLSelectDBColumnTypes::SQLGuid:
        return DataType::Guid;
      default:
        break;
    }
    switch (iOvType) {
      case SQLSelectOvTypes::String:
        return DataType::Text;
      case SQLSelectOvTypes::Integer:
      case SQLSelectOvTypes::Short:
        return DataType::Int32;
      case SQLSelectOvTypes::Double:
      case SQLSelectOvTypes::SQLReal:
        return DataType::Double;
      case SQLSelectOvTypes::Long:
        return DataType::Int64;
      default:
        return std::nullopt;
    }
  }();
  if (!type) {
    // The line calls the native type "type" and the host's type "nativetype"; readers of the
    // trace know it in this form, so it stays.
    std::u16string line = u"No mapping found for '";
    line.append(sName)
        .append(u"' type ")
        .append(Decimal(int32_t(iNativeType)))
        .append(u" nativetype ")
        .append(Decimal(int32_t(iOvType)));
    platform::WriteDebugOutput(line);
  }
  return DataColumn{std::move(sName), type.value_or(DataType::Text)};
}

DataTable CreateDataTableFromSQLSelect(const std::u16string& sSQL, std::u16string_view sTableName) {
  int32_t columnCount = 0;
  int32_t rowCount = qxApi_SqlSelect(sSQL.c_str(), 0, &columnCount);

  DataTable table;
  if (!sTableName.empty()) table.SetTableName(std::u16string(sTableName));
  if (columnCount <= 0) {
    platform::WriteDebugOutput(u"No columns returned");
    return table;
  }

  for (int32_t c = 0; c < columnCount; ++c) {
    std::optional<std::u16string> name =
        qxApi_SqlSelectGetStringProperty(SqlSelectProperties::SQLSELECT_COLUMN_NAME, c);
    auto nativeType = SQLSelectDBColumnTypes(
        qxApi_SqlSelectGetNumericProperty(SqlSelectProperties::SQLSELECT_COLUMN_NATIVE_TYPE, c));
    auto ovType = SQLSelectOvTypes(
        qxApi_SqlSelectGetNumericProperty(SqlSelectProperties::SQLSELECT_COLUMN_TYPE, c));
    int32_t length =
        qxApi_SqlSelectGetNumericProperty(SqlSelectProperties::SQLSELECT_COLUMN_LENGTH, c);
    if (!name || name->empty()) name = DefaultColumnName(table, size_t(c));
    table.AddColumn(GetDataColumn(std::move(*name), nativeType, ovType, length));
  }

  const util::ParseConventions conventions = util::ParseConventions::Current();
  try {
    if (rowCount > 0) table.Reserve(size_t(rowCount));
  } catch (const std::exception&) {
    // Room for all rows at once is only a saving; without it the rows are added as they come.
  }
  DataRow row = table.NewRow();
  for (int32_t r = 0; r < rowCount; ++r) {
    for (int32_t c = 0; c < columnCount; ++c) {
      std::optional<std::u16string> text = qxApi_SqlSelectGetData(r, c);
      try {
        StoreCell(row, size_t(c), table.Column(size_t(c)), std::move(text), conventions);
      } catch (const std::exception& error) {
        row.Reset(size_t(c));
        TraceFailure(u"Error parsing data for row " + Decimal(r + 1) + u", column '" +
                         table.Column(size_t(c)).name + u"', value '" + (text ? *text : u"") + u"'",
                     error);
      }
    }
    try {
      table.AddRow(row);
    } catch (const std::exception& error) {
      TraceFailure(u"Error adding row " + Decimal(r + 1), error);
    }
    row.Reset();
  }
  table.ShrinkToFit();
  return table;
}

}  // namespace Tarnwick::OvWrapper
