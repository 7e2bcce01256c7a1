#include "db/odbc_batch.h"

#include <algorithm>

#include "db/odbc_api.h"
#include "db/odbc_diagnostics.h"

namespace quelor::db {

bool BatchErrors::NoteFailure(SQLHSTMT statement) {
  const std::vector<DiagRecord> records = ReadDiagnostics(SQL_HANDLE_STMT, statement);
  Note(StatementError(records, "The statement failed; the driver gave no reason."));
  const bool link_lost = std::any_of(records.begin(), records.end(), [](const DiagRecord& r) {
    return r.sql_state.starts_with("08");
  });
  const bool numbered = std::any_of(records.begin(), records.end(),
                                    [](const DiagRecord& r) { return r.native_error != 0; });
  return numbered && !link_lost;
}

void BatchErrors::Note(Error error) {
  if (!first_) first_.emplace(std::move(error));
}

void BatchErrors::ThrowIfAny() const {
  if (first_) throw *first_;
}

void ReadWholeBatch(SQLHSTMT statement, SQLRETURN rc, BatchErrors& errors,
                    const std::function<void()>& on_result) {
  for (bool first = true;; first = false) {
    if (rc == SQL_SUCCESS || rc == SQL_SUCCESS_WITH_INFO) {
      // SUCCESS_WITH_INFO carries PRINT output and "Changed database context":
      // no failure.
      on_result();
    } else if (rc == SQL_ERROR) {
      if (!errors.NoteFailure(statement)) break;
    } else if (rc != SQL_NO_DATA || !first) {
      // SQL_NO_DATA after the first result: the batch is done. Anything else
      // (an invalid handle, a request for data) leaves nothing to read.
      break;
    }
    // After a failed first statement unixODBC answers SQLMoreResults itself
    // with SQL_NO_DATA; the driver then discards what the server still sends
    // when the statement is freed.
    rc = SQLMoreResults(statement);
  }
  errors.ThrowIfAny();
}

}  // namespace quelor::db
