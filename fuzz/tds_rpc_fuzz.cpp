// The RPC request message (its payload, without packet header), and the
// batch text each of its calls turns into. Malformed bytes are refused with
// ProtocolError; well-formed requests the server does not implement with
// Unsupported.
#include <cstddef>
#include <cstdint>
#include <vector>

#include "tds/rpc_request.h"
#include "tds/wire_buffer.h"

namespace {

void Interpret(const quelor::tds::RpcRequest& call) {
  using quelor::tds::Procedure;
  switch (quelor::tds::ProcedureOf(call)) {
    case Procedure::kExecuteSql:
      quelor::tds::ExecuteSqlBatch(call);
      break;
    case Procedure::kPrepare:
    case Procedure::kPrepExec: {
      const quelor::tds::PreparedStatement prepared = quelor::tds::PreparedFrom(call);
      if (call.parameters.size() > 3) {
        const std::span<const quelor::tds::RpcParameter> values(call.parameters);
        quelor::tds::DeclaredBatch(prepared.statement, prepared.declarations, values.subspan(3),
                                   call.procedure);
      }
      break;
    }
    case Procedure::kExecute:
    case Procedure::kUnprepare:
      quelor::tds::HandleOf(call);
      break;
    case Procedure::kOther:
      break;
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  std::vector<quelor::tds::RpcRequest> calls;
  try {
    calls = quelor::tds::ParseRpcCalls(quelor::tds::Bytes(data, data + size));
  } catch (const quelor::tds::ProtocolError&) {
    return 0;
  } catch (const quelor::tds::Unsupported&) {
    return 0;
  }
  for (const quelor::tds::RpcRequest& call : calls) {
    try {
      Interpret(call);
    } catch (const quelor::tds::Unsupported&) {
    }
  }
  return 0;
}
