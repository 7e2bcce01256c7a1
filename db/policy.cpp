#include "db/policy.h"

namespace quelor::db {

std::string_view PolicyName(Policy policy) {
  switch (policy) {
    case Policy::kIgnored:
      return "ignored";
    case Policy::kWarning:
      return "warning";
    case Policy::kError:
      return "error";
    case Policy::kMessage:
      return "message";
    case Policy::kUnguarded:
      return "unguarded";
  }
  return "unknown";
}

}  // namespace quelor::db
