#include "db/odbc_connection_string.h"

#include <array>
#include <optional>

#include "config/text_util.h"
#include "db/error.h"
#include "db/odbc_driver.h"

namespace quelor::db {
namespace {

using config::EqualsIgnoreAsciiCase;

enum class Key { kProvider, kDataSource, kCatalog, kUser, kPassword, kIntegrated, kOther };

struct KeyName {
  std::string_view name;
  Key key;
};

// The OLE DB names the run writes, their ODBC synonyms, and the one item that
// is dropped. Only these end an item at a ";" (see the header).
constexpr std::array<KeyName, 13> kKeys = {{
    {"Provider", Key::kProvider},
    {"Data Source", Key::kDataSource},
    {"Server", Key::kDataSource},
    {"Address", Key::kDataSource},
    {"Initial Catalog", Key::kCatalog},
    {"Database", Key::kCatalog},
    {"User ID", Key::kUser},
    {"UID", Key::kUser},
    {"Password", Key::kPassword},
    {"PWD", Key::kPassword},
    {"Integrated Security", Key::kIntegrated},
    {"Trusted_Connection", Key::kIntegrated},
    {"Persist Security Info", Key::kOther},
}};

// The OLE DB providers that reach SQL Server, without their version suffix.
constexpr std::array<std::string_view, 6> kSqlServerProviders = {
    "SQLOLEDB", "SQLNCLI", "SQLNCLI10", "SQLNCLI11", "MSOLEDBSQL", "MSOLEDBSQL19"};

bool IsBlank(char c) { return c == ' ' || c == '\t'; }

std::string_view Trim(std::string_view s) {
  while (!s.empty() && IsBlank(s.front())) s.remove_prefix(1);
  while (!s.empty() && IsBlank(s.back())) s.remove_suffix(1);
  return s;
}

std::optional<Key> KnownKey(std::string_view name) {
  for (const KeyName& k : kKeys) {
    if (EqualsIgnoreAsciiCase(Trim(name), k.name)) return k.key;
  }
  return std::nullopt;
}

// True when `rest` (the text after a ";") begins another item: a known key
// and "=", or nothing but blanks.
bool StartsNextItem(std::string_view rest) {
  if (Trim(rest).empty()) return true;
  const std::size_t eq = rest.find('=');
  return eq != std::string_view::npos && KnownKey(rest.substr(0, eq)).has_value();
}

struct Settings {
  std::optional<std::string> provider;
  std::string data_source;
  std::optional<std::string> catalog;
  std::optional<std::string> user;
  std::optional<std::string> password;
  bool integrated = false;
};

void Assign(Settings& s, Key key, std::string_view value) {
  switch (key) {
    case Key::kProvider:
      s.provider = std::string(Trim(value));
      break;
    case Key::kDataSource:
      s.data_source = std::string(Trim(value));
      break;
    case Key::kCatalog:
      s.catalog = std::string(value);
      break;
    case Key::kUser:
      s.user = std::string(value);
      break;
    case Key::kPassword:
      s.password = std::string(value);
      break;
    case Key::kIntegrated: {
      const std::string_view v = Trim(value);
      s.integrated = EqualsIgnoreAsciiCase(v, "SSPI") || EqualsIgnoreAsciiCase(v, "true") ||
                     EqualsIgnoreAsciiCase(v, "yes");
      break;
    }
    case Key::kOther:
      break;
  }
}

void ParseLine(std::string_view line, Settings& s) {
  std::size_t pos = 0;
  while (pos < line.size()) {
    const std::size_t eq = line.find('=', pos);
    if (eq == std::string_view::npos) return;
    const std::string_view name = line.substr(pos, eq - pos);
    std::size_t end = eq + 1;
    for (;; ++end) {
      end = line.find(';', end);
      if (end == std::string_view::npos || StartsNextItem(line.substr(end + 1))) break;
    }
    const std::string_view value =
        line.substr(eq + 1, end == std::string_view::npos ? std::string_view::npos : end - eq - 1);
    if (auto key = KnownKey(name)) Assign(s, *key, value);
    if (end == std::string_view::npos) return;
    pos = end + 1;
  }
}

Settings Parse(std::string_view text) {
  Settings s;
  std::size_t pos = 0;
  while (pos <= text.size()) {
    std::size_t end = text.find_first_of("\r\n", pos);
    if (end == std::string_view::npos) end = text.size();
    ParseLine(text.substr(pos, end - pos), s);
    pos = end + 1;
  }
  return s;
}

void CheckProvider(const std::optional<std::string>& provider) {
  const std::string_view name = provider ? std::string_view(*provider) : std::string_view();
  const std::string_view base = name.substr(0, name.find('.'));
  for (std::string_view known : kSqlServerProviders) {
    if (EqualsIgnoreAsciiCase(base, known)) return;
  }
  throw Error("The provider '" + std::string(name) +
              "' is not a SQL Server client, so no connection can be made. In SysDBAdo.INI, "
              "section [Datenbank], the key Provider should name SQLOLEDB, SQLNCLI11 or "
              "MSOLEDBSQL (for example Provider=SQLOLEDB.1).");
}

// A value as FreeTDS reads it back unchanged (the header tells why this is not
// quite the textbook ODBC rule).
std::string Quote(std::string_view item, std::string_view value) {
  const bool odbc_wants_braces =
      value.find_first_of(";{}=") != std::string_view::npos ||
      (!value.empty() && (IsBlank(value.front()) || IsBlank(value.back())));
  if (!odbc_wants_braces) return std::string(value);
  if (value.find('}') == std::string_view::npos) return "{" + std::string(value) + "}";
  if (value.find(';') == std::string_view::npos && value.front() != '{') {
    return std::string(value);
  }
  throw Error("The " + std::string(item) +
              " of the connection settings contains both ';' and '}' (or begins with '{'), "
              "which the FreeTDS ODBC driver cannot be given. Change it in SysDBAdo.INI "
              "and on the server.");
}

void AppendItem(std::string& out, std::string_view key, std::string_view value,
                std::string_view item) {
  if (!out.empty()) out += ';';
  out.append(key).append("=").append(Quote(item, value));
}

ServerAddress MapDataSource(std::string_view source) {
  if (source.size() >= 4 && EqualsIgnoreAsciiCase(source.substr(0, 4), "tcp:")) {
    source.remove_prefix(4);
  }
  ServerAddress server;
  std::string_view host = source;
  if (const std::size_t comma = source.find(','); comma != std::string_view::npos) {
    host = Trim(source.substr(0, comma));
    server.port = std::string(Trim(source.substr(comma + 1)));
  }
  const std::size_t slash = host.find('\\');
  const std::string_view machine = host.substr(0, slash);
  // With a port the instance needs no lookup: the port reaches it directly.
  if (slash != std::string_view::npos && server.port.empty()) {
    server.instance = std::string(host.substr(slash + 1));
  }
  if (machine.empty() || machine == "." || EqualsIgnoreAsciiCase(machine, "(local)")) {
    server.host = "localhost";
  } else {
    server.host = std::string(machine);
  }
  return server;
}

// The ODBC rule, which Microsoft's drivers follow: a value with ; { } = or
// blanks at either end is braced, and a "}" inside braces is doubled.
std::string QuoteByTheRule(std::string_view value) {
  const bool braces = value.find_first_of(";{}=") != std::string_view::npos ||
                      (!value.empty() && (IsBlank(value.front()) || IsBlank(value.back())));
  if (!braces) return std::string(value);
  std::string quoted = "{";
  for (char c : value) {
    quoted += c;
    if (c == '}') quoted += '}';
  }
  return quoted + "}";
}

void AppendByTheRule(std::string& out, std::string_view key, std::string_view value) {
  if (!out.empty()) out += ';';
  out.append(key).append("=").append(QuoteByTheRule(value));
}

std::string MapForMicrosoftDriver(const Settings& s, const SqlServerDriver& driver,
                                  Encryption encryption) {
  std::string out = "DRIVER={" + driver.name + "}";
  AppendByTheRule(out, "SERVER", s.data_source);
  if (s.catalog) AppendByTheRule(out, "DATABASE", *s.catalog);
  if (s.integrated) {
    AppendByTheRule(out, "Trusted_Connection", "Yes");
  } else {
    if (s.user) AppendByTheRule(out, "UID", *s.user);
    if (s.password) AppendByTheRule(out, "PWD", *s.password);
  }
  const bool demanded = encryption == Encryption::kDemanded;
  if (driver.kind == DriverKind::kClassic) {
    if (demanded) AppendByTheRule(out, "Encrypt", "yes");
  } else {
    AppendByTheRule(out, "Encrypt", demanded ? "yes" : "no");
    if (demanded) AppendByTheRule(out, "TrustServerCertificate", "no");
  }
  return out;
}

}  // namespace

ServerAddress ServerOf(std::string_view connection_text) {
  return MapDataSource(Parse(connection_text).data_source);
}

std::string MapConnectionText(std::string_view connection_text) {
  return MapConnectionText(connection_text, FindSqlServerDriver(), {},
                           Encryption::kAsClassicProvider);
}

std::string MapConnectionText(std::string_view connection_text, const SqlServerDriver& driver,
                              std::string_view instance_port, Encryption encryption) {
  if (driver.kind != DriverKind::kFreeTds) {
    const Settings s = Parse(connection_text);
    CheckProvider(s.provider);
    return MapForMicrosoftDriver(s, driver, encryption);
  }
  std::string out = MapConnectionText(connection_text, driver.name, instance_port);
  if (encryption == Encryption::kDemanded) out += ";Encryption=require";
  return out;
}

std::string MapConnectionText(std::string_view connection_text, std::string_view driver,
                              std::string_view instance_port) {
  const Settings s = Parse(connection_text);
  CheckProvider(s.provider);
  const ServerAddress server = MapDataSource(s.data_source);

  std::string out;
  AppendItem(out, "DRIVER", driver, "driver");
  if (!server.instance.empty() && instance_port.empty()) {
    // FreeTDS asks the browser service itself.
    AppendItem(out, "SERVER", server.host + "\\" + server.instance, "Data Source");
  } else {
    AppendItem(out, "SERVER", server.host, "Data Source");
  }
  if (!server.port.empty()) {
    AppendItem(out, "Port", server.port, "Data Source");
  } else if (!server.instance.empty() && !instance_port.empty()) {
    AppendItem(out, "Port", instance_port, "Data Source");
  }
  if (s.catalog) AppendItem(out, "DATABASE", *s.catalog, "Initial Catalog");
  if (s.integrated) {
    AppendItem(out, "Trusted_Connection", "Yes", "Integrated Security");
  } else {
    if (s.user) AppendItem(out, "UID", *s.user, "User ID");
    if (s.password) AppendItem(out, "PWD", *s.password, "Password");
  }
  AppendItem(out, "TDS_Version", "7.4", "TDS_Version");
  AppendItem(out, "ClientCharset", "UTF-8", "ClientCharset");
  return out;
}

}  // namespace quelor::db
