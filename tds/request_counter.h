// What the wire server was asked: connections, and requests (SQL batches and
// procedure calls) per database that was current when each arrived. Shared
// by all client threads; the benchmark reads it as round trips per tenant.
#pragma once

#include <cstdint>
#include <map>
#include <mutex>
#include <string>

namespace quelor::tds {

class RequestCounter {
 public:
  void CountConnection();
  // Returns the number of requests counted so far over all clients.
  std::uint64_t CountRequest(const std::string& database);

  // "connections\tN" and then "requests\t<database>\tN" per database, sorted.
  std::string Report() const;

 private:
  mutable std::mutex mutex_;
  std::uint64_t connections_ = 0;
  std::uint64_t requests_ = 0;
  std::map<std::string, std::uint64_t> per_database_;
};

}  // namespace quelor::tds
