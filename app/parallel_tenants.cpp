#include "app/parallel_tenants.h"

#include <mutex>
#include <thread>

namespace quelor::app {

std::vector<TenantFailure> MigrateInParallel(ParallelTenantsPlan& plan) {
  std::mutex mutex;  // guards everything below
  std::size_t next = 0;
  std::size_t ended = 0;
  bool stopping = false;
  std::vector<TenantFailure> failures;

  auto work = [&](TenantWorker& worker) {
    while (true) {
      std::size_t index = 0;
      {
        std::lock_guard lock(mutex);
        if (stopping || next == plan.tenants.size()) return;
        index = next++;
      }
      std::exception_ptr failure;
      try {
        worker.Migrate(index + 1, plan.tenants.size(), plan.tenants[index]);
      } catch (...) {
        failure = std::current_exception();
      }
      std::lock_guard lock(mutex);
      if (failure) {
        failures.push_back({plan.tenants[index], failure, worker.failed_statement()});
        if (!plan.keep_going) stopping = true;
      }
      ++ended;
      if (plan.on_tenant_ended) plan.on_tenant_ended(ended);
    }
  };

  std::vector<std::jthread> threads;
  threads.reserve(plan.workers.size());
  for (const std::unique_ptr<TenantWorker>& worker : plan.workers) {
    threads.emplace_back([&work, &worker] { work(*worker); });
  }
  threads.clear();  // joins
  return failures;
}

}  // namespace quelor::app
