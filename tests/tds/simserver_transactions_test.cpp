// Transactions over the wire: a client that leaves with an open transaction
// leaves nothing behind, and a server that goes away keeps only committed
// work in its state file.
#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <string>

#include "sim/catalog/schema.h"
#include "sim/snapshot/snapshot.h"
#include "simserver_process.h"

namespace quelor::tds {
namespace {

namespace fs = std::filesystem;

std::string Tsql(int port, const std::string& input) {
  return RunWithInput("LC_ALL=C.UTF-8 timeout 30 tsql -H 127.0.0.1 -p " + std::to_string(port) +
                          " -U quelor -P demo -D QUELORTMP1",
                      input);
}

// Three requests: committed work, an open transaction, and its count.
constexpr const char* kCommittedThenOpen =
    "CREATE TABLE K (A int)\nINSERT INTO K VALUES (1)\ngo\n"
    "BEGIN TRANSACTION\nINSERT INTO K VALUES (2)\nCREATE TABLE O (A int)\ngo\n"
    "SELECT @@TRANCOUNT AS TranCount\ngo\nexit\n";

TEST(SimServerTransactions, AClientThatLeavesMidTransactionLeavesNothingBehind) {
  SimServerProcess server;
  ASSERT_NE(server.port(), 0);
  const std::string first = Tsql(server.port(), kCommittedThenOpen);
  EXPECT_NE(first.find("TranCount\n1\n"), std::string::npos) << first;
  const std::string second = Tsql(server.port(),
                                  "SELECT COUNT(*) AS Zeilen FROM K\ngo\nSELECT * FROM O\ngo\n"
                                  "SELECT @@TRANCOUNT AS TranCount\ngo\nexit\n");
  EXPECT_NE(second.find("Zeilen\n1\n"), std::string::npos) << second;
  EXPECT_NE(second.find("Invalid object name 'O'."), std::string::npos) << second;
  EXPECT_NE(second.find("TranCount\n0\n"), std::string::npos) << second;
}

TEST(SimServerTransactions, AServerThatGoesAwaySavesCommittedWorkOnly) {
  const fs::path state =
      fs::temp_directory_path() / ("quelor_tds_tx_" + std::to_string(::getpid()) + ".json");
  fs::remove(state);
  {
    SimServerProcess server({"--state", state.string(), "--go-away-after", "3"});
    ASSERT_NE(server.port(), 0);
    const std::string output = Tsql(server.port(), kCommittedThenOpen);
    EXPECT_EQ(output.find("TranCount"), std::string::npos) << "the third request is not answered\n"
                                                           << output;
  }
  ASSERT_TRUE(fs::exists(state));
  sim::Server saved;
  sim::LoadSnapshot(state.string(), saved);
  fs::remove(state);
  const sim::Database* database = saved.FindDatabase("QUELORTMP1");
  ASSERT_NE(database, nullptr);
  const sim::Table* committed = database->FindTable("K");
  ASSERT_NE(committed, nullptr);
  EXPECT_EQ(committed->rows.size(), 1u);
  EXPECT_EQ(database->FindTable("O"), nullptr);
}

}  // namespace
}  // namespace quelor::tds
