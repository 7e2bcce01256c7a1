#include <charconv>

#include "platform/instance_port_lookup.h"

namespace quelor::platform {
namespace {

bool EqualsIgnoreCase(const std::string& a, const std::string& b) {
  if (a.size() != b.size()) return false;
  for (std::size_t i = 0; i < a.size(); ++i) {
    auto lower = [](char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c + 32) : c; };
    if (lower(a[i]) != lower(b[i])) return false;
  }
  return true;
}

}  // namespace

std::optional<std::uint16_t> InstancePortFromReply(const std::string& reply,
                                                   const std::string& instance) {
  bool in_instance = false;
  std::size_t pos = 0;
  while (pos < reply.size()) {
    const std::size_t key_end = reply.find(';', pos);
    if (key_end == std::string::npos) break;
    const std::string key = reply.substr(pos, key_end - pos);
    if (key.empty()) {  // ";;" ends one instance's list
      in_instance = false;
      pos = key_end + 1;
      continue;
    }
    const std::size_t value_end = reply.find(';', key_end + 1);
    if (value_end == std::string::npos) break;
    const std::string value = reply.substr(key_end + 1, value_end - key_end - 1);
    if (EqualsIgnoreCase(key, "InstanceName")) in_instance = EqualsIgnoreCase(value, instance);
    if (in_instance && EqualsIgnoreCase(key, "tcp")) {
      unsigned port = 0;
      const auto [end, ec] = std::from_chars(value.data(), value.data() + value.size(), port);
      if (ec == std::errc() && end == value.data() + value.size() && port > 0 && port <= 0xFFFF) {
        return static_cast<std::uint16_t>(port);
      }
    }
    pos = value_end + 1;
  }
  return std::nullopt;
}

std::string NoTcpPortText(const std::string& host, const std::string& instance) {
  return "Der Dienst SQL Server Browser auf " + host + " nennt für die Instanz " + instance +
         " keinen TCP-Port.";
}

std::string SilentBrowserText(const std::string& host, const std::string& instance,
                              std::chrono::milliseconds timeout, std::uint16_t browser_port) {
  return "Für die Instanz " + instance + " hat auf " + host + " innerhalb von " +
         std::to_string((timeout.count() + 999) / 1000) +
         " Sekunden kein Dienst SQL Server Browser (UDP " + std::to_string(browser_port) +
         ") einen Port genannt.";
}

}  // namespace quelor::platform
