// The in-memory table: column-wise typed storage, text in a character pool per column, and a
// hash index over the primary-key column.
#include "tarnwick/data_table.h"

#include <algorithm>
#include <cstring>
#include <limits>
#include <stdexcept>
#include <type_traits>

#include "platform/text.h"
#include "tarnwick/error.h"

namespace Tarnwick {
namespace {

// A text cell: its characters in the column's pool.
struct TextSpan {
  uint32_t offset;
  uint32_t length;
};

struct TextValues {
  std::u16string pool;
  std::vector<TextSpan> spans;
};

using ValueStore = std::variant<TextValues, std::vector<DateTime>, std::vector<bool>,
                                std::vector<Guid>, std::vector<int32_t>, std::vector<uint64_t>,
                                std::vector<double>, std::vector<int64_t>>;
static_assert(std::variant_size_v<ValueStore> == std::variant_size_v<DataValue>);

template <size_t... I>
ValueStore MakeStore(DataType type, std::index_sequence<I...>) {
  ValueStore store;
  ((size_t(type) == I ? (store.emplace<I>(), true) : false) || ...);
  return store;
}

std::u16string_view TextAt(const TextValues& values, size_t row) {
  const TextSpan& span = values.spans[row];
  return std::u16string_view(values.pool).substr(span.offset, span.length);
}

TextSpan AppendText(TextValues& values, std::u16string_view text) {
  constexpr size_t kLimit = std::numeric_limits<uint32_t>::max();
  if (text.size() > kLimit - values.pool.size()) {
    throw DataTableError("One column cannot hold more than 4294967295 characters of text.");
  }
  size_t needed = values.pool.size() + text.size();
  size_t rows = values.spans.size();
  if (needed > values.pool.capacity() && values.spans.capacity() > rows &&
      (rows >= 1024 || rows * 16 >= values.spans.capacity())) {
    // Rows are reserved: grow once to what they will likely need, judged by the texts so far,
    // instead of doubling (each step copies the pool and touches fresh pages). A guess that
    // cannot be had leaves the pool to grow as it would.
    size_t expected =
        size_t(std::min<uint64_t>(kLimit, uint64_t(needed / rows) * values.spans.capacity()));
    try {
      values.pool.reserve(std::max(needed, expected + std::min(expected / 8, kLimit - expected)));
    } catch (const std::exception&) {  // bad_alloc, or length_error beyond max_size()
    }
  }
  TextSpan span{uint32_t(values.pool.size()), uint32_t(text.size())};
  values.pool.append(text);
  return span;
}

// Calls f with the cell's value (a u16string_view for text) whether or not it has one.
template <typename F>
decltype(auto) VisitStored(const ValueStore& store, size_t row, F&& f) {
  return std::visit(
      [&](const auto& values) -> decltype(auto) {
        if constexpr (std::is_same_v<std::decay_t<decltype(values)>, TextValues>) {
          return f(TextAt(values, row));
        } else {
          return f(values[row]);
        }
      },
      store);
}

size_t HashOf(std::u16string_view text) {
  return std::hash<std::u16string_view>{}(text);
}
size_t HashOf(const std::u16string& text) {
  return HashOf(std::u16string_view(text));
}
size_t HashOf(const DateTime& value) {
  return std::hash<int64_t>{}(value.time_since_epoch().count());
}
size_t HashOf(const Guid& guid) {
  uint64_t halves[2];
  std::memcpy(halves, &guid, sizeof halves);
  return std::hash<uint64_t>{}(halves[0] * 0x9E3779B97F4A7C15ull ^ halves[1]);
}
template <typename T>
size_t HashOf(const T& value) requires std::is_arithmetic_v<T> {
  return std::hash<T>{}(value);
}

size_t HashOf(const DataValue& value) {
  return std::visit([](const auto& v) { return HashOf(v); }, value);
}

// Letter case folded for column names: ASCII, Latin-1, Latin Extended-A, Greek and Cyrillic,
// the same on every platform and under every locale.
char16_t FoldCase(char16_t c) {
  if (c < 0x80) return c >= u'A' && c <= u'Z' ? char16_t(c + 32) : c;
  if ((c >= 0xC0 && c <= 0xDE && c != 0xD7) || (c >= 0x391 && c <= 0x3AB && c != 0x3A2) ||
      (c >= 0x410 && c <= 0x42F)) {
    return char16_t(c + 32);
  }
  if (c >= 0x400 && c <= 0x40F) return char16_t(c + 80);
  if (c >= 0x100 && c <= 0x17F && c != 0x130 && c != 0x131 && c != 0x138 && c != 0x149 &&
      c != 0x17F) {
    // Pairs of capital and small letter: even-odd up to U+0137, odd-even from U+0139 to
    // U+0148, even-odd again from U+014A; U+0178 (Ÿ) pairs with U+00FF.
    if (c == 0x178) return 0xFF;
    bool oddCapitals = (c >= 0x139 && c <= 0x148) || (c >= 0x179 && c <= 0x17E);
    bool capital = (c % 2 == 1) == oddCapitals;
    return capital ? char16_t(c + 1) : c;
  }
  return c;
}

bool CaselessEquals(std::u16string_view a, std::u16string_view b) {
  if (a.size() != b.size()) return false;
  for (size_t i = 0; i < a.size(); ++i) {
    if (a[i] != b[i] && FoldCase(a[i]) != FoldCase(b[i])) return false;
  }
  return true;
}

std::string Quoted(std::u16string_view name) {
  return "'" + platform::ToUtf8(name) + "'";
}

}  // namespace

std::u16string_view DataTypeName(DataType type) {
  static constexpr std::u16string_view kNames[] = {u"text",  u"date-time", u"boolean", u"guid",
                                                   u"int32", u"uint64",    u"double",  u"int64"};
  return kNames[size_t(type)];
}

struct DataTable::ColumnStore {
  explicit ColumnStore(DataType type)
      : values(MakeStore(type, std::make_index_sequence<std::variant_size_v<ValueStore>>())) {}

