// The ground the catalogue tests stand on: the previous-release tenant loads,
// and a segment's statements, dialogs and progress are recorded.
#include "migration_fixture.h"

namespace quelor::testing {
namespace {

class FixtureTest : public MigrationTest {};

TEST_F(FixtureTest, RecordsStatementsDialogsAndProgress) {
  Run({[](migration::TenantContext& t) {
    t.db.AddField("Mandstam", "VereinUebUntgliedAbt", "smallint", "", "Null");
    t.progress.UpdateProgress();
    t.db.Exec(db::Policy::kWarning, "UPDATE Fehlt SET x=1");
  }});
  EXPECT_EQ(Executed(), (std::vector<std::string>{
                            "ALTER TABLE dbo.Mandstam ADD VereinUebUntgliedAbt  smallint  Null",
                            "UPDATE Fehlt SET x=1"}));
  EXPECT_EQ(Dialogs(), std::vector<std::string>{"dialog warning: Invalid object name 'Fehlt'."});
  EXPECT_EQ(progress_count(), 1);
  EXPECT_EQ(Rows("SELECT COUNT(*) FROM Information_Schema.Columns WHERE Table_Name='Mandstam' "
                 "AND Column_Name='VereinUebUntgliedAbt'"),
            (std::vector<std::vector<std::string>>{{"1"}}));
}

}  // namespace
}  // namespace quelor::testing
