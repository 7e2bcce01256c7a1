#include "migration_fixture.h"

#include "migration/reference_commands.h"
#include "sim/connection/script_loader.h"
#include "sim/snapshot/snapshot.h"
#include "support/text_rows.h"

namespace quelor::resources {
extern const std::string_view kPreviousReleaseTenantScript;
}

namespace quelor::testing {
namespace {

std::string ConnectionText(const std::string& database) {
  return "Provider=SQLOLEDB.1;\r\nPassword=demo;\r\nUser ID=quelor;\r\nInitial Catalog=" +
         database + ";\r\nData Source=(simulated);\r\n";
}


}  // namespace

std::string SampleBankCodeDirectory() {
  // Sorted by bank code, so the sample holds whole codes with their branches.
  const std::string_view directory = migration::EmbeddedBankCodeDirectory();
  std::size_t end = 0;
  for (int record = 0; record < 60 && end < directory.size(); ++record) {
    end = directory.find('\n', end);
    end = end == std::string_view::npos ? directory.size() : end + 1;
  }
  return std::string(directory.substr(0, end));
}

MigrationTest::MigrationTest() {
  server.AddLogin("quelor", "demo");
  sim::LoadScript(server, database, resources::kPreviousReleaseTenantScript);
  sim_connection_.Open(ConnectionText(database));
}

void MigrationTest::Run(const std::vector<Segment>& segments) {
  migration::TenantContext context{toolkit_, *this, database, *this};
  for (const Segment& segment : segments) segment(context);
}

void MigrationTest::Prepare(const std::vector<Segment>& segments) {
  Run(segments);
  transcript.lines.clear();
  progress_count_ = 0;
}

void MigrationTest::UpdateProgress() {
  ++progress_count_;
  transcript.Add("progress");
}

void MigrationTest::pConn(const std::string& name) { transcript.Add("pconn " + name); }

void MigrationTest::MandantChange(const std::string& name) {
  transcript.Add("mandant " + name);
  database = name;
  sim_connection_.Close();
  sim_connection_.Open(ConnectionText(name));
}

db::ResultSet MigrationTest::QueryCatalogue(const std::string& text) {
  transcript.Add("c query " + text);
  sim::SimConnection catalogue(server);
  catalogue.Open(ConnectionText("Quelor"));
  return catalogue.Query(text);
}

void MigrationTest::SetCaption(const std::string& caption) { transcript.Add("caption " + caption); }

void MigrationTest::ScheduleGuvKeyCopy() {
  transcript.Add("guv copy scheduled");
  guv_copy_scheduled = true;
}

std::string_view MigrationTest::BankCodeDirectory() const {
  if (!bank_code_directory.empty()) return bank_code_directory;
  return migration::EmbeddedBankCodeDirectory();
}

std::vector<std::string> MigrationTest::Strip(std::vector<std::string> lines, std::size_t prefix) {
  for (std::string& line : lines) line.erase(0, prefix);
  return lines;
}

std::vector<std::vector<std::string>> MigrationTest::Rows(const std::string& sql) {
  sim::SimConnection reader(server);
  reader.Open(ConnectionText(database));
  return TextRows(reader.Query(sql));
}

std::vector<std::vector<std::string>> MigrationTest::ColumnShape(const std::string& table,
                                                                const std::string& column) {
  return Rows("SELECT DATA_TYPE, CHARACTER_MAXIMUM_LENGTH, IS_NULLABLE FROM "
              "Information_Schema.Columns WHERE Table_Name='" +
              table + "' AND Column_Name='" + column + "'");
}

std::string MigrationTest::DatabaseSnapshot() const { return sim::SnapshotText(server); }

}  // namespace quelor::testing
