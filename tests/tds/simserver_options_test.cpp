// The command line of quelor-simserver: the limits and their faults.
#include "tds/simserver_options.h"

#include <gtest/gtest.h>

namespace quelor::tds {
namespace {

TEST(SimServerOptions, LimitsAreTakenAndOutOfRangeValuesRefused) {
  const auto [defaults, none] = ParseSimServerOptions({});
  ASSERT_TRUE(defaults) << none;
  EXPECT_EQ(defaults->limits.max_connections, 64u);
  EXPECT_EQ(defaults->limits.max_message_bytes, kMaximumMessageSize);

  const auto [given, fault] = ParseSimServerOptions(
      {"--max-connections", "3", "--max-message-bytes", "1000", "--idle-timeout", "5",
       "--read-timeout", "2", "--reply-delay-ms", "0"});
  ASSERT_TRUE(given) << fault;
  EXPECT_EQ(given->limits.max_connections, 3u);
  EXPECT_EQ(given->limits.max_message_bytes, 1000u);
  EXPECT_EQ(given->limits.idle_timeout, std::chrono::seconds(5));
  EXPECT_EQ(given->limits.read_timeout, std::chrono::seconds(2));
  EXPECT_EQ(given->reply_delay_ms, 0u);
  EXPECT_EQ(ParseSimServerOptions({"--reply-delay-ms", "7"}).first->reply_delay_ms, 7u);

  for (const std::vector<std::string>& wrong :
       std::vector<std::vector<std::string>>{{"--max-connections", "0"},
                                             {"--max-connections", "-1"},
                                             {"--max-message-bytes", "99999999999999"},
                                             {"--idle-timeout", "1.5"},
                                             {"--read-timeout", "0"},
                                             {"--read-timeout", "99999999999"},
                                             {"--reply-delay-ms", "-1"},
                                             {"--reply-delay-ms", "60001"},
                                             {"--reply-delay-ms", "1ms"},
                                             {"--idle-timeout"}}) {
    const auto [options, why] = ParseSimServerOptions(wrong);
    EXPECT_FALSE(options) << wrong[0];
    EXPECT_NE(why.find(wrong[0]), std::string::npos) << why;
  }
}

}  // namespace
}  // namespace quelor::tds
