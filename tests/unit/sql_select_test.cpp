// SQL selects into tables against the emulator's SQLite database: column types from the host's
// descriptions, every cell read into its type, bad cells reported, and the host calls made.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <algorithm>

#include "emulator_control.h"
#include "platform/debug_output.h"
#include "platform/loader.h"
#include "platform/text.h"
#include "tarnwick/error.h"
#include "tarnwick/ov_host_api.h"
#include "tarnwick/sql_select.h"
#include "util/value_parsing.h"

namespace Tarnwick {
namespace {

using ::testing::ElementsAre;
using ::testing::ElementsAreArray;
using ::testing::HasSubstr;
using namespace std::string_literals;
using OvWrapper::SQLSelectDBColumnTypes;
using OvWrapper::SQLSelectOvTypes;
using testing::Emulator;

constexpr char kFixture[] = R"json({"datasource": "archive:Test", "tables": [
  {"name": "departments", "columns": [{"name": "id", "type": "int"},
                                      {"name": "title", "type": "nvarchar(40)"}],
   "rows": [[1, "Civil"], [2, "Ünterwasser 🌊"]]},
  {"name": "staff", "columns": [
     {"name": "id", "type": "int"}, {"name": "name", "type": "nvarchar(40)"},
     {"name": "dept", "type": "int"}, {"name": "hired", "type": "datetime"},
     {"name": "active", "type": "bit"}, {"name": "badge", "type": "uniqueidentifier"},
     {"name": "salary", "type": "float"}, {"name": "serial", "type": "bigint"},
     {"name": "grade", "type": "smallint"}, {"name": "notes", "type": "xml"}],
   "rows": [
     [1, "Ann", 1, "2024-03-01 08:30:00", 1, "0f8fad5b-d9cb-469f-a165-70867728950e", 5123.25,
      9007199254740993, 3, "<a/>"],
     [2, "Bo 𝄞", 2, "2023-12-24 17:00:00", 0, "{7C9E6679-74A5-40DE-944B-E07FC1F90AE7}", 0.1,
      -1, 1, ""],
     [3, "Cy", null, null, null, null, null, null, null, null]]},
  {"name": "cells", "columns": [
     {"name": "hired", "type": "datetime"}, {"name": "active", "type": "bit"},
     {"name": "badge", "type": "uniqueidentifier"}, {"name": "count", "type": "int"},
     {"name": "amount", "type": "float"}, {"name": "serial", "type": "bigint"}],
   "rows": [
     ["03/04/2024 1:05 PM", "YES", "(0f8fad5b-d9cb-469f-a165-70867728950e)", -2147483648,
      "1,234.5", 9223372036854775807],
     ["2024-13-01", " True ",
      "{0x0f8fad5b,0xd9cb,0x469f,{0xa1,0x65,0x70,0x86,0x77,0x28,0x95,0x0e}}",
      "abc", "1.2.3", "9223372036854775808"],
     ["yesterday", "No", "not-a-guid", 2147483648, "Infinity", "12x"],
     [null, "maybe", null, null, null, null],
     [null, "0", null, null, null, null]]}
]})json";

// The host's own error state, read as a program would (kelbase.dll).
int32_t HostLastErrorId() {
  static platform::HostModule kelbase = platform::LoadHostLibrary(u"kelbase.dll");
  auto id = reinterpret_cast<int32_t (*)()>(
      reinterpret_cast<uintptr_t>(platform::FindEntryPoint(kelbase, "qxApi_GetLastErrorId")));
  return id();
}
std::string HostLastErrorMessage() {
  static platform::HostModule kelbase = platform::LoadHostLibrary(u"kelbase.dll");
  auto message = reinterpret_cast<const char16_t* (*)()>(
      reinterpret_cast<uintptr_t>(platform::FindEntryPoint(kelbase, "qxApi_GetLastErrorMessage")));
  return platform::ToUtf8(message());
}

DateTime At(int y, int mo, int d, int h = 0, int mi = 0, int s = 0) {
  return *util::MakeDateTime(y, mo, d, h, mi, s);
}

class SqlSelectTest : public ::testing::Test {
 protected:
  void SetUp() override {
    Emulator::Reset();
    ASSERT_TRUE(Emulator::LoadFixture(kFixture));
  }
  void TearDown() override { EXPECT_EQ(Emulator::OpenDataBufferCount(), 0); }

