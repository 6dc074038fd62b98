// The emulator's SQL: every datasource keeps its tables in an embedded SQLite database, and a
// SQL select keeps its whole result, as text, the way the host hands it out cell by cell.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "emulator/datasource.h"

namespace Tarnwick::Emulator {

// How the host describes a result column (SqlSelectProperties): the database's type
// (SQLSelectDBColumnTypes), the host's type (SQLSelectOvTypes), a length and the name.
struct SqlColumn {
  std::u16string name;
  int32_t nativeType = 0;
  int32_t ovType = 0;
  int32_t length = 0;
};

struct SqlResult {
  std::vector<SqlColumn> columns;
  int32_t rows = 0;
  // Every cell's text, row by row: null for an SQL NULL, else zero-terminated text in blocks.
  std::vector<const char16_t*> cells;

  // The host's text of a cell: null for SQL NULL or a position outside the result. Valid as
  // long as the result lives (until the next select, or until its data buffer is freed).
  const char16_t* Cell(int32_t row, int32_t column) const;
  const SqlColumn* Column(int32_t column) const;
  // Keeps a copy of text, zero-terminated, and gives its address.
  const char16_t* Keep(std::u16string_view text);

 private:
  std::vector<std::unique_ptr<char16_t[]>> blocks_;
  size_t blockUsed_ = 0, blockSize_ = 0;
};

// A new in-memory database with the tables every datasource has (dms_gcfg, dms_ucfg) and the
// fixture's tables; throws std::runtime_error with SQLite's reason when a table is refused.
std::shared_ptr<SqlDatabase> OpenSqlDatabase(const Datasource& datasource);

// The column description for a declared SQL type ("nvarchar(40)", "datetime", ...).
SqlColumn DescribeDeclaredType(const std::string& declaredType);

}  // namespace Tarnwick::Emulator
