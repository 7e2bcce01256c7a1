// The schema-change toolkit: the five guarded operations, the script runner,
// the two row operations and the statement helpers that carry a failure
// policy. Everything runs on the working connection, the current tenant
// database.
//
// The guarded operations first ask the server's catalogue whether a change is
// needed and send it only then; that is what makes a second run change
// nothing. Four of them leave their finding in ColumnAddedFlag(), set after the
// probe has answered and before the change is sent, so a catalogue step can
// fill a new column or table once. A failing probe is never caught: it ends
// the run.
#pragma once

#include <cstdint>
#include <initializer_list>
#include <string>
#include <string_view>
#include <vector>

#include "db/all_or_nothing.h"
#include "db/connection.h"
#include "db/error.h"
#include "db/policy.h"
#include "db/step_feedback.h"

namespace quelor::db {

class Toolkit {
 public:
  // `working` is the working connection; `current_database` the name of the
  // database it was last pointed at, kept up to date by the run control.
  Toolkit(Connection& working, const std::string& current_database, StepFeedback& feedback)
      : working_(working), current_database_(current_database), feedback_(feedback) {}
  Toolkit(const Toolkit&) = delete;
  Toolkit& operator=(const Toolkit&) = delete;

  bool ColumnAddedFlag() const { return column_added_flag_; }

  // --- Guarded schema operations --------------------------------------------

  // Adds column `column` to dbo.`table` unless the column exists. Sends
  // "ALTER TABLE dbo.<table> ADD <column>  <type> <size> <nullability>" (two
  // blanks after the column). Flag: true when the column was missing. A failure
  // of the change is dropped.
  void AddField(std::string_view table, std::string_view column, std::string_view type,
                std::string_view size, std::string_view nullability);

  // Gives an existing character column the maximum length `new_length` unless
  // the catalogue shows exactly that length. Sends
  // "ALTER TABLE dbo.<table> ALTER COLUMN <column>  <type> (<new_length>) <nullability>".
  // Flag: true when altered, false when the column is missing, unchanged when
  // the length is already right. `old_size` is not used. Failure: warning.
  void AlterStringField(std::string_view table, std::string_view column, std::string_view type,
                        std::string_view old_size, std::string_view nullability,
                        std::string_view new_length);

  // Creates a non-clustered index unless an index called `index_name` exists
  // anywhere in the database. Empty columns are left out. Leaves the flag
  // alone. Failure: warning.
  void AddIndex(std::string_view table, std::string_view index_name, std::string_view column1,
                std::string_view column2 = {}, std::string_view column3 = {},
                std::string_view column4 = {});

  // Drops constraint `constraint_name` of dbo.`table` if any object of that
  // name exists. Flag: true when found. Failure: warning.
  void DropConstraint(std::string_view table, std::string_view constraint_name);

  // Drops the primary key of dbo.`table`, whatever its name, if it has one.
  // Flag: true when found. Failure: warning.
  void DropPrimaryKey(std::string_view table);

  // --- Script runner and row operations ----------------------------------------

  // Runs the batches of a stored script (see db/script_splitter.h). A failing
  // batch shows a plain message box and the next batch runs; an unterminated
  // last batch is never sent.
  void SQLExec(std::string_view script);

  // Inserts one state sports body into tblLSB. Failure: warning.
  void AddStateSportsBody(std::string_view kennung, std::string_view bezeichnung);

  // Gives right `rb` to every user in PASS (one tblRechte row per user).
  // Failure: not caught.
  void GrantRightToAllUsers(std::int32_t rb, std::string_view bezeichnung,
                            std::string_view kurzname);

  // --- Statement helpers ---------------------------------------------------------

  // Sends one command text (the single-command statement object) and handles a
  // failure as `policy` says.
  void Exec(Policy policy, const std::string& text);

  // Sends a statement given as lines, each followed by CR LF, and handles a
  // failure as `policy` says.
  void ExecLines(Policy policy, std::initializer_list<std::string_view> lines);

  // Runs a query on the probe dataset. Failures are not caught.
  ResultSet Select(const std::string& text);

  // True when sysobjects has no object called `table`.
  bool TableMissing(std::string_view table);

  // Runs `action` and handles a db::Error it throws as `policy` says; the one
  // place where a failure is dropped or turned into a dialog.
  template <typename Action>
  void RunUnder(Policy policy, Action&& action) {
    try {
      action();
    } catch (const Error& e) {
      Handle(policy, e);
    }
  }

  // Runs `group` as one-time work that reaches the database whole or not at
  // all (see db/all_or_nothing.h): committed when `group` returns, rolled
  // back when a failure leaves it.
  template <typename Group>
  void AllOrNothing(Group&& group) {
    working_.OpenGroup();
    try {
      group();
    } catch (...) {
      working_.AbandonGroup();
      throw;
    }
    working_.CommitGroup();
  }

  Connection& working() { return working_; }
  StepFeedback& feedback() { return feedback_; }

 private:
  void Handle(Policy policy, const Error& e);
  ResultSet ColumnProbe(std::string_view table, std::string_view column);

  GroupingConnection working_;
  const std::string& current_database_;
  StepFeedback& feedback_;
  bool column_added_flag_ = false;
};

// `text` between single quotes, with quotes inside it doubled so that the
// literal reads back as `text`.
std::string QuoteLiteral(std::string_view text);

// Joins lines the way a statement given as lines is sent: every line, the
// last included, followed by CR LF.
std::string JoinCrLf(std::initializer_list<std::string_view> lines);
std::string JoinCrLf(const std::vector<std::string>& lines);

}  // namespace quelor::db
