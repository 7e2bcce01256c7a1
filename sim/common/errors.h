// The server's refusals: message numbers, severities and texts exactly as the
// real server words them, and whether an error ends only the statement or the
// whole batch.
#pragma once

#include <stdexcept>
#include <string>
#include <vector>

namespace quelor::sim {

// How far an error reaches inside a batch. Statement errors (duplicate key,
// truncation, NULL into NOT NULL, constraint conflicts, DDL refusals) end the
// statement and the batch goes on with the next one. Batch errors (syntax
// errors, missing objects or columns met while a statement is compiled,
// conversion failures) end the batch.
enum class ErrorScope { kStatement, kBatch };

struct Message {
  int number = 0;
  int severity = 16;
  std::string text;
};

class SqlError : public std::runtime_error {
 public:
  SqlError(Message message, ErrorScope scope, std::vector<Message> follow_ups = {})
      : std::runtime_error(message.text),
        message_(std::move(message)),
        scope_(scope),
        follow_ups_(std::move(follow_ups)) {}

  const Message& message() const { return message_; }
  int number() const { return message_.number; }
  ErrorScope scope() const { return scope_; }
  // Messages the server sends after the first one for the same statement,
  // such as 1750 "Could not create constraint or index." after 8111.
  const std::vector<Message>& follow_ups() const { return follow_ups_; }

 private:
  Message message_;
  ErrorScope scope_;
  std::vector<Message> follow_ups_;
};

// The text of message `number` with its format arguments filled in order
// (%ls, %.*ls, %d and %S_MSG each take the next argument).
Message MakeMessage(int number, const std::vector<std::string>& args = {});

// Throws message `number` with the scope the real server gives it.
[[noreturn]] void Raise(int number, const std::vector<std::string>& args = {});
[[noreturn]] void RaiseWith(int number, const std::vector<std::string>& args, std::vector<Message> follow_ups);

// A construct the simulated server does not implement: fails loudly, naming it.
[[noreturn]] void RaiseUnsupported(const std::string& construct);

ErrorScope ScopeOf(int number);

// Whether a batch-ending error also rolls back the session's open transaction.
bool RollsBackTransaction(int number);

}  // namespace quelor::sim
