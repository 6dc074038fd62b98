// The emulator's SQL on SQLite: the datasource's database, the host's SQL selects (the current
// selection and SQL data buffers, described column by column the way the host describes
// them), and statements run as a server runs a batch.
#include "emulator/host_sql.h"

#include <sqlite3.h>

#include <algorithm>
#include <cctype>
#include <charconv>
#include <cstdlib>
#include <regex>
#include <sstream>
#include <stdexcept>

#include "emulator/host_api.h"
#include "platform/text.h"

namespace Tarnwick::Emulator {

struct SqlDatabase {
  sqlite3* db = nullptr;
  SqlDatabase() = default;
  SqlDatabase(const SqlDatabase&) = delete;
  SqlDatabase& operator=(const SqlDatabase&) = delete;
  ~SqlDatabase() { sqlite3_close_v2(db); }
};

namespace {

// The emulator's error number for a statement that the database refuses.
constexpr int32_t kSqlErrorId = 3100;

// The two configuration tables that every datasource has.
constexpr const char* kBuiltInTables[] = {
    "create table dms_gcfg (o_compguid varchar(36) not null, o_paramno int not null, "
    "o_intval int, o_textval nvarchar(2000))",
    "create table dms_ucfg (o_userno int not null, o_paramno int not null, o_intval int, "
    "o_textval nvarchar(2000), o_compguid varchar(36))",
};

// SQLSelectDBColumnTypes and SQLSelectOvTypes numbers, as the host reports them.
enum NativeType : int32_t {
  kSQLUnknown = 0,
  kSQLNumeric = 1,
  kSQLDecimal = 2,
  kSQLInteger = 3,
  kSQLSmallInt = 4,
  kSQLReal = 6,
  kSQLDouble = 7,
  kSQLChar = 9,
  kSQLVarChar = 10,
  kSQLWChar = 12,
  kSQLVarWChar = 13,
  kSQLLongVarWChar = 14,
  kSQLDate = 15,
  kSQLTime = 16,
  kSQLTimeStamp = 17,
  kSQLBinary = 18,
  kSQLVarBinary = 19,
  kSQLLongVarBinary = 20,
  kSQLGuid = 21,
  kSQLBit = 22,
  kSQLBigInt = 23,
  kSQLTinyInt = 26,
};
enum OvType : int32_t {
  kOvUnknown = 0,
  kOvInteger = 3,
  kOvShort = 4,
  kOvReal = 6,
  kOvDouble = 7,
  kOvString = 12,
  kOvGuid = 21,
  kOvLong = 24,
};

class Statement {
 public:
  Statement() = default;
  Statement(const Statement&) = delete;
  Statement& operator=(const Statement&) = delete;
  ~Statement() { sqlite3_finalize(handle_); }
  sqlite3_stmt** out() { return &handle_; }
  sqlite3_stmt* get() const { return handle_; }

