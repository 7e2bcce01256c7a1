// A result set of the simulated server as COLMETADATA and ROW tokens. Each
// column gets the wire type of its SQL type: integers as INTN, bit as BITN,
// decimal and numeric as DECIMALN/NUMERICN, money as MONEYN, float and real
// as FLTN, datetime, smalldatetime and date as DATETIMN, uniqueidentifier as
// GUID, character types as NVARCHAR (nvarchar(max) as PLP when longer than
// 4000 characters), text and ntext as NTEXT, binary types as VARBINARY.
// Text always travels as UTF-16, so no code page can change a character.
#pragma once

#include <cstddef>

#include "sim/execution/relation.h"
#include "tds/wire_buffer.h"

namespace quelor::tds {

// Writes the column metadata and one ROW token per row; returns the number
// of rows. A value that cannot be brought to its column's type goes as NULL.
std::size_t WriteResultSet(WireWriter& out, const sim::Relation& relation);

}  // namespace quelor::tds
