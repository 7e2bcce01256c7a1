#include "db/toolkit.h"

#include "config/text_util.h"
#include "db/script_splitter.h"

namespace quelor::db {
namespace {

using config::DoubleSingleQuotes;

// Names put between quotes in a probe are doubled: a tenant database called
// O'Neill must still be probed, not end the run with a syntax error. Names
// without a quote come out byte for byte as before.
std::string ProbeLiteral(std::string_view name) { return DoubleSingleQuotes(name); }

}  // namespace

std::string JoinCrLf(std::initializer_list<std::string_view> lines) {
  std::string text;
  for (std::string_view line : lines) text.append(line).append("\r\n");
  return text;
}

std::string JoinCrLf(const std::vector<std::string>& lines) {
  std::string text;
  for (const std::string& line : lines) text.append(line).append("\r\n");
  return text;
}

std::string QuoteLiteral(std::string_view text) { return "'" + DoubleSingleQuotes(text) + "'"; }

void Toolkit::Handle(Policy policy, const Error& e) {
  // A lost server answers nothing more: going on would only fill the screen
  // with one box per remaining step.
  if (e.connection_lost()) throw;
  switch (policy) {
    case Policy::kIgnored:
      break;
    case Policy::kWarning:
    case Policy::kError:
    case Policy::kMessage:
      feedback_.ShowFailure(policy, e.what());
      break;
    case Policy::kUnguarded:
      throw;
  }
  // Inside a one-time group the run may go on only if the server kept the
  // group's transaction: had it rolled the group back, the rest of the group
  // would reach the database without its beginning.
  if (working_.InTransaction() && !working_.TransactionSurvived()) throw;
}

void Toolkit::Exec(Policy policy, const std::string& text) {
  RunUnder(policy, [&] { working_.Execute(text); });
}

void Toolkit::ExecLines(Policy policy, std::initializer_list<std::string_view> lines) {
  Exec(policy, JoinCrLf(lines));
}

ResultSet Toolkit::Select(const std::string& text) { return working_.Query(text); }

bool Toolkit::TableMissing(std::string_view table) {
  return Select("SELECT * FROM sysobjects WHERE name='" + ProbeLiteral(table) + "'").Empty();
}

ResultSet Toolkit::ColumnProbe(std::string_view table, std::string_view column) {
  std::string text = "SELECT * FROM Information_Schema.Columns WHERE Table_Catalog='";
  text.append(ProbeLiteral(current_database_));
  text.append("' AND Table_Schema='dbo' AND Table_Name='").append(ProbeLiteral(table));
  text.append("' AND Column_Name='").append(ProbeLiteral(column)).append("'");
  return Select(text);
}

void Toolkit::AddField(std::string_view table, std::string_view column, std::string_view type,
                       std::string_view size, std::string_view nullability) {
  BusyCursorScope busy(feedback_);
  if (!ColumnProbe(table, column).Empty()) {
    column_added_flag_ = false;
    return;
  }
  column_added_flag_ = true;
  std::string text = "ALTER TABLE dbo.";
  text.append(table).append(" ADD ").append(column).append("  ").append(type);
  text.append(" ").append(size).append(" ").append(nullability);
  Exec(Policy::kIgnored, text);
}

void Toolkit::AlterStringField(std::string_view table, std::string_view column,
                               std::string_view type, std::string_view /*old_size*/,
                               std::string_view nullability, std::string_view new_length) {
  BusyCursorScope busy(feedback_);
  ResultSet probe = ColumnProbe(table, column);
  std::string length = probe.Empty() ? std::string() : probe.AsText(0, "CHARACTER_MAXIMUM_LENGTH");
  if (length == new_length) return;
  if (probe.Empty()) {
    column_added_flag_ = false;
    return;
  }
  column_added_flag_ = true;
  std::string text = "ALTER TABLE dbo.";
  text.append(table).append(" ALTER COLUMN ").append(column).append("  ").append(type);
  text.append(" (").append(new_length).append(") ").append(nullability);
  Exec(Policy::kWarning, text);
}

void Toolkit::AddIndex(std::string_view table, std::string_view index_name,
                       std::string_view column1, std::string_view column2, std::string_view column3,
                       std::string_view column4) {
  BusyCursorScope busy(feedback_);
  if (!Select("SELECT * FROM SysIndexes WHERE Name='" + ProbeLiteral(index_name) + "'").Empty()) {
    return;
  }
  std::string text = "CREATE NONCLUSTERED INDEX ";
  text.append(index_name).append(" ON ").append(table).append(" (").append(column1);
  for (std::string_view more : {column2, column3, column4}) {
    if (!more.empty()) text.append(", ").append(more);
  }
  text.append(")");
  Exec(Policy::kWarning, text);
}

void Toolkit::DropConstraint(std::string_view table, std::string_view constraint_name) {
  BusyCursorScope busy(feedback_);
  if (Select("SELECT * FROM sysobjects WHERE NAME='" + ProbeLiteral(constraint_name) + "'")
          .Empty()) {
    column_added_flag_ = false;
    return;
  }
  column_added_flag_ = true;
  ExecLines(Policy::kWarning, {"ALTER TABLE dbo." + std::string(table),
                               " DROP CONSTRAINT " + std::string(constraint_name)});
}

void Toolkit::DropPrimaryKey(std::string_view table) {
  BusyCursorScope busy(feedback_);
  const std::string last_line =
      " and OBJECT_NAME(ic.OBJECT_ID)='" + DoubleSingleQuotes(table) + "'";
  ResultSet probe = Select(
      JoinCrLf({" SELECT  distinct i.name AS IndexName", " FROM    sys.indexes AS i INNER JOIN",
                " sys.index_columns AS ic ON  i.OBJECT_ID = ic.OBJECT_ID",
                " AND i.index_id = ic.index_id", " WHERE   i.is_primary_key = 1", last_line}));
  if (probe.Empty()) {
    column_added_flag_ = false;
    return;
  }
  column_added_flag_ = true;
  const std::string key_name = probe.AsText(0, "IndexName");
  ExecLines(Policy::kWarning,
            {"ALTER TABLE dbo." + std::string(table), " DROP CONSTRAINT " + key_name});
}

void Toolkit::SQLExec(std::string_view script) {
  BusyCursorScope busy(feedback_);
  // The unterminated tail of the script is deliberately never sent.
  for (const std::string& batch : SplitIntoBatches(script).batches) {
    Exec(Policy::kMessage, batch);
  }
}

void Toolkit::AddStateSportsBody(std::string_view kennung, std::string_view bezeichnung) {
  // The values are doubled where they hold a quote, so a name with an
  // apostrophe is stored instead of failing the insert.
  ExecLines(Policy::kWarning,
            {"INSERT INTO tblLSB (Kennung, Bezeichnung)", "VALUES",
             "(" + QuoteLiteral(kennung) + ", " + QuoteLiteral(bezeichnung) + ")"});
}

void Toolkit::GrantRightToAllUsers(std::int32_t rb, std::string_view bezeichnung,
                                   std::string_view kurzname) {
  ExecLines(Policy::kUnguarded,
            {"INSERT INTO tblRechte (BENUTZER, RB, Bezeichnung, Kurzname, Ind)",
             " SELECT BENUTZER, " + std::to_string(rb) + ", " + QuoteLiteral(bezeichnung) + ", " +
                 QuoteLiteral(kurzname) + ", 'J' FROM PASS"});
}

}  // namespace quelor::db
