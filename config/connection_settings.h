// The connection settings of SysDBAdo.INI and the connection texts built from
// them. Both connect operations read the file anew on every call, so a change
// of the file during a run takes effect at the next connect.
#pragma once

#include <string>
#include <string_view>

#include "config/ini_file.h"

namespace quelor::config {

// The file name looked for beside the executable.
inline constexpr std::string_view kIniFileName = "SysDBAdo.INI";

struct ConnectionSettings {
  // [Datenbank] Provider, default "ERROR": the first item of both connection
  // texts. The default names no provider, so a missing file fails to connect.
  std::string provider = "ERROR";
  // [Datenbank] Password, default empty: used when WinAuth is not "J".
  std::string password;
  // [Datenbank] Persist Security Info, default empty.
  std::string persist_security_info;
  // [Datenbank] User ID, default empty: used when WinAuth is not "J".
  std::string user_id;
  // [Datenbank] Initial Catalog, default empty: read and kept, never used; the
  // catalog item always names the database asked for.
  std::string initial_catalog;
  // [Datenbank] Data Source, default empty: the server item.
  std::string data_source;
  // [Verzeichnis] HauptVerz, default empty: read and kept, not used by the run.
  std::string main_directory;
  // [Datenbank] WinAuth: exactly "J" selects Windows integrated security; any
  // other value, empty and lower-case "j" included, selects a server login.
  bool integrated_security = false;
};

ConnectionSettings ReadConnectionSettings(const IniFile& ini);

// The connection text of the catalogue connection (the one that lists the
// databases): Provider, Persist Security Info, Password and User ID (or
// Integrated Security), Initial Catalog, Data Source; every item on a line of
// its own, each line followed by CR LF. Values go in as they are.
std::string CatalogueConnectionText(const ConnectionSettings& settings, std::string_view database);

// The connection text of the working connection (the tenant being migrated):
// the same items in the order Provider, Password and User ID (or Integrated
// Security), Persist Security Info, Initial Catalog, Data Source.
std::string WorkingConnectionText(const ConnectionSettings& settings, std::string_view database);

// The text of the error dialog after a failed connect: the database name
// between single quotes (a quote inside it doubled), then the access layer's
// failure text after an empty line.
std::string ConnectFailureText(std::string_view database, std::string_view failure);

}  // namespace quelor::config
