// The in-memory table: typed cells, the primary key's refusals, and column lookup by name.
#include <gtest/gtest.h>

#include "tarnwick/data_table.h"
#include "tarnwick/error.h"

namespace Tarnwick {
namespace {

using namespace std::chrono_literals;
using namespace std::string_literals;

DataTable Staff() {
  DataTable table(u"Staff");
  table.AddColumn({u"Id", DataType::Int32});
  table.AddColumn({u"Name", DataType::Text});
  return table;
}

DataRow Row(const DataTable& table, std::optional<int32_t> id, std::u16string name) {
  DataRow row = table.NewRow();
  if (id) row.Set(0, *id);
  row.Set(1, std::move(name));
  return row;
}

TEST(DataTable, KeepsEveryTypeAndEmptyCells) {
  DataTable table;
  const std::pair<DataType, DataValue> kValues[] = {
      {DataType::Text, u"Zoë 🌉"s},
      {DataType::DateTime, DateTime(std::chrono::local_days(2024y / 2 / 29)) + 23h + 59min},
      {DataType::Boolean, true},
      {DataType::Guid, Guid::Parse(u"0f8fad5b-d9cb-469f-a165-70867728950e")},
      {DataType::Int32, int32_t{-2147483647 - 1}},
      {DataType::UInt64, uint64_t{18446744073709551615ull}},
      {DataType::Double, -0.1},
      {DataType::Int64, int64_t{-9007199254740993}},
  };
  for (const auto& [type, value] : kValues) {
    table.AddColumn({DataTypeName(type).data(), type});
  }
  DataRow full = table.NewRow();
  for (size_t c = 0; c < std::size(kValues); ++c) full.Set(c, kValues[c].second);
  table.AddRow(full);
  table.AddRow(table.NewRow());

  ASSERT_EQ(table.RowCount(), 2u);
  for (size_t c = 0; c < std::size(kValues); ++c) {
    EXPECT_EQ(table.Value(0, c), kValues[c].second) << "column " << c;
    EXPECT_FALSE(table.HasValue(1, c));
    EXPECT_EQ(table.Value(1, c), std::nullopt);
  }
  EXPECT_EQ(table.Get<std::u16string>(0, 0), u"Zoë 🌉");
  EXPECT_EQ(table.TextView(1, 0), std::nullopt) << "an empty text cell is not empty text";
  EXPECT_THROW(table.Get<int64_t>(0, 4), DataTableError) << "column 4 holds int32 values";

  // Overwriting a cell, text included, and clearing one.
  table.Set(1, 0, u"later"s);
  table.Set(0, 0, std::nullopt);
  EXPECT_EQ(table.Get<std::u16string>(1, 0), u"later");
  EXPECT_FALSE(table.HasValue(0, 0));
}

TEST(DataTable, RefusesValuesOfAnotherTypeAndLeavesTheTableAsItWas) {
  DataTable table = Staff();
  DataRow row = table.NewRow();
  row.Set(0, int64_t{7});
  EXPECT_THROW(table.AddRow(row), DataTableError);
  EXPECT_EQ(table.RowCount(), 0u);
  table.AddRow(Row(table, 7, u"Ann"));
  EXPECT_THROW(table.Set(0, 1, int32_t{1}), DataTableError);
  EXPECT_EQ(table.Get<std::u16string>(0, 1), u"Ann");
  EXPECT_THROW(table.AddColumn({u"Name", DataType::Int64}), DuplicateNameError);
  EXPECT_EQ(table.ColumnCount(), 2u);
}

TEST(DataTable, PrimaryKeyRefusesMissingAndRepeatedKeys) {
  DataTable table = Staff();
  table.SetPrimaryKey(u"id");  // found ignoring case
  ASSERT_EQ(table.PrimaryKey(), 0u);
  table.AddRow(Row(table, 7, u"Ann"));
  table.AddRow(Row(table, 3, u"Bo"));

  EXPECT_THROW(table.AddRow(Row(table, 7, u"Again")), DuplicateKeyError);
  EXPECT_THROW(table.AddRow(Row(table, std::nullopt, u"Nobody")), MissingKeyError);
  EXPECT_THROW(table.Set(1, 0, int32_t{7}), DuplicateKeyError);
  EXPECT_THROW(table.Set(1, 0, std::nullopt), MissingKeyError);
  ASSERT_EQ(table.RowCount(), 2u) << "refused rows are not added";
  EXPECT_EQ(table.FindRow(int32_t{3}), 1u);

  // A key that changes moves in the index; the old value is free again.
  table.Set(1, 0, int32_t{4});
  table.Set(1, 0, int32_t{4});  // the row's own value is no repeat
  EXPECT_EQ(table.FindRow(int32_t{4}), 1u);
  EXPECT_EQ(table.FindRow(int32_t{3}), std::nullopt);
  table.AddRow(Row(table, 3, u"Cy"));
  EXPECT_EQ(table.FindRow(int32_t{3}), 2u);
  EXPECT_EQ(table.FindRow(int64_t{3}), std::nullopt) << "a key of another type matches nothing";
}

TEST(DataTable, SettingAKeyChecksTheRowsAlreadyThere) {
  DataTable table = Staff();
  table.AddRow(Row(table, 1, u"Ann"));
  table.AddRow(Row(table, 2, u"ann"));
  table.AddRow(Row(table, std::nullopt, u"Bo"));
  EXPECT_THROW(table.SetPrimaryKey(u"Id"), MissingKeyError);
  table.Set(2, 0, int32_t{1});
  EXPECT_THROW(table.SetPrimaryKey(u"Id"), DuplicateKeyError);
  EXPECT_EQ(table.PrimaryKey(), std::nullopt);

  // Text keys compare exactly, letter case included.
  table.SetPrimaryKey(u"Name");
  EXPECT_EQ(table.FindRow(u"ann"s), 1u);
  EXPECT_THROW(table.AddRow(Row(table, 9, u"Bo")), DuplicateKeyError);
}

TEST(DataTable, FindsColumnsByExactNameThenIgnoringCase) {
  DataTable table;
  table.AddColumn({u"ProjectID", DataType::Int32});
  table.AddColumn({u"projectid", DataType::Int32});
  table.AddColumn({u"Größe", DataType::Double});
  table.AddColumn({u"ÉTAT", DataType::Text});
  table.AddColumn({u"Имя", DataType::Text});

  struct Case {
    std::u16string_view name;
    std::optional<size_t> column;
  };
  const Case kCases[] = {
      {u"ProjectID", 0},
      {u"projectid", 1},
      {u"PROJECTID", std::nullopt},  // two caseless matches
      {u"GRÖSSE", std::nullopt},     // no expansion of ß
      {u"größe", 2},
      {u"état", 3},
      {u"имя", 4},
      {u"Name", std::nullopt},
  };
  for (const Case& c : kCases) {
    EXPECT_EQ(table.FindColumn(c.name), c.column) << std::string(c.name.begin(), c.name.end());
  }
  EXPECT_THROW(table.ColumnIndex(u"Name"), DataTableError);
}

}  // namespace
}  // namespace Tarnwick
