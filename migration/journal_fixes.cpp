// Journal indexes, cash-to-bank conversion, user and text fixes, and the
// template scripts Memo1 and Memo2.
#include "migration/journal_fixes.h"

#include <string_view>

namespace quelor::resources {
extern const std::string_view kMemo1;
extern const std::string_view kMemo2;
}  // namespace quelor::resources

namespace quelor::migration {

void JournalFixes(TenantContext& t) {
  using db::Policy;

  t.db.AddIndex("F5BEW4", "iSuchText", "BUCHJAHR", "InterneNr", "SUCHTEXT");
  t.db.AddIndex("F5BEW4", "iLfdNr", "LfdNr");
  t.db.AddIndex("F5BEW4", "iParent", "Parent");
  t.db.ExecLines(Policy::kWarning,
                 {"UPDATE F5BEW4 SET SuchText='HAUPT' WHERE ISNULL(SuchText,'')=''"});
  t.db.ExecLines(Policy::kWarning, {"UPDATE F5BEW4 SET Parent=-1 WHERE Parent IS NULL"});
  t.db.AddField("SportartenV", "LV", "varchar", "(60)", "");

  t.db.ExecLines(Policy::kWarning, {"UPDATE F5Kasses SET KB='B' WHERE KB='K'"});
  t.db.ExecLines(Policy::kWarning,
                 {"UPDATE F5bew4s SET Stapel='Bankbuch' WHERE Stapel='Kassenbuch'"});
  t.db.ExecLines(Policy::kWarning,
                 {"UPDATE F5bew4sg SET Stapel='Bankbuch' WHERE Stapel='Kassenbuch'"});
  t.db.ExecLines(Policy::kWarning,
                 {"UPDATE F5bw4sga SET Stapel='Bankbuch' WHERE Stapel='Kassenbuch'"});
  t.db.ExecLines(Policy::kWarning,
                 {"UPDATE F5bw4sa SET Stapel='Bankbuch' WHERE Stapel='Kassenbuch'"});
  t.db.ExecLines(Policy::kWarning, {"UPDATE F5bew4 SET DIALOG_STAP='B' WHERE DIALOG_STAP='K'"});

  t.db.AllOrNothing([&] {
    t.db.AddField("PASS", "AutoDatSichDeaktiv", "char", "(1)", "NULL");
    if (t.db.ColumnAddedFlag()) {
      t.db.Exec(Policy::kUnguarded, "UPDATE PASS SET AutoDatSichDeaktiv='N'");
    }
  });
  t.db.AddField("F6KOST", "EtatE", "numeric", "(18,8)", "Null");
  t.progress.UpdateProgress();
  t.db.AddField("F6KOST", "EtatK", "numeric", "(18,8)", "Null");
  t.progress.UpdateProgress();
  t.db.AllOrNothing([&] {
    t.db.AddField("GuVKennzD", "EA", "char", "(1)", "Null");
    t.progress.UpdateProgress();
    if (t.db.ColumnAddedFlag()) {
      t.db.Exec(Policy::kUnguarded, "UPDATE GuVKennzD SET EA='E' WHERE Kennz='A'");
      t.db.Exec(Policy::kUnguarded, "UPDATE GuVKennzD SET EA='A' WHERE Kennz='B'");
    }
  });

  t.db.Exec(Policy::kUnguarded,
            "UPDATE F5BuText SET [Text]='Aufnahmegebühren' WHERE [Text]='AUFNAHMEGEBÜHREN'");
  t.db.Exec(Policy::kUnguarded, "UPDATE F5BuText SET [Text]='Beitrag' WHERE [Text]='BEITRAG'");
  t.db.Exec(Policy::kUnguarded, "UPDATE F5BuText SET [Text]='Spende' WHERE [Text]='SPENDE'");

  // The second plus is a unary plus on the number: area code and number are
  // joined without a separator. The merge fails as a whole when one joined
  // number no longer fits Telefon1; the area codes are cleared only after a
  // merge that went through, otherwise they stay for the next run to merge.
  // The cleared area codes are what keeps a later run from prefixing the
  // numbers once more, so merge and clearing reach the database together: a
  // run stopped in between leaves both undone, not numbers with their area
  // code still beside them.
  t.db.AllOrNothing([&] {
    bool area_codes_merged = false;
    t.db.RunUnder(Policy::kIgnored, [&] {
      t.db.working().Execute(
          "UPDATE Adresse SET Telefon1=ISNULL(Vorwahl,'')+ + ISNULL(Telefon1,'')");
      area_codes_merged = true;
    });
    if (area_codes_merged) {
      t.db.Exec(Policy::kUnguarded, "UPDATE Adresse SET Vorwahl=NULL");
    }
  });
  t.progress.UpdateProgress();

  // Both scripts drop and re-create their seven templates on every run.
  t.db.SQLExec(resources::kMemo1);
  t.db.SQLExec(resources::kMemo2);
}

}  // namespace quelor::migration
