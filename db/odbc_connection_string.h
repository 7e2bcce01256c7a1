// Mapping of the OLE DB connection text onto an ODBC connection string.
#pragma once

#include <string>
#include <string_view>

namespace quelor::db {

// Throws db::Error for a provider that names no SQL Server client.
std::string MapConnectionText(std::string_view connection_text);

}  // namespace quelor::db
