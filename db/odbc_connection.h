// The ODBC backend of the database interface: unixODBC with the FreeTDS driver
// on Linux, the system's ODBC with Microsoft's driver on Windows.
#pragma once

#include <memory>

#include "db/connection.h"

namespace quelor::db {

std::unique_ptr<Connection> MakeOdbcConnection();

}  // namespace quelor::db