 private:
  sqlite3_stmt* handle_ = nullptr;
};

std::string Quote(const std::string& identifier) {
  std::string quoted = "\"";
  for (char c : identifier) quoted += c == '"' ? std::string("\"\"") : std::string(1, c);
  return quoted + "\"";
}

std::u16string ErrorText(sqlite3* db) {
  return reinterpret_cast<const char16_t*>(sqlite3_errmsg16(db));
}

void Execute(sqlite3* db, const std::string& sql) {
  char* message = nullptr;
  if (sqlite3_exec(db, sql.c_str(), nullptr, nullptr, &message) != SQLITE_OK) {
    std::string reason = message ? message : "unknown error";
    sqlite3_free(message);
    throw std::runtime_error(reason + " in: " + sql);
  }
}

void InsertFixtureRows(sqlite3* db, const SqlFixtureTable& table) {
  for (const auto& row : table.rows) {
    std::string sql = "insert into " + Quote(table.name) + " values (";
    for (size_t i = 0; i < row.size(); ++i) sql += i ? ", ?" : "?";
    sql += ")";
    Statement insert;
    if (sqlite3_prepare_v2(db, sql.c_str(), -1, insert.out(), nullptr) != SQLITE_OK) {
      throw std::runtime_error(std::string(sqlite3_errmsg(db)) + " in: " + sql);
    }
    for (size_t i = 0; i < row.size(); ++i) {
      int position = int(i + 1);
      if (const auto* number = std::get_if<int64_t>(&row[i])) {
        sqlite3_bind_int64(insert.get(), position, *number);
      } else if (const auto* real = std::get_if<double>(&row[i])) {
        sqlite3_bind_double(insert.get(), position, *real);
      } else if (const auto* text = std::get_if<std::string>(&row[i])) {
        sqlite3_bind_text(insert.get(), position, text->data(), int(text->size()),
                          SQLITE_TRANSIENT);
      } else {
        sqlite3_bind_null(insert.get(), position);
      }
    }
    if (sqlite3_step(insert.get()) != SQLITE_DONE) {
      throw std::runtime_error(std::string(sqlite3_errmsg(db)) + " in table " + table.name);
    }
  }
}

std::string Upper(std::string text) {
  for (char& c : text) c = char(std::toupper(static_cast<unsigned char>(c)));
  return text;
}

// A view over all of one table ("create view v as select * from t") takes inserts, updates
// and deletes on the host's database server. SQLite views are read-only, so each such view
// gets INSTEAD OF triggers that pass the change on to its table.
void MakeViewsUpdatable(sqlite3* db) {
  static const std::regex kWholeTableView(
      R"(^\s*create\s+(?:temp\s+|temporary\s+)?view\s+(?:if\s+not\s+exists\s+)?\S+\s+as\s+)"
      R"(select\s+\*\s+from\s+("[^"]+"|\[[^\]]+\]|`[^`]+`|[A-Za-z_][A-Za-z0-9_$]*)\s*;?\s*$)",
      std::regex::icase);
  Statement views;
  sqlite3_prepare_v2(db,
                     "select v.name, v.sql from sqlite_master v where v.type = 'view' and not "
                     "exists (select 1 from sqlite_master t where t.type = 'trigger' and "
                     "t.name = v.name || '_emulator_insert')",
                     -1, views.out(), nullptr);
  std::vector<std::pair<std::string, std::string>> pending;
  while (sqlite3_step(views.get()) == SQLITE_ROW) {
    std::string sql = reinterpret_cast<const char*>(sqlite3_column_text(views.get(), 1));
    std::smatch match;
    if (!std::regex_match(sql, match, kWholeTableView)) continue;
    std::string table = match[1].str();
    if (table.front() == '"' || table.front() == '[' || table.front() == '`') {
      table = table.substr(1, table.size() - 2);
    }
    pending.emplace_back(reinterpret_cast<const char*>(sqlite3_column_text(views.get(), 0)), table);
  }
  for (const auto& [view, table] : pending) {
    std::vector<std::string> columns;
    Statement info;
    sqlite3_prepare_v2(db, "select name from pragma_table_info(?)", -1, info.out(), nullptr);
    sqlite3_bind_text(info.get(), 1, table.c_str(), -1, SQLITE_TRANSIENT);
    while (sqlite3_step(info.get()) == SQLITE_ROW) {
      columns.push_back(reinterpret_cast<const char*>(sqlite3_column_text(info.get(), 0)));
    }
    if (columns.empty()) continue;
    std::string names, values, assignments, same;
    for (const std::string& column : columns) {
      std::string sep = names.empty() ? "" : ", ";
      names += sep + Quote(column);
      values += sep + "new." + Quote(column);
      assignments += sep + Quote(column) + " = new." + Quote(column);
      same += (same.empty() ? "" : " and ") + Quote(column) + " is old." + Quote(column);
    }
    std::string on = " on " + Quote(view) + " begin ";
    Execute(db, "create trigger " + Quote(view + "_emulator_insert") + " instead of insert" + on +
                    "insert into " + Quote(table) + " (" + names + ") values (" + values +
                    "); end");
    Execute(db, "create trigger " + Quote(view + "_emulator_delete") + " instead of delete" + on +
                    "delete from " + Quote(table) + " where " + same + "; end");
    Execute(db, "create trigger " + Quote(view + "_emulator_update") + " instead of update" + on +
                    "update " + Quote(table) + " set " + assignments + " where " + same + "; end");
  }
}

// Storage classes seen in a result column that has no declared type (an expression).
struct Seen {
  bool integer = false, wideInteger = false, real = false, text = false, blob = false;
};

SqlColumn DescribeByValues(const Seen& seen) {
  if (seen.text) return {u"", kSQLVarWChar, kOvString, 0};
  if (seen.blob) return {u"", kSQLVarBinary, kOvString, 0};
  if (seen.real) return {u"", kSQLDouble, kOvDouble, 8};
  if (seen.wideInteger) return {u"", kSQLBigInt, kOvLong, 8};
  if (seen.integer) return {u"", kSQLInteger, kOvInteger, 4};
  return {u"", kSQLUnknown, kOvString, 0};
}

