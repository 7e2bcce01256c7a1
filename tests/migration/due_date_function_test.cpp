// The stored script MemoFDat on the previous-release tenant: it creates the
// inline table function fFalligkeitDatum(@Year), whose rows are the due dates
// of the member contracts in that year. The contract table gets its due-date
// columns first, as the closing adjustments of the first routine add them.
#include <gtest/gtest.h>

#include <array>
#include <string>
#include <string_view>
#include <vector>

#include "db/policy.h"
#include "migration_fixture.h"
#include "sim/connection/sim_connection.h"

namespace quelor::resources {
extern const std::string_view kMemoFDat;
}

namespace quelor::testing {
namespace {

using Table = std::vector<std::vector<std::string>>;
using db::Policy;

const char kMidnight[] = " 00:00:00.000";

// AdrNr, VertragNr, Art, Sollstellung, VertragBegin, VertragEnde,
// FalligkeitDatum1..4, FalligkeitTag. The fixture's own contracts (AdrNr 1 to
// 9) keep their new columns NULL and so have no due dates.
const char kContracts[] =
    "INSERT INTO MgVert (AdrNr, VertragNr, Art, Sollstellung, VertragBegin, VertragEnde,"
    " FalligkeitDatum1, FalligkeitDatum2, FalligkeitDatum3, FalligkeitDatum4, FalligkeitTag) VALUES"
    // yearly: a leap day; a time of day, and columns that yearly ignores
    " (101, 'J1', 1, 'jährlich', '20240401', NULL, '20200229', NULL, NULL, NULL, NULL),"
    " (102, 'J2', NULL, 'jährlich', '19990101', '20250630', '20230331 14:30', '20230930', NULL, NULL, 15),"
    " (103, 'J3', 1, 'jährlich', NULL, NULL, NULL, '20230701', NULL, NULL, NULL),"
    // half-yearly: both dates (a third one ignored); only the second one
    " (104, 'H1', 2, 'halbjährl.', '20100101', '20241130', '20100131', '20100731', '20101031', NULL, NULL),"
    " (105, 'H2', 2, 'halbjährl.', '20250315', NULL, NULL, '20220815', NULL, NULL, NULL),"
    // quarterly: all four dates (a leap day, a time of day); the first and last only
    " (106, 'Q1', 7, 'quartal', '20220115', NULL, '19990101', '20000229', '20010930', '20011231 23:59:59', NULL),"
    " (107, 'Q2', 7, 'quartal', NULL, NULL, '20220415', NULL, NULL, '20221015', 31),"
    // monthly by day of the month; a stored date does not count for monthly
    " (108, 'M15', 5, 'monatlich', '20240301', '20240831', '20240101', NULL, NULL, NULL, 15),"
    " (109, 'M28', 5, 'monatlich', NULL, NULL, NULL, NULL, NULL, NULL, 28),"
    " (110, 'M29', 5, 'monatlich', NULL, NULL, NULL, NULL, NULL, NULL, 29),"
    " (111, 'M30', 5, 'monatlich', NULL, NULL, NULL, NULL, NULL, NULL, 30),"
    " (112, 'M31', 5, 'monatlich', NULL, NULL, NULL, NULL, NULL, NULL, 31),"
    // no due date: monthly without a day, no kind, a kind without due dates
    " (113, 'MN', 5, 'monatlich', NULL, NULL, '20240105', NULL, NULL, NULL, NULL),"
    " (114, 'S0', 1, NULL, NULL, NULL, '20240105', NULL, NULL, NULL, 10),"
    " (115, 'E1', 1, 'einmalig', NULL, NULL, '20240105', '20240405', '20240705', '20241005', 10)";

class DueDateFunctionTest : public MigrationTest {
 protected:
  void SetUp() override {
    Prepare({[](migration::TenantContext& t) {
      for (const char* column : {"FalligkeitDatum1", "FalligkeitDatum2", "FalligkeitDatum3", "FalligkeitDatum4"}) {
        t.db.Exec(Policy::kUnguarded, std::string("ALTER TABLE dbo.MgVert ADD ") + column + "  DateTime  NULL");
      }
      t.db.Exec(Policy::kUnguarded, "ALTER TABLE dbo.MgVert ADD FalligkeitTag  int  NULL");
      t.db.Exec(Policy::kUnguarded, kContracts);
    }});
  }

  // The script sent as one command, under the policy of its catalogue step.
  static void CreateFunction(migration::TenantContext& t) {
    t.db.Exec(Policy::kMessage, std::string(resources::kMemoFDat));
  }

