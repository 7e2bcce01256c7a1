// The scalar function fnDays2NextBirthday, created on the previous-release
// tenant from its lines as the last segment of the second routine sends them,
// and called with real dates.
#include "migration/birthday_function.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "db/policy.h"
#include "migration_fixture.h"

namespace quelor::testing {
namespace {

using Table = std::vector<std::vector<std::string>>;
using db::Policy;

// The routine probe that decides whether the function is created.
const char kRoutineProbe[] =
    "SELECT * FROM Information_schema.Routines\n"
    "WHERE Specific_schema = 'dbo'\n"
    "AND specific_name = 'fnDays2NextBirthday'\n"
    "AND Routine_Type = 'FUNCTION'\n";

class BirthdayFunctionTest : public MigrationTest {
 protected:
  static void CreateFunction(migration::TenantContext& t) {
    t.db.Exec(Policy::kWarning, migration::Days2NextBirthdayText());
  }
};

TEST_F(BirthdayFunctionTest, CreatedFromItsLinesAsOneCommand) {
  EXPECT_TRUE(Rows(kRoutineProbe).empty());

  Run({CreateFunction});

  EXPECT_EQ(Executed(), std::vector<std::string>{migration::Days2NextBirthdayText()});
  EXPECT_TRUE(Dialogs().empty());
  EXPECT_EQ(Rows(kRoutineProbe).size(), 1u);
  const std::string text = migration::Days2NextBirthdayText();
  EXPECT_EQ(text.substr(text.size() - 5), "end\r\n");
}

TEST_F(BirthdayFunctionTest, CountsTheDaysToTheNextAnniversary) {
  Run({CreateFunction});

  struct Case {
    const char* birthdate;
    const char* today;
    const char* days;
    const char* why;
  };
  const Case cases[] = {
      {"'19800310'", "'20180310'", "0", "anniversary today"},
      {"'19800310'", "'20180311'", "364", "one day after: next year's anniversary"},
      {"'19800310'", "'20180309'", "1", "one day before"},
      {"'19800310'", "'20180310 15:00'", "365", "today with a time of day lies after the anniversary's midnight"},
      {"'20000229'", "'20000229'", "0", "leap-day birth, on the day itself"},
      {"'20000229'", "'20230228'", "0", "leap-day birth: the anniversary is 28 February"},
      {"'20000229'", "'20230301'", "364", "leap-day birth, the day after: 28 February of the leap year"},
      {"'20000229'", "'20240229'", "365", "leap-day birth on 29 February of a leap year: it stays 28 February"},
      {"'19901231'", "'20241231'", "0", "end of the year, anniversary today"},
      {"'19901231'", "'20250101'", "364", "new year's day: the end of this year"},
      {"'19901231'", "'20240101'", "365", "new year's day of a leap year"},
      {"'19900101'", "'20241231'", "1", "end of the year: anniversary on new year's day"},
      {"NULL", "'20180310'", "NULL", "no birth date"},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(Rows(std::string("SELECT dbo.fnDays2NextBirthday(") + c.birthdate + ", " + c.today + ")"),
              (Table{{c.days}}))
        << c.birthdate << " " << c.today << ": " << c.why;
  }
}

}  // namespace
}  // namespace quelor::testing
