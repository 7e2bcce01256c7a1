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
  TraceConnection trace(inner, out, "working");

  trace.Open("Provider=SQLOLEDB.1;\r\nPassword=s3cr;et;\r\nUser ID=sa;\r\nInitial Catalog=QUELOR_A;\r\n");
  trace.Execute("ALTER TABLE dbo.Adresse\r\n DROP CONSTRAINT K\r\n");
  trace.Query("SELECT * FROM sysobjects WHERE name='x'");
  EXPECT_THROW(trace.Execute("DROP TABLE x\n"), Error);

  const std::string text = out.str();
  auto has = [&](const std::string& part) {
    EXPECT_NE(text.find(part), std::string::npos) << part << "\nin:\n" << text;
  };
  has("=== working QUELOR_A | open | ok | ");
  has("Password=***;et;\r\nUser ID=sa;");  // the item ends at the first ";"
  has("=== working QUELOR_A | execute | ok | ");
  has(" ms\nALTER TABLE dbo.Adresse\r\n DROP CONSTRAINT K\r\n\n\n");
  has("=== working QUELOR_A | query | 2 rows | ");
  has("=== working QUELOR_A | execute | failed: Cannot drop the table 'x'. | ");
  EXPECT_EQ(text.find("s3cr"), std::string::npos) << text;
}

TEST(TraceConnection, MasksEveryPasswordItem) {
  const struct {
    const char* text;
    const char* masked;
  } cases[] = {
      {"Password=abc;\r\nUser ID=sa;\r\n", "Password=***;\r\nUser ID=sa;\r\n"},
      {"pwd=abc;uid=sa", "pwd=***;uid=sa"},
      {"Integrated Security=SSPI;\r\n", "Integrated Security=SSPI;\r\n"},
      {"Password=;", "Password=***;"},
      {"Password=end", "Password=***"},
  };
  for (const auto& c : cases) EXPECT_EQ(MaskPassword(c.text), c.masked) << c.text;
  EXPECT_EQ(CatalogOf("Provider=X;\r\nInitial Catalog=Quelor;\r\nData Source=S;\r\n"), "Quelor");
}

}  // namespace
}  // namespace quelor::db
