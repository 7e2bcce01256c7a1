#include "ui/status_printer.h"

#include <algorithm>
#include <array>
#include <vector>

namespace quelor::ui {
namespace {

// `keep_lines`: line feeds stay (a message of its own); otherwise line
// breaks and tabs become blanks, so a row of the table stays one line.
std::string Printable(std::string_view text, bool keep_lines = false) {
  std::string out;
  for (char c : text) {
    const auto byte = static_cast<unsigned char>(c);
    if (c == '\n' && keep_lines)
      out.push_back(c);
    else if (c == '\n' || c == '\r' || c == '\t')
      out.push_back(' ');
    else
      out.push_back(byte < 0x20 || byte == 0x7F ? '?' : c);
  }
  return out;
}

// Columns are padded by characters, not bytes: names may hold umlauts.
std::size_t Width(std::string_view utf8) {
  return static_cast<std::size_t>(std::count_if(utf8.begin(), utf8.end(), [](char c) {
    return (static_cast<unsigned char>(c) & 0xC0) != 0x80;
  }));
}

std::string_view KindText(app::DatabaseKind kind) {
  switch (kind) {
    case app::DatabaseKind::kSystem:
      return "system database";
    case app::DatabaseKind::kTenant:
      return "tenant";
    case app::DatabaseKind::kTemporary:
      return "temporary";
  }
  return "";
}

std::string StateText(const app::DatabaseStatus& status) {
  switch (status.state) {
    case app::DatabaseState::kUpToDate:
      return "up to date";
    case app::DatabaseState::kWouldBeUpdated:
      return "would be updated";
    case app::DatabaseState::kUnreadable:
      return "could not be read: " + Printable(status.failure);
  }
  return "";
}

}  // namespace

std::string StatusTable(const app::StatusReport& report) {
  using Row = std::array<std::string, 4>;
  std::vector<Row> rows = {{"Database", "Kind", "Release", "State"}};
  std::size_t up_to_date = 0, would_be_updated = 0, unreadable = 0;
  for (const app::DatabaseStatus& status : report.databases) {
    const bool read = status.state != app::DatabaseState::kUnreadable;
    rows.push_back({Printable(status.name), std::string(KindText(status.kind)),
                    !read            ? "?"
                    : status.release ? Printable(*status.release)
                                     : "none",
                    StateText(status)});
    switch (status.state) {
      case app::DatabaseState::kUpToDate:
        ++up_to_date;
        break;
      case app::DatabaseState::kWouldBeUpdated:
        ++would_be_updated;
        break;
      case app::DatabaseState::kUnreadable:
        ++unreadable;
        break;
    }
  }
  std::array<std::size_t, 3> widths{};
  for (const Row& row : rows) {
    for (std::size_t i = 0; i < widths.size(); ++i) widths[i] = std::max(widths[i], Width(row[i]));
  }
  std::string out;
  for (const Row& row : rows) {
    for (std::size_t i = 0; i < widths.size(); ++i) {
      out += row[i];
      out.append(widths[i] - Width(row[i]) + 2, ' ');
    }
    out += row[3] + "\n";
  }
  const std::size_t total = report.databases.size();
  out += std::to_string(total) + (total == 1 ? " database: " : " databases: ") +
         std::to_string(up_to_date) + " up to date, " + std::to_string(would_be_updated) +
         " would be updated";
  if (unreadable > 0) out += ", " + std::to_string(unreadable) + " could not be read";
  out += ".\n";
  return out;
}

std::string StatusFailureLine(const app::StatusReport& report) {
  const std::string server = report.server.empty() ? "(no Data Source set)" : report.server;
  return "quelor-update: the server " + Printable(server) +
         " could not be read: " + Printable(report.failure, true) + "\n";
}

int StatusExitCode(const app::StatusReport& report) {
  if (!report.failure.empty()) return 1;
  for (const app::DatabaseStatus& status : report.databases) {
    if (status.state == app::DatabaseState::kUnreadable) return 1;
  }
  return 0;
}

}  // namespace quelor::ui
