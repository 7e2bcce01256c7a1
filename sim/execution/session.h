// What a connection keeps between batches: the current database, the date
// format and language, and the one table whose IDENTITY_INSERT is ON.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "sim/date_time.h"
#include "sim/value.h"

namespace quelor::sim {

class Server;

struct Session {
  Server* server = nullptr;
  // Names the session to the server's application locks; 0 until one is
  // given (at the login, or at the first lock).
  std::uint64_t id = 0;
  std::string database = "master";
  // An English login reads numeric dates month first.
  DateFormat date_format = DateFormat::kMdy;
  std::string language = "us_english";
  // SET ANSI_WARNINGS OFF lets text that is too long for its column be cut
  // silently instead of refused (2628).
  bool ansi_warnings = true;
  // SET NOCOUNT ON: statements still end, but the client is sent no counts.
  bool nocount = false;

  struct IdentityInsert {
    std::string database;
    std::string table;
  };
  std::optional<IdentityInsert> identity_insert;

  ConversionContext conversion() const { return ConversionContext{date_format}; }
};

}  // namespace quelor::sim
