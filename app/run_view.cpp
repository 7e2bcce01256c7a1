#include "app/run_view.h"

namespace quelor::app {

std::string_view DialogKindName(DialogKind kind) {
  switch (kind) {
    case DialogKind::kWarning:
      return "warning";
    case DialogKind::kError:
      return "error";
    case DialogKind::kInformation:
      return "information";
    case DialogKind::kPlain:
      return "message";
    case DialogKind::kStop:
      return "stop";
  }
  return "dialog";
}

}  // namespace quelor::app
