#include "config/connection_settings.h"

#include "config/text_util.h"

namespace quelor::config {
namespace {

constexpr std::string_view kDatabaseSection = "Datenbank";
constexpr std::string_view kDirectorySection = "Verzeichnis";
constexpr std::string_view kCrLf = "\r\n";

void AppendItem(std::string& text, std::string_view key, std::string_view value) {
  text.append(key).append("=").append(value).append(";").append(kCrLf);
}

void AppendLogin(std::string& text, const ConnectionSettings& s) {
  if (s.integrated_security) {
    text.append("Integrated Security=SSPI;").append(kCrLf);
  } else {
    AppendItem(text, "Password", s.password);
    AppendItem(text, "User ID", s.user_id);
  }
}

}  // namespace

ConnectionSettings ReadConnectionSettings(const IniFile& ini) {
  ConnectionSettings s;
  s.provider = ini.Get(kDatabaseSection, "Provider", "ERROR");
  s.password = ini.Get(kDatabaseSection, "Password");
  s.persist_security_info = ini.Get(kDatabaseSection, "Persist Security Info");
  s.user_id = ini.Get(kDatabaseSection, "User ID");
  s.initial_catalog = ini.Get(kDatabaseSection, "Initial Catalog");
  s.data_source = ini.Get(kDatabaseSection, "Data Source");
  s.main_directory = ini.Get(kDirectorySection, "HauptVerz");
  s.integrated_security = ini.Get(kDatabaseSection, "WinAuth") == "J";
  return s;
}

std::string CatalogueConnectionText(const ConnectionSettings& s, std::string_view database) {
  std::string text;
  AppendItem(text, "Provider", s.provider);
  AppendItem(text, "Persist Security Info", s.persist_security_info);
  AppendLogin(text, s);
  AppendItem(text, "Initial Catalog", database);
  AppendItem(text, "Data Source", s.data_source);
  return text;
}

std::string WorkingConnectionText(const ConnectionSettings& s, std::string_view database) {
  std::string text;
  AppendItem(text, "Provider", s.provider);
  AppendLogin(text, s);
  AppendItem(text, "Persist Security Info", s.persist_security_info);
  AppendItem(text, "Initial Catalog", database);
  AppendItem(text, "Data Source", s.data_source);
  return text;
}

std::string ConnectFailureText(std::string_view database, std::string_view failure) {
  std::string text = "False parameters for database connection.\nUnable to connect to database '";
  text.append(DoubleSingleQuotes(database)).append("'.\n\n").append(failure);
  return text;
}

}  // namespace quelor::config