const char16_t* KeepNumber(SqlResult& result, auto value) {
  char digits[64];
  auto end = std::to_chars(digits, digits + sizeof digits, value).ptr;
  char16_t text[64];
  for (const char* c = digits; c != end; ++c) text[c - digits] = char16_t(*c);
  return result.Keep(std::u16string_view(text, size_t(end - digits)));
}

// Runs one query and keeps its whole result; on failure sets the host error and gives null.
std::shared_ptr<const SqlResult> RunQuery(Host& host, const char16_t* sql, HostHandle columnBind) {
  auto fail = [&](std::u16string message) {
    host.SetHostError(kSqlErrorId, std::move(message));
    return std::shared_ptr<const SqlResult>();
  };
  if (!sql) return fail(u"No SQL statement was given.");
  if (columnBind) return fail(u"The emulator does not bind result columns to caller memory.");
  sqlite3* db = host.sqlDatabase().db;
  Statement statement;
  const void* tail = nullptr;
  if (sqlite3_prepare16_v2(db, sql, -1, statement.out(), &tail) != SQLITE_OK) {
    return fail(ErrorText(db));
  }
  if (!statement.get()) return fail(u"The SQL statement is empty.");
  // Only blanks, comments and semicolons may follow the query.
  for (const void* rest = tail; rest && *static_cast<const char16_t*>(rest);) {
    Statement next;
    const void* after = nullptr;
    if (sqlite3_prepare16_v2(db, rest, -1, next.out(), &after) != SQLITE_OK || next.get() ||
        after == rest) {
      return fail(u"A select runs exactly one statement.");
    }
    rest = after;
  }
  int columns = sqlite3_column_count(statement.get());
  if (columns == 0 || !sqlite3_stmt_readonly(statement.get())) {
    return fail(u"The statement is not a query.");
  }

  auto result = std::make_shared<SqlResult>();
  std::vector<Seen> seen(static_cast<size_t>(columns));
  int status;
  while ((status = sqlite3_step(statement.get())) == SQLITE_ROW) {
    for (int c = 0; c < columns; ++c) {
      int type = sqlite3_column_type(statement.get(), c);
      const char16_t* cell = nullptr;
      switch (type) {
        case SQLITE_NULL:
          break;
        case SQLITE_INTEGER: {
          int64_t value = sqlite3_column_int64(statement.get(), c);
          seen[size_t(c)].integer = true;
          if (value != int32_t(value)) seen[size_t(c)].wideInteger = true;
          cell = KeepNumber(*result, value);
          break;
        }
        case SQLITE_FLOAT:
          seen[size_t(c)].real = true;
          // The shortest text that reads back as the same double.
          cell = KeepNumber(*result, sqlite3_column_double(statement.get(), c));
          break;
        case SQLITE_TEXT: {
          seen[size_t(c)].text = true;
          auto text = static_cast<const char16_t*>(sqlite3_column_text16(statement.get(), c));
          cell = result->Keep(
              std::u16string_view(text, size_t(sqlite3_column_bytes16(statement.get(), c)) / 2));
          break;
        }
        default: {  // a blob: upper-case hexadecimal, as ODBC gives binary data as text
          seen[size_t(c)].blob = true;
          auto bytes = static_cast<const unsigned char*>(sqlite3_column_blob(statement.get(), c));
          std::u16string hex;
          for (int i = 0; i < sqlite3_column_bytes(statement.get(), c); ++i) {
            hex += u"0123456789ABCDEF"[bytes[i] >> 4];
            hex += u"0123456789ABCDEF"[bytes[i] & 15];
          }
          cell = result->Keep(hex);
          break;
        }
      }
      result->cells.push_back(cell);
    }
    ++result->rows;
  }
  if (status != SQLITE_DONE) return fail(ErrorText(db));

  for (int c = 0; c < columns; ++c) {
    const char* declared = sqlite3_column_decltype(statement.get(), c);
    SqlColumn column =
        declared ? DescribeDeclaredType(declared) : DescribeByValues(seen[size_t(c)]);
    auto name = static_cast<const char16_t*>(sqlite3_column_name16(statement.get(), c));
    column.name = name ? name : u"";
    result->columns.push_back(std::move(column));
  }
  return result;
}

