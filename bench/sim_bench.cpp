// Throughput of the simulated server, as the migration and its data loads use
// it. Scenarios:
//   SimInsertSingleRow  one-row INSERT ... VALUES statements through
//                       SimConnection::Execute into a table with a primary
//                       key, as the bank-code and sports-list loads send them
//   SimInsertSelect     the positional "Insert Into T Select A='..', B=.." form
//   SimColumnProbe      the INFORMATION_SCHEMA.COLUMNS probe of AddField on a
//                       database of 60 tables
//   SimObjectProbe      the sysobjects table probe on the same database
//   SimParseBankCodes   ParseBatch alone on a bank-code load batch of 16,000
//                       one-row INSERTs (about 4 MB of text)
//   SimShareEqualTable  RowSharing::ShareWritten on a written table of 4,000
//                       rows equal to the one of another database
#include <benchmark/benchmark.h>

#include <cstdint>
#include <string>

#include "sim/catalog/row_sharing.h"
#include "sim/catalog/schema.h"
#include "sim/connection/sim_connection.h"
#include "sim/parser/parser.h"

namespace {

using quelor::sim::Server;
using quelor::sim::SimConnection;

const char* const kConnection = "Provider=SQLOLEDB.1;Password=geheim;User ID=sa;Initial Catalog=QUELOR_A";

void Prepare(Server& server, SimConnection& connection) {
  server.AddLogin("sa", "geheim");
  server.CreateDatabase("QUELOR_A");
  connection.Open(kConnection);
}

void SimInsertSingleRow(benchmark::State& state) {
  Server server;
  SimConnection connection(server);
  Prepare(server, connection);
  connection.Execute(
      "CREATE TABLE D_blz (BLZ varchar(8) NOT NULL, LfdNr int NOT NULL, BANK varchar(60) NULL, ORT varchar(40) NULL,"
      " BIC varchar(11) NULL, CONSTRAINT PK_D_blz PRIMARY KEY (BLZ, LfdNr))");
  long number = 0;
  for (auto _ : state) {
    ++number;
    connection.Execute("insert into D_blz (BLZ,LfdNr,BANK,ORT,BIC) values('" + std::to_string(10000000 + number) +
                       "'," + std::to_string(number) + ",'BBk Berlin','Berlin','MARKDEF1100')");
  }
  state.SetItemsProcessed(state.iterations());
}
BENCHMARK(SimInsertSingleRow);

void SimParseBankCodes(benchmark::State& state) {
  std::string batch;
  for (int number = 1; number <= 16000; ++number) {
    batch +=
        "insert into D_blz (BLZ,LfdNr,BANK,ORT,Merkmal,Bezeichnung,PAN,PLZ,BIC,Pr_Ziff,"
        "Datensatznummer,AendKz,BLZ_Loe,NACHFOLGE_BLZ) values('" +
        std::to_string(10000000 + number) + "'," + std::to_string(number) +
        ",'Bundesbank','Berlin','1','BBk Berlin','20100','10591','MARKDEF1100','09'," +
        std::to_string(number) + ",'U','0','00000000')\n";
  }
  for (auto _ : state) benchmark::DoNotOptimize(quelor::sim::parser::ParseBatch(batch));
  state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations()) *
                          static_cast<std::int64_t>(batch.size()));
}
BENCHMARK(SimParseBankCodes)->Unit(benchmark::kMillisecond);

void SimInsertSelect(benchmark::State& state) {
  Server server;
  SimConnection connection(server);
  Prepare(server, connection);
  connection.Execute("CREATE TABLE Sportarten (KZ varchar(30) NULL, NUMMER varchar(10) NULL, SPORTART varchar(80) NULL,"
                     " VerbandNr varchar(10) NULL, LfdNr INT NULL)");
  long number = 0;
  for (auto _ : state) {
    ++number;
    connection.Execute("Insert Into Sportarten Select KZ='BLSV', NUMMER='0', SPORTART='Adventure Race', VerbandNr='34',"
                       " LfdNr=" + std::to_string(number));
  }
  state.SetItemsProcessed(state.iterations());
}
BENCHMARK(SimInsertSelect);

void AddTables(SimConnection& connection) {
  for (int table = 0; table < 60; ++table) {
    std::string sql = "CREATE TABLE T" + std::to_string(table) + " (Nr int NOT NULL";
    for (int column = 0; column < 20; ++column) sql += ", C" + std::to_string(column) + " varchar(40) NULL";
    connection.Execute(sql + ")");
  }
}

void SimColumnProbe(benchmark::State& state) {
  Server server;
  SimConnection connection(server);
  Prepare(server, connection);
  AddTables(connection);
  for (auto _ : state) {
    auto result = connection.Query(
        "SELECT * FROM Information_Schema.Columns WHERE Table_Catalog='QUELOR_A' AND Table_Schema='dbo' AND "
        "Table_Name='T42' AND Column_Name='C7'");
    benchmark::DoNotOptimize(result.RecordCount());
  }
  state.SetItemsProcessed(state.iterations());
}
BENCHMARK(SimColumnProbe);

void SimObjectProbe(benchmark::State& state) {
  Server server;
  SimConnection connection(server);
  Prepare(server, connection);
  AddTables(connection);
  for (auto _ : state) {
    auto result = connection.Query("SELECT * FROM sysobjects WHERE name='T42'");
    benchmark::DoNotOptimize(result.RecordCount());
  }
  state.SetItemsProcessed(state.iterations());
}
BENCHMARK(SimObjectProbe);


// The end-of-batch comparison of RowSharing: a bank-code table of 4,000 rows
// written in one database and equal to the one of another database (loaded
// on its own, so long texts are separate copies); each round makes the
// written table's rows its own again, outside the timing.
void SimShareEqualTable(benchmark::State& state) {
  Server server;
  SimConnection connection(server);
  Prepare(server, connection);
  server.CreateDatabase("QUELOR_B");
  for (const char* database : {"QUELOR_A", "QUELOR_B"}) {
    connection.Execute(std::string("USE ") + database);
    connection.Execute(
        "CREATE TABLE D_blz (BLZ varchar(8) NOT NULL, LfdNr int NOT NULL, BANK varchar(60) NULL,"
        " ORT varchar(40) NULL, BIC varchar(11) NULL, Gebuehr numeric(10,2) NULL,"
        " Stand datetime NULL)");
    std::string batch;
    for (int row = 0; row < 4000; ++row) {
      const std::string bic =
          row % 5 == 0 ? std::string("NULL") : "'GENODEF1" + std::to_string(row % 10) + "'";
      batch += "insert into D_blz values('" + std::to_string(10000000 + row) + "'," +
               std::to_string(row) + ",'Volksbank Raiffeisenbank " + std::to_string(row % 97) +
               "','Ort " + std::to_string(row % 13) + "'," + bic + "," +
               std::to_string(row % 50) + ".25,'2013-02-20')\n";
    }
    connection.Execute(batch);
  }
  quelor::sim::Database& database = *server.FindDatabase("QUELOR_B");
  quelor::sim::Table& table = *database.FindTable("D_blz");
  for (auto _ : state) {
    state.PauseTiming();
    table.rows.Mutable();
    server.row_sharing().Written(database, table);
    state.ResumeTiming();
    server.row_sharing().ShareWritten(server);
  }
  if (!table.rows.shared()) state.SkipWithError("the equal tables were not shared");
  state.SetItemsProcessed(state.iterations() * 4000);
}
BENCHMARK(SimShareEqualTable)->Unit(benchmark::kMicrosecond);

}  // namespace

BENCHMARK_MAIN();
