#include "db/connect_failure_hint.h"

namespace quelor::db {

std::string ConnectFailureHint(const ServerAddress& server, std::chrono::seconds login_timeout,
                               bool timed_out) {
  std::string text = "Server " + server.host;
  if (!server.instance.empty()) {
    text += ", Instanz " + server.instance;
  } else if (!server.port.empty()) {
    text += ", Port " + server.port;
  } else {
    text += ", Port 1433 (Standard)";
  }
  text += ".\n";
  if (timed_out) {
    text += "Der Server hat nicht innerhalb von " + std::to_string(login_timeout.count()) +
            " Sekunden geantwortet (Login-Timeout; für langsame Netze --login-timeout "
            "SEKUNDEN).\n";
  }
  text +=
      "Bitte prüfen:\n"
      "- Servername und Instanz in SysDBAdo.INI, Abschnitt [Datenbank], Schlüssel "
      "\"Data Source\" (Server, Server\\Instanz oder Server,Port)\n"
      "- ob der SQL Server auf diesem Rechner läuft\n"
      "- ob die Firewall die Verbindung zulässt und TCP/IP für den SQL Server aktiviert ist\n"
      "- bei einer benannten Instanz, ob der Dienst SQL Server Browser läuft (UDP 1434)";
  return text;
}

}  // namespace quelor::db
