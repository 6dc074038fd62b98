// Enumerations of the Orvane client API, nested in OvWrapper under the host's names.
#pragma once

#include <cstdint>

namespace Tarnwick::OvWrapper {

// Properties of a document row in the current selection or a data buffer.
enum class DocumentProperty : int32_t {
  Name = 20,
};

// Properties of a folder (project) row in the current selection.
enum class ProjectProperty : int32_t {
  Name = 12,
};

// SQL selects.

// Column descriptions of a SQL select, read per column.
enum class SqlSelectProperties : int32_t {
  SQLSELECT_COLUMN_TYPE = 1,
  SQLSELECT_COLUMN_NATIVE_TYPE = 2,
  SQLSELECT_COLUMN_LENGTH = 3,
  SQLSELECT_COLUMN_NAME = 4,
};

// The host's own type of a SQL select column.
enum class SQLSelectOvTypes : int32_t {
  Long = 24,
  String = 12,
  Double = 7,
  Guid = 21,
  Short = 4,
  Integer = 3,
  SQLReal = 6,
};

// The database's type of a SQL select column.
enum class SQLSelectDBColumnTypes : int32_t {
  SQLUnknown = 0,
  SQLNumeric = 1,
  OracleNumber = 2,
  SQLDecimal = 2,
  SQLInteger = 3,
  SQLSmallInt = 4,
  SQLFloat = 5,
  SQLReal = 6,
  SQLDouble = 7,
  SQLDateTime = 8,
  Char = 9,
  SQLChar = 9,
  VarChar = 10,
  SQLVarChar = 10,
  SQLLongVarChar = 11,
  WChar = 12,
  SQLWChar = 12,
  VarWChar = 13,
  SQLVarWChar = 13,
  SQLLongVarWChar = 14,
  SQLDate = 15,
  SQLTime = 16,
  DateTime = 17,
  SQLTimeStamp = 17,
  SQLBinary = 18,
  SQLVarBinary = 19,
  SQLLongVarBinary = 20,
  SQLGuid = 21,
  SQLBoolean = 22,
  SQLBit = 22,
  SQLBigInt = 23,
  SQL_C_SBigInt = 24,
  SQL_C_UBigInt = 25,
  SQLTinyInt = 26,
  SQL_C_TimeSpan = 27,
};

}  // namespace Tarnwick::OvWrapper
