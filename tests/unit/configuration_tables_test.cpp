// Configuration values in dms_gcfg and dms_ucfg against the emulator's SQLite database: the
// defaults, round trips, replaced rows, per-user isolation, and texts that must not run as SQL.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "emulator_control.h"
#include "tarnwick/configuration_tables.h"
#include "tarnwick/error.h"
#include "tarnwick/sql_select.h"

namespace Tarnwick {
namespace {

using ::testing::ElementsAre;
using testing::Emulator;
using namespace OvWrapper;

constexpr char kGuid[] = "4493b532-0cc3-45ee-be8c-1de7b9a7bad4";

class ConfigurationTablesTest : public ::testing::Test {
 protected:
  void SetUp() override { Emulator::Reset(); }
  void TearDown() override {
    EXPECT_EQ(Emulator::OpenDataBufferCount(), 0) << "a data buffer was not freed";
    EXPECT_EQ(Emulator::InvalidFreeCount(), 0);
  }

  static int32_t Count(const std::u16string& sql) {
    DataTable table = CreateDataTableFromSQLSelect(u"select count(*) from " + sql);
    return table.RowCount() == 1 ? table.Get<int32_t>(0, 0).value_or(-1) : -1;
  }
};

TEST_F(ConfigurationTablesTest, DefaultsWhenNothingIsStored) {
  EXPECT_EQ(GetOvStringSetting(1), std::nullopt);
  EXPECT_EQ(GetOvNumericSetting(1), 0);
  EXPECT_EQ(GetNonStandardUserStringSettingByUser(5, 1), u"");
  EXPECT_EQ(GetNonStandardUserNumericSettingByUser(5, 1), -1);
}

TEST_F(ConfigurationTablesTest, IntegersAndTextsRoundTrip) {
  const int32_t kNumbers[] = {0, 42, -7, INT32_MIN, INT32_MAX};
  for (int32_t value : kNumbers) {
    ASSERT_TRUE(SetOvNumericSetting(11, value));
    EXPECT_EQ(GetOvNumericSetting(11), value);
    ASSERT_TRUE(SetNonStandardUserNumericSettingByUser(5, 11, value));
    EXPECT_EQ(GetNonStandardUserNumericSettingByUser(5, 11), value);
  }
  for (std::u16string_view text : {u"", u"plain", u"https://intranet/launch.htm?a=1&b=2"}) {
    ASSERT_TRUE(SetOvStringSetting(12, text));
    EXPECT_EQ(GetOvStringSetting(12), text);
    ASSERT_TRUE(SetNonStandardUserStringSettingByUser(5, 12, text));
    EXPECT_EQ(GetNonStandardUserStringSettingByUser(5, 12), text);
  }
  EXPECT_EQ(Count(u"dms_gcfg"), 2);
  EXPECT_EQ(Count(u"dms_ucfg"), 2);
}

TEST_F(ConfigurationTablesTest, AWriteReplacesTheRow) {
  ASSERT_TRUE(SetOvStringSetting(3, u"first"));
  ASSERT_TRUE(SetOvStringSetting(3, u"second"));
  EXPECT_EQ(GetOvStringSetting(3), u"second");
  EXPECT_EQ(Count(u"dms_gcfg where o_paramno = 3"), 1);

  // A number written over a text leaves no text (the insert names no o_textval).
  ASSERT_TRUE(SetOvNumericSetting(3, 8));
  EXPECT_EQ(GetOvStringSetting(3), std::nullopt);
  EXPECT_EQ(GetOvNumericSetting(3), 8);

  // Per user, a text and a number of one parameter share one row.
  ASSERT_TRUE(SetNonStandardUserStringSettingByUser(5, 1, u"text"));
  EXPECT_EQ(GetNonStandardUserNumericSettingByUser(5, 1), 0) << "a text write stores 0";
  ASSERT_TRUE(SetNonStandardUserNumericSettingByUser(5, 1, 9));
  EXPECT_EQ(GetNonStandardUserStringSettingByUser(5, 1), u"");
  EXPECT_EQ(GetNonStandardUserNumericSettingByUser(5, 1), 9);
  EXPECT_EQ(Count(u"dms_ucfg"), 1);
}

TEST_F(ConfigurationTablesTest, PerUserValuesStayWithTheirUser) {
  ASSERT_TRUE(SetNonStandardUserStringSettingByUser(5, 1, u"five"));
  ASSERT_TRUE(SetNonStandardUserStringSettingByUser(6, 1, u"six"));
  ASSERT_TRUE(SetNonStandardUserNumericSettingByUser(6, 2, 62));
  ASSERT_TRUE(SetNonStandardUserStringSettingByUser(5, 1, u"five again"));
  EXPECT_EQ(GetNonStandardUserStringSettingByUser(5, 1), u"five again");
  EXPECT_EQ(GetNonStandardUserStringSettingByUser(6, 1), u"six");
  EXPECT_EQ(GetNonStandardUserNumericSettingByUser(5, 2), -1);
  EXPECT_EQ(GetNonStandardUserNumericSettingByUser(6, 2), 62);
  EXPECT_EQ(GetOvStringSetting(1), std::nullopt) << "per-user values are not data-source-wide";
}

TEST_F(ConfigurationTablesTest, TextsAreStoredExactlyAndNothingInThemRuns) {
  const std::u16string kTexts[] = {
      u"O'Brien", u"'; drop table dms_gcfg; --",  u"'); delete from dms_ucfg; --",
      u"''",      u"Ünterwasser 🌊 日本語 \u00a0", u"back\\slash \"quoted\" %_",
  };
  int32_t parameter = 100;
  for (const std::u16string& text : kTexts) {
    ++parameter;
    ASSERT_TRUE(SetNonStandardUserStringSettingByUser(5, parameter, text));
    ASSERT_TRUE(SetOvStringSetting(parameter, text));
    EXPECT_EQ(GetOvStringSetting(parameter), text);
    EXPECT_EQ(GetNonStandardUserStringSettingByUser(5, parameter), text);
  }
  EXPECT_EQ(Count(u"dms_gcfg"), 6) << "the table is intact and holds one row per value";
  EXPECT_EQ(Count(u"dms_ucfg"), 6);

  // A text without quotes goes into the statement as it is; a quote is doubled.
  Emulator::ClearCallLog();
  ASSERT_TRUE(SetOvStringSetting(7, u"O'Brien"));
  EXPECT_EQ(Emulator::CallsOf("qxApi_ExecuteSqlStatement").back(),
            std::string("qxApi_ExecuteSqlStatement(insert into v_dms_gcfg(o_compguid, o_paramno, "
                        "o_intval, o_textval) values ('") +
                kGuid + "', 7, 0, 'O''Brien'))");
}

TEST_F(ConfigurationTablesTest, SendsTheStatementsAsWritten) {
  const std::string g = kGuid;
  const std::string createG =
      "qxApi_ExecuteSqlStatement(create view v_dms_gcfg as select * from dms_gcfg)";
  const std::string deleteG =
      "qxApi_ExecuteSqlStatement(delete from v_dms_gcfg where o_compguid = '" + g +
      "' and o_paramno = 7)";
  Emulator::ClearCallLog();
  SetOvStringSetting(7, u"abc");
  SetOvNumericSetting(7, -5);
  GetOvStringSetting(7);
  GetOvNumericSetting(7);
  EXPECT_THAT(Emulator::CallLog(),
              ::testing::IsSupersetOf({
                  createG,
                  deleteG,
                  "qxApi_ExecuteSqlStatement(insert into v_dms_gcfg(o_compguid, o_paramno, "
                  "o_intval, o_textval) values ('" +
                      g + "', 7, 0, 'abc'))",
                  "qxApi_ExecuteSqlStatement(insert into v_dms_gcfg(o_compguid, o_paramno, "
                  "o_intval) values ('" +
                      g + "', 7, -5))",
                  "qxApi_SqlSelectDataBuffer(select o_textval from dms_gcfg where o_compguid = '" +
                      g + "' and o_paramno = 7, 0)",
                  "qxApi_SqlSelectDataBuffer(select o_intval from dms_gcfg where o_compguid = '" +
                      g + "' and o_paramno = 7, 0)",
              }));
  EXPECT_EQ(Emulator::CallsOf("qxApi_ExecuteSqlStatement").size(), 6u);

  Emulator::ClearCallLog();
  SetNonStandardUserStringSettingByUser(5, -1, u"abc");
  SetNonStandardUserNumericSettingByUser(5, -1, 3);
  GetNonStandardUserStringSettingByUser(5, -1);
  GetNonStandardUserNumericSettingByUser(5, -1);
  const std::string createU =
      "qxApi_ExecuteSqlStatement(create view v_dms_ucfg as select * from dms_ucfg)";
  const std::string deleteU =
      "qxApi_ExecuteSqlStatement(delete from v_dms_ucfg where o_userno = 5 and o_paramno = -1)";
  EXPECT_THAT(
      Emulator::CallsOf("qxApi_ExecuteSqlStatement"),
      ElementsAre(
          createU, deleteU,
          "qxApi_ExecuteSqlStatement(insert into v_dms_ucfg (o_userno, o_paramno, o_intval, "
          "o_textval, o_compguid) values (5,-1,0,'abc','00000000-0000-0000-0000-000000000000'))",
          createU, deleteU,
          "qxApi_ExecuteSqlStatement(insert into v_dms_ucfg (o_userno, o_paramno, o_intval, "
          "o_textval, o_compguid) values (5,-1,3,'','00000000-0000-0000-0000-000000000000'))"));
  EXPECT_THAT(Emulator::CallsOf("qxApi_SqlSelect"),
              ElementsAre("qxApi_SqlSelect(select o_textval from v_dms_ucfg where o_userno = 5 and "
                          "o_paramno = -1, 0)",
                          "qxApi_SqlSelect(select o_intval from v_dms_ucfg where o_userno = 5 and "
                          "o_paramno = -1, 0)"));
}

TEST_F(ConfigurationTablesTest, StoredRowsAndTheMissingPerUserView) {
  ASSERT_TRUE(Emulator::LoadFixture(std::string(R"({"datasource": "ds", "tables": [
      {"name": "dms_gcfg", "rows": [[")") +
                                    kGuid + R"(", 2, 17, "seventeen"],
                                    ["00000000-0000-0000-0000-000000000001", 4, 99, "other"],
                                    [")" +
                                    kGuid + R"(", 5, null, null]]},
      {"name": "dms_ucfg", "rows": [[5, 1, 42, "x", null], [5, 2, null, null, null]]}]})"));
  EXPECT_EQ(GetOvNumericSetting(2), 17);
  EXPECT_EQ(GetOvStringSetting(2), u"seventeen");
  EXPECT_EQ(GetOvNumericSetting(4), 0) << "another component's value";
  EXPECT_EQ(GetOvStringSetting(5), std::nullopt) << "a NULL text reads as absent";
  EXPECT_EQ(GetOvNumericSetting(5), 0);

