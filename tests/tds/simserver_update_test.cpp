// The real quelor-update binary over unixODBC and FreeTDS against
// quelor-simserver: the complete demo update ends in the same server state
// as the same run in-process, on the first and on the second run, and the
// second changes only what every run replaces.
#include <gtest/gtest.h>
#include <signal.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "sim/catalog/schema.h"
#include "sim/demo_server.h"
#include "sim/snapshot/snapshot.h"
#include "simserver_process.h"
#include "support/second_run_changes.h"

namespace quelor::tds {
namespace {

namespace fs = std::filesystem;

std::string FileText(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), {});
}

class SimServerUpdate : public ::testing::Test {
 protected:
  SimServerUpdate()
      : dir_(fs::temp_directory_path() / ("quelor_tds_update_" + std::to_string(::getpid()))) {
    fs::remove_all(dir_);
    fs::create_directories(dir_);
  }
  ~SimServerUpdate() override { fs::remove_all(dir_); }

  struct WireRun {
    int client_exit = -1;
    int server_exit = -1;
    std::string output;  // the console text
  };

  // Runs the update over the wire against the server kept in `state`.
  WireRun RunOverTheWire(const fs::path& state, const std::string& password,
                         const std::vector<std::string>& server_arguments = {}) {
    WireRun run;
    std::vector<std::string> arguments = {"--state", state.string()};
    arguments.insert(arguments.end(), server_arguments.begin(), server_arguments.end());
    SimServerProcess server(arguments);
    if (server.port() == 0) return run;
    const fs::path ini = dir_ / "SysDBAdo.INI";
    std::ofstream(ini) << "[Datenbank]\r\nProvider=SQLOLEDB.1\r\nUser ID=quelor\r\nPassword="
                       << password << "\r\nData Source=127.0.0.1," << server.port() << "\r\n";
    run.output = RunWithInput(std::string(QUELOR_UPDATE_BINARY) + " --console --ini " +
                                  ini.string() + "; echo \"exit $?\"",
                              "");
    run.server_exit = server.Stop(SIGTERM);
    const std::size_t at = run.output.rfind("exit ");
    if (at != std::string::npos) run.client_exit = std::stoi(run.output.substr(at + 5));
    return run;
  }

  int RunInProcess(const fs::path& state, std::string& output) {
    output = RunWithInput(std::string(QUELOR_UPDATE_BINARY) + " --console --demo --state " +
                              state.string() + "; echo \"exit $?\"",
                          "");
    const std::size_t at = output.rfind("exit ");
    return at == std::string::npos ? -1 : std::stoi(output.substr(at + 5));
  }

  fs::path dir_;
};

TEST_F(SimServerUpdate, CompleteDemoUpdateOverTheWireEqualsTheInProcessRun) {
  const fs::path wire = dir_ / "wire.json";
  const fs::path in_process = dir_ / "in_process.json";
  for (const char* round : {"first run", "second run"}) {
    const WireRun over_the_wire = RunOverTheWire(wire, "demo");
    const std::string& wire_output = over_the_wire.output;
    std::string in_process_output;
    ASSERT_EQ(over_the_wire.client_exit, 0) << round << "\n" << wire_output;
    EXPECT_EQ(over_the_wire.server_exit, 0) << "the server saves its state and ends";
    ASSERT_EQ(RunInProcess(in_process, in_process_output), 0) << round << "\n" << in_process_output;
    EXPECT_NE(wire_output.find("information [Informationen]: UPDATE erfolgreich ausgeführt!"),
              std::string::npos)
        << round << "\n"
        << wire_output;
    const std::string wire_state = FileText(wire);
    ASSERT_FALSE(wire_state.empty()) << round;
    EXPECT_TRUE(wire_state == FileText(in_process))
        << round << ": the snapshots differ; compare " << wire << " with " << in_process;
    if (std::string(round) == "first run") fs::copy_file(wire, dir_ / "wire_first.json");
  }
  // The second run over the wire changes only what every run replaces.
  sim::Server first;
  sim::Server second;
  sim::LoadSnapshot((dir_ / "wire_first.json").string(), first);
  sim::LoadSnapshot(wire.string(), second);
  for (const std::string& change : sim::DiffServers(first, second)) {
    EXPECT_TRUE(test::ReplacedOnEveryRun(change)) << change;
  }
}

TEST_F(SimServerUpdate, AWrongPasswordShowsTheServersLoginFailureAndStops) {
  const WireRun run = RunOverTheWire(dir_ / "wire.json", "falsch");
  const std::string& output = run.output;
  EXPECT_EQ(run.client_exit, 1) << output;
  EXPECT_NE(output.find("error [Fehler]: False parameters for database connection.\\nUnable to "
                        "connect to database "
                        "'Quelor'.\\n\\nLogin failed for user 'quelor'."),
            std::string::npos)
      << output;
  EXPECT_NE(output.find("Summary: 0 databases visited, 0 statements sent"), std::string::npos)
      << output;
}

