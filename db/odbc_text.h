// Text between the program and the driver: the program keeps UTF-8, the wide
// ODBC calls take and give UTF-16 (SQLWCHAR), so German text reaches the
// server unchanged whatever the machine's locale is.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "db/odbc_api.h"

namespace quelor::db {

static_assert(sizeof(SQLWCHAR) == 2, "the driver manager must use UTF-16 SQLWCHAR");

// UTF-16 text for a wide ODBC call, zero-terminated. Malformed UTF-8 turns
// into U+FFFD rather than failing: a statement is never cut short.
class WideText {
 public:
  explicit WideText(std::string_view utf8);

  // The text for an input argument; the call does not write to it.
  SQLWCHAR* data() { return units_.data(); }
  // Length in UTF-16 code units, without the terminator.
  std::size_t Length() const { return units_.size() - 1; }

 private:
  std::vector<SQLWCHAR> units_;
};

// UTF-16 code units to UTF-8. An unpaired surrogate becomes U+FFFD.
std::string ToUtf8(const SQLWCHAR* units, std::size_t length);

}  // namespace quelor::db
