// The order of a batch's results as a wire client receives them: result
// sets, the rows each data change touched, and errors, statement by statement.
#include "sim/execution/executor.h"
#include "sim_fixture.h"

namespace quelor::sim::testing {
namespace {

using Kind = BatchResult::Outcome::Kind;

// One line per outcome: "rows 3", "error 2627", "result 2 rows".
std::vector<std::string> Outcomes(const BatchResult& result) {
  std::vector<std::string> lines;
  for (const BatchResult::Outcome& outcome : result.outcomes) {
    switch (outcome.kind) {
      case Kind::kRowCount:
        lines.push_back(outcome.counted ? "rows " + std::to_string(outcome.rows) : "no count");
        break;
      case Kind::kError: lines.push_back("error " + std::to_string(result.errors.at(outcome.index).number)); break;
      case Kind::kResultSet:
        lines.push_back("result " + std::to_string(result.result_sets.at(outcome.index).rows.size()) + " rows");
        break;
    }
  }
  return lines;
}

TEST_F(SimTest, BatchOutcomesComeInStatementOrder) {
  Run("CREATE TABLE T (Nr int NOT NULL PRIMARY KEY, Text varchar(3) NULL)");
  Session session;
  session.server = &server_;
  session.database = "QUELOR_A";
  struct Case {
    const char* batch;
    std::vector<std::string> outcomes;
  };
  const std::vector<Case> cases = {
      {"INSERT INTO T VALUES (1, 'a'), (2, 'b'), (3, 'c')\n"
       "INSERT INTO T VALUES (1, 'x')\n"
       "UPDATE T SET Text = 'y' WHERE Nr > 1\n"
       "DELETE FROM T WHERE Nr = 99\n"
       "SELECT * FROM T\n"
       "DECLARE @n int\nSELECT @n = COUNT(*) FROM T\n"
       "SELECT Nr FROM T WHERE Nr = 1",
       {"rows 3", "error 2627", "rows 2", "rows 0", "result 3 rows", "result 1 rows"}},
      // A batch error ends the batch after what ran before it.
      {"UPDATE T SET Text = 'z'\nSELECT * FROM Missing\nSELECT * FROM T", {"rows 3", "error 208"}},
      {"SELEC 1", {"error 102"}},
      {"SET NOCOUNT ON\nDELETE FROM T WHERE Nr = 3\nSET NOCOUNT OFF\nDELETE FROM T WHERE Nr = 2", {"no count", "rows 1"}},
  };
  for (const Case& test : cases) EXPECT_EQ(Outcomes(RunBatch(session, test.batch)), test.outcomes) << test.batch;
}

}  // namespace
}  // namespace quelor::sim::testing