TEST_F(SimServerUpdate, AMissingSystemDatabaseShowsTheServersTextAndStops) {
  sim::Server server;
  sim::BuildDemoServer(server);
  server.DropDatabase("Quelor");
  const fs::path state = dir_ / "without_system_database.json";
  sim::SaveSnapshot(server, state.string());
  const WireRun run = RunOverTheWire(state, "demo");
  EXPECT_EQ(run.client_exit, 1) << run.output;
  EXPECT_NE(run.output.find(
                "error [Fehler]: False parameters for database connection.\\nUnable to connect to "
                "database "
                "'Quelor'.\\n\\nLogin failed for user 'quelor'.\\nCannot open database \"Quelor\" "
                "requested by the login. The login failed."),
            std::string::npos)
      << run.output;
  EXPECT_NE(run.output.find("Summary: 0 databases visited, 0 statements sent"), std::string::npos)
      << run.output;
}

// Two runs started at once against one server (a double click, two
// administrators): one migrates, the other finds the run lock taken, changes
// nothing and ends with exit status 3. The server ends as after one run.
TEST_F(SimServerUpdate, OfTwoRunsStartedAtOnceOnlyOneMigrates) {
  const fs::path wire = dir_ / "wire.json";
  std::string outputs[2];
  int exits[2] = {-1, -1};
  {
    SimServerProcess server({"--state", wire.string()});
    ASSERT_NE(server.port(), 0);
    const fs::path ini = dir_ / "SysDBAdo.INI";
    std::ofstream(ini) << "[Datenbank]\r\nProvider=SQLOLEDB.1\r\nUser ID=quelor\r\nPassword=demo"
                       << "\r\nData Source=127.0.0.1," << server.port() << "\r\n";
    std::string command;
    for (int i = 0; i < 2; ++i) {
      const fs::path out = dir_ / ("run" + std::to_string(i) + ".txt");
      command += "(" + std::string(QUELOR_UPDATE_BINARY) + " --console --ini " + ini.string() +
                 " >" + out.string() + " 2>&1; echo \"exit $?\" >>" + out.string() + ") & ";
    }
    RunWithInput(command + "wait", "");
    EXPECT_EQ(server.Stop(SIGTERM), 0) << "the server saves its state and ends";
    for (int i = 0; i < 2; ++i) {
      outputs[i] = FileText(dir_ / ("run" + std::to_string(i) + ".txt"));
      const std::size_t at = outputs[i].rfind("exit ");
      if (at != std::string::npos) exits[i] = std::stoi(outputs[i].substr(at + 5));
    }
  }
  const int migrated = exits[0] == 0 ? 0 : 1;
  const std::string& winner = outputs[migrated];
  const std::string& loser = outputs[1 - migrated];
  ASSERT_EQ(exits[migrated], 0) << winner;
  EXPECT_NE(winner.find("information [Informationen]: UPDATE erfolgreich ausgeführt!"),
            std::string::npos)
      << winner;
  EXPECT_EQ(exits[1 - migrated], 3) << loser;
  EXPECT_NE(
      loser.find(
          "stop [Quelor vereinsverwaltung premium - SQL Update]: Auf diesem Server läuft bereits "
          "ein UPDATE. Bitte warten Sie, bis es beendet ist, und starten Sie das UPDATE dann "
          "erneut."),
      std::string::npos)
      << loser;
  EXPECT_NE(loser.find("Summary: 0 databases visited"), std::string::npos) << loser;
  EXPECT_EQ(loser.find("erfolgreich"), std::string::npos) << loser;
  // The server's state is that of a single run.
  const fs::path in_process = dir_ / "in_process.json";
  std::string in_process_output;
  ASSERT_EQ(RunInProcess(in_process, in_process_output), 0) << in_process_output;
  sim::Server single;
  sim::Server both;
  sim::LoadSnapshot(in_process.string(), single);
  sim::LoadSnapshot(wire.string(), both);
  EXPECT_EQ(sim::DiffServers(single, both), std::vector<std::string>{});
}

// The server ends in the middle of the first tenant's migration, as a machine
// that goes down: the run stops with the stop box, reports no
// success and ends with exit status 1.
TEST_F(SimServerUpdate, AServerThatGoesAwayMidTenantStopsTheRun) {
  // Request 3501: the run lock's statement is one of the requests before it.
  const WireRun run = RunOverTheWire(dir_ / "wire.json", "demo", {"--go-away-after", "3501"});
  EXPECT_EQ(run.server_exit, 3) << "the server went away";
  EXPECT_EQ(run.client_exit, 1) << run.output;
  EXPECT_NE(run.output.find("caption: QUELOR_TSV_Musterstadt/"), std::string::npos) << run.output;
  // The driver words a server gone in the middle of a request or between two
  // requests differently; either way one stop box, and no other dialog.
  const bool lost_between =
      run.output.find(
          "stop [Quelor vereinsverwaltung premium - SQL Update]: Communication link failure.\n") !=
      std::string::npos;
  const bool lost_within = run.output.find(
                               "stop [Quelor vereinsverwaltung premium - SQL Update]: Unexpected "
                               "EOF from the server.\n") != std::string::npos;
  EXPECT_TRUE(lost_between || lost_within) << run.output;
  EXPECT_NE(run.output.find("1 dialog shown."), std::string::npos) << run.output;
  EXPECT_EQ(run.output.find("erfolgreich"), std::string::npos) << run.output;
}

}  // namespace
}  // namespace quelor::tds
