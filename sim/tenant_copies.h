// A server at a hosting provider's scale: the system database and N club
// databases, all of the release before 11 (fixtures/previous_release_tenant.sql).
// Shared by the benchmarks and the tests that run many tenants.
#pragma once

#include <string>

#include "sim/catalog/schema.h"

namespace quelor::sim {

// QUELOR_T001, QUELOR_T002, ...
std::string TenantCopyName(int number);

// Adds the system database "Quelor" and `tenants` copies of the
// previous-release club database to `server`, and the demo login.
void BuildTenantCopies(Server& server, int tenants);

}  // namespace quelor::sim
