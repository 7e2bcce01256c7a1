// The diagnostic records of an ODBC call turned into the one error type of
// the database layer. Dialogs show the server's own words, so the driver's
// and driver manager's prefixes ("[unixODBC]", "[FreeTDS][SQL Server]") are
// removed.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "db/error.h"
#include "db/odbc_api.h"

namespace quelor::db {

struct DiagRecord {
  std::string sql_state;             // five characters, e.g. "42S01"
  int native_error = 0;              // the server's or the TDS library's message number; 0 for
                                     // the records the ODBC layers write themselves
  std::string text;                  // without the leading bracketed groups
  bool from_driver_manager = false;  // the record came from unixODBC itself
};

// Every diagnostic record of the last call on `handle`, in the order given.
std::vector<DiagRecord> ReadDiagnostics(SQLSMALLINT handle_type, SQLHANDLE handle);

// `text` without every leading "[...]" group and the blanks after them.
std::string StripDriverPrefixes(std::string_view text);

// A record of state class 01 is a warning or an informational message (PRINT,
// "Changed database context"), not the failure itself.
bool IsInformational(const DiagRecord& record);

// The failure of a statement: its first record that is not informational,
// else its first record; `fallback` when the call left none.
Error StatementError(const std::vector<DiagRecord>& records, std::string_view fallback);

// The failure of a connect: the distinct texts joined by LF, most specific
// first. FreeTDS adds a summary of its own ("Unable to connect to data
// source", without a message number) sometimes before and sometimes after the
// cause it got from the network or the server (which has a number), so
// numbered records come first. A driver that cannot be loaded gives a text
// that names the package to install.
Error ConnectError(const std::vector<DiagRecord>& records, std::string_view driver);

}  // namespace quelor::db
