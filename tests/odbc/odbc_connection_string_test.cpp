// The mapping of the connection text the run builds onto the FreeTDS
// connection string: every item, both item orders, the server forms, the
// quoting FreeTDS reads back unchanged, and the providers that are refused.
#include "db/odbc_connection_string.h"

#include <gtest/gtest.h>

#include <string>

#include "db/error.h"

namespace quelor::db {
namespace {

constexpr std::string_view kDriver = "/lib/odbc/libtdsodbc.so";

struct Case {
  const char* what;
  std::string text;
  std::string expected;  // the connection string, or the error text when `fails`
  bool fails = false;
};

constexpr const char* kRefusedProvider =
    "' is not a SQL Server client, so no connection can be made. In SysDBAdo.INI, section "
    "[Datenbank], the key Provider should name SQLOLEDB, SQLNCLI11 or MSOLEDBSQL (for example "
    "Provider=SQLOLEDB.1).";

TEST(OdbcConnectionString, MapsEveryItemOntoTheFreeTdsConnectionString) {
  const std::string tail = ";TDS_Version=7.4;ClientCharset=UTF-8";
  const std::string head = "DRIVER=/lib/odbc/libtdsodbc.so;";
  const Case cases[] = {
      {"working connection, server login, named instance",
       "Provider=SQLOLEDB.1;\r\nPassword=x;\r\nUser ID=sa;\r\nPersist Security Info=False;\r\n"
       "Initial Catalog=QUELOR_A;\r\nData Source=SRV\\SQLEXPRESS;\r\n",
       head + "SERVER=SRV\\SQLEXPRESS;DATABASE=QUELOR_A;UID=sa;PWD=x" + tail},
      {"catalogue connection, integrated security, host and port",
       "Provider=SQLNCLI11;\r\nPersist Security Info=;\r\nIntegrated Security=SSPI;\r\n"
       "Initial Catalog=Quelor;\r\nData Source=db.example.org,1433;\r\n",
       head + "SERVER=db.example.org;Port=1433;DATABASE=Quelor;Trusted_Connection=Yes" + tail},
      {"(local) and provider in lower case",
       "Provider=sqloledb;\r\nPassword=;\r\nUser ID=sa;\r\nInitial Catalog=Quelor;\r\n"
       "Data Source=(local);\r\n",
       head + "SERVER=localhost;DATABASE=Quelor;UID=sa;PWD=" + tail},
      {"dot with instance",
       "Provider=MSOLEDBSQL.1;\r\nIntegrated Security=SSPI;\r\nInitial Catalog=Quelor;\r\n"
       "Data Source=.\\SQLEXPRESS;\r\n",
       head + "SERVER=localhost\\SQLEXPRESS;DATABASE=Quelor;Trusted_Connection=Yes" + tail},
      {"tcp: prefix, instance and port: the port wins",
       "Provider=SQLNCLI10;\r\nIntegrated Security=SSPI;\r\nInitial Catalog=Quelor;\r\n"
       "Data Source=tcp:srv\\inst,1444;\r\n",
       head + "SERVER=srv;Port=1444;DATABASE=Quelor;Trusted_Connection=Yes" + tail},
      {"one line, ODBC-style provider version",
       "Provider=MSOLEDBSQL19;Data Source=.;Initial Catalog=Quelor;User ID=sa;Password=pw",
       head + "SERVER=localhost;DATABASE=Quelor;UID=sa;PWD=pw" + tail},
      {"password with ';' stays whole and is braced",
       "Provider=SQLOLEDB.1;\r\nPassword=a;b;\r\nUser ID=sa;\r\nInitial Catalog=Quelor;\r\n"
       "Data Source=srv;\r\n",
       head + "SERVER=srv;DATABASE=Quelor;UID=sa;PWD={a;b}" + tail},
      {"password with ';', a blank and '=' after it stays whole and is braced",
       "Provider=SQLOLEDB.1;\r\nPassword=Geh;eim Wort=1;\r\nUser ID=sa;\r\nInitial Catalog=Quelor;\r\n"
       "Data Source=srv;\r\n",
       head + "SERVER=srv;DATABASE=Quelor;UID=sa;PWD={Geh;eim Wort=1}" + tail},
      {"password with '=' and blanks is braced, umlauts pass unchanged",
       "Provider=SQLOLEDB.1;\r\nPassword= Grün=1 ;\r\nUser ID=Käthe;\r\n"
       "Initial Catalog=QUELOR_Ü;\r\nData Source=srv;\r\n",
       head + "SERVER=srv;DATABASE=QUELOR_Ü;UID=Käthe;PWD={ Grün=1 }" + tail},
      {"password with '}' goes unbraced: FreeTDS 1.3 would keep a doubled '}}'",
       "Provider=SQLOLEDB.1;\r\nPassword=a}b{c;\r\nUser ID=sa;\r\nInitial Catalog=Quelor;\r\n"
       "Data Source=srv;\r\n",
       head + "SERVER=srv;DATABASE=Quelor;UID=sa;PWD=a}b{c" + tail},
      {"password with both ';' and '}' has no safe form",
       "Provider=SQLOLEDB.1;\r\nPassword=a;b};\r\nUser ID=sa;\r\nData Source=srv;\r\n",
       "The Password of the connection settings contains both ';' and '}' (or begins with '{'), "
       "which the FreeTDS ODBC driver cannot be given. Change it in SysDBAdo.INI and on the "
       "server.",
       true},
      {"default provider of a missing SysDBAdo.INI",
       "Provider=ERROR;\r\nPersist Security Info=;\r\nPassword=;\r\nUser ID=;\r\n"
       "Initial Catalog=Quelor;\r\nData Source=;\r\n",
       std::string("The provider 'ERROR") + kRefusedProvider, true},
      {"a provider for another database",
       "Provider=Microsoft.Jet.OLEDB.4.0;\r\nData Source=C:\\db.mdb;\r\n",
       std::string("The provider 'Microsoft.Jet.OLEDB.4.0") + kRefusedProvider, true},
      {"a name that only begins like a SQL Server provider",
       "Provider=SQLOLEDBX;\r\nData Source=srv;\r\n",
       std::string("The provider 'SQLOLEDBX") + kRefusedProvider, true},
      {"no provider item", "Data Source=srv;\r\n", std::string("The provider '") + kRefusedProvider,
       true},
  };
  for (const Case& c : cases) {
    if (c.fails) {
      try {
        MapConnectionText(c.text, kDriver);
        ADD_FAILURE() << c.what << ": no error";
      } catch (const Error& e) {
        EXPECT_EQ(e.what(), c.expected) << c.what;
      }
    } else {
      EXPECT_EQ(MapConnectionText(c.text, kDriver), c.expected) << c.what;
    }
  }
}

// The port of a named instance, once looked up, replaces the instance name;
// without it FreeTDS gets "host\\instance" and asks itself.
TEST(OdbcConnectionString, ANamedInstanceGoesByTheLookedUpPort) {
  const std::string text =
      "Provider=SQLOLEDB.1;\r\nIntegrated Security=SSPI;\r\nInitial Catalog=Quelor;\r\n"
      "Data Source=.\\SQLEXPRESS;\r\n";
  EXPECT_EQ(MapConnectionText(text, kDriver, "49172"),
            "DRIVER=/lib/odbc/libtdsodbc.so;SERVER=localhost;Port=49172;DATABASE=Quelor;"
            "Trusted_Connection=Yes;TDS_Version=7.4;ClientCharset=UTF-8");
  const struct {
    const char* data_source;
    ServerAddress server;
  } cases[] = {
      {"SRV\\SQLEXPRESS", {"SRV", "SQLEXPRESS", ""}},
      {"(local)\\Inst", {"localhost", "Inst", ""}},
      {"tcp:db.example.org,1444", {"db.example.org", "", "1444"}},
      {"srv\\inst,1444", {"srv", "", "1444"}},
      {"srv", {"srv", "", ""}},
  };
  for (const auto& c : cases) {
    const ServerAddress server =
        ServerOf(std::string("Provider=SQLOLEDB.1;\r\nData Source=") + c.data_source + ";\r\n");
    EXPECT_EQ(server.host, c.server.host) << c.data_source;
    EXPECT_EQ(server.instance, c.server.instance) << c.data_source;
    EXPECT_EQ(server.port, c.server.port) << c.data_source;
  }
}

}  // namespace
}  // namespace quelor::db
