// Loading a database from a GO-separated script.
#include "sim/connection/script_loader.h"

#include "db/error.h"
#include "db/script_splitter.h"
#include "sim/execution/executor.h"

namespace quelor::sim {

void LoadScript(Server& server, const std::string& database_name, std::string_view script) {
  Database& database = server.CreateDatabase(database_name);
  Session session;
  session.server = &server;
  session.database = database.name();
  db::SplitScript split = db::SplitIntoBatches(script);
  std::vector<std::string> batches = std::move(split.batches);
  if (split.unterminated.find_first_not_of(" \t\r\n") != std::string::npos) batches.push_back(split.unterminated);
  for (std::size_t i = 0; i < batches.size(); ++i) {
    BatchResult result = RunBatch(session, batches[i]);
    if (!result.errors.empty()) {
      const Message& first = result.errors.front();
      throw db::Error("Batch " + std::to_string(i + 1) + ": " + first.text, first.number);
    }
  }
}

}  // namespace quelor::sim
