// Remote procedure calls: the procedure (by name or by the number of a
// special procedure such as sp_executesql) and its parameters, each value
// already written as a T-SQL literal. sp_executesql runs as a batch that
// declares its parameters with their values and then runs the statement,
// which is what the ODBC driver sends for a statement with bound parameters.
#pragma once

#include <cstdint>
#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

#include "tds/wire_buffer.h"

namespace quelor::tds {

// A well-formed request the server does not implement; it is answered with
// an error token that names `what`, and the connection stays.
class Unsupported : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

struct RpcParameter {
  std::string name;     // "@P1", or empty for a positional parameter
  std::string literal;  // "N'Grüße'", "42", "NULL", "0x0A1B", "'2013-02-20T13:45:10.000'"
  std::optional<std::string> text;  // the value of a character parameter
  bool output = false;
};

struct RpcRequest {
  std::string procedure;  // "sp_executesql" also when called by number
  std::vector<RpcParameter> parameters;
};

// The first call of an RPC message (ALL_HEADERS skipped). Throws
// ProtocolError for malformed bytes and Unsupported for parameter types
// outside those the server reads.
RpcRequest ParseRpc(const Bytes& payload);

// The batch that does what sp_executesql with `request`'s parameters does.
// Throws Unsupported for other procedures and OUTPUT parameters.
std::string ExecuteSqlBatch(const RpcRequest& request);

}  // namespace quelor::tds