  static std::vector<DataType> Types(const DataTable& table) {
    std::vector<DataType> types;
    for (size_t c = 0; c < table.ColumnCount(); ++c) types.push_back(table.Column(c).type);
    return types;
  }
};

TEST_F(SqlSelectTest, ChoosesColumnTypesFromTheHostsDescription) {
  struct Case {
    int32_t native, host;
    DataType type;
    bool traced;
  };
  const Case kCases[] = {
      {17, 3, DataType::DateTime, false}, {17, 12, DataType::DateTime, false},
      {22, 4, DataType::Boolean, false},  {22, 12, DataType::Boolean, false},
      {21, 12, DataType::Guid, false},    {21, 21, DataType::Guid, false},
      {13, 12, DataType::Text, false},    {3, 3, DataType::Int32, false},
      {4, 4, DataType::Int32, false},     {7, 7, DataType::Double, false},
      {6, 6, DataType::Double, false},    {23, 24, DataType::Int64, false},
      {13, 21, DataType::Text, true},     {8, 0, DataType::Text, true},
      {15, 99, DataType::Text, true},
  };
  for (const Case& c : kCases) {
    platform::DebugOutputCapture capture;
    DataColumn column = OvWrapper::GetDataColumn(u"c", SQLSelectDBColumnTypes(c.native),
                                                 SQLSelectOvTypes(c.host), 40);
    EXPECT_EQ(column.name, u"c");
    EXPECT_EQ(column.type, c.type) << c.native << "/" << c.host;
    std::vector<std::u16string> expected;
    if (c.traced) {
      expected.push_back(u"No mapping found for 'c' type " +
                         platform::FromAscii(std::to_string(c.native)) + u" nativetype " +
                         platform::FromAscii(std::to_string(c.host)));
    }
    EXPECT_EQ(capture.Lines(), expected) << c.native << "/" << c.host;
  }
}

TEST_F(SqlSelectTest, ReadsEveryTypeAndLeavesNullsEmpty) {
  platform::DebugOutputCapture capture;
  DataTable table =
      OvWrapper::CreateDataTableFromSQLSelect(u"select * from staff order by id", u"Staff");
  EXPECT_EQ(table.TableName(), u"Staff");
  EXPECT_THAT(Types(table),
              ElementsAre(DataType::Int32, DataType::Text, DataType::Int32, DataType::DateTime,
                          DataType::Boolean, DataType::Guid, DataType::Double, DataType::Int64,
                          DataType::Int32, DataType::Text));
  ASSERT_EQ(table.RowCount(), 3u);

  EXPECT_EQ(table.Value(0, 3), DataValue(At(2024, 3, 1, 8, 30)));
  EXPECT_EQ(table.Get<bool>(0, 4), true);
  EXPECT_EQ(table.Get<bool>(1, 4), false);
  EXPECT_EQ(table.Get<Guid>(1, 5), Guid::Parse(u"7c9e6679-74a5-40de-944b-e07fc1f90ae7"));
  EXPECT_EQ(table.Get<double>(0, 6), 5123.25);
  EXPECT_EQ(table.Get<double>(1, 6), 0.1) << "the host's text reads back as the same double";
  EXPECT_EQ(table.Get<int64_t>(0, 7), 9007199254740993);
  EXPECT_EQ(table.Get<int32_t>(0, 8), 3);
  EXPECT_EQ(table.Get<std::u16string>(1, 1), u"Bo 𝄞");
  EXPECT_EQ(table.Get<std::u16string>(1, 9), u"") << "empty text stays apart from NULL";
  for (size_t c = 2; c < 10; ++c) EXPECT_FALSE(table.HasValue(2, c)) << "column " << c;

  // An absent text is no value of a parsed type; a boolean cell gets the guard's three lines.
  EXPECT_THAT(capture.Lines(),
              ElementsAre(u"No mapping found for 'notes' type 0 nativetype 0",
                          u"Error parsing '' into int for column dept",
                          u"Error parsing '' into date for column hired",
                          u"Error parsing data for row 3, column 'active', value ''",
                          u"The cell has no text to read as a boolean.",
                          u"   at OvWrapper::CreateDataTableFromSQLSelect",
                          u"Error parsing '' into guid for column badge",
                          u"Error parsing '' into double for column salary",
                          u"Error parsing '' into int64 value for column serial",
                          u"Error parsing '' into int for column grade"));
}