  // Period and due date of one contract's rows in `year`, by period.
  Table DueDates(int year, int adr_nr) {
    return Rows("SELECT F.Zeitraum, F.FalligkeitDatum FROM dbo.fFalligkeitDatum(" + std::to_string(year) +
                ") AS F WHERE F.AdrNr = " + std::to_string(adr_nr) + " ORDER BY F.Zeitraum");
  }
};

TEST_F(DueDateFunctionTest, ScriptIsOneCommandThatCreatesAnInlineTableFunction) {
  Run({CreateFunction});

  EXPECT_EQ(Executed(), std::vector<std::string>{std::string(resources::kMemoFDat)});
  EXPECT_TRUE(Dialogs().empty());
  EXPECT_EQ(Rows("SELECT xtype FROM sysobjects WHERE name = 'fFalligkeitDatum'"), (Table{{"IF"}}));
  // Lines joined with CR LF and no batch separator.
  const std::string_view text = resources::kMemoFDat;
  EXPECT_EQ(text.find("\nGO"), std::string_view::npos);
  for (std::size_t at = text.find('\n'); at != std::string_view::npos; at = text.find('\n', at + 1)) {
    ASSERT_GT(at, 0u);
    EXPECT_EQ(text[at - 1], '\r') << "bare line feed at " << at;
  }
}

TEST_F(DueDateFunctionTest, RowsCarryTheContractColumnsWhereverTheContractBeginsOrEnds) {
  Run({CreateFunction});

  sim::SimConnection reader(server);
  reader.Open("User ID=quelor;Password=demo;Initial Catalog=QUELOR_A");
  const db::ResultSet result = reader.Query("SELECT * FROM dbo.fFalligkeitDatum(2025) WHERE AdrNr < 200");
  EXPECT_EQ(result.Columns(), (std::vector<std::string>{"AdrNr", "VertragNr", "Art", "Sollstellung", "VertragBegin",
                                                        "VertragEnde", "Zeitraum", "FalligkeitDatum"}));

  // Ended before the year, ends within it, begins within it: the contract
  // dates are copied and do not limit the due dates.
  EXPECT_EQ(Rows("SELECT * FROM dbo.fFalligkeitDatum(2025) AS F WHERE F.AdrNr IN (102, 104, 105) "
                 "ORDER BY F.AdrNr, F.Zeitraum"),
            (Table{{"102", "J2", "NULL", "jährlich", "1999-01-01 00:00:00.000", "2025-06-30 00:00:00.000", "1",
                    "2025-03-31 00:00:00.000"},
                   {"104", "H1", "2", "halbjährl.", "2010-01-01 00:00:00.000", "2024-11-30 00:00:00.000", "1",
                    "2025-01-31 00:00:00.000"},
                   {"104", "H1", "2", "halbjährl.", "2010-01-01 00:00:00.000", "2024-11-30 00:00:00.000", "7",
                    "2025-07-31 00:00:00.000"},
                   {"105", "H2", "2", "halbjährl.", "2025-03-15 00:00:00.000", "NULL", "7",
                    "2025-08-15 00:00:00.000"}}));
}

TEST_F(DueDateFunctionTest, StoredDueDatesKeepMonthAndDayButLeapDaysBecomeTheTwentyEighth) {
  Run({CreateFunction});

  struct Case {
    int year;
    int adr_nr;
    Table expected;  // Zeitraum, FalligkeitDatum (date part; the time is midnight)
  };
  const Case cases[] = {
      {2024, 101, {{"1", "2024-02-28"}}},
      {2025, 101, {{"1", "2025-02-28"}}},
      {2024, 102, {{"1", "2024-03-31"}}},
      {2024, 103, {}},
      {2024, 104, {{"1", "2024-01-31"}, {"7", "2024-07-31"}}},
      {2024, 105, {{"7", "2024-08-15"}}},
      {2024, 106, {{"1", "2024-01-01"}, {"2", "2024-02-28"}, {"3", "2024-09-30"}, {"4", "2024-12-31"}}},
      {2025, 106, {{"1", "2025-01-01"}, {"2", "2025-02-28"}, {"3", "2025-09-30"}, {"4", "2025-12-31"}}},
      {2024, 107, {{"1", "2024-04-15"}, {"4", "2024-10-15"}}},
      {1999, 107, {{"1", "1999-04-15"}, {"4", "1999-10-15"}}},
  };
  for (Case c : cases) {
    for (auto& row : c.expected) row[1] += kMidnight;
    EXPECT_EQ(DueDates(c.year, c.adr_nr), c.expected) << c.year << " contract " << c.adr_nr;
  }
}

TEST_F(DueDateFunctionTest, MonthlyDueDatesFollowTheDayUpToEachMonthsThreshold) {
  Run({CreateFunction});

  struct Case {
    int year;
    int adr_nr;  // 108: day 15, 109: 28, 110: 29, 111: 30, 112: 31
    std::array<const char*, 12> dates;  // periods 1 to 12
  };
  const Case cases[] = {
      {2024, 108, {"2024-01-31", "2024-02-15", "2024-03-15", "2024-04-15", "2024-05-15", "2024-06-15", "2024-07-15",
                   "2024-08-15", "2024-09-15", "2024-10-15", "2024-11-15", "2024-12-15"}},
      {2024, 109, {"2024-01-31", "2024-02-28", "2024-03-28", "2024-04-28", "2024-05-28", "2024-06-28", "2024-07-28",
                   "2024-08-28", "2024-09-28", "2024-10-28", "2024-11-28", "2024-12-28"}},
      {2024, 110, {"2024-01-31", "2024-02-28", "2024-03-29", "2024-04-29", "2024-05-31", "2024-06-30", "2024-07-31",
                   "2024-08-31", "2024-09-30", "2024-10-31", "2024-11-30", "2024-12-31"}},
      {2025, 110, {"2025-01-31", "2025-02-28", "2025-03-29", "2025-04-29", "2025-05-31", "2025-06-30", "2025-07-31",
                   "2025-08-31", "2025-09-30", "2025-10-31", "2025-11-30", "2025-12-31"}},
      {2024, 111, {"2024-01-31", "2024-02-28", "2024-03-30", "2024-04-30", "2024-05-31", "2024-06-30", "2024-07-31",
                   "2024-08-31", "2024-09-30", "2024-10-31", "2024-11-30", "2024-12-31"}},
      {2024, 112, {"2024-01-31", "2024-02-28", "2024-03-31", "2024-04-30", "2024-05-31", "2024-06-30", "2024-07-31",
                   "2024-08-31", "2024-09-30", "2024-10-31", "2024-11-30", "2024-12-31"}},
      {2025, 112, {"2025-01-31", "2025-02-28", "2025-03-31", "2025-04-30", "2025-05-31", "2025-06-30", "2025-07-31",
                   "2025-08-31", "2025-09-30", "2025-10-31", "2025-11-30", "2025-12-31"}},
  };
  for (const Case& c : cases) {
    Table expected;
    for (std::size_t i = 0; i < c.dates.size(); ++i) {
      expected.push_back({std::to_string(i + 1), std::string(c.dates[i]) + kMidnight});
    }
    EXPECT_EQ(DueDates(c.year, c.adr_nr), expected) << c.year << " contract " << c.adr_nr;
  }
}

TEST_F(DueDateFunctionTest, ContractsWithoutKindOrDueDateHaveNoRows) {
  Run({CreateFunction});

  // 1 to 9: the fixture's contracts, due-date columns NULL; 103: yearly
  // without a first date; 113: monthly without a day; 114: no kind; 115: a
  // kind that has no due dates.
  EXPECT_EQ(Rows("SELECT DISTINCT F.AdrNr FROM dbo.fFalligkeitDatum(2024) AS F ORDER BY F.AdrNr"),
            (Table{{"101"}, {"102"}, {"104"}, {"105"}, {"106"}, {"107"}, {"108"}, {"109"}, {"110"}, {"111"},
                   {"112"}}));
  // 1 + 1 + 2 + 1 + 4 + 2 yearly to quarterly, 5 x 12 monthly.
  EXPECT_EQ(Rows("SELECT COUNT(*) FROM dbo.fFalligkeitDatum(2024)"), (Table{{"71"}}));
}

TEST_F(DueDateFunctionTest, DroppedCreatedAndGrantedAgainOnEveryRun) {
  const Segment recreate = [](migration::TenantContext& t) {
    t.db.Exec(Policy::kIgnored, "DROP FUNCTION dbo.fFalligkeitDatum");
    CreateFunction(t);
    t.db.Exec(Policy::kIgnored, "GRANT EXECUTE ON dbo.fFalligkeitDatum TO Public");
  };
  Run({recreate, recreate});

  EXPECT_TRUE(Dialogs().empty());
  EXPECT_EQ(Rows("SELECT COUNT(*) FROM sysobjects WHERE name = 'fFalligkeitDatum'"), (Table{{"1"}}));
  EXPECT_EQ(Rows("SELECT COUNT(*) FROM dbo.fFalligkeitDatum(2025)"), (Table{{"71"}}));

  // Without the drop the script fails on the existing function and the
  // message shows the server's text.
  Run({CreateFunction});
  EXPECT_EQ(Dialogs().size(), 1u);
  ASSERT_FALSE(Dialogs().empty());
  EXPECT_NE(Dialogs()[0].find("There is already an object named 'fFalligkeitDatum' in the database."),
            std::string::npos)
      << Dialogs()[0];
}

}  // namespace
}  // namespace quelor::testing
