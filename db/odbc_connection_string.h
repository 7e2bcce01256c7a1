// Mapping of the OLE DB connection text that the run builds from SysDBAdo.INI
// onto an ODBC connection string. For Microsoft's drivers (Windows) the
// items map one to one: DRIVER={name}, SERVER=<Data Source as written: host,
// host\instance, host,port, (local), tcp:...>, DATABASE, UID and PWD or
// Trusted_Connection=Yes, values braced by the ODBC rule ("}" doubled).
//
// Encryption. The classic providers demand no encryption (the server may
// still require it); "ODBC Driver 18" and later encrypt by default and reject
// the self-signed certificate of a typical SQL Server Express, so a server
// that the classic provider reached would refuse the run. By default every
// driver therefore behaves like the classic provider; --encrypt demands an
// encrypted connection with a certificate the client trusts:
//
//   driver                         default          --encrypt
//   ODBC Driver NN for SQL Server  Encrypt=no       Encrypt=yes;TrustServerCertificate=no
//   SQL Server Native Client       Encrypt=no       Encrypt=yes;TrustServerCertificate=no
//   SQL Server (part of Windows)   (nothing)        Encrypt=yes
//   FreeTDS                        (nothing)        Encryption=require
//
// For the FreeTDS driver:
//
//   Provider            SQLOLEDB, SQLNCLI, SQLNCLI10, SQLNCLI11, MSOLEDBSQL,
//                       MSOLEDBSQL19 (any letter case, with or without a
//                       ".n" version) -> DRIVER; any other provider fails
//   Data Source         -> SERVER, "host,port" -> SERVER=host;Port=port,
//                       "(local)" and "." -> localhost, "tcp:" dropped,
//                       "host\instance" -> SERVER=host;Port=<the instance's
//                       port> when the caller looked it up, else kept whole
//                       (FreeTDS then asks the browser service)
//   Initial Catalog     -> DATABASE
//   User ID, Password   -> UID, PWD
//   Integrated Security -> Trusted_Connection=Yes (Kerberos with FreeTDS)
//   Persist Security Info is dropped; TDS_Version=7.4 and ClientCharset=UTF-8
//   are always set, or umlauts would reach the server as '?'.
//
// The run writes one item per line, so an item ends at its line end; a ";"
// ends an item early only where another known key follows it. A password or
// server name containing ";" therefore arrives whole.
//
// Quoting. FreeTDS 1.3.17 (Debian 12) was tried against a listener that
// decodes the login packet: braced values ARE parsed ("PWD={a;b}" logs in with
// a;b, likewise "=", "{" and blanks), but a braced value ends at the first "}"
// followed by ";" or the end and "}}" is NOT undone ("{a}}b}" sends a}}b).
// FreeTDS 1.4 undoes "}}" as ODBC prescribes, and both read an unbraced value
// literally up to the next ";" (blanks, "=" and "}" included). So a value is
// braced when ODBC asks for it and it holds no "}"; a value with "}" goes
// unbraced, which both versions read alike; a value with "}" that cannot go
// unbraced (it holds ";" or begins with "{") has no form every FreeTDS reads
// the same, and is refused with a text saying so rather than sent garbled.
#pragma once

#include <string>
#include <string_view>

#include "db/odbc_driver.h"

namespace quelor::db {

enum class Encryption {
  kAsClassicProvider,  // the client demands nothing; the server decides
  kDemanded,           // encrypted, with a certificate the client trusts
};

// The connection string for `connection_text`, naming the driver found by
// FindSqlServerDriver(). Throws db::Error for a provider that names no SQL
// Server client.
std::string MapConnectionText(std::string_view connection_text);

// The connection string for `driver` (a pure function of its arguments).
// `instance_port` as below; it is used for FreeTDS only.
std::string MapConnectionText(std::string_view connection_text, const SqlServerDriver& driver,
                              std::string_view instance_port, Encryption encryption);

// The same for FreeTDS with the DRIVER value given: a pure function of its
// arguments.
// `instance_port`, when not empty, is the TCP port of the named instance of
// the Data Source, as the browser service gave it.
std::string MapConnectionText(std::string_view connection_text, std::string_view driver,
                              std::string_view instance_port = {});

// The server a connection text names, as the connection string gets it.
struct ServerAddress {
  std::string host;      // "(local)" and "." as localhost
  std::string instance;  // empty for the default instance, or when a port is given
  std::string port;      // empty when none is given
};
ServerAddress ServerOf(std::string_view connection_text);

}  // namespace quelor::db
