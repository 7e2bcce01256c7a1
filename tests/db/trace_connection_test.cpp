// The statement trace: one record per call with database, exact text and
// outcome; never a password.
#include "db/trace_connection.h"

#include <gtest/gtest.h>

#include <sstream>

#include "support/scripted_connection.h"

namespace quelor::db {
namespace {

TEST(TraceConnection, RecordsDatabaseExactTextAndOutcome) {
  testing::Transcript transcript;
  testing::ScriptedConnection inner(transcript, "w");
  inner.Answer("sysobjects", testing::Column("name", {"a", "b"}));
  inner.Fail("DROP TABLE", "Cannot drop the table 'x'.");
  std::ostringstream out;
  config::PasswordMask passwords;
  passwords.Remember("s3cr;et");
  TraceConnection trace(inner, out, "working", passwords);

  trace.Open("Provider=SQLOLEDB.1;\r\nPassword=s3cr;et;\r\nUser ID=sa;\r\nInitial Catalog=QUELOR_A;\r\n");
  trace.Execute("ALTER TABLE dbo.Adresse\r\n DROP CONSTRAINT K\r\n");
  trace.Query("SELECT * FROM sysobjects WHERE name='x'");
  EXPECT_THROW(trace.Execute("DROP TABLE x\n"), Error);

  const std::string text = out.str();
  auto has = [&](const std::string& part) {
    EXPECT_NE(text.find(part), std::string::npos) << part << "\nin:\n" << text;
  };
  has("=== working QUELOR_A | open | ok | ");
  has("Password=***;\r\nUser ID=sa;");
  has("=== working QUELOR_A | execute | ok | ");
  has(" ms\nALTER TABLE dbo.Adresse\r\n DROP CONSTRAINT K\r\n\n\n");
  has("=== working QUELOR_A | query | 2 rows | ");
  has("=== working QUELOR_A | execute | failed: Cannot drop the table 'x'. | ");
  EXPECT_EQ(text.find("s3cr"), std::string::npos) << text;
}

// Whatever the password holds, neither the connection text nor a failure
// text that repeats it (bare or braced, as in the ODBC string) shows it.
TEST(TraceConnection, MasksThePasswordByItsValue) {
  const char* const passwords[] = {"Geh;eim Wort=1", "a=b;c", "{klammer}", "x}y;z",
                                   " blank ", "Grüße;Äö", "it's \"q\""};
  for (const char* password : passwords) {
    testing::Transcript transcript;
    testing::ScriptedConnection inner(transcript, "w");
    inner.Fail("SELECT", std::string("login with PWD={") + password + "} and " + password);
    config::PasswordMask mask;
    mask.Remember(password);
    std::ostringstream out;
    TraceConnection trace(inner, out, "catalogue", mask);
    trace.Open(std::string("Provider=SQLOLEDB.1;\r\nPassword=") + password +
               ";\r\nUser ID=sa;\r\nInitial Catalog=Quelor;\r\n");
    EXPECT_THROW(trace.Query("SELECT 1"), Error);
    EXPECT_EQ(out.str().find(password), std::string::npos) << out.str();
    EXPECT_NE(out.str().find("Password=***;\r\nUser ID=sa;\r\n"), std::string::npos) << out.str();
    EXPECT_NE(out.str().find("failed: login with PWD=*** and *** |"), std::string::npos)
        << out.str();
  }
}

TEST(TraceConnection, NamesTheCatalogOfTheConnectionText) {
  EXPECT_EQ(CatalogOf("Provider=X;\r\nInitial Catalog=Quelor;\r\nData Source=S;\r\n"), "Quelor");
}

}  // namespace
}  // namespace quelor::db
