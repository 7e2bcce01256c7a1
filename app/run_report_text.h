// The run report as text: the console prints it at the end of every run, the
// window shows it after a stop. One line per database with its outcome,
// statements and time, its dialogs and stop indented below it.
#pragma once

#include <chrono>
#include <string>

#include "app/run_report.h"

namespace quelor::app {

std::string ReportText(const RunReport& report);

// "Server: SRV\SQL2019, login: sa", or "login: Windows authentication"; the
// line the console starts a run with. Never shows a password.
std::string ServerLine(const std::string& server, const std::string& login);

// "2026-12-11T03:35:41Z": the time in UTC to the second.
std::string UtcTimeText(std::chrono::system_clock::time_point time);

// "12.3 s".
std::string SecondsText(std::chrono::milliseconds time);

}  // namespace quelor::app
