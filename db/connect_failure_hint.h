// What a failed connect adds to the access layer's own words: which server,
// instance or port was tried, whether the login time-out ran out, and what to
// check. German, like the rest of what the user reads.
#pragma once

#include <chrono>
#include <string>

#include "db/odbc_connection_string.h"

namespace quelor::db {

// `timed_out`: the login time-out of `login_timeout` ran out.
std::string ConnectFailureHint(const ServerAddress& server, std::chrono::seconds login_timeout,
                               bool timed_out);

}  // namespace quelor::db
