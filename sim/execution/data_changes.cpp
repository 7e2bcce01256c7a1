// INSERT, UPDATE and DELETE with the checks of the real server: column lists,
// identity numbering and IDENTITY_INSERT, defaults, NOT NULL, truncation,
// unique keys, and foreign keys with their cascades. A statement that fails
// leaves no change behind.
#include "sim/execution/data_changes.h"

#include <algorithm>
#include <functional>
#include <memory>
#include <optional>

#include "sim/common/errors.h"
#include "sim/execution/row_removal.h"

namespace quelor::sim::execution {

namespace {

std::string KeyValueText(const Row& row, const std::vector<int>& positions) {
  std::string text = "(";
  for (std::size_t i = 0; i < positions.size(); ++i) {
    if (i > 0) text += ", ";
    text += row[static_cast<std::size_t>(positions[i])].ToMessageText();
  }
  return text + ")";
}

std::vector<int> Positions(const Table& table, const std::vector<std::string>& names) {
  std::vector<int> positions;
  for (const std::string& name : names) positions.push_back(table.ColumnIndex(name));
  return positions;
}

std::string ReferenceKey(const Row& row, const std::vector<int>& positions, bool& has_null) {
  std::string key;
  has_null = false;
  for (int position : positions) {
    const Value& value = row[static_cast<std::size_t>(position)];
    if (value.is_null()) has_null = true;
    AppendKeyText(key, value);
    key.push_back('\x1f');
  }
  return key;
}

// The detail part of message 547: ", column 'X'" for a one-column key.
std::vector<std::string> ConflictArgs(const std::string& statement, const std::string& kind,
                                      const std::string& name, const std::string& database,
                                      const std::string& table,
                                      const std::vector<std::string>& columns) {
  if (columns.size() == 1)
    return {statement, kind, name, database, table, ", column '", columns[0], "'"};
  return {statement, kind, name, database, table, "", "", ""};
}

}  // namespace

Value DataChanges::AssignToColumn(const Value& value, const std::string& qualified,
                                  const Column& column) {
  const ConversionContext context = state_.session.conversion();
  if (value.is_null()) return Value::Null(column.type);
  const SqlType& target = column.type;
  if (IsStringKind(target.kind) || IsBinaryKind(target.kind)) {
    const bool is_text = IsStringKind(value.kind()) || IsBinaryKind(value.kind());
    const Value converted =
        is_text ? Value() : Convert(value, SqlType{target.kind, -1, 0, 0, false}, context);
    const Value& text = is_text ? value : converted;
    // A text of no more bytes than the length has no more characters either;
    // in a varying text type it keeps its storage, as Convert keeps it.
    const auto length = static_cast<std::size_t>(target.length);
    const bool fits = target.length <= 0 || text.text().size() <= length;
    if (fits && IsStringKind(text.kind()) && IsStringKind(target.kind) &&
        target.kind != TypeKind::kChar && target.kind != TypeKind::kNChar) {
      return text.TextAs(target);
    }
    if (!fits && CharacterCount(text.text()) > length) {
      std::string_view kept = FirstCharacters(text.text(), length);
      std::string_view rest = std::string_view(text.text()).substr(kept.size());
      // Only blanks beyond the length are cut silently, or anything with
      // ANSI_WARNINGS OFF.
      if (state_.session.ansi_warnings && rest.find_first_not_of(' ') != std::string_view::npos) {
        Raise(2628, {qualified, column.name, std::string(kept)});
      }
    }
    return Convert(text, target, context);
  }
  return Convert(value, target, context);
}

namespace {

// Whether a change of `old_rows` at `replaced` into `new_rows` changes a
// value of the columns at `positions`, as the keys compare them.
bool ChangesKey(const Rows& old_rows, const std::vector<std::size_t>& replaced,
                const std::vector<Row>& new_rows, const std::vector<int>& positions) {
  for (std::size_t i = 0; i < replaced.size(); ++i) {
    const Row& old_row = old_rows[replaced[i]];
    for (int position : positions) {
      const Value& before = old_row[static_cast<std::size_t>(position)];
      const Value& after = new_rows[i][static_cast<std::size_t>(position)];
      if (!SameStored(before, after) && KeyText(before) != KeyText(after)) return true;
    }
  }
  return false;
}

}  // namespace

std::vector<std::vector<std::string>> DataChanges::CheckNewKeys(Table& table,
                                                                const std::vector<Row>& new_rows) {
  std::vector<Table::UniqueKey>& keys = table.UniqueKeys();
  std::vector<std::vector<std::string>> key_texts(keys.size());
  for (std::size_t k = 0; k < keys.size(); ++k) {
    const Table::UniqueKey& key = keys[k];
    std::vector<std::string>& texts = key_texts[k];
    texts.reserve(new_rows.size());
    std::unordered_set<std::string> seen;
    for (const Row& row : new_rows) {
      std::string text = Table::KeyOf(row, key.positions);
      if (key.keys.contains(text) || (new_rows.size() > 1 && !seen.insert(text).second))
        RaiseDuplicateKey(table, key, row);
      texts.push_back(std::move(text));
    }
  }
  return key_texts;
}

void DataChanges::CheckReplacedKeys(Table& table, const std::vector<Row>& new_rows,
                                    const std::vector<std::size_t>& replaced) {
  for (const Table::UniqueKey& key : table.UniqueKeys()) {
    // An update that leaves this key's columns alone cannot break it.
    if (!ChangesKey(table.rows, replaced, new_rows, key.positions)) continue;
    // Keys of the rows that stay unchanged.
    std::vector<bool> is_replaced(table.rows.size(), false);
    for (std::size_t index : replaced) is_replaced[index] = true;
    std::unordered_set<std::string> remaining;
    for (std::size_t i = 0; i < table.rows.size(); ++i) {
      if (!is_replaced[i]) remaining.insert(Table::KeyOf(table.rows[i], key.positions));
    }
    std::unordered_set<std::string> seen;
    for (const Row& row : new_rows) {
      std::string text = Table::KeyOf(row, key.positions);
      if (remaining.contains(text) || !seen.insert(text).second) RaiseDuplicateKey(table, key, row);
    }
  }
}

void DataChanges::RaiseDuplicateKey(const Table& table, const Table::UniqueKey& key,
                                    const Row& row) {
  std::string object = "dbo." + table.name;
  if (key.is_constraint) {
    Raise(2627, {key.primary ? "PRIMARY KEY" : "UNIQUE KEY", key.name, object,
                 KeyValueText(row, key.positions)});
  }
  Raise(2601, {object, key.name, KeyValueText(row, key.positions)});
}

void DataChanges::CheckForeignKeysOut(Database& database, const Table& table,
                                      const std::vector<Row>& rows, const char* statement) {
  const ConversionContext context = state_.session.conversion();
  for (const ForeignKey& foreign : table.foreign_keys) {
    Table* parent = database.FindTable(foreign.referenced_table);
    if (parent == nullptr) continue;
    state_.WillRead(database, *parent);
    std::vector<int> child_positions = Positions(table, foreign.columns);
    std::vector<int> parent_positions = Positions(*parent, foreign.referenced_columns);
    // The referenced key's own set when its columns come in the same order;
    // otherwise a set built from the parent rows once per statement.
    const std::unordered_set<std::string>* known_keys = nullptr;
    for (const Table::UniqueKey& key : parent->UniqueKeys()) {
      if (key.positions == parent_positions) known_keys = &key.keys;
    }
    std::unordered_set<std::string> parent_keys;
    bool built = known_keys != nullptr;
    for (const Row& row : rows) {
      Row probe;
      bool has_null = false;
      for (std::size_t j = 0; j < child_positions.size(); ++j) {
        const Value& value = row[static_cast<std::size_t>(child_positions[j])];
        if (value.is_null())
          has_null = true;
        else
          probe.push_back(Convert(
              value, parent->columns[static_cast<std::size_t>(parent_positions[j])].type, context));
      }
      if (has_null) continue;  // a key with a NULL part is not checked
      if (!built) {
        for (const Row& parent_row : parent->rows) {
          bool null_part = false;
          parent_keys.insert(ReferenceKey(parent_row, parent_positions, null_part));
        }
        built = true;
      }
      std::string key;
      for (const Value& value : probe) {
        AppendKeyText(key, value);
        key.push_back('\x1f');
      }
      if (!(known_keys != nullptr ? known_keys->contains(key) : parent_keys.contains(key))) {
        Raise(547, ConflictArgs(statement, "FOREIGN KEY", foreign.name, database.name(),
                                "dbo." + parent->name, foreign.referenced_columns));
      }
    }
  }
}

void DataChanges::CascadeOrRefuse(Database& database, Table& table,
                                  const std::vector<std::size_t>& changing,
                                  const std::vector<Row>* new_rows, const char* statement,
                                  std::vector<std::function<void()>>& undo) {
  for (const auto& child_holder : database.tables()) {
    Table& child = *child_holder;
    for (const ForeignKey& foreign : child.foreign_keys) {
      if (!EqualsIgnoreCase(foreign.referenced_table, table.name)) continue;
      std::vector<int> parent_positions = Positions(table, foreign.referenced_columns);
      std::vector<int> child_positions = Positions(child, foreign.columns);
      // Old key -> new row (for updates) of the parent rows that go away or change.
      std::unordered_map<std::string, const Row*> changed;
      for (std::size_t i = 0; i < changing.size(); ++i) {
        bool has_null = false;
        std::string old_key = ReferenceKey(table.rows[changing[i]], parent_positions, has_null);
        if (has_null) continue;
        if (new_rows == nullptr) {
          changed.emplace(old_key, nullptr);
          continue;
        }
        const Row& new_row = (*new_rows)[i];
        bool new_null = false;
        if (old_key != ReferenceKey(new_row, parent_positions, new_null))
          changed.emplace(old_key, &new_row);
      }
      if (changed.empty()) continue;
      std::vector<std::size_t> child_hits;
      for (std::size_t i = 0; i < child.rows.size(); ++i) {
        bool has_null = false;
        std::string key = ReferenceKey(child.rows[i], child_positions, has_null);
        if (!has_null && changed.contains(key)) child_hits.push_back(i);
      }
      if (child_hits.empty()) continue;
      bool cascade = new_rows == nullptr ? foreign.cascade_delete : foreign.cascade_update;
      if (!cascade) {
        Raise(547, ConflictArgs(statement, "REFERENCE", foreign.name, database.name(),
                                "dbo." + child.name, foreign.columns));
      }
      state_.WillChange(database, child, false);
      Table* child_table = &child;
      if (new_rows == nullptr) {
        CascadeOrRefuse(database, child, child_hits, nullptr, statement, undo);
        // Only the removed rows are kept for putting back.
        auto taken = std::make_shared<TakenRows>(TakeRows(child.rows.Mutable(), child_hits));
        undo.push_back([child_table, taken]() {
          PutBackRows(child_table->rows.Mutable(), std::move(*taken));
          child_table->InvalidateKeys();
        });
      } else {
        // The old values of the key columns of the rows that change.
        std::vector<std::pair<std::size_t, Row>> old_keys;
        old_keys.reserve(child_hits.size());
        for (std::size_t index : child_hits) {
          Row& row = child.rows.Mutable()[index];
          Row old_key;
          old_key.reserve(child_positions.size());
          for (int position : child_positions)
            old_key.push_back(row[static_cast<std::size_t>(position)]);
          bool has_null = false;
          const Row* new_parent = changed.at(ReferenceKey(row, child_positions, has_null));
          for (std::size_t j = 0; j < child_positions.size(); ++j) {
            row[static_cast<std::size_t>(child_positions[j])] =
                (*new_parent)[static_cast<std::size_t>(parent_positions[j])];
          }
          old_keys.emplace_back(index, std::move(old_key));
        }
        undo.push_back([child_table, child_positions, old_keys = std::move(old_keys)]() {
          for (const auto& [index, old_key] : old_keys) {
            for (std::size_t j = 0; j < child_positions.size(); ++j) {
              child_table->rows.Mutable()[index][static_cast<std::size_t>(child_positions[j])] =
                  old_key[j];
            }
          }
          child_table->InvalidateKeys();
        });
      }
      child.InvalidateKeys();
    }
  }
}

void DataChanges::RunInsert(const parser::Insert& insert) {
  const ConversionContext context = state_.session.conversion();
  const std::vector<std::string>& columns = insert.target->columns;
  Database& database = state_.DatabaseFor(insert.target->table);
  Table& table = state_.RequireTable(database, insert.target->table);
  state_.WillChange(database, table, false);
  const std::string qualified = state_.QualifiedTableName(database, table);
  const bool identity_insert =
      state_.session.identity_insert &&
      EqualsIgnoreCase(state_.session.identity_insert->database, database.name()) &&
      EqualsIgnoreCase(state_.session.identity_insert->table, table.name);
  const int identity_position = table.IdentityColumn();

  std::vector<int> targets;
  if (!columns.empty()) {
    // A load sends thousands of INSERTs with the same column list: the
    // places found for the last one are tried first.
    const bool same_table = last_insert_table_ == &table;
    for (std::size_t n = 0; n < columns.size(); ++n) {
      const std::string& name = columns[n];
      int position = -1;
      if (same_table && n < last_insert_targets_.size()) {
        const auto guess = static_cast<std::size_t>(last_insert_targets_[n]);
        if (guess < table.columns.size() && EqualsIgnoreCase(table.columns[guess].name, name))
          position = last_insert_targets_[n];
      }
      if (position < 0) position = table.ColumnIndex(name);
      if (position < 0) Raise(207, {name});
      if (std::find(targets.begin(), targets.end(), position) != targets.end()) Raise(264, {name});
      if (position == identity_position && !identity_insert) Raise(544, {table.name});
      targets.push_back(position);
    }
  } else if (!insert.default_values) {
    if (identity_position >= 0 && identity_insert) Raise(8101, {table.name});
    for (std::size_t i = 0; i < table.columns.size(); ++i) {
      if (static_cast<int>(i) != identity_position) targets.push_back(static_cast<int>(i));
    }
  }
  if (identity_insert && identity_position >= 0 &&
      std::find(targets.begin(), targets.end(), identity_position) == targets.end()) {
    Raise(545, {table.name});
  }
  if (!columns.empty()) {
    last_insert_table_ = &table;
    last_insert_targets_ = targets;
  }

  // The given values of each new row, one per target, rows one after the
  // other; null stands for DEFAULT. They point at the statement's own
  // constants where it gives constants, else into `computed` or `selected`.
  std::vector<const Value*> given_values;
  std::size_t row_count = 0;
  std::vector<Row> computed;
  Relation selected;
  if (insert.default_values) {
    row_count = 1;
  } else if (insert.query) {
    auto check_count = [&](std::size_t count) {
      if (count == targets.size()) return;
      if (columns.empty()) Raise(213);
      Raise(count < targets.size() ? 120 : 121);
    };
    selected = queries_.RunQuery(*insert.query, nullptr);
    check_count(selected.columns.size());
    row_count = selected.rows.size();
    given_values.reserve(row_count * targets.size());
    for (const Row& row : selected.rows) {
      for (const Value& value : row) given_values.push_back(&value);
    }
  } else {
    row_count = insert.rows.size();
    given_values.reserve(row_count * targets.size());
    for (const auto& row : insert.rows) {
      if (row.size() != targets.size()) {
        if (columns.empty()) Raise(213);
        if (insert.selected_constants) Raise(row.size() < targets.size() ? 120 : 121);
        Raise(row.size() < targets.size() ? 109 : 110);
      }
      for (const Value& constant : row.constants) given_values.push_back(&constant);
      if (row.exprs.empty()) continue;
      Row values(row.exprs.size());
      std::vector<bool> is_default(row.exprs.size(), false);
      for (std::size_t i = 0; i < row.exprs.size(); ++i) {
        const parser::Expr& expr = *row.exprs[i];
        if (expr.kind == parser::ExprKind::kFunction && expr.name == "DEFAULT" &&
            expr.parts.empty()) {
          is_default[i] = true;
        } else {
          values[i] = evaluator_.Eval(expr, nullptr);
        }
      }
      // Moving the row keeps its values where they are.
      const Row& kept = computed.emplace_back(std::move(values));
      for (std::size_t i = 0; i < kept.size(); ++i)
        given_values.push_back(is_default[i] ? nullptr : &kept[i]);
    }
  }

  std::vector<Row> new_rows;
  new_rows.reserve(row_count);
  std::optional<std::int64_t> highest_explicit;
  std::vector<const Value*> given(table.columns.size());
  for (std::size_t r = 0; r < row_count; ++r) {
    Row row;
    row.reserve(table.columns.size());
    std::fill(given.begin(), given.end(), nullptr);
    for (std::size_t i = 0; i < targets.size(); ++i)
      given[static_cast<std::size_t>(targets[i])] = given_values[r * targets.size() + i];
    for (std::size_t c = 0; c < table.columns.size(); ++c) {
      const Column& column = table.columns[c];
      Value value;
      if (given[c] != nullptr) {
        value = AssignToColumn(*given[c], qualified, column);
        if (column.identity && !value.is_null()) {
          std::int64_t number = Convert(value, SqlType::Of(TypeKind::kBigInt), context).integer();
          if (!highest_explicit || number > *highest_explicit) highest_explicit = number;
        }
      } else if (column.identity) {
        Identity& identity = *table.columns[c].identity;
        std::int64_t next =
            identity.current ? *identity.current + identity.increment : identity.seed;
        identity.current = next;  // a failed statement still uses up its numbers
        value = Convert(Value::Integer(next, TypeKind::kBigInt), column.type, context);
      } else if (const DefaultConstraint* constraint = table.DefaultFor(column.name)) {
        value = AssignToColumn(evaluator_.EvalDefault(constraint->definition), qualified, column);
      } else {
        value = Value::Null(column.type);
      }
      if (value.is_null() && !column.nullable) Raise(515, {column.name, qualified, "INSERT"});
      row.push_back(std::move(value));
    }
    new_rows.push_back(std::move(row));
  }

  std::vector<std::vector<std::string>> key_texts = CheckNewKeys(table, new_rows);
  CheckForeignKeysOut(database, table, new_rows, "INSERT");

  std::vector<Table::UniqueKey>& kept_keys = table.UniqueKeys();
  for (std::size_t k = 0; k < kept_keys.size(); ++k) {
    for (std::string& text : key_texts[k]) kept_keys[k].keys.insert(std::move(text));
  }
  for (Row& row : new_rows) table.rows.push_back(std::move(row));
  state_.rows_affected = static_cast<std::int64_t>(new_rows.size());
  table.RowsAppended();
  if (highest_explicit && identity_position >= 0) {
    Identity& identity = *table.columns[static_cast<std::size_t>(identity_position)].identity;
    bool ascending = identity.increment > 0;
    if (!identity.current || (ascending ? *highest_explicit > *identity.current
                                        : *highest_explicit < *identity.current)) {
      identity.current = *highest_explicit;
    }
  }
}

std::size_t DataChanges::TargetColumn(const Relation& relation, const parser::ObjectName& target,
                                      const char* statement) {
  // By the alias or name the statement gives it, then by the table's own name.
  for (int pass = 0; pass < 2; ++pass) {
    for (std::size_t i = 0; i < relation.columns.size(); ++i) {
      const BoundColumn& column = relation.columns[i];
      if (column.hidden &&
          EqualsIgnoreCase(pass == 0 ? column.qualifier : column.table_name, target.name)) {
        return i;
      }
    }
  }
  state_.RequireTable(target);
  RaiseUnsupported(std::string(statement) + " of a table that is not part of its FROM clause");
}

void DataChanges::RunUpdate(const parser::Update& update) {
  const ConversionContext context = state_.session.conversion();
  Database& database = state_.DatabaseFor(update.target);
  // The rows to change: their places in the table and the row the SET
  // expressions see, which is the stored row itself without FROM.
  Relation relation;
  std::optional<QueryRunner::TableScan> scan;
  if (update.from.empty()) {
    parser::TableRef ref;
    ref.name = update.target;
    scan = queries_.ScanPositions(ref, update.where.get());
    if (!scan) relation = queries_.ScanNamed(ref, nullptr, update.where.get());
  } else {
    relation = queries_.BuildFrom(update.from, nullptr, update.where.get());
  }
  const std::size_t hidden = scan ? 0 : TargetColumn(relation, update.target, "UPDATE");
  Table& table = scan ? *scan->table : *relation.columns[hidden].table;
  state_.WillChange(database, table, false);
  const std::string qualified = state_.QualifiedTableName(database, table);
  struct Changed {
    std::size_t index;
    const Row* seen;
  };
  std::vector<Changed> targets;
  if (scan) {
    targets.reserve(scan->positions.size());
    for (std::size_t index : scan->positions) targets.push_back({index, &table.rows[index]});
  } else {
    std::unordered_set<std::size_t> seen;
    for (const Row& row : relation.rows) {
      const Value& id = row[hidden];
      if (id.is_null()) continue;
      std::size_t index = static_cast<std::size_t>(id.integer());
      if (seen.insert(index).second) targets.push_back({index, &row});  // the first match wins
    }
  }
  const std::vector<BoundColumn>& seen_columns = scan ? *scan->columns : relation.columns;
  const std::uint64_t seen_shape = scan ? scan->shape : relation.shape;

  std::vector<int> positions;
  for (const parser::Assignment& assignment : update.assignments) {
    if (!assignment.variable.empty()) {
      positions.push_back(-1);
      continue;
    }
    int position = table.ColumnIndex(assignment.column.back());
    if (position < 0) Raise(207, {assignment.column.back()});
    if (table.columns[static_cast<std::size_t>(position)].identity)
      Raise(8102, {table.columns[static_cast<std::size_t>(position)].name});
    positions.push_back(position);
  }

  std::int64_t limit = -1;
  if (update.top)
    limit = Convert(evaluator_.Eval(*update.top, nullptr), SqlType::Of(TypeKind::kBigInt), context)
                .integer();

  std::vector<std::size_t> indices;
  std::vector<Row> new_rows;
  for (const Changed& changed : targets) {
    if (limit >= 0 && static_cast<std::int64_t>(indices.size()) >= limit) break;
    const std::size_t index = changed.index;
    Scope scope{&seen_columns, changed.seen, nullptr, nullptr, seen_shape};
    Row new_row = table.rows[index];
    for (std::size_t a = 0; a < update.assignments.size(); ++a) {
      const parser::Assignment& assignment = update.assignments[a];
      Value value = evaluator_.Eval(*assignment.value, &scope);
      if (assignment.op != "=") {
        const Value& current = positions[a] < 0
                                   ? evaluator_.FindVariable(assignment.variable).value
                                   : table.rows[index][static_cast<std::size_t>(positions[a])];
        char op = assignment.op[0];
        value = op == '+'   ? Add(current, value, context)
                : op == '-' ? Subtract(current, value, context)
                : op == '*' ? Multiply(current, value, context)
                            : Divide(current, value, context);
      }
      if (positions[a] < 0) {
        Variable& variable = evaluator_.FindVariable(assignment.variable);
        variable.value = Convert(value, variable.type, context);
        continue;
      }
      const Column& column = table.columns[static_cast<std::size_t>(positions[a])];
      Value stored = AssignToColumn(value, qualified, column);
      if (stored.is_null() && !column.nullable) Raise(515, {column.name, qualified, "UPDATE"});
      new_row[static_cast<std::size_t>(positions[a])] = std::move(stored);
    }
    indices.push_back(index);
    new_rows.push_back(std::move(new_row));
  }
  if (indices.empty()) return;

  auto changes_keys = [&] {
    const std::vector<std::vector<int>> keys = table.UniqueKeyPositions();
    return std::any_of(keys.begin(), keys.end(), [&](const std::vector<int>& key) {
      return ChangesKey(table.rows, indices, new_rows, key);
    });
  };
  bool keys_touched = changes_keys();
  if (keys_touched) CheckReplacedKeys(table, new_rows, indices);
  CheckForeignKeysOut(database, table, new_rows, "UPDATE");
  std::vector<std::function<void()>> undo;
  try {
    CascadeOrRefuse(database, table, indices, &new_rows, "UPDATE", undo);
  } catch (...) {
    for (auto it = undo.rbegin(); it != undo.rend(); ++it) (*it)();
    throw;
  }
  // A cascade into the table itself may have changed the rows compared.
  if (!undo.empty()) keys_touched = changes_keys();
  // Nothing can fail from here on: the new rows take the places of the old.
  // Rows that stay exactly as they were are left alone, so that rows this
  // table shares with another database stay shared.
  std::vector<std::size_t> changed_at;
  std::vector<Row> changed_rows;
  for (std::size_t i = 0; i < indices.size(); ++i) {
    if (!SameStoredRow(table.rows[indices[i]], new_rows[i])) {
      changed_at.push_back(indices[i]);
      changed_rows.push_back(std::move(new_rows[i]));
    }
  }
  if (!changed_at.empty()) table.rows.Replace(changed_at, changed_rows);
  state_.rows_affected = static_cast<std::int64_t>(indices.size());
  if (keys_touched)
    table.InvalidateKeys();
  else
    table.RowsAppended();
}

void DataChanges::RunDelete(const parser::Delete& deletion) {
  const ConversionContext context = state_.session.conversion();
  Database& database = state_.DatabaseFor(deletion.target);
  Relation relation;
  std::optional<QueryRunner::TableScan> scan;
  if (deletion.from.empty()) {
    parser::TableRef ref;
    ref.name = deletion.target;
    scan = queries_.ScanPositions(ref, deletion.where.get());
    if (!scan) relation = queries_.ScanNamed(ref, nullptr, deletion.where.get());
  } else {
    relation = queries_.BuildFrom(deletion.from, nullptr, deletion.where.get());
  }
  const std::size_t hidden = scan ? 0 : TargetColumn(relation, deletion.target, "DELETE");
  Table& table = scan ? *scan->table : *relation.columns[hidden].table;
  state_.WillChange(database, table, false);
  std::int64_t limit = -1;
  if (deletion.top)
    limit =
        Convert(evaluator_.Eval(*deletion.top, nullptr), SqlType::Of(TypeKind::kBigInt), context)
            .integer();
  std::vector<std::size_t> indices;
  if (scan) {
    indices = std::move(scan->positions);
    if (limit >= 0 && static_cast<std::size_t>(limit) < indices.size())
      indices.resize(static_cast<std::size_t>(limit));
  } else {
    std::unordered_set<std::size_t> seen;
    for (const Row& row : relation.rows) {
      const Value& id = row[hidden];
      if (id.is_null()) continue;
      if (limit >= 0 && static_cast<std::int64_t>(indices.size()) >= limit) break;
      std::size_t index = static_cast<std::size_t>(id.integer());
      if (seen.insert(index).second) indices.push_back(index);
    }
  }
  if (indices.empty()) return;
  std::vector<std::function<void()>> undo;
  try {
    CascadeOrRefuse(database, table, indices, nullptr, "DELETE", undo);
  } catch (...) {
    for (auto it = undo.rbegin(); it != undo.rend(); ++it) (*it)();
    throw;
  }
  EraseRows(table.rows.Mutable(), indices);
  state_.rows_affected = static_cast<std::int64_t>(indices.size());
  table.InvalidateKeys();
}

}  // namespace quelor::sim::execution
