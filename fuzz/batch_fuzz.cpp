// Parser and executor together: the input runs as one batch on a fresh
// simulated server with one database and two related tables. A batch the
// server refuses ends in db::Error, as on a real connection; anything else
// that escapes, or a crash, is a fault.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "config/ini_file.h"
#include "db/error.h"
#include "sim/catalog/schema.h"
#include "sim/connection/sim_connection.h"
#include "sim/snapshot/snapshot.h"

namespace {

// Large enough for every statement of the catalogue, small enough that one
// run stays well under a second.
constexpr std::size_t kMaximumBatchSize = 4096;

constexpr char kSchema[] =
    "CREATE TABLE Verein (Nr int NOT NULL PRIMARY KEY, Name nvarchar(40) NOT NULL,\n"
    "  Gegruendet datetime NULL, Beitrag decimal(9,2) NOT NULL DEFAULT 0, Aktiv bit NULL,\n"
    "  Kennung varbinary(16) NULL, Kurz char(4) NULL)\n"
    "CREATE TABLE Mitglied (Id int IDENTITY(1,1) NOT NULL PRIMARY KEY,\n"
    "  VereinNr int NOT NULL REFERENCES Verein (Nr), Vorname varchar(30) NULL,\n"
    "  Alter_ tinyint NULL, Betrag money NULL, Notiz ntext NULL)\n"
    "INSERT INTO Verein (Nr, Name, Gegruendet, Beitrag, Aktiv, Kennung, Kurz) VALUES\n"
    "  (1, N'Turnverein', '1898-05-01', 12.50, 1, 0x0A1B, 'TV'),\n"
    "  (2, N'Schützen', NULL, 0, 0, NULL, NULL)\n"
    "INSERT INTO Mitglied (VereinNr, Vorname, Alter_, Betrag, Notiz) VALUES\n"
    "  (1, 'Anna', 34, 10.0000, N'Vorstand'), (2, NULL, NULL, NULL, NULL)\n";

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size > kMaximumBatchSize) return -1;  // not added to the corpus
  quelor::sim::Server server;
  server.AddLogin("fuzz", "fuzz");
  server.CreateDatabase("FUZZDB");
  quelor::sim::SimConnection connection(server);
  connection.Open("User ID=fuzz;Password=fuzz;Initial Catalog=FUZZDB");
  connection.Execute(kSchema);
  try {
    // Every client sends UTF-8 (the wire server converts from UTF-16, the
    // run's own texts are UTF-8): other bytes are taken as Windows-1252.
    connection.Query(quelor::config::ToUtf8FromProfileBytes(
        std::string_view(reinterpret_cast<const char*>(data), size)));
  } catch (const quelor::db::Error&) {
  }
  // Whatever the batch left behind can still be written out.
  quelor::sim::SnapshotText(server);
  return 0;
}
