// Reading every result of one batch. The server runs a batch to its end only
// while the client reads its results, and an error of the third statement is
// reported only when the client reaches that result; so every batch is read to
// SQL_NO_DATA and its first error is kept for the caller.
#pragma once

#include <functional>
#include <optional>

#include "db/error.h"
#include "db/odbc_api.h"

namespace quelor::db {

class BatchErrors {
 public:
  // Records the failure of the last call on `statement` unless an earlier one
  // is already kept. Returns false when no further result can be read: the
  // link to the server is gone (state class 08), or the failure came from the
  // ODBC layers themselves (no message number: a call out of sequence).
  bool NoteFailure(SQLHSTMT statement);
  // Records a failure found by the caller itself.
  void Note(Error error);

  // Throws the first failure, if any.
  void ThrowIfAny() const;

 private:
  std::optional<Error> first_;
};

// Reads the results of a batch whose execute call returned `rc`, calling
// `on_result` once for each result that is current (a result set or a row
// count), until the driver reports SQL_NO_DATA. Searched UPDATE and DELETE
// that touch no row give SQL_NO_DATA from the execute: that is no failure.
// Throws the batch's first failure after the whole batch has been read.
void ReadWholeBatch(SQLHSTMT statement, SQLRETURN rc, BatchErrors& errors,
                    const std::function<void()>& on_result);

}  // namespace quelor::db