template <typename... Args>
std::string Entry(const char* function, const Args&... args) {
  std::ostringstream text;
  text << function << '(';
  const char* separator = "";
  ((text << separator << args, separator = ", "), ...);
  text << ')';
  return text.str();
}

std::string Logged(const char16_t* text) {
  return text ? platform::ToUtf8(std::u16string_view(text)) : std::string("null");
}

// Takes the host lock and logs the call (unless logging is off) for the rest of the function.
#define SQL_CALL(function, ...)                                                  \
  Host& host = Host::Instance();                                                 \
  std::lock_guard lock(host.mutex());                                            \
  if (host.callLogging()) host.Log(Entry(#function __VA_OPT__(, ) __VA_ARGS__)); \
  [[maybe_unused]] const char* const hostFunction = #function

constexpr int32_t kColumnType = 1, kColumnNativeType = 2, kColumnLength = 3, kColumnName = 4;

int32_t NumericProperty(const SqlResult* result, int32_t property, int32_t column) {
  const SqlColumn* described = result ? result->Column(column) : nullptr;
  if (!described) return -1;
  switch (property) {
    case kColumnType:
      return described->ovType;
    case kColumnNativeType:
      return described->nativeType;
    case kColumnLength:
      return described->length;
    default:
      return -1;
  }
}

const char16_t* StringProperty(const SqlResult* result, int32_t property, int32_t column) {
  const SqlColumn* described = result ? result->Column(column) : nullptr;
  return described && property == kColumnName ? described->name.c_str() : nullptr;
}

}  // namespace

const char16_t* SqlResult::Cell(int32_t row, int32_t column) const {
  if (row < 0 || row >= rows || column < 0 || column >= int32_t(columns.size())) return nullptr;
  return cells[size_t(row) * columns.size() + size_t(column)];
}

const char16_t* SqlResult::Keep(std::u16string_view text) {
  // Blocks never move, so every kept text stays where it is for the result's life.
  constexpr size_t kBlock = 1 << 16;
  if (blocks_.empty() || blockSize_ - blockUsed_ < text.size() + 1) {
    blockSize_ = std::max(kBlock, text.size() + 1);
    blocks_.push_back(std::make_unique_for_overwrite<char16_t[]>(blockSize_));
    blockUsed_ = 0;
  }
  char16_t* kept = blocks_.back().get() + blockUsed_;
  std::copy(text.begin(), text.end(), kept);
  kept[text.size()] = u'\0';
  blockUsed_ += text.size() + 1;
  return kept;
}

const SqlColumn* SqlResult::Column(int32_t column) const {
  return column >= 0 && column < int32_t(columns.size()) ? &columns[size_t(column)] : nullptr;
}

SqlColumn DescribeDeclaredType(const std::string& declaredType) {
  std::string upper = Upper(declaredType);
  int32_t length = -1;
  size_t open = upper.find('(');
  if (open != std::string::npos) {
    length = std::atoi(upper.c_str() + open + 1);
    upper.erase(open);
  }
  // The type's words, single-spaced: "DOUBLE  PRECISION" reads as "DOUBLE PRECISION".
  std::istringstream words(upper);
  std::string base, word;
  while (words >> word) base += (base.empty() ? "" : " ") + word;

  struct Known {
    const char* name;
    int32_t nativeType, ovType, length;
  };
  static constexpr Known kKnown[] = {
      {"BIT", kSQLBit, kOvShort, 1},
      {"BOOLEAN", kSQLBit, kOvShort, 1},
      {"BOOL", kSQLBit, kOvShort, 1},
      {"UNIQUEIDENTIFIER", kSQLGuid, kOvGuid, 16},
      {"GUID", kSQLGuid, kOvGuid, 16},
      {"UUID", kSQLGuid, kOvGuid, 16},
      {"DATETIME", kSQLTimeStamp, kOvString, 23},
      {"DATETIME2", kSQLTimeStamp, kOvString, 27},
      {"SMALLDATETIME", kSQLTimeStamp, kOvString, 16},
      {"TIMESTAMP", kSQLTimeStamp, kOvString, 23},
      {"DATE", kSQLDate, kOvString, 10},
      {"TIME", kSQLTime, kOvString, 8},
      {"INT", kSQLInteger, kOvInteger, 4},
      {"INTEGER", kSQLInteger, kOvInteger, 4},
      {"SMALLINT", kSQLSmallInt, kOvShort, 2},
      {"TINYINT", kSQLTinyInt, kOvShort, 1},
      {"BIGINT", kSQLBigInt, kOvLong, 8},
      {"REAL", kSQLReal, kOvReal, 4},
      {"FLOAT", kSQLDouble, kOvDouble, 8},
      {"DOUBLE", kSQLDouble, kOvDouble, 8},
      {"DOUBLE PRECISION", kSQLDouble, kOvDouble, 8},
      {"NUMERIC", kSQLNumeric, kOvDouble, 18},
      {"DECIMAL", kSQLDecimal, kOvDouble, 18},
      {"NUMBER", kSQLDecimal, kOvDouble, 18},
      {"CHAR", kSQLChar, kOvString, 1},
      {"VARCHAR", kSQLVarChar, kOvString, 0},
      {"NCHAR", kSQLWChar, kOvString, 1},
      {"NVARCHAR", kSQLVarWChar, kOvString, 0},
      {"VARCHAR2", kSQLVarWChar, kOvString, 0},
      {"NVARCHAR2", kSQLVarWChar, kOvString, 0},
      {"TEXT", kSQLLongVarWChar, kOvString, 0},
      {"NTEXT", kSQLLongVarWChar, kOvString, 0},
      {"CLOB", kSQLLongVarWChar, kOvString, 0},
      {"BINARY", kSQLBinary, kOvString, 0},
      {"VARBINARY", kSQLVarBinary, kOvString, 0},
      {"BLOB", kSQLLongVarBinary, kOvString, 0},
      {"IMAGE", kSQLLongVarBinary, kOvString, 0},
  };
  for (const Known& known : kKnown) {
    if (base == known.name) {
      return {u"", known.nativeType, known.ovType, length >= 0 ? length : known.length};
    }
  }
  // A type the host would not know (xml, json, ...): described as unknown.
  return {u"", kSQLUnknown, kOvUnknown, length >= 0 ? length : 0};
}

std::shared_ptr<SqlDatabase> OpenSqlDatabase(const Datasource& datasource) {
  auto database = std::make_shared<SqlDatabase>();
  if (sqlite3_open(":memory:", &database->db) != SQLITE_OK) {
    throw std::runtime_error("SQLite cannot open an in-memory database");
  }
  for (const char* sql : kBuiltInTables) Execute(database->db, sql);
  for (const SqlFixtureTable& table : datasource.tables) {
    if (!table.columns.empty()) {
      std::string sql = "create table " + Quote(table.name) + " (";
      for (size_t i = 0; i < table.columns.size(); ++i) {
        sql += (i ? ", " : "") + Quote(table.columns[i].name) + " " + table.columns[i].type;
      }
      Execute(database->db, sql + ")");
    }
    InsertFixtureRows(database->db, table);
  }
  return database;
}

}  // namespace Tarnwick::Emulator

