#include "sim/demo_server.h"

#include <stdexcept>

#include "db/error.h"
#include "sim/connection/script_loader.h"

namespace quelor::resources {
extern const std::string_view kPreviousReleaseTenantScript;
extern const std::string_view kDemoDataScript;
}  // namespace quelor::resources

namespace quelor::sim {
namespace {

constexpr const char* kDemoDatabases[] = {"Quelor", "QUELOR_TSV_Musterstadt",
                                          "QUELOR_SC_Beispielhausen", "QUELORTMP1"};

void Load(Server& server, const std::string& database, std::string_view script,
          const char* script_name) {
  try {
    LoadScript(server, database, script);
  } catch (const db::Error& e) {
    throw std::runtime_error(std::string(script_name) + " in " + database + ": " + e.what());
  }
}

}  // namespace

std::string DemoIniText() {
  return "[Datenbank]\r\nProvider=SQLOLEDB.1\r\nPersist Security Info=False\r\nUser ID=" +
         std::string(kDemoUser) + "\r\nPassword=" + std::string(kDemoPassword) +
         "\r\nData Source=(simulated)\r\n";
}

void BuildDemoServer(Server& server) {
  for (const char* database : kDemoDatabases) {
    Load(server, database, resources::kPreviousReleaseTenantScript, "previous_release_tenant.sql");
  }
  Load(server, kDemoDatabases[0], resources::kDemoDataScript, "demo_data.sql");
}

}  // namespace quelor::sim
