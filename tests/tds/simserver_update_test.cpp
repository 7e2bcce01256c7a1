// The real quelor-update binary over unixODBC and FreeTDS against
// quelor-simserver: the complete demo update ends in the same server state
// as the same run in-process, on the first and on the second run.
#include <gtest/gtest.h>
#include <signal.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

#include "simserver_process.h"

namespace quelor::tds {
namespace {

namespace fs = std::filesystem;

std::string FileText(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), {});
}

class SimServerUpdate : public ::testing::Test {
 protected:
  SimServerUpdate() : dir_(fs::temp_directory_path() / ("quelor_tds_update_" + std::to_string(::getpid()))) {
    fs::remove_all(dir_);
    fs::create_directories(dir_);
  }
  ~SimServerUpdate() override { fs::remove_all(dir_); }

  // Runs the update over the wire against the server kept in `state`;
  // returns the exit status and leaves the console text in `output`.
  int RunOverTheWire(const fs::path& state, const std::string& password, std::string& output) {
    SimServerProcess server({"--state", state.string()});
    if (server.port() == 0) return -1;
    const fs::path ini = dir_ / "SysDBAdo.INI";
    std::ofstream(ini) << "[Datenbank]\r\nProvider=SQLOLEDB.1\r\nUser ID=quelor\r\nPassword=" << password
                       << "\r\nData Source=127.0.0.1," << server.port() << "\r\n";
    output = RunWithInput(std::string(QUELOR_UPDATE_BINARY) + " --console --ini " + ini.string() + "; echo \"exit $?\"", "");
    EXPECT_EQ(server.Stop(SIGTERM), 0) << "the server saves its state and ends";
    const std::size_t at = output.rfind("exit ");
    return at == std::string::npos ? -1 : std::stoi(output.substr(at + 5));
  }

  int RunInProcess(const fs::path& state, std::string& output) {
    output = RunWithInput(std::string(QUELOR_UPDATE_BINARY) + " --console --demo --state " + state.string() +
                              "; echo \"exit $?\"", "");
    const std::size_t at = output.rfind("exit ");
    return at == std::string::npos ? -1 : std::stoi(output.substr(at + 5));
  }

  fs::path dir_;
};

TEST_F(SimServerUpdate, CompleteDemoUpdateOverTheWireEqualsTheInProcessRun) {
  const fs::path wire = dir_ / "wire.json";
  const fs::path in_process = dir_ / "in_process.json";
  for (const char* round : {"first run", "second run"}) {
    std::string wire_output;
    std::string in_process_output;
    ASSERT_EQ(RunOverTheWire(wire, "demo", wire_output), 0) << round << "\n" << wire_output;
    ASSERT_EQ(RunInProcess(in_process, in_process_output), 0) << round << "\n" << in_process_output;
    EXPECT_NE(wire_output.find("information [Informationen]: UPDATE erfolgreich ausgeführt!"), std::string::npos)
        << round << "\n" << wire_output;
    const std::string wire_state = FileText(wire);
    ASSERT_FALSE(wire_state.empty()) << round;
    EXPECT_TRUE(wire_state == FileText(in_process)) << round << ": the snapshots differ; compare " << wire << " with "
                                                   << in_process;
  }
}

TEST_F(SimServerUpdate, AWrongPasswordShowsTheServersLoginFailureAndStops) {
  std::string output;
  EXPECT_EQ(RunOverTheWire(dir_ / "wire.json", "falsch", output), 1) << output;
  EXPECT_NE(output.find("error [Fehler]: False parameters for database connection.\\nUnable to connect to database "
                        "'Quelor'.\\n\\nLogin failed for user 'quelor'."),
            std::string::npos)
      << output;
  EXPECT_NE(output.find("Summary: 0 databases visited, 0 statements sent"), std::string::npos) << output;
}

}  // namespace
}  // namespace quelor::tds
