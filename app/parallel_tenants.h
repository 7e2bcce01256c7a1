// Migrates a list of tenant databases on several workers at once. Each
// worker takes the next database of the list when it is free, so the list
// order is the order in which migrations start.
#pragma once

#include <cstddef>
#include <exception>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "app/tenant_worker.h"

namespace quelor::app {

struct TenantFailure {
  std::string database;
  std::exception_ptr failure;
  std::string statement;  // the statement that failed, when one did
};

struct ParallelTenantsPlan {
  std::vector<std::string> tenants;
  // The workers; one thread each. Not empty.
  std::vector<std::unique_ptr<TenantWorker>> workers;
  // false: after a failure no further tenant starts; those running finish.
  // true: the other tenants go on.
  bool keep_going = false;
  // Called, one call at a time, after each tenant: how many have ended.
  std::function<void(std::size_t ended)> on_tenant_ended;
};

// The failures that left a tenant's migration, in the order they happened.
std::vector<TenantFailure> MigrateInParallel(ParallelTenantsPlan& plan);

}  // namespace quelor::app
