// The ODBC backend of the database interface: unixODBC with the FreeTDS driver
// on Linux. Statement texts and results travel as UTF-16 through the wide
// calls; inside the program they are UTF-8. No statement has a time-out.
#pragma once

#include <memory>

#include "db/connection.h"

namespace quelor::db {

std::unique_ptr<Connection> MakeOdbcConnection();

}  // namespace quelor::db
