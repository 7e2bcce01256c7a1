// A tenant database of the previous release on the simulated server, and a
// way to run catalogue segments on it while recording what they send and
// show: the statements ("w execute <text>", "w query <text>"), the dialogs
// ("dialog warning: <text>") and the progress advances ("progress").
#pragma once

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "db/toolkit.h"
#include "migration/catalogue.h"
#include "sim/catalog/schema.h"
#include "sim/connection/sim_connection.h"
#include "support/recording_connection.h"
#include "support/recording_view.h"
#include "support/transcript.h"

namespace quelor::testing {

using Segment = std::function<void(migration::TenantContext&)>;

// The first records of the compiled-in bank code directory: what the tests
// load unless they ask for the whole directory, which takes the simulated
// server long under the sanitizers.
std::string SampleBankCodeDirectory();

class MigrationTest : public ::testing::Test,
                      private migration::Progress,
                      private migration::RunControl {
 protected:
  // Loads the previous-release fixture into database QUELOR_A.
  MigrationTest();

  // Runs `segments` in order on QUELOR_A, recording into `transcript`.
  void Run(const std::vector<Segment>& segments);
  // Runs `segments` without recording (to bring the database to the state a
  // later segment starts from), then clears the transcript.
  void Prepare(const std::vector<Segment>& segments);

  // Lines of the transcript: statements sent as commands, queries, dialogs.
  std::vector<std::string> Executed() const { return Strip(transcript.With("w execute "), 10); }
  std::vector<std::string> Queries() const { return Strip(transcript.With("w query "), 8); }
  std::vector<std::string> Dialogs() const { return transcript.With("dialog "); }
  int progress_count() const { return progress_count_; }

  // Rows of a query on QUELOR_A through a separate connection, fields as
  // text, NULL as "NULL".
  std::vector<std::vector<std::string>> Rows(const std::string& sql);
  // The catalogue's view of a column: one row of DATA_TYPE,
  // CHARACTER_MAXIMUM_LENGTH and IS_NULLABLE, or no row when it is missing.
  std::vector<std::vector<std::string>> ColumnShape(const std::string& table,
                                                    const std::string& column);
  // The whole database as a snapshot text, to compare two runs.
  std::string DatabaseSnapshot() const;

  sim::Server server;
  Transcript transcript;
  std::string database = "QUELOR_A";
  // What the run would answer: the tenant list's current name, the bank code
  // directory (a sample; empty: the whole one compiled in), whether the copy
  // of the profit-and-loss lines was asked for.
  std::string tenant_list_name = "QUELOR_A";
  std::string bank_code_directory = SampleBankCodeDirectory();
  bool guv_copy_scheduled = false;

 private:
  void UpdateProgress() override;
  // The run around the segments: connection changes, catalogue queries and
  // captions are recorded ("pconn <name>", "mandant <name>", "c query <text>",
  // "caption <text>"); the working connection follows MandantChange.
  void pConn(const std::string& name) override;
  void MandantChange(const std::string& name) override;
  db::ResultSet QueryCatalogue(const std::string& text) override;
  void SetCaption(const std::string& caption) override;
  const std::string& TenantListName() const override { return tenant_list_name; }
  void ScheduleGuvKeyCopy() override;
  std::string_view BankCodeDirectory() const override;
  static std::vector<std::string> Strip(std::vector<std::string> lines, std::size_t prefix);

  sim::SimConnection sim_connection_{server};
  RecordingConnection working_{sim_connection_, transcript, "w"};
  RecordingView view_{transcript};
  db::Toolkit toolkit_{working_, database, view_};
  int progress_count_ = 0;
};

}  // namespace quelor::testing
