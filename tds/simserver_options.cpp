#include "tds/simserver_options.h"

#include <charconv>

namespace quelor::tds {

std::pair<std::optional<SimServerOptions>, std::string> ParseSimServerOptions(const std::vector<std::string>& arguments) {
  SimServerOptions options;
  for (std::size_t i = 0; i < arguments.size(); ++i) {
    const std::string& name = arguments[i];
    if (name != "--port" && name != "--state" && name != "--login" && name != "--stats" && name != "--go-away-after") {
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
      std::uint64_t count = 0;
      auto [end, error] = std::from_chars(value.data(), value.data() + value.size(), count);
      if (error != std::errc() || end != value.data() + value.size() || count == 0) {
        return {std::nullopt, "--go-away-after needs a positive number, not " + value};
      }
      options.go_away_after = count;
    } else {
      const std::size_t colon = value.find(':');
      if (colon == std::string::npos || colon == 0) return {std::nullopt, "--login needs user:password, not " + value};
      options.logins.emplace_back(value.substr(0, colon), value.substr(colon + 1));
    }
  }
  return {options, ""};
}

}  // namespace quelor::tds
