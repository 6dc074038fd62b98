// The in-memory table that the toolkit's SQL selects and searches return: a name, ordered
// columns of one value type each, rows whose cells may be without value, and an optional
// one-column primary key.
//
//   DataTable table(u"Staff");
//   table.AddColumn({u"Id", DataType::Int32});
//   table.AddColumn({u"Name", DataType::Text});
//   table.SetPrimaryKey(u"Id");
//   DataRow row = table.NewRow();
//   row.Set(0, int32_t{7});
//   row.Set(1, std::u16string(u"Ann"));
//   table.AddRow(row);                                    // a second 7: DuplicateKeyError
//   table.Get<std::u16string>(0, table.ColumnIndex(u"name"));  // u"Ann"
//
// Guarantees:
// - A column is found by its exact name, else by the one name that matches it ignoring letter
//   case (several such names and no exact one: not found).
// - With a primary key, AddRow and Set refuse a missing key (MissingKeyError) and a repeated
//   one (DuplicateKeyError), and a refused change leaves the table as it was. A value of
//   another type than its column's is refused with DataTableError.
// - Cells are kept column by column in their own types, text in one character pool per column,
//   so a row costs little more than its values.
//
// Not provided: removing rows or columns, sorting, or locking (one thread at a time). A text
// cell that is overwritten keeps its old characters in the pool until the table is dropped.
#pragma once

#include <chrono>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <type_traits>
#include <unordered_map>
#include <variant>
#include <vector>

#include "tarnwick/guid.h"

namespace Tarnwick {

// The value types of a column; each names the alternative of DataValue at the same index.
enum class DataType : uint8_t { Text, DateTime, Boolean, Guid, Int32, UInt64, Double, Int64 };

// A calendar date and time of day, without time zone, in ticks of 100 nanoseconds.
using DateTimeTicks = std::chrono::duration<int64_t, std::ratio<1, 10'000'000>>;
using DateTime = std::chrono::local_time<DateTimeTicks>;

using DataValue =
    std::variant<std::u16string, DateTime, bool, Guid, int32_t, uint64_t, double, int64_t>;

// The C++ type of the values of a DataType: ValueTypeOf<DataType::Int32> is int32_t.
template <DataType type>
using ValueTypeOf = std::variant_alternative_t<size_t(type), DataValue>;

namespace detail {
template <typename T, typename Variant>
struct AlternativeIndex;
template <typename T, typename... Ts>
struct AlternativeIndex<T, std::variant<Ts...>> {
  static constexpr size_t value = [] {
    size_t index = 0;
    ((std::is_same_v<T, Ts> ? false : (++index, true)) && ...);
    return index;
  }();
  static_assert(value < sizeof...(Ts), "not a DataValue type");
};
}  // namespace detail

// The DataType whose values have the C++ type T: DataTypeOf<int32_t> is DataType::Int32.
template <typename T>
constexpr DataType DataTypeOf = DataType(detail::AlternativeIndex<T, DataValue>::value);

// "text", "date-time", "boolean", "guid", "int32", "uint64", "double", "int64".
std::u16string_view DataTypeName(DataType type);

struct DataColumn {
  std::u16string name;
  DataType type = DataType::Text;
};

// A row being built for DataTable::AddRow: one cell per column of the table that made it,
// each without value until set. AddRow copies the cells, so one DataRow can build many rows.
class DataRow {
 public:
  DataRow() = default;
  explicit DataRow(size_t columns) : cells_(columns) {}

  size_t size() const { return cells_.size(); }
  const std::optional<DataValue>& operator[](size_t column) const { return cells_.at(column); }
  // Any value a DataValue can be made of: row.Set(0, int32_t{7}), row.Set(1, u"Ann"s).
  template <typename T>
  void Set(size_t column, T&& value) {
    cells_.at(column).emplace(std::forward<T>(value));
  }
  void Reset(size_t column) { cells_.at(column).reset(); }
  void Reset() {
    for (auto& cell : cells_) cell.reset();
  }

 private:
  std::vector<std::optional<DataValue>> cells_;
};

class DataTable {
 public:
  DataTable();
  explicit DataTable(std::u16string name);
  DataTable(const DataTable&);
  DataTable(DataTable&&) noexcept;
  DataTable& operator=(const DataTable&);
  DataTable& operator=(DataTable&&) noexcept;
  ~DataTable();

  const std::u16string& TableName() const { return name_; }
  void SetTableName(std::u16string name) { name_ = std::move(name); }

  // Columns. A column added to a table that has rows is without value in each of them.
  size_t AddColumn(DataColumn column);  // its index; DuplicateNameError for a name in use
  size_t ColumnCount() const { return columns_.size(); }
  const DataColumn& Column(size_t index) const;
  std::optional<size_t> FindColumn(std::u16string_view name) const;
  size_t ColumnIndex(std::u16string_view name) const;  // DataTableError when not found

  // The primary key: one column, found by name as FindColumn does. Setting it checks the rows
  // already in the table.
  void SetPrimaryKey(std::u16string_view columnName);
  std::optional<size_t> PrimaryKey() const { return key_; }
  // The row whose key equals key; none without a primary key.
  std::optional<size_t> FindRow(const DataValue& key) const;

  // Rows.
  size_t RowCount() const { return rows_; }
  DataRow NewRow() const { return DataRow(columns_.size()); }
  size_t AddRow(const DataRow& row);  // the new row's index
  void Reserve(size_t rows);
  void ShrinkToFit();

  // Cells.
  bool HasValue(size_t row, size_t column) const;
  std::optional<DataValue> Value(size_t row, size_t column) const;
  // The value as T, which must be the column's type (DataTableError otherwise).
  template <typename T>
  std::optional<T> Get(size_t row, size_t column) const;
  // A text cell without copying; valid until the table changes.
  std::optional<std::u16string_view> TextView(size_t row, size_t column) const;
  void Set(size_t row, size_t column, std::optional<DataValue> value);

 private:
  struct ColumnStore;  // data_table.cpp

  void CheckValue(size_t column, const std::optional<DataValue>& value) const;
  void CheckKey(const std::optional<DataValue>& value, std::optional<size_t> exceptRow) const;
  void CheckCell(size_t row, size_t column) const;
  size_t KeyHash(size_t row) const;

  std::u16string name_;
  std::vector<DataColumn> columns_;
  std::vector<ColumnStore> stores_;
  size_t rows_ = 0;
  std::optional<size_t> key_;
  // Rows by the hash of their key; a lookup compares the rows of one hash.
  std::unordered_multimap<size_t, uint32_t> keyIndex_;
};

extern template std::optional<std::u16string> DataTable::Get(size_t, size_t) const;
extern template std::optional<DateTime> DataTable::Get(size_t, size_t) const;
extern template std::optional<bool> DataTable::Get(size_t, size_t) const;
extern template std::optional<Guid> DataTable::Get(size_t, size_t) const;
extern template std::optional<int32_t> DataTable::Get(size_t, size_t) const;
extern template std::optional<uint64_t> DataTable::Get(size_t, size_t) const;
extern template std::optional<double> DataTable::Get(size_t, size_t) const;
extern template std::optional<int64_t> DataTable::Get(size_t, size_t) const;

}  // namespace Tarnwick
