// What a connection keeps between batches: the current database, the date
// format and language, and the one table whose IDENTITY_INSERT is ON. Its
// open transaction is kept by the server (Server::transactions()).
#pragma once

#include <atomic>
#include <cstdint>
#include <optional>
#include <string>

#include "sim/common/date_time.h"
#include "sim/common/value.h"

namespace quelor::sim {

class Server;

// A number no other session of the process has: open transactions are kept
// by the server under it.
inline std::uint64_t NewSessionId() {
  static std::atomic<std::uint64_t> last{0};
  return ++last;
}

struct Session {
  Server* server = nullptr;
  std::uint64_t id = NewSessionId();
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
