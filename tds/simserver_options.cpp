#include "tds/simserver_options.h"

#include <charconv>
#include <cstdint>
#include <set>

namespace quelor::tds {

namespace {

// A whole number from 1 to `most`.
std::optional<std::uint64_t> Positive(const std::string& value, std::uint64_t most) {
  std::uint64_t number = 0;
  auto [end, error] = std::from_chars(value.data(), value.data() + value.size(), number);
  if (error != std::errc() || end != value.data() + value.size() || number == 0 || number > most)
    return std::nullopt;
  return number;
}

// Longer time-outs than a year are as good as none; the bound keeps the
// milliseconds in range.
constexpr std::uint64_t kMostSeconds = 366ull * 24 * 3600;

}  // namespace

std::pair<std::optional<SimServerOptions>, std::string> ParseSimServerOptions(
    const std::vector<std::string>& arguments) {
  SimServerOptions options;
  for (std::size_t i = 0; i < arguments.size(); ++i) {
    const std::string& name = arguments[i];
    static const std::set<std::string> kNames = {"--port",
                                                 "--state",
                                                 "--login",
                                                 "--stats",
                                                 "--go-away-after",
                                                 "--max-connections",
                                                 "--max-message-bytes",
                                                 "--idle-timeout",
                                                 "--read-timeout",
                                                 "--reply-delay-ms"};
    if (!kNames.contains(name)) {
      return {std::nullopt, "unknown option " + name};
    }
    if (i + 1 >= arguments.size()) return {std::nullopt, name + " needs a value"};
    const std::string& value = arguments[++i];
    if (name == "--port") {
      int port = -1;
      auto [end, error] = std::from_chars(value.data(), value.data() + value.size(), port);
      if (error != std::errc() || end != value.data() + value.size() || port < 0 || port > 65535) {
        return {std::nullopt, "--port needs a number from 0 to 65535, not " + value};
      }
      options.port = port;
    } else if (name == "--state") {
      options.state_file = value;
    } else if (name == "--stats") {
      options.stats_file = value;
    } else if (name == "--go-away-after") {
      const std::optional<std::uint64_t> count = Positive(value, UINT64_MAX);
      if (!count) return {std::nullopt, "--go-away-after needs a positive number, not " + value};
      options.go_away_after = *count;
    } else if (name == "--max-connections" || name == "--max-message-bytes") {
      // Within reason: threads and memory are what these limits protect.
      const bool connections = name == "--max-connections";
      const std::uint64_t most = connections ? 10000 : std::uint64_t{4} << 30;
      const std::optional<std::uint64_t> number = Positive(value, most);
      if (!number)
        return {std::nullopt,
                name + " needs a number from 1 to " + std::to_string(most) + ", not " + value};
      (connections ? options.limits.max_connections : options.limits.max_message_bytes) = *number;
    } else if (name == "--reply-delay-ms") {
      std::uint64_t delay = 0;
      auto [end, error] = std::from_chars(value.data(), value.data() + value.size(), delay);
      if (error != std::errc() || end != value.data() + value.size() || delay > 60000) {
        return {std::nullopt, "--reply-delay-ms needs milliseconds from 0 to 60000, not " + value};
      }
      options.reply_delay_ms = delay;
    } else if (name == "--idle-timeout" || name == "--read-timeout") {
      const std::optional<std::uint64_t> seconds = Positive(value, kMostSeconds);
      if (!seconds)
        return {std::nullopt, name + " needs seconds from 1 to " + std::to_string(kMostSeconds) +
                                  ", not " + value};
      (name == "--idle-timeout" ? options.limits.idle_timeout : options.limits.read_timeout) =
          std::chrono::seconds(*seconds);
    } else {
      const std::size_t colon = value.find(':');
      if (colon == std::string::npos || colon == 0)
        return {std::nullopt, "--login needs user:password, not " + value};
      options.logins.emplace_back(value.substr(0, colon), value.substr(colon + 1));
    }
  }
  return {options, ""};
}

}  // namespace quelor::tds
