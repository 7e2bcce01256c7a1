// quelor-sim: a look inside the simulated server. Loads a snapshot (or starts
// empty), runs scripts or a batch in a database, prints results, lists or
// dumps what is there, and saves the server back to the snapshot.
#include <filesystem>
#include <fstream>
#include <iostream>
#include <sstream>
#include <string>
#include <vector>

#include "sim/catalog/schema.h"
#include "sim/demo_server.h"
#include "sim/execution/executor.h"
#include "sim/connection/script_loader.h"
#include "sim/snapshot/snapshot.h"

namespace {

using namespace quelor;

const char kUsage[] =
    "Usage: quelor-sim [--state FILE] COMMAND [ARGUMENTS]\n"
    "\n"
    "The simulated SQL Server the update tool is tested and demonstrated on.\n"
    "With --state FILE the server is loaded from that snapshot (when it exists)\n"
    "and saved back to it after a command that can change it.\n"
    "\n"
    "  demo                 replace the server with the demo server (system database,\n"
    "                       two clubs, one temporary database of the release before 11)\n"
    "  load DB SCRIPT.sql   create DB when missing and run the script's GO-separated\n"
    "                       batches in it; stops at the first batch that fails\n"
    "  sql DB \"TEXT\"        run TEXT as one batch in DB; print every result set\n"
    "                       (tab-separated, NULL as NULL) and every server message\n"
    "  list                 the databases with their tables and row counts\n"
    "  dump                 the snapshot JSON on standard output\n"
    "  diff FIRST SECOND    what differs between two snapshot files, one line per\n"
    "                       database, table or function (exit status 1 when any)\n"
    "\n"
    "Exit status: 0 success, 1 a server message or a failed batch, 2 bad usage.\n";

std::string ReadFile(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  if (!in) throw std::runtime_error("Cannot read " + path);
  std::stringstream text;
  text << in.rdbuf();
  return text.str();
}

void PrintRelation(const sim::Relation& relation) {
  std::vector<std::size_t> shown;
  for (std::size_t c = 0; c < relation.columns.size(); ++c) {
    if (!relation.columns[c].hidden) shown.push_back(c);
  }
  for (std::size_t i = 0; i < shown.size(); ++i) {
    std::cout << (i ? "\t" : "") << relation.columns[shown[i]].name;
  }
  std::cout << "\n";
  for (const sim::Row& row : relation.rows) {
    for (std::size_t i = 0; i < shown.size(); ++i) {
      std::cout << (i ? "\t" : "") << row[shown[i]].ToText().value_or("NULL");
    }
    std::cout << "\n";
  }
  std::cout << "(" << relation.rows.size() << (relation.rows.size() == 1 ? " row)\n" : " rows)\n");
}

int RunSql(sim::Server& server, const std::string& database, const std::string& text) {
  if (server.FindDatabase(database) == nullptr) {
    std::cerr << "Database '" << database << "' does not exist.\n";
    return 1;
  }
  sim::Session session;
  session.server = &server;
  session.database = database;
  sim::BatchResult result = sim::RunBatch(session, text);
  for (const sim::Relation& relation : result.result_sets) PrintRelation(relation);
  for (const sim::Message& message : result.errors) {
    std::cerr << "Msg " << message.number << ", Level " << message.severity << ": " << message.text
              << "\n";
  }
  return result.errors.empty() ? 0 : 1;
}

void List(const sim::Server& server) {
  for (const auto& database : server.databases()) {
    std::cout << database->name() << "\n";
    for (const auto& table : database->tables()) {
      std::cout << "  " << table->name << "\t" << table->rows.size() << " rows\n";
    }
    for (const auto& function : database->functions()) {
      std::cout << "  " << function->name << "\tfunction\n";
    }
  }
}

}  // namespace

int main(int argc, char** argv) {
  std::vector<std::string> args(argv + 1, argv + argc);
  std::string state;
  if (args.size() >= 2 && args[0] == "--state") {
    state = args[1];
    args.erase(args.begin(), args.begin() + 2);
  }
  if (args.empty() || args[0] == "--help" || args[0] == "-h") {
    std::cout << kUsage;
    return args.empty() ? 2 : 0;
  }
  const std::string& command = args[0];
  const std::size_t expected = command == "load" || command == "sql" || command == "diff" ? 3 : 1;
  if (args.size() != expected || (command != "demo" && command != "load" && command != "sql" &&
                                  command != "list" && command != "dump" && command != "diff")) {
    std::cerr << "quelor-sim: bad command line\n\n" << kUsage;
    return 2;
  }

  try {
    if (command == "diff") {
      sim::Server first, second;
      sim::LoadSnapshot(args[1], first);
      sim::LoadSnapshot(args[2], second);
      const std::vector<std::string> differences = sim::DiffServers(first, second);
      for (const std::string& line : differences) std::cout << line << "\n";
      return differences.empty() ? 0 : 1;
    }
    sim::Server server;
    if (command == "demo") {
      sim::BuildDemoServer(server);
    } else if (!state.empty() && std::filesystem::exists(state)) {
      sim::LoadSnapshot(state, server);
    }

    int status = 0;
    if (command == "load") {
      sim::LoadScript(server, args[1], ReadFile(args[2]));
    } else if (command == "sql") {
      status = RunSql(server, args[1], args[2]);
    } else if (command == "list") {
      List(server);
    } else if (command == "dump") {
      sim::WriteSnapshot(server, std::cout);
    }
    if (!state.empty() && (command == "demo" || command == "load" || command == "sql")) {
      sim::SaveSnapshot(server, state);
    }
    return status;
  } catch (const std::exception& e) {
    std::cerr << "quelor-sim: " << e.what() << "\n";
    return 1;
  }
}