using namespace Tarnwick::Emulator;

EMU_HOSTAPI(HostBool) qxApi_ExecuteSqlStatement(const char16_t* description) {
  SQL_CALL(qxApi_ExecuteSqlStatement, Logged(description));
  if (host.Failing(hostFunction)) return 0;
  sqlite3* db = host.sqlDatabase().db;
  // Every statement of the text runs in turn, as in a server batch; the first failure ends it
  // and what ran before it stays done.
  bool ran = false;
  for (const void* next = description; next && *static_cast<const char16_t*>(next);) {
    Statement statement;
    const void* tail = nullptr;
    if (sqlite3_prepare16_v2(db, next, -1, statement.out(), &tail) != SQLITE_OK) {
      host.SetHostError(kSqlErrorId, ErrorText(db));
      return 0;
    }
    if (tail == next) break;
    next = tail;
    if (!statement.get()) continue;  // blanks or a comment
    ran = true;
    int status;
    while ((status = sqlite3_step(statement.get())) == SQLITE_ROW) {
    }
    if (status != SQLITE_DONE) {
      host.SetHostError(kSqlErrorId, ErrorText(db));
      return 0;
    }
  }
  if (!ran) {
    host.SetHostError(kSqlErrorId, u"The SQL statement is empty.");
    return 0;
  }
  MakeViewsUpdatable(db);
  return 1;
}

