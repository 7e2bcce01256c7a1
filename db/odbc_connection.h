// The ODBC backend of the database interface: unixODBC with the FreeTDS driver
// on Linux. Statement texts and results travel as UTF-16 through the wide
// calls; inside the program they are UTF-8. No statement has a time-out; the
// login has one, so a server that never answers cannot hold the run forever.
#pragma once

#include <chrono>
#include <memory>

#include "db/connection.h"

namespace quelor::db {

// As long as the classic client libraries wait for a login by default.
inline constexpr std::chrono::seconds kDefaultLoginTimeout{15};

// `login_timeout` bounds the lookup of a named instance's port and, again,
// the login itself (connecting, the pre-login and login exchange).
std::unique_ptr<Connection> MakeOdbcConnection(
    std::chrono::seconds login_timeout = kDefaultLoginTimeout);

}  // namespace quelor::db