TEST_F(SqlSelectTest, BadCellsStayEmptyWithALineEachAndTheLoadGoesOn) {
  platform::DebugOutputCapture capture;
  DataTable table = OvWrapper::CreateDataTableFromSQLSelect(u"select * from cells");
  EXPECT_EQ(table.TableName(), u"");
  ASSERT_EQ(table.RowCount(), 5u);
  EXPECT_EQ(table.Value(0, 0), DataValue(At(2024, 3, 4, 13, 5)));
  const Guid guid = Guid::Parse(u"0f8fad5b-d9cb-469f-a165-70867728950e");
  EXPECT_EQ(table.Get<Guid>(0, 2), guid);
  EXPECT_EQ(table.Get<Guid>(1, 2), guid);
  EXPECT_EQ(table.Get<int32_t>(0, 3), INT32_MIN);
  EXPECT_EQ(table.Get<double>(0, 4), 1234.5);
  EXPECT_EQ(table.Get<double>(2, 4), INFINITY);
  EXPECT_EQ(table.Get<int64_t>(0, 5), INT64_MAX);
  const std::optional<bool> kActive[] = {true, true, false, std::nullopt, false};
  for (size_t r = 0; r < 5; ++r) EXPECT_EQ(table.Get<bool>(r, 1), kActive[r]) << "row " << r;
  for (auto [r, c] : {std::pair{1, 0}, {1, 3}, {1, 4}, {1, 5}, {2, 0}, {2, 2}, {2, 3}, {2, 5}}) {
    EXPECT_FALSE(table.HasValue(size_t(r), size_t(c))) << r << "," << c;
  }

  std::vector<std::u16string> lines = capture.Lines();
  for (std::u16string_view line : {u"Error parsing '2024-13-01' into date for column hired",
                                   u"Error parsing 'abc' into int for column count",
                                   u"Error parsing '1.2.3' into double for column amount",
                                   u"Error parsing 'yesterday' into date for column hired",
                                   u"Error parsing 'not-a-guid' into guid for column badge",
                                   u"Error parsing '2147483648' into int for column count",
                                   u"Error parsing '12x' into int64 value for column serial",
                                   u"Error parsing 'maybe' into boolean for column active"}) {
    EXPECT_THAT(lines, ::testing::Contains(std::u16string(line)));
  }
  // 9223372036854775808 is no 64-bit integer however the host writes it; NULLs are no values.
  EXPECT_EQ(std::count_if(lines.begin(), lines.end(),
                          [](const std::u16string& line) {
                            return line.starts_with(u"Error parsing '9") &&
                                   line.ends_with(u"' into int64 value for column serial");
                          }),
            1);
  EXPECT_EQ(std::count(lines.begin(), lines.end(),
                       u"Error parsing '' into int64 value for column serial"),
            2);
}

TEST_F(SqlSelectTest, JoinsAndTextOutsideTheBasicPlaneRoundTrip) {
  const std::u16string kTexts[] = {u"Ünterwasser 🌊", u"日本語", u"𝄞𝄢", u"a'b\"c\\d", u"\u00a0"};
  for (const std::u16string& text : kTexts) {
    std::u16string escaped;
    for (char16_t c : text) escaped += c == u'\'' ? u"''" : std::u16string(1, c);
    ASSERT_TRUE(OvWrapper::qxApi_ExecuteSqlStatement(
        (u"insert into departments values (9, '" + escaped + u"')").c_str()));
    DataTable table =
        OvWrapper::CreateDataTableFromSQLSelect(u"select title from departments where id = 9");
    ASSERT_EQ(table.RowCount(), 1u);
    EXPECT_EQ(table.Get<std::u16string>(0, 0), text);
    ASSERT_TRUE(OvWrapper::qxApi_ExecuteSqlStatement(u"delete from departments where id = 9"));
  }

  DataTable joined = OvWrapper::CreateDataTableFromSQLSelect(
      u"select s.name as who, d.title as dept, count(*) over () as total from staff s "
      u"join departments d on d.id = s.dept order by s.id");
  ASSERT_EQ(joined.RowCount(), 2u);
  EXPECT_THAT(Types(joined), ElementsAre(DataType::Text, DataType::Text, DataType::Int32));
  EXPECT_EQ(joined.Get<std::u16string>(1, 0), u"Bo 𝄞");
  EXPECT_EQ(joined.Get<std::u16string>(1, joined.ColumnIndex(u"DEPT")), u"Ünterwasser 🌊");
  EXPECT_EQ(joined.Get<int32_t>(0, 2), 2);
}

