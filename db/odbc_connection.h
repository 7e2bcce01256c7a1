// The ODBC backend of the database interface: unixODBC with the FreeTDS driver
// on Linux, the system's driver manager with the best SQL Server driver on
// Windows. Statement texts and results travel as UTF-16 through the wide
// calls; inside the program they are UTF-8. No statement has a time-out; the
// login has one, so a server that never answers cannot hold the run forever.
#pragma once

#include <chrono>
#include <memory>

#include "db/connection.h"
#include "db/odbc_connection_string.h"

namespace quelor::db {

// As long as the classic client libraries wait for a login by default.
inline constexpr std::chrono::seconds kDefaultLoginTimeout{15};

// `login_timeout` bounds the lookup of a named instance's port and, again,
// the login itself (connecting, the pre-login and login exchange).
// `encryption`: see db/odbc_connection_string.h.
std::unique_ptr<Connection> MakeOdbcConnection(
    std::chrono::seconds login_timeout = kDefaultLoginTimeout,
    Encryption encryption = Encryption::kAsClassicProvider);

}  // namespace quelor::db