  void Append(const std::optional<DataValue>& value) {
    std::visit(
        [&](auto& values) {
          using Values = std::decay_t<decltype(values)>;
          if constexpr (std::is_same_v<Values, TextValues>) {
            values.spans.push_back(value ? AppendText(values, std::get<std::u16string>(*value))
                                         : TextSpan{0, 0});
          } else {
            using T = typename Values::value_type;
            values.push_back(value ? std::get<T>(*value) : T{});
          }
        },
        values);
    present.push_back(value.has_value());
  }

  void Assign(size_t row, const std::optional<DataValue>& value) {
    std::visit(
        [&](auto& values) {
          using Values = std::decay_t<decltype(values)>;
          if constexpr (std::is_same_v<Values, TextValues>) {
            values.spans[row] =
                value ? AppendText(values, std::get<std::u16string>(*value)) : TextSpan{0, 0};
          } else {
            using T = typename Values::value_type;
            values[row] = value ? std::get<T>(*value) : T{};
          }
        },
        values);
    present[row] = value.has_value();
  }

  void Resize(size_t rows) {
    std::visit(
        [&](auto& values) {
          if constexpr (std::is_same_v<std::decay_t<decltype(values)>, TextValues>) {
            values.spans.resize(rows, TextSpan{0, 0});
          } else {
            values.resize(rows);
          }
        },
        values);
    present.resize(rows, false);
  }

  void Reserve(size_t rows) {
    std::visit(
        [&](auto& values) {
          if constexpr (std::is_same_v<std::decay_t<decltype(values)>, TextValues>) {
            values.spans.reserve(rows);
          } else {
            values.reserve(rows);
          }
        },
        values);
    present.reserve(rows);
  }

  void ShrinkToFit() {
    std::visit(
        [&](auto& values) {
          if constexpr (std::is_same_v<std::decay_t<decltype(values)>, TextValues>) {
            values.pool.shrink_to_fit();
            values.spans.shrink_to_fit();
          } else {
            values.shrink_to_fit();
          }
        },
        values);
    present.shrink_to_fit();
  }

  std::optional<DataValue> Get(size_t row) const {
    if (!present[row]) return std::nullopt;
    return VisitStored(values, row, [](const auto& value) -> DataValue {
      if constexpr (std::is_same_v<std::decay_t<decltype(value)>, std::u16string_view>) {
        return DataValue(std::in_place_type<std::u16string>, value);
      } else {
        return DataValue(value);
      }
    });
  }

  bool Equals(size_t row, const DataValue& probe) const {
    return present[row] && VisitStored(values, row, [&](const auto& value) {
             using T = std::decay_t<decltype(value)>;
             if constexpr (std::is_same_v<T, std::u16string_view>) {
               return std::get<std::u16string>(probe) == value;
             } else {
               return std::get<T>(probe) == value;
             }
           });
  }

