// The table `quelor-update --status` prints: one line per product database,
// then a line with the counts.
#pragma once

#include <string>

#include "app/status_report.h"

namespace quelor::ui {

// The table and the counts line, each line ending with "\n". Names and
// stored values are shown with line breaks and tabs as blanks and other
// control characters as "?", so a database name cannot break the table or
// send escapes to the terminal.
std::string StatusTable(const app::StatusReport& report);

// The line for a server that could not be read: the server and the failure.
std::string StatusFailureLine(const app::StatusReport& report);

// 0 when every database could be read, whatever its state; 1 otherwise.
int StatusExitCode(const app::StatusReport& report);

}  // namespace quelor::ui
