// quelor-simserver against a client we did not write: FreeTDS's tsql.
#include <arpa/inet.h>
#include <gtest/gtest.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

#include <string>

#include "simserver_process.h"

namespace quelor::tds {
namespace {

std::string Tsql(int port, const std::string& user, const std::string& password,
                 const std::string& input, const std::string& database = "") {
  std::string command =
      "timeout 30 tsql -H 127.0.0.1 -p " + std::to_string(port) + " -U " + user + " -P " + password;
  if (!database.empty()) command += " -D " + database;
  return RunWithInput("LC_ALL=C.UTF-8 " + command, input);
}

TEST(SimServerTsql, QueryWithEveryTypeNullsAndGermanTextRoundTrips) {
  SimServerProcess server;
  ASSERT_NE(server.port(), 0);
  const std::string output = Tsql(
      server.port(), "quelor", "demo",
      "CREATE TABLE T (i int, s smallint, t tinyint, b bigint, f bit, d numeric(10,2), e "
      "decimal(18,4),"
      " r float, dt datetime, v varchar(40), n nvarchar(40), x text, g uniqueidentifier)\n"
      "INSERT INTO T VALUES (-7, 300, 200, 5000000000, 1, 12.50, -3.1416, 0.5, '20130220 13:45:10',"
      " 'Straße', N'ä ö ü ß € –', 'langer Text', 'A0EEBC99-9C0B-4EF8-BB6D-6BB9BD380A11')\n"
      "INSERT INTO T (i) VALUES (NULL)\n"
      "go\n"
      "SELECT i, s, t, b, f, d, e, r, dt, v, n, x, g FROM T ORDER BY i DESC\n"
      "go\n"
      "exit\n");
  EXPECT_NE(
      output.find("-7\t300\t200\t5000000000\t1\t12.50\t-3.1416\t0.5\tFeb 20 2013 01:45PM\tStraße\t"
                  "ä ö ü ß € –\tlanger Text\tA0EEBC99-9C0B-4EF8-BB6D-6BB9BD380A11"),
      std::string::npos)
      << output;
  EXPECT_NE(
      output.find("NULL\tNULL\tNULL\tNULL\tNULL\tNULL\tNULL\tNULL\tNULL\tNULL\tNULL\tNULL\tNULL"),
      std::string::npos)
      << output;
  EXPECT_NE(output.find("(2 rows affected)"), std::string::npos) << output;
}

TEST(SimServerTsql, GermanTextGoesInAndComesBackUnchanged) {
  SimServerProcess server;
  ASSERT_NE(server.port(), 0);
  const std::string output =
      Tsql(server.port(), "quelor", "demo",
           "CREATE TABLE U (n nvarchar(20))\nINSERT INTO U VALUES (N'Ä Ö Ü ä ö ü ß € –')\ngo\n"
           "SELECT n, LEN(n) AS l FROM U WHERE n = N'Ä Ö Ü ä ö ü ß € –'\ngo\nexit\n");
  EXPECT_NE(output.find("Ä Ö Ü ä ö ü ß € –\t17"), std::string::npos) << output;
}

TEST(SimServerTsql, ErrorsCarryNumberSeverityStateAndTheServersText) {
  SimServerProcess server;
  ASSERT_NE(server.port(), 0);
  const std::string output =
      Tsql(server.port(), "quelor", "demo", "SELECT 1 AS a\nSELECT * FROM Missing\ngo\nexit\n");
  EXPECT_NE(output.find("Msg 208 (severity 16, state 1) from QUELORSIM Line 1:\n\t\"Invalid object "
                        "name 'Missing'.\""),
            std::string::npos)
      << output;
}

TEST(SimServerTsql, LoginFailuresAreTheServersMessages) {
  SimServerProcess server({"--login", "admin:geheim;1"});
  ASSERT_NE(server.port(), 0);
  const std::string wrong = Tsql(server.port(), "admin", "falsch", "exit\n");
  EXPECT_NE(wrong.find("Msg 18456 (severity 14, state 1) from QUELORSIM Line 1:\n\t\"Login failed "
                       "for user 'admin'.\""),
            std::string::npos)
      << wrong;
  const std::string database = Tsql(server.port(), "admin", "'geheim;1'", "exit\n", "Nirgends");
  EXPECT_NE(database.find("Msg 4060 (severity 11, state 1) from QUELORSIM Line 1:\n\t\"Cannot open "
                          "database \"Nirgends\" "
                          "requested by the login. The login failed.\""),
            std::string::npos)
      << database;
  const std::string right =
      Tsql(server.port(), "admin", "'geheim;1'", "SELECT DB_NAME() AS d\ngo\nexit\n", "Quelor");
  EXPECT_NE(right.find("d\nQuelor\n"), std::string::npos) << right;
}

// Connects to the server, sends `bytes` and closes without waiting.
void SendAndLeave(int port, const std::string& bytes) {
  const int fd = ::socket(AF_INET, SOCK_STREAM, 0);
  ASSERT_GE(fd, 0);
  sockaddr_in address{};
  address.sin_family = AF_INET;
  address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
  address.sin_port = htons(static_cast<std::uint16_t>(port));
  ASSERT_EQ(::connect(fd, reinterpret_cast<sockaddr*>(&address), sizeof address), 0);
  if (!bytes.empty()) {
    EXPECT_EQ(::send(fd, bytes.data(), bytes.size(), MSG_NOSIGNAL),
              static_cast<ssize_t>(bytes.size()));
  }
  ::close(fd);
}

TEST(SimServerTsql, ClientsThatBreakOffOrSendGarbageEndOnlyTheirOwnConnection) {
  SimServerProcess server;
  ASSERT_NE(server.port(), 0);
  SendAndLeave(server.port(), "");
  SendAndLeave(server.port(),
               std::string("\x12\x01\x00\x40\x00\x00", 6));  // half a pre-login packet
  SendAndLeave(server.port(),
               std::string("\x12\x01\x00\x03\x00\x00\x01\x00", 8));  // length below the header
  SendAndLeave(server.port(),
               std::string("\x10\x01\x00\x0C\x00\x00\x01\x00\xFF\xFF\xFF\xFF", 12));  // a cut login
  SendAndLeave(server.port(), std::string(5000, '\x01'));
  const std::string output =
      Tsql(server.port(), "quelor", "demo", "SELECT 42 AS antwort\ngo\nexit\n");
  EXPECT_NE(output.find("antwort\n42\n"), std::string::npos) << output;
}

}  // namespace
}  // namespace quelor::tds
