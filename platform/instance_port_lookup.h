// Asks the SQL Server Browser service of a host (UDP 1434) for the TCP port of
// a named instance. The FreeTDS driver would ask too, but with a fixed 16
// tries of one second each, whatever the login time-out; asked here, the
// lookup ends within the time-out and a failure can say what did not answer.
#pragma once

#include <chrono>
#include <cstdint>
#include <optional>
#include <string>

namespace quelor::platform {

inline constexpr std::uint16_t kSqlBrowserPort = 1434;

struct InstancePortLookup {
  std::optional<std::uint16_t> port;  // the instance's TCP port when the service named one
  std::string failure;                // otherwise why not, in German, for the failure dialog
};

// Sends the request every second until a reply names the TCP port of
// `instance` (compared without regard to case) or `timeout` has passed. A
// service that does not know the instance stays silent, like one that does
// not run, so both end after `timeout`.
InstancePortLookup LookUpInstancePort(const std::string& host, const std::string& instance,
                                      std::chrono::milliseconds timeout,
                                      std::uint16_t browser_port = kSqlBrowserPort);

// The TCP port that a browser reply (the bytes after the three-byte header)
// gives for `instance`, if any. Replies list "key;value;" pairs, one instance
// after another, each ending with ";;".
std::optional<std::uint16_t> InstancePortFromReply(const std::string& reply,
                                                   const std::string& instance);

// The failure texts of a lookup: a service answered but named no TCP port for
// the instance, or nothing answered within `timeout`.
std::string NoTcpPortText(const std::string& host, const std::string& instance);
std::string SilentBrowserText(const std::string& host, const std::string& instance,
                              std::chrono::milliseconds timeout, std::uint16_t browser_port);

}  // namespace quelor::platform
