// `quelor-update --status`: connects like a run, prints the state of every
// product database to standard output and returns the exit status. It opens
// no window, takes no run lock and sends nothing but connects and SELECTs.
#pragma once

#include <functional>
#include <memory>

#include "config/ini_file.h"
#include "config/password_mask.h"
#include "db/connection.h"
#include "ui/options.h"

namespace quelor::ui {

// `make_connection` gives a new, closed connection to the server (ODBC, or
// the demo's simulated server). `read_ini` must remember the passwords it
// reads in `passwords`, which keeps them out of the trace.
int RunStatus(const Options& options, const std::function<config::IniFile()>& read_ini,
              const config::PasswordMask& passwords,
              const std::function<std::unique_ptr<db::Connection>()>& make_connection);

}  // namespace quelor::ui
