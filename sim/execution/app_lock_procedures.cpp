// sp_getapplock and sp_releaseapplock with session-owned locks: the lock is
// named by the current database, the principal and the resource, belongs to
// the session and ends with it. The simulated server runs one request at a
// time, so it cannot wait: a request that would have to wait for another
// session is answered at once when @LockTimeout is 0 and refused otherwise.
#include <array>
#include <optional>
#include <span>

#include "sim/execution/executor.h"

namespace quelor::sim::execution {

namespace {

constexpr std::array<std::string_view, 5> kGetParameters = {"@Resource", "@LockMode", "@LockOwner",
                                                            "@LockTimeout", "@DbPrincipal"};
constexpr std::array<std::string_view, 3> kReleaseParameters = {"@Resource", "@LockOwner",
                                                                "@DbPrincipal"};

// Return statuses of both procedures.
constexpr int kGranted = 0;
constexpr int kTimedOut = -1;
constexpr int kCallError = -999;

// The first 255 characters of a UTF-8 text: the length of @Resource.
std::string ResourceName(const std::string& text) {
  std::size_t characters = 0;
  for (std::size_t i = 0; i < text.size(); ++i) {
    if ((static_cast<unsigned char>(text[i]) & 0xC0) != 0x80 && ++characters > 255)
      return text.substr(0, i);
  }
  return text;
}

std::optional<AppLockMode> LockMode(const std::string& text) {
  static const CaseInsensitiveMap<AppLockMode> kModes = {
      {"Shared", AppLockMode::kShared},
      {"Update", AppLockMode::kUpdate},
      {"IntentShared", AppLockMode::kIntentShared},
      {"IntentExclusive", AppLockMode::kIntentExclusive},
      {"Exclusive", AppLockMode::kExclusive}};
  auto found = kModes.find(text);
  if (found == kModes.end()) return std::nullopt;
  return found->second;
}

std::string Upper(std::string text) {
  for (char& c : text) {
    if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
  }
  return text;
}

}  // namespace

void Executor::RunExecute(const parser::Execute& call) {
  const bool get = EqualsIgnoreCase(call.procedure.name, "sp_getapplock");
  const std::string procedure = get ? "sp_getapplock" : "sp_releaseapplock";
  const std::span<const std::string_view> parameters =
      get ? std::span<const std::string_view>(kGetParameters)
          : std::span<const std::string_view>(kReleaseParameters);

  // Arguments by position first, then by name, as T-SQL binds them.
  CaseInsensitiveMap<Value> arguments;
  bool named = false;
  for (std::size_t position = 0; position < call.arguments.size(); ++position) {
    const parser::ProcedureArgument& argument = call.arguments[position];
    std::string name = argument.name;
    if (name.empty()) {
      if (named) Raise(119, {std::to_string(position + 1)});
      if (position >= parameters.size()) Raise(8144, {procedure});
      name = std::string(parameters[position]);
    } else {
      named = true;
      bool known = false;
      for (std::string_view parameter : parameters)
        known = known || EqualsIgnoreCase(parameter, name);
      if (!known) Raise(8145, {name, procedure});
      if (arguments.contains(name)) Raise(8143, {name});
    }
    arguments[name] = evaluator_.Eval(*argument.value, nullptr);
  }
  auto text = [&](std::string_view parameter, const char* fallback) -> std::optional<std::string> {
    auto found = arguments.find(std::string(parameter));
    if (found == arguments.end())
      return fallback ? std::optional<std::string>(fallback) : std::nullopt;
    return found->second.ToText();
  };

  int status = kGranted;
  std::optional<int> error;  // raised after the status is stored
  std::vector<std::string> error_args;
  const auto decide = [&]() {
    if (get && !arguments.contains("@LockMode")) Raise(201, {procedure, "@LockMode"});
    if (!arguments.contains("@Resource")) return kCallError;
    const std::optional<std::string> resource = text("@Resource", nullptr);
    if (!resource) {
      error = 1224;
      error_args = {procedure};
      return kCallError;
    }
    const std::string owner = text("@LockOwner", "Transaction").value_or("");
    if (EqualsIgnoreCase(owner, "Transaction")) {
      RaiseUnsupported(
          procedure +
          " with @LockOwner = 'Transaction' (application locks owned by a transaction)");
    }
    if (!EqualsIgnoreCase(owner, "Session")) return kCallError;
    const std::string principal = text("@DbPrincipal", "public").value_or("");
    if (!EqualsIgnoreCase(principal, "public") && !EqualsIgnoreCase(principal, "dbo")) {
      RaiseUnsupported(procedure + " with @DbPrincipal other than public or dbo");
    }
    const AppLockName lock{state_.CurrentDatabase().name(), Upper(principal),
                           ResourceName(*resource)};
    AppLockTable& locks = state_.session.server->app_locks();
    if (!get) {
      if (locks.Release(state_.session.id, lock)) return kGranted;
      error = 1223;
      error_args = {principal, lock.resource};
      return kCallError;
    }
    const std::optional<AppLockMode> mode = LockMode(text("@LockMode", nullptr).value_or(""));
    if (!mode) return kCallError;
    // Without the argument the session's lock time-out applies: wait forever.
    std::int64_t timeout = -1;
    if (auto found = arguments.find("@LockTimeout");
        found != arguments.end() && !found->second.is_null()) {
      timeout = Convert(found->second, SqlType::Of(TypeKind::kInt), state_.session.conversion())
                    .integer();
    }
    if (locks.Acquire(state_.session.id, lock, *mode)) return kGranted;
    if (timeout != 0) {
      RaiseUnsupported(
          "sp_getapplock waiting for a lock another session holds (@LockTimeout other than 0)");
    }
    return kTimedOut;
  };
  status = decide();
  if (!call.status_variable.empty()) {
    Variable& variable = evaluator_.FindVariable(call.status_variable);
    variable.value = Convert(Value::Integer(status), variable.type, state_.session.conversion());
  }
  if (error) Raise(*error, error_args);
}

}  // namespace quelor::sim::execution
