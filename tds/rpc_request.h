// Remote procedure calls: the procedure (by name or by the number of a
// special procedure such as sp_executesql) and its parameters, each value
// already written as a T-SQL literal. sp_executesql, and the statements that
// sp_prepare/sp_prepexec keep, run as a batch that declares the parameters
// with their values and then runs the statement: that is what the ODBC
// driver sends for a statement with bound parameters.
#pragma once

#include <cstdint>
#include <optional>
#include <span>
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
  std::string literal;  // "N'Grüße'", "42", "NULL", "0x0A1B", "'2013-02-20T13:45:10.1234567'"
  std::optional<std::string> text;  // the value of a character parameter
  bool output = false;
};

struct RpcRequest {
  std::string procedure;  // "sp_executesql" also when called by number
  std::vector<RpcParameter> parameters;
};

// Every call of an RPC message in order (ALL_HEADERS skipped). Throws
// ProtocolError for malformed bytes and Unsupported for parameter types
// outside those the server reads.
std::vector<RpcRequest> ParseRpcCalls(const Bytes& payload);
// The first call of an RPC message.
RpcRequest ParseRpc(const Bytes& payload);

// The procedures the server runs itself; kOther for every other name.
enum class Procedure { kExecuteSql, kPrepare, kExecute, kPrepExec, kUnprepare, kOther };
Procedure ProcedureOf(const RpcRequest& request);

// The batch that runs `statement` with the parameters `declarations`
// (sp_executesql's @params, "@P1 int,@P2 nvarchar(40)"; nullopt for none)
// set to `values`. Throws Unsupported for OUTPUT parameters and a count of
// values that does not match; `procedure` names the call in that text.
std::string DeclaredBatch(const std::string& statement,
                          const std::optional<std::string>& declarations,
                          std::span<const RpcParameter> values, const std::string& procedure);

// The batch that does what sp_executesql with `request`'s parameters does.
// Throws Unsupported for other procedures and OUTPUT parameters.
std::string ExecuteSqlBatch(const RpcRequest& request);

// A statement kept by sp_prepare or sp_prepexec until sp_unprepare.
struct PreparedStatement {
  std::optional<std::string> declarations;
  std::string statement;
};

// The statement sp_prepare/sp_prepexec (@handle OUTPUT, @params, @stmt, ...)
// keeps. Throws Unsupported when the statement text is missing.
PreparedStatement PreparedFrom(const RpcRequest& request);

// The handle an sp_execute or sp_unprepare call names (its first
// parameter); nullopt when it is NULL or missing.
std::optional<std::int32_t> HandleOf(const RpcRequest& request);

}  // namespace quelor::tds
