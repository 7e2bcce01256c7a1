// Reading the current result set of a statement into the buffered result the
// catalogue walks: column names as the server gives them, every field as text
// (the driver converts numbers and dates), NULL kept apart from empty text.
#pragma once

#include <optional>

#include "db/odbc_api.h"
#include "db/odbc_batch.h"
#include "db/result_set.h"

namespace quelor::db {

// Reads the rows of the current result, or gives nullopt when the current
// result is a row count rather than a result set. A failure while fetching (a
// conversion error, an error the server raises after some rows) is noted in
// `errors` and ends this result; the rows read so far are returned.
std::optional<ResultSet> ReadResultSet(SQLHSTMT statement, BatchErrors& errors);

}  // namespace quelor::db
