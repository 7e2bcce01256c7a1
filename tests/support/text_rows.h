// The rows of a result set as plain text, NULL written as "NULL", so tests
// can compare whole results with a table of expected rows.
#pragma once

#include <string>
#include <vector>

#include "db/result_set.h"

namespace quelor::testing {

inline std::vector<std::vector<std::string>> TextRows(const db::ResultSet& result) {
  std::vector<std::vector<std::string>> rows;
  for (const auto& row : result.Rows()) {
    std::vector<std::string> fields;
    for (const auto& field : row) fields.push_back(field ? *field : "NULL");
    rows.push_back(std::move(fields));
  }
  return rows;
}

}  // namespace quelor::testing
