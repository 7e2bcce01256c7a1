// SysDBAdo.INI as the run reads it: the profile text, the connection
// settings taken from it and the connection texts built from them. None of
// these may throw; every input is some profile.
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "config/connection_settings.h"
#include "config/ini_file.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view text(reinterpret_cast<const char*>(data), size);
  const quelor::config::IniFile ini = quelor::config::IniFile::Parse(text);
  const quelor::config::ConnectionSettings settings = quelor::config::ReadConnectionSettings(ini);
  // The database names come from the server and the failure text from the
  // driver: the profile's own values stand in for both.
  quelor::config::CatalogueConnectionText(settings, settings.initial_catalog);
  quelor::config::WorkingConnectionText(settings, settings.data_source);
  quelor::config::ConnectFailureText(settings.initial_catalog, settings.provider);
  ini.Get("Datenbank", settings.user_id, settings.password);
  return 0;
}
