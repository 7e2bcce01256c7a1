// Shared set-up of the simulated-server tests: a server with the login sa and
// a tenant database QUELOR_A, a connection opened on it, and helpers that
// read results as text or the refusal a statement gets.
#pragma once

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "db/error.h"
#include "sim/catalog/schema.h"
#include "sim/connection/sim_connection.h"
#include "support/text_rows.h"

namespace quelor::sim::testing {

inline std::string ConnectionText(const std::string& database) {
  return "Provider=SQLOLEDB.1;\r\nPassword=geheim;\r\nUser ID=sa;\r\nInitial Catalog=" + database +
         ";\r\nData Source=(local)\r\n";
}

class SimTest : public ::testing::Test {
 protected:
  SimTest() : connection_(server_) {
    server_.AddLogin("sa", "geheim");
    server_.CreateDatabase("QUELOR_A");
    connection_.Open(ConnectionText("QUELOR_A"));
  }

  void Run(const std::string& sql) { connection_.Execute(sql); }

  // All rows of the first result set, fields as text, NULL as "NULL".
  std::vector<std::vector<std::string>> Rows(const std::string& sql) {
    return quelor::testing::TextRows(connection_.Query(sql));
  }

  // The single field of a one-row, one-column result.
  std::string Scalar(const std::string& sql) {
    auto rows = Rows(sql);
    if (rows.size() != 1 || rows[0].size() != 1) {
      ADD_FAILURE() << "no single field from: " << sql;
      return {};
    }
    return rows[0][0];
  }

  // The text the caller sees when `sql` fails, or "(no error)".
  std::string ErrorOf(const std::string& sql) {
    try {
      connection_.Execute(sql);
    } catch (const db::Error& error) {
      return error.what();
    }
    return "(no error)";
  }

  int NumberOf(const std::string& sql) {
    try {
      connection_.Execute(sql);
    } catch (const db::Error& error) {
      return error.native_error();
    }
    return 0;
  }

  Server server_;
  SimConnection connection_;
};

}  // namespace quelor::sim::testing
