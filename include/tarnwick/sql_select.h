// SQL selects on the data source's database, returned as in-memory tables with typed columns.
//
//   DataTable staff = OvWrapper::CreateDataTableFromSQLSelect(
//       u"select s.name, s.hired, d.title from staff s join departments d on d.id = s.dept",
//       u"Staff");
//   std::optional<DateTime> hired = staff.Get<DateTime>(0, staff.ColumnIndex(u"hired"));
//
// Each column takes the value type that the host's description of it implies (GetDataColumn),
// and each cell's text is read into that type under the current locale's conventions
// (std::locale()). A cell that cannot be read stays without value and is reported on the
// debug output; it never stops the load. A statement that the host rejects gives a table
// without columns. Needs a logged-in connection; not thread-safe (the host's current SQL
// selection is one per process, and the operation leaves it in place).
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "tarnwick/data_table.h"
#include "tarnwick/ov_enums.h"

namespace Tarnwick::OvWrapper {

// The whole result of sSQL, named sTableName when that is not empty. Two result columns of
// the same name raise DuplicateNameError; no other failure reaches the caller, except a host
// library or entry point that cannot be bound (HostBindingError).
DataTable CreateDataTableFromSQLSelect(const std::u16string& sSQL,
                                       std::u16string_view sTableName = {});

// A column named sName with the value type for the host's description: date-time for native
// type 17, boolean for 22, GUID for 21; otherwise by the host's type: text for String,
// 32-bit integer for Integer and Short, double for Double and SQLReal, 64-bit integer for
// Long; text for anything else, with a line on the debug output. iLength is not used.
DataColumn GetDataColumn(std::u16string sName, SQLSelectDBColumnTypes iNativeType,
                         SQLSelectOvTypes iOvType, int32_t iLength);

}  // namespace Tarnwick::OvWrapper
