// The database interface of the update tool: what the catalogue needs of a
// SQL Server connection and nothing more. Implementations: the ODBC backend
// (db/odbc_connection.h), the simulated server (sim/), and decorators (trace,
// recording and fault injection in tests).
//
// Every failure is a db::Error whose what() is the server's text unchanged.
// No call has a time-out: a statement may take as long as the server needs.
#pragma once

#include <cstdint>
#include <string>
#include <variant>
#include <vector>

#include "db/result_set.h"

namespace quelor::db {

// A value for the parameterised single-row insert: NULL, a whole number, a
// floating-point number, or text.
using Value = std::variant<std::monostate, std::int64_t, double, std::string>;

struct ColumnValue {
  std::string column;
  Value value;
};

class Connection {
 public:
  Connection() = default;
  Connection(const Connection&) = delete;
  Connection& operator=(const Connection&) = delete;
  virtual ~Connection() = default;

  // Opens the connection described by `connection_text`, a text of
  // "Key=value;" items in the OLE DB convention (see config/connection_settings.h).
  // Closes an open connection first. Throws db::Error when the server cannot
  // be reached or refuses the login; the connection is closed then.
  virtual void Open(const std::string& connection_text) = 0;
  virtual void Close() = 0;
  virtual bool IsOpen() const = 0;

  // Executes one command text (one batch of one or more statements) and reads
  // every result the server sends, so that the whole batch runs. Throws the
  // first error of the batch. A searched UPDATE or DELETE that touches no row
  // is a success.
  virtual void Execute(const std::string& text) = 0;

  // Executes `text` and returns its first result set, fully read. Later
  // results are drained. Throws the first error of the batch.
  virtual ResultSet Query(const std::string& text) = 0;

  // Inserts one row into `table` with the values passed as parameters, never
  // spliced into the statement text.
  virtual void InsertRow(const std::string& table, const std::vector<ColumnValue>& values) = 0;
};

}  // namespace quelor::db
