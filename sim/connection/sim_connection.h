// The database interface on the simulated server: opens a session from the
// connection text the run builds (checking the login and the database as the
// real server does), runs batches and returns their first result set as the
// text fields an ODBC client reads. Several connections can share a server,
// also from several threads: they take turns statement by statement.
#pragma once

#include <string>
#include <vector>

#include "db/connection.h"
#include "sim/catalog/schema.h"
#include "sim/common/errors.h"
#include "sim/execution/relation.h"
#include "sim/execution/session.h"

namespace quelor::sim {

class SimConnection : public db::Connection {
 public:
  explicit SimConnection(Server& server) : server_(server) {}
  // Ends the session: its open transaction is rolled back and its
  // application locks are given back, as the real server does when a
  // connection ends.
  ~SimConnection() override;
  SimConnection(const SimConnection&) = delete;
  SimConnection& operator=(const SimConnection&) = delete;

  // Items "Key=value" separated by ";" or line breaks: Provider (a SQL Server
  // provider or none), Initial Catalog (default master), User ID and Password,
  // or Integrated Security=SSPI. Throws db::Error 18456 for a login the
  // server does not know and 4060 for a database it does not have.
  void Open(const std::string& connection_text) override;
  void Close() override;
  bool IsOpen() const override { return open_; }

  // Throws db::Error with the text and number of the batch's first error.
  void Execute(const std::string& text) override;
  db::ResultSet Query(const std::string& text) override;
  void InsertRow(const std::string& table, const std::vector<db::ColumnValue>& values) override;

  // Every error message of the last batch, in the order the server sent them
  // (the first is the one thrown).
  const std::vector<Message>& LastMessages() const { return last_messages_; }
  const Session& session() const { return session_; }

 private:
  std::vector<Relation> RunChecked(const std::string& text);
  void EndSession();

  Server& server_;
  Session session_;
  bool open_ = false;
  std::vector<Message> last_messages_;
};

// Formats a field as an ODBC client reads it as text: integers in decimal,
// decimals with their scale ("12.50"), bit "1"/"0", datetime
// "2013-02-20 00:00:00.000"; nullopt for NULL.
std::optional<std::string> FieldText(const Value& value);

}  // namespace quelor::sim