TEST_F(SqlSelectTest, WideRows) {
  // 120 columns, and a cell of 200 000 characters.
  std::u16string sql = u"select ";
  for (int c = 0; c < 120; ++c) {
    sql += (c ? u", " : u"") + platform::FromAscii(std::to_string(c) + " as c" + std::to_string(c));
  }
  sql += u", replace(hex(zeroblob(100000)), '00', 'ßß') as long";
  DataTable table = OvWrapper::CreateDataTableFromSQLSelect(sql);
  ASSERT_EQ(table.ColumnCount(), 121u);
  ASSERT_EQ(table.RowCount(), 1u);
  EXPECT_EQ(table.Get<int32_t>(0, 119), 119);
  EXPECT_EQ(table.Get<std::u16string>(0, 120), std::u16string(200000, u'ß'));
}

TEST_F(SqlSelectTest, NoRowsGivesTheColumnsAndNoLine) {
  platform::DebugOutputCapture capture;
  DataTable table = OvWrapper::CreateDataTableFromSQLSelect(
      u"select id, hired from staff where id < 0", u"Empty");
  EXPECT_THAT(Types(table), ElementsAre(DataType::Int32, DataType::DateTime));
  EXPECT_EQ(table.RowCount(), 0u);
  EXPECT_TRUE(capture.Lines().empty());
}

TEST_F(SqlSelectTest, ARejectedStatementGivesATableWithoutColumns) {
  for (const char16_t* sql : {u"selec * from staff", u"select * from nowhere",
                              u"select 1; delete from staff", u"delete from staff"}) {
    platform::DebugOutputCapture capture;
    DataTable table = OvWrapper::CreateDataTableFromSQLSelect(sql, u"T");
    EXPECT_EQ(table.ColumnCount(), 0u);
    EXPECT_EQ(table.TableName(), u"T");
    EXPECT_THAT(capture.Lines(), ElementsAre(u"No columns returned"));
    EXPECT_EQ(HostLastErrorId(), 3100);
  }
  EXPECT_THAT(HostLastErrorMessage(), HasSubstr("is not a query"));
  EXPECT_EQ(OvWrapper::CreateDataTableFromSQLSelect(u"select count(*) from staff").RowCount(), 1u)
      << "nothing was deleted";
  OvWrapper::CreateDataTableFromSQLSelect(u"selec 1");
  EXPECT_THAT(HostLastErrorMessage(), HasSubstr("syntax error"));
}

TEST_F(SqlSelectTest, RepeatedColumnNamesReachTheCaller) {
  EXPECT_THROW(OvWrapper::CreateDataTableFromSQLSelect(
                   u"select s.id, d.id from staff s join departments d on d.id = s.dept"),
               DuplicateNameError);
}

TEST_F(SqlSelectTest, DescribesEachColumnInOrderThenReadsCellByCell) {
  Emulator::ClearCallLog();
  DataTable table = OvWrapper::CreateDataTableFromSQLSelect(
      u"select id, name from staff where id <= 2 order by id");
  EXPECT_THAT(
      Emulator::CallLog(),
      ElementsAre(
          "qxApi_SqlSelect(select id, name from staff where id <= 2 order by id, 0)",
          "qxApi_SqlSelectGetStringProperty(4, 0)", "qxApi_SqlSelectGetNumericProperty(2, 0)",
          "qxApi_SqlSelectGetNumericProperty(1, 0)", "qxApi_SqlSelectGetNumericProperty(3, 0)",
          "qxApi_SqlSelectGetStringProperty(4, 1)", "qxApi_SqlSelectGetNumericProperty(2, 1)",
          "qxApi_SqlSelectGetNumericProperty(1, 1)", "qxApi_SqlSelectGetNumericProperty(3, 1)",
          "qxApi_SqlSelectGetData(0, 0)", "qxApi_SqlSelectGetData(0, 1)",
          "qxApi_SqlSelectGetData(1, 0)", "qxApi_SqlSelectGetData(1, 1)"));
  EXPECT_EQ(table.RowCount(), 2u);
}

TEST_F(SqlSelectTest, NamesColumnsThatTheHostLeavesUnnamed) {
  DataTable table = OvWrapper::CreateDataTableFromSQLSelect(u"select 1 as Column2, 2 as \"\"");
  EXPECT_EQ(table.Column(1).name, u"Column3") << "a name in use is skipped";
  Emulator::ReturnNullText("qxApi_SqlSelectGetStringProperty");
  table = OvWrapper::CreateDataTableFromSQLSelect(u"select 1 as a, 2 as b");
  EXPECT_EQ(table.Column(0).name, u"Column1");
  EXPECT_EQ(table.Column(1).name, u"Column2");
}

