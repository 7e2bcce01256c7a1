// The whole first routine through the update run on the simulated server: a
// tenant whose journal text table is missing stops the run with the stop box,
// and the databases after it are left as they were.
#include <gtest/gtest.h>

#include "app/update_run.h"
#include "sim/catalog/schema.h"
#include "sim/connection/script_loader.h"
#include "sim/connection/sim_connection.h"
#include "support/recording_view.h"
#include "support/transcript.h"

namespace quelor::resources {
extern const std::string_view kPreviousReleaseTenantScript;
}

namespace quelor::testing {
namespace {

TEST(WholeRun, AnUnguardedFailureStopsTheRunBeforeTheNextTenant) {
  sim::Server server;
  server.AddLogin("quelor", "demo");
  for (const char* name : {"QUELOR_A", "Quelor", "QUELOR_B"}) {
    sim::LoadScript(server, name, resources::kPreviousReleaseTenantScript);
  }
  sim::LoadScript(server, "QUELOR_A", "DROP TABLE F5BuText");

  Transcript transcript;
  RecordingView view(transcript);
  sim::SimConnection catalogue(server), working(server);
  app::UpdateRun run({catalogue, working, view, [] {
                        return config::IniFile::Parse(
                            "[Datenbank]\nProvider=SQLOLEDB.1\nUser ID=quelor\nPassword=demo\n");
                      }});
  EXPECT_EQ(run.Start(), app::RunOutcome::kStopped);

  const std::vector<std::string> dialogs = transcript.With("dialog ");
  ASSERT_EQ(dialogs.size(), 1u) << transcript.Dump();
  EXPECT_EQ(dialogs[0].rfind("dialog stop " + std::string(app::kApplicationTitle) +
                                 ": Invalid object name 'F5BuText'.",
                             0),
            0u)
      << dialogs[0];
  EXPECT_EQ(transcript.With("caption ").back(),
            "caption QUELOR_A/" + std::string(app::kApplicationTitle));
  EXPECT_EQ(view.gauge(), 100);  // full since the second segment; left as it was
  // The tenants after the failing one were not touched.
  for (const char* untouched : {"Quelor", "QUELOR_B"}) {
    EXPECT_EQ(server.FindDatabase(untouched)->FindTable("AdrFunktion"), nullptr) << untouched;
  }
  EXPECT_NE(server.FindDatabase("QUELOR_A")->FindTable("AdrFunktion"), nullptr);
}

}  // namespace
}  // namespace quelor::testing
