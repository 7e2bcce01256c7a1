#include "sim/tenant_copies.h"

#include <cstdio>

#include "sim/connection/script_loader.h"
#include "sim/demo_server.h"

namespace quelor::resources {
extern const std::string_view kPreviousReleaseTenantScript;
}

namespace quelor::sim {

std::string TenantCopyName(int number) {
  char name[32];
  std::snprintf(name, sizeof name, "QUELOR_T%03d", number);
  return name;
}

void BuildTenantCopies(Server& server, int tenants) {
  server.AddLogin(std::string(kDemoUser), std::string(kDemoPassword));
  LoadScript(server, "Quelor", resources::kPreviousReleaseTenantScript);
  for (int k = 1; k <= tenants; ++k) {
    LoadScript(server, TenantCopyName(k), resources::kPreviousReleaseTenantScript);
  }
}

}  // namespace quelor::sim