TEST_F(SqlSelectTest, DataBuffersDescribeTheirColumnsThroughEitherOverload) {
  OvWrapper::HostHandle buffer =
      OvWrapper::qxApi_SqlSelectDataBuffer(u"select name, hired, serial from staff order by id", 0);
  ASSERT_NE(buffer, 0);
  EXPECT_EQ(OvWrapper::qxApi_DmsDataBufferGetCount(buffer), 3);
  EXPECT_EQ(OvWrapper::qxApi_SqlSelectDataBufGetColumnCount(buffer), 3);
  EXPECT_EQ(OvWrapper::qxApi_SqlSelectDataBufGetNumericProperty(
                buffer, OvWrapper::SqlSelectProperties::SQLSELECT_COLUMN_NATIVE_TYPE, 1),
            17);
  for (int32_t column = 0; column < 3; ++column) {
    Emulator::ClearCallLog();
    auto typed = OvWrapper::qxApi_SqlSelectDataBufGetStringProperty(
        buffer, OvWrapper::SqlSelectProperties::SQLSELECT_COLUMN_NAME, column);
    auto plain = OvWrapper::qxApi_SqlSelectDataBufGetStringProperty(buffer, 4, column);
    EXPECT_EQ(typed, plain);
    std::vector<std::string> calls = Emulator::CallLog();
    ASSERT_EQ(calls.size(), 2u);
    EXPECT_EQ(calls[0], calls[1]) << "the same entry point with the same arguments";
  }
  EXPECT_EQ(OvWrapper::qxApi_SqlSelectDataBufGetStringProperty(buffer, 4, 2), u"serial");
  EXPECT_EQ(OvWrapper::qxApi_SqlSelectDataBufGetValue(buffer, 1, 0), u"Bo 𝄞");
  EXPECT_EQ(OvWrapper::qxApi_SqlSelectDataBufGetValue(buffer, 2, 1), std::nullopt) << "NULL";
  EXPECT_EQ(OvWrapper::qxApi_SqlSelectDataBufGetValue(buffer, 3, 0), std::nullopt);
  OvWrapper::qxApi_DmsDataBufferFree(buffer);
  EXPECT_EQ(OvWrapper::qxApi_SqlSelectDataBufGetValue(buffer, 0, 0), std::nullopt);
  EXPECT_EQ(Emulator::InvalidFreeCount(), 0);
}

TEST_F(SqlSelectTest, StatementsRunAsABatchAndStopAtTheFirstFailure) {
  EXPECT_TRUE(OvWrapper::qxApi_ExecuteSqlStatement(
      u"create table t (a int); insert into t values (1); -- done"));
  EXPECT_FALSE(OvWrapper::qxApi_ExecuteSqlStatement(
      u"insert into t values (2); insert into nowhere values (3); insert into t values (4)"));
  EXPECT_THAT(HostLastErrorMessage(), HasSubstr("no such table: nowhere"));
  DataTable t = OvWrapper::CreateDataTableFromSQLSelect(u"select a from t order by a");
  ASSERT_EQ(t.RowCount(), 2u);
  EXPECT_EQ(t.Get<int32_t>(1, 0), 2);
  EXPECT_FALSE(OvWrapper::qxApi_ExecuteSqlStatement(u"  -- nothing"));
}

TEST(SqlSelectSample, TheBuiltInSampleHoldsATableToSelectFrom) {
  Emulator::Reset();
  platform::DebugOutputCapture capture;
  DataTable drawings = OvWrapper::CreateDataTableFromSQLSelect(
      u"select number, title, revision, issued, approved from drawings where project = 3 "
      u"order by number",
      u"Drawings");
  ASSERT_EQ(drawings.RowCount(), 3u);
  EXPECT_EQ(drawings.Get<std::u16string>(1, drawings.ColumnIndex(u"Title")), u"Abutment Süd");
  EXPECT_EQ(drawings.Value(0, 3), DataValue(At(2024, 3, 1, 9, 15)));
  EXPECT_EQ(drawings.Get<bool>(0, 4), true);
  EXPECT_FALSE(drawings.HasValue(2, 3));
  EXPECT_THAT(capture.Lines(), ElementsAre(u"Error parsing '' into date for column issued"));
}

}  // namespace
}  // namespace Tarnwick