  // Rows exist, but per-user reads go through v_dms_ucfg, which the first per-user write makes.
  EXPECT_EQ(GetNonStandardUserNumericSettingByUser(5, 1), -1);
  EXPECT_EQ(GetNonStandardUserStringSettingByUser(5, 1), u"");
  ASSERT_TRUE(SetNonStandardUserNumericSettingByUser(6, 1, 1));
  EXPECT_EQ(GetNonStandardUserNumericSettingByUser(5, 1), 42);
  EXPECT_EQ(GetNonStandardUserStringSettingByUser(5, 1), u"x");
  EXPECT_EQ(GetNonStandardUserStringSettingByUser(5, 2), u"") << "a NULL text reads as empty";
  EXPECT_THROW(GetNonStandardUserNumericSettingByUser(5, 2), FormatError)
      << "a stored row without a number is an error, not a default";
}

TEST_F(ConfigurationTablesTest, HostFailuresGiveTheDefaultsAndFalse) {
  ASSERT_TRUE(SetOvStringSetting(1, u"kept"));
  Emulator::ReturnNullText("qxApi_SqlSelectDataBufGetValue");
  EXPECT_EQ(GetOvStringSetting(1), std::nullopt);
  EXPECT_EQ(GetOvNumericSetting(1), 0);
  Emulator::ReturnNullText("qxApi_SqlSelectDataBufGetValue", false);
  Emulator::FailFunction("qxApi_SqlSelectDataBuffer");
  EXPECT_EQ(GetOvStringSetting(1), std::nullopt) << "no buffer, nothing freed";

  Emulator::FailFunction("qxApi_ExecuteSqlStatement");
  EXPECT_FALSE(SetOvStringSetting(1, u"new"));
  EXPECT_FALSE(SetNonStandardUserNumericSettingByUser(5, 1, 1));
  Emulator::FailFunction("qxApi_ExecuteSqlStatement", false);
  Emulator::FailFunction("qxApi_SqlSelectDataBuffer", false);
  EXPECT_EQ(GetOvStringSetting(1), u"kept");

  // No host text can carry U+0000: such a value is refused before anything runs.
  Emulator::ClearCallLog();
  EXPECT_FALSE(SetOvStringSetting(1, std::u16string(u"a\0b", 3)));
  EXPECT_FALSE(SetNonStandardUserStringSettingByUser(5, 1, std::u16string(u"a\0b", 3)));
  EXPECT_TRUE(Emulator::CallLog().empty());
  EXPECT_EQ(GetOvStringSetting(1), u"kept");
}

}  // namespace
}  // namespace Tarnwick
