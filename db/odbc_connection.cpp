#include "db/odbc_connection.h"

#include "db/error.h"

namespace quelor::db {
namespace {

class OdbcConnection : public Connection {
 public:
  void Open(const std::string&) override { throw Error("ODBC backend not built yet"); }
  void Close() override {}
  bool IsOpen() const override { return false; }
  void Execute(const std::string&) override { throw Error("not open"); }
  ResultSet Query(const std::string&) override { throw Error("not open"); }
  void InsertRow(const std::string&, const std::vector<ColumnValue>&) override {
    throw Error("not open");
  }
};

}  // namespace

std::unique_ptr<Connection> MakeOdbcConnection() { return std::make_unique<OdbcConnection>(); }

}  // namespace quelor::db