EMU_HOSTAPI(int32_t)
qxApi_SqlSelect(const char16_t* sqlStatement, HostHandle columnBind, int32_t* numColumnsSelected) {
  SQL_CALL(qxApi_SqlSelect, Logged(sqlStatement), columnBind);
  auto& selection = host.sqlSelection();
  selection.reset();
  if (numColumnsSelected) *numColumnsSelected = 0;
  if (host.Failing(hostFunction)) return -1;
  selection = RunQuery(host, sqlStatement, columnBind);
  if (!selection) return -1;
  if (numColumnsSelected) *numColumnsSelected = int32_t(selection->columns.size());
  return selection->rows;
}

EMU_HOSTAPI(int32_t) qxApi_SqlSelectGetNumericProperty(int32_t lPropertyId, int32_t lIdxCol) {
  SQL_CALL(qxApi_SqlSelectGetNumericProperty, lPropertyId, lIdxCol);
  if (host.Failing(hostFunction)) return -1;
  return NumericProperty(host.sqlSelection().get(), lPropertyId, lIdxCol);
}

EMU_HOSTAPI(const char16_t*)
qxApi_SqlSelectGetStringProperty(int32_t lPropertyId, int32_t lIdxCol) {
  SQL_CALL(qxApi_SqlSelectGetStringProperty, lPropertyId, lIdxCol);
  if (host.Failing(hostFunction) || host.NullText(hostFunction)) return nullptr;
  return StringProperty(host.sqlSelection().get(), lPropertyId, lIdxCol);
}

EMU_HOSTAPI(const char16_t*) qxApi_SqlSelectGetData(int32_t iRow, int32_t iColumn) {
  SQL_CALL(qxApi_SqlSelectGetData, iRow, iColumn);
  const SqlResult* selection = host.sqlSelection().get();
  if (!selection || host.Failing(hostFunction) || host.NullText(hostFunction)) return nullptr;
  return selection->Cell(iRow, iColumn);
}

EMU_HOSTAPI(HostHandle)
qxApi_SqlSelectDataBuffer(const char16_t* sqlStatement, HostHandle columnBind) {
  SQL_CALL(qxApi_SqlSelectDataBuffer, Logged(sqlStatement), columnBind);
  if (host.Failing(hostFunction)) return 0;
  std::shared_ptr<const SqlResult> result = RunQuery(host, sqlStatement, columnBind);
  return result ? host.NewSqlBuffer(std::move(result)) : 0;
}

EMU_HOSTAPI(int32_t) qxApi_SqlSelectDataBufGetColumnCount(HostHandle hDataBuffer) {
  SQL_CALL(qxApi_SqlSelectDataBufGetColumnCount, hDataBuffer);
  const SqlResult* result = host.SqlBuffer(hDataBuffer);
  if (!result || host.Failing(hostFunction)) return -1;
  return int32_t(result->columns.size());
}

EMU_HOSTAPI(int32_t)
qxApi_SqlSelectDataBufGetNumericProperty(HostHandle hDataBuffer, int32_t lPropertyId,
                                         int32_t lIdxCol) {
  SQL_CALL(qxApi_SqlSelectDataBufGetNumericProperty, hDataBuffer, lPropertyId, lIdxCol);
  if (host.Failing(hostFunction)) return -1;
  return NumericProperty(host.SqlBuffer(hDataBuffer), lPropertyId, lIdxCol);
}

EMU_HOSTAPI(const char16_t*)
qxApi_SqlSelectDataBufGetStringProperty(HostHandle hDataBuffer, int32_t lPropertyId,
                                        int32_t lIdxCol) {
  SQL_CALL(qxApi_SqlSelectDataBufGetStringProperty, hDataBuffer, lPropertyId, lIdxCol);
  if (host.Failing(hostFunction) || host.NullText(hostFunction)) return nullptr;
  return StringProperty(host.SqlBuffer(hDataBuffer), lPropertyId, lIdxCol);
}

EMU_HOSTAPI(const char16_t*)
qxApi_SqlSelectDataBufGetValue(HostHandle hDataBuffer, int32_t iRowIndex, int32_t iColumnIndex) {
  SQL_CALL(qxApi_SqlSelectDataBufGetValue, hDataBuffer, iRowIndex, iColumnIndex);
  const SqlResult* result = host.SqlBuffer(hDataBuffer);
  if (!result || host.Failing(hostFunction) || host.NullText(hostFunction)) return nullptr;
  return result->Cell(iRowIndex, iColumnIndex);
}