  size_t Hash(size_t row) const {
    return VisitStored(values, row, [](const auto& value) { return HashOf(value); });
  }

  std::vector<bool> present;
  ValueStore values;
};

DataTable::DataTable() = default;
DataTable::DataTable(std::u16string name) : name_(std::move(name)) {}
DataTable::DataTable(const DataTable&) = default;
DataTable::DataTable(DataTable&&) noexcept = default;
DataTable& DataTable::operator=(const DataTable&) = default;
DataTable& DataTable::operator=(DataTable&&) noexcept = default;
DataTable::~DataTable() = default;

size_t DataTable::AddColumn(DataColumn column) {
  for (const DataColumn& existing : columns_) {
    if (existing.name == column.name) {
      throw DuplicateNameError("A column named " + Quoted(column.name) +
                               " already belongs to this table.");
    }
  }
  ColumnStore store(column.type);
  store.Resize(rows_);
  stores_.reserve(stores_.size() + 1);
  columns_.push_back(std::move(column));
  stores_.push_back(std::move(store));
  return columns_.size() - 1;
}

const DataColumn& DataTable::Column(size_t index) const {
  if (index >= columns_.size()) {
    throw DataTableError("Column " + std::to_string(index) + " does not exist.");
  }
  return columns_[index];
}

std::optional<size_t> DataTable::FindColumn(std::u16string_view name) const {
  std::optional<size_t> caseless;
  bool ambiguous = false;
  for (size_t i = 0; i < columns_.size(); ++i) {
    if (columns_[i].name == name) return i;
    if (CaselessEquals(columns_[i].name, name)) {
      ambiguous = caseless.has_value();
      caseless = i;
    }
  }
  return ambiguous ? std::nullopt : caseless;
}

size_t DataTable::ColumnIndex(std::u16string_view name) const {
  if (std::optional<size_t> index = FindColumn(name)) return *index;
  throw DataTableError("Column " + Quoted(name) + " does not belong to table " + Quoted(name_) +
                       ".");
}

void DataTable::SetPrimaryKey(std::u16string_view columnName) {
  size_t column = ColumnIndex(columnName);
  std::unordered_multimap<size_t, uint32_t> index;
  index.reserve(rows_);
  const ColumnStore& store = stores_[column];
  for (size_t row = 0; row < rows_; ++row) {
    if (!store.present[row]) {
      throw MissingKeyError("Column " + Quoted(columns_[column].name) + " does not allow nulls.");
    }
    size_t hash = store.Hash(row);
    auto [first, last] = index.equal_range(hash);
    for (auto it = first; it != last; ++it) {
      if (*store.Get(it->second) == *store.Get(row)) {
        throw DuplicateKeyError("Column " + Quoted(columns_[column].name) +
                                " holds a value more than once.");
      }
    }
    index.emplace(hash, uint32_t(row));
  }
  key_ = column;
  keyIndex_ = std::move(index);
}

std::optional<size_t> DataTable::FindRow(const DataValue& key) const {
  if (!key_ || key.index() != size_t(columns_[*key_].type)) return std::nullopt;
  auto [first, last] = keyIndex_.equal_range(HashOf(key));
  for (auto it = first; it != last; ++it) {
    if (stores_[*key_].Equals(it->second, key)) return it->second;
  }
  return std::nullopt;
}

void DataTable::CheckValue(size_t column, const std::optional<DataValue>& value) const {
  const DataColumn& target = Column(column);
  if (value && value->index() != size_t(target.type)) {
    throw DataTableError("Column " + Quoted(target.name) + " holds " +
                         platform::ToUtf8(DataTypeName(target.type)) + " values, not " +
                         platform::ToUtf8(DataTypeName(DataType(value->index()))) + ".");
  }
}

void DataTable::CheckKey(const std::optional<DataValue>& value,
                         std::optional<size_t> exceptRow) const {
  const std::u16string& name = columns_[*key_].name;
  if (!value) throw MissingKeyError("Column " + Quoted(name) + " does not allow nulls.");
  std::optional<size_t> holder = FindRow(*value);
  if (holder && holder != exceptRow) {
    throw DuplicateKeyError("Column " + Quoted(name) + " is constrained to be unique. Value " +
                            (value->index() == 0
                                 ? Quoted(std::get<std::u16string>(*value))
                                 : std::string("at row ") + std::to_string(*holder + 1)) +
                            " is already present.");
  }
}

size_t DataTable::AddRow(const DataRow& row) {
  if (row.size() != columns_.size()) {
    throw DataTableError("The row has " + std::to_string(row.size()) + " cells for " +
                         std::to_string(columns_.size()) + " columns.");
  }
  for (size_t c = 0; c < columns_.size(); ++c) CheckValue(c, row[c]);
  if (key_) CheckKey(row[*key_], std::nullopt);
  if (rows_ >= std::numeric_limits<uint32_t>::max()) {
    throw DataTableError("The table holds the most rows it can.");
  }

  try {
    for (size_t c = 0; c < columns_.size(); ++c) stores_[c].Append(row[c]);
    if (key_) keyIndex_.emplace(HashOf(*row[*key_]), uint32_t(rows_));
  } catch (...) {
    for (ColumnStore& store : stores_) store.Resize(rows_);
    throw;
  }
  return rows_++;
}

void DataTable::Reserve(size_t rows) {
  for (ColumnStore& store : stores_) store.Reserve(rows);
  if (key_) keyIndex_.reserve(rows);
}

void DataTable::ShrinkToFit() {
  for (ColumnStore& store : stores_) store.ShrinkToFit();
}

void DataTable::CheckCell(size_t row, size_t column) const {
  Column(column);
  if (row >= rows_)
    throw DataTableError("There is no row at position " + std::to_string(row) + ".");
}

bool DataTable::HasValue(size_t row, size_t column) const {
  CheckCell(row, column);
  return stores_[column].present[row];
}

std::optional<DataValue> DataTable::Value(size_t row, size_t column) const {
  CheckCell(row, column);
  return stores_[column].Get(row);
}

template <typename T>
std::optional<T> DataTable::Get(size_t row, size_t column) const {
  CheckCell(row, column);
  constexpr DataType type = DataTypeOf<T>;
  if (columns_[column].type != type) {
    throw DataTableError("Column " + Quoted(columns_[column].name) + " holds " +
                         platform::ToUtf8(DataTypeName(columns_[column].type)) + " values, not " +
                         platform::ToUtf8(DataTypeName(type)) + ".");
  }
  const ColumnStore& store = stores_[column];
  if (!store.present[row]) return std::nullopt;
  if constexpr (type == DataType::Text) {
    return std::u16string(TextAt(std::get<TextValues>(store.values), row));
  } else {
    return T(std::get<std::vector<T>>(store.values)[row]);
  }
}

template std::optional<std::u16string> DataTable::Get(size_t, size_t) const;
template std::optional<DateTime> DataTable::Get(size_t, size_t) const;
template std::optional<bool> DataTable::Get(size_t, size_t) const;
template std::optional<Guid> DataTable::Get(size_t, size_t) const;
template std::optional<int32_t> DataTable::Get(size_t, size_t) const;
template std::optional<uint64_t> DataTable::Get(size_t, size_t) const;
template std::optional<double> DataTable::Get(size_t, size_t) const;
template std::optional<int64_t> DataTable::Get(size_t, size_t) const;

std::optional<std::u16string_view> DataTable::TextView(size_t row, size_t column) const {
  CheckCell(row, column);
  if (columns_[column].type != DataType::Text) {
    throw DataTableError("Column " + Quoted(columns_[column].name) + " holds no text.");
  }
  if (!stores_[column].present[row]) return std::nullopt;
  return TextAt(std::get<TextValues>(stores_[column].values), row);
}

void DataTable::Set(size_t row, size_t column, std::optional<DataValue> value) {
  CheckCell(row, column);
  CheckValue(column, value);
  if (key_ && column == *key_) {
    CheckKey(value, row);
    // The new index entry first: if anything fails, the table is as it was.
    size_t oldHash = KeyHash(row);
    auto added = keyIndex_.emplace(HashOf(*value), uint32_t(row));
    try {
      stores_[column].Assign(row, value);
    } catch (...) {
      keyIndex_.erase(added);
      throw;
    }
    auto [first, last] = keyIndex_.equal_range(oldHash);
    for (auto it = first; it != last; ++it) {
      if (it != added && it->second == row) {
        keyIndex_.erase(it);
        break;
      }
    }
    return;
  }
  stores_[column].Assign(row, value);
}

size_t DataTable::KeyHash(size_t row) const {
  return stores_[*key_].Hash(row);
}

}  // namespace Tarnwick
