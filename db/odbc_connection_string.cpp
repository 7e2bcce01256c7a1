#include "db/odbc_connection_string.h"

#include "db/error.h"

namespace quelor::db {

std::string MapConnectionText(std::string_view) { throw Error("not built yet"); }

}  // namespace quelor::db
