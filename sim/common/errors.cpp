// Message texts of the real server (sys.messages, English) for the refusals
// the simulated server reproduces.
#include "sim/common/errors.h"

#include <string_view>

namespace quelor::sim {

namespace {

struct Entry {
  int number;
  int severity;
  std::string_view format;
};

// 1750 and 3727 are informational in sys.messages but reach the client at
// level 16, as the real server sends them after the error they explain.
constexpr Entry kMessages[] = {
    {102, 15, "Incorrect syntax near '%.*ls'."},
    {105, 15, "Unclosed quotation mark after the character string '%.*ls'."},
    {191, 15,
     "Some part of your SQL statement is nested too deeply. Rewrite the query or break it up into "
     "smaller queries."},
    {131, 15,
     "The size (%d) given to the %S_MSG '%.*ls' exceeds the maximum allowed for any data type "
     "(%d)."},
    {104, 15,
     "ORDER BY items must appear in the select list if the statement contains a UNION, INTERSECT "
     "or EXCEPT operator."},
    {108, 15,
     "The ORDER BY position number %ld is out of range of the number of items in the select list."},
    {109, 15,
     "There are more columns in the INSERT statement than values specified in the VALUES clause. "
     "The number of values "
     "in the VALUES clause must match the number of columns specified in the INSERT statement."},
    {110, 15,
     "There are fewer columns in the INSERT statement than values specified in the VALUES clause. "
     "The number of values "
     "in the VALUES clause must match the number of columns specified in the INSERT statement."},
    {119, 15,
     "Must pass parameter number %d and subsequent parameters as '@name = value'. After the form "
     "'@name = value' has "
     "been used, all subsequent parameters must be passed in the form '@name = value'."},
    {120, 15,
     "The select list for the INSERT statement contains fewer items than the insert list. The "
     "number of SELECT values "
     "must match the number of INSERT columns."},
    {121, 15,
     "The select list for the INSERT statement contains more items than the insert list. The "
     "number of SELECT values "
     "must match the number of INSERT columns."},
    {134, 15,
     "The variable name '%.*ls' has already been declared. Variable names must be unique within a "
     "query batch or stored procedure."},
    {137, 15, "Must declare the scalar variable \"%.*ls\"."},
    {156, 15, "Incorrect syntax near the keyword '%.*ls'."},
    {155, 15, "'%.*ls' is not a recognized %ls option."},
    {174, 15, "The %.*ls function requires %d argument(s)."},
    {189, 15, "The %.*ls function requires %d to %d arguments."},
    {195, 15, "'%.*ls' is not a recognized %S_MSG."},
    {215, 16,
     "Parameters supplied for object '%.*ls' which is not a function. If the parameters are "
     "intended as a table hint, "
     "a WITH keyword is required."},
    {216, 16, "Parameters were not supplied for the function '%.*ls'."},
    {217, 16,
     "Maximum stored procedure, function, trigger, or view nesting level exceeded (limit 32)."},
    {205, 16,
     "All queries combined using a UNION, INTERSECT or EXCEPT operator must have an equal number "
     "of expressions in "
     "their target lists."},
    {201, 16, "Procedure or function '%.*ls' expects parameter '%.*ls', which was not supplied."},
    {207, 16, "Invalid column name '%.*ls'."},
    {208, 16, "Invalid object name '%.*ls'."},
    {209, 16, "Ambiguous column name '%.*ls'."},
    {213, 16, "Column name or number of supplied values does not match table definition."},
    {241, 16, "Conversion failed when converting date and/or time from character string."},
    {242, 16,
     "The conversion of a varchar data type to a datetime data type resulted in an out-of-range "
     "value."},
    {245, 16, "Conversion failed when converting the %ls value '%.*ls' to data type %ls."},
    {517, 16, "Adding a value to a 'datetime' column caused an overflow."},
    {313, 16,
     "An insufficient number of arguments were supplied for the procedure or function %.*ls."},
    {263, 16, "Must specify table to select from."},
    {264, 16,
     "The column name '%.*ls' is specified more than once in the SET clause or column list of an "
     "INSERT. A column "
     "cannot be assigned more than one value in the same clause. Modify the clause to make sure "
     "that a column is "
     "updated only once. If this statement updates or inserts columns into a view, column aliasing "
     "can conceal the "
     "duplication in your code."},
    {402, 16, "The data types %.*ls and %.*ls are incompatible in the %ls operator."},
    {529, 16, "Explicit conversion from data type %ls to %ls is not allowed."},
    {536, 16, "Invalid length parameter passed to the %ls function."},
    {537, 16, "Invalid length parameter passed to the LEFT or SUBSTRING function."},
    {512, 16,
     "Subquery returned more than 1 value. This is not permitted when the subquery follows =, !=, "
     "<, <= , >, >= or "
     "when the subquery is used as an expression."},
    {515, 16,
     "Cannot insert the value NULL into column '%.*ls', table '%.*ls'; column does not allow "
     "nulls. %ls fails."},
    {545, 16,
     "Explicit value must be specified for identity column in table '%.*ls' either when "
     "IDENTITY_INSERT is set to ON or "
     "when a replication user is inserting into a NOT FOR REPLICATION identity column."},
    {544, 16,
     "Cannot insert explicit value for identity column in table '%.*ls' when IDENTITY_INSERT is "
     "set to OFF."},
    {547, 16,
     "The %ls statement conflicted with the %ls constraint \"%.*ls\". The conflict occurred in "
     "database \"%.*ls\", "
     "table \"%.*ls\"%ls%.*ls%ls."},
    {1505, 16,
     "The CREATE UNIQUE INDEX statement terminated because a duplicate key was found for the "
     "object name '%.*ls' and "
     "the index name '%.*ls'. The duplicate key value is %ls."},
    {1007, 15,
     "The number '%.*ls' is out of the range for numeric representation (maximum precision 38)."},
    {1088, 16,
     "Cannot find the object \"%.*ls\" because it does not exist or you do not have permissions."},
    {1223, 16,
     "Cannot release the application lock (Database Principal: '%.*ls', Resource: '%.*ls') because "
     "it is not "
     "currently held."},
    {1224, 16, "An invalid application lock resource was passed to %ls."},
    {1750, 16, "Could not create constraint or index. See previous errors."},
    {1752, 16, "Column '%.*ls' in table '%.*ls' is invalid for creating a default constraint."},
    {1767, 16, "Foreign key '%.*ls' references invalid table '%.*ls'."},
    {1769, 16,
     "Foreign key '%.*ls' references invalid column '%.*ls' in referencing table '%.*ls'."},
    {1776, 16,
     "There are no primary or candidate keys in the referenced table '%.*ls' that match the "
     "referencing column list in "
     "the foreign key '%.*ls'."},
    {1779, 16, "Table '%.*ls' already has a primary key defined on it."},
    {1781, 16, "Column already has a DEFAULT bound to it."},
    {1902, 16,
     "Cannot create more than one clustered index on %S_MSG '%.*ls'. Drop the existing clustered "
     "index '%.*ls' before "
     "creating another."},
    {701, 17, "There is insufficient system memory in resource pool '%ls' to run this query."},
    {1911, 16, "Column name '%.*ls' does not exist in the target table or view."},
    {1913, 16,
     "The operation failed because an index or statistics with name '%.*ls' already exists on "
     "%S_MSG '%.*ls'."},
    {2601, 14,
     "Cannot insert duplicate key row in object '%.*ls' with unique index '%.*ls'. The duplicate "
     "key value is %ls."},
    {2627, 14,
     "Violation of %ls constraint '%.*ls'. Cannot insert duplicate key in object '%.*ls'. The "
     "duplicate key value is "
     "%ls."},
    {2628, 16,
     "String or binary data would be truncated in table '%.*ls', column '%.*ls'. Truncated value: "
     "'%.*ls'."},
    {2744, 16,
     "Multiple identity columns specified for table '%.*ls'. Only one identity column per table is "
     "allowed."},
    {2749, 16,
     "Identity column '%.*ls' must be of data type int, bigint, smallint, tinyint, or decimal or "
     "numeric with a scale "
     "of 0, and constrained to be nonnullable."},
    {2715, 16, "Column, parameter, or variable #%d: Cannot find data type %.*ls."},
    {2705, 16,
     "Column names in each table must be unique. Column name '%.*ls' in table '%.*ls' is specified "
     "more than once."},
    {2714, 16, "There is already an object named '%.*ls' in the database."},
    {3701, 11,
     "Cannot %S_MSG the %S_MSG '%.*ls', because it does not exist or you do not have permission."},
    {15151, 16,
     "Cannot %S_MSG the %S_MSG '%.*ls', because it does not exist or you do not have permission."},
    {3723, 16,
     "An explicit DROP INDEX is not allowed on index '%.*ls'. It is being used for %ls "
     "constraint enforcement."},
    {3725, 16,
     "The constraint '%.*ls' is being referenced by table '%.*ls', foreign key constraint "
     "'%.*ls'."},
    {3726, 16,
     "Could not drop object '%.*ls' because it is referenced by a FOREIGN KEY constraint."},
    {3727, 16, "Could not drop constraint. See previous errors."},
    {3728, 16, "'%.*ls' is not a constraint."},
    {911, 16, "Database '%.*ls' does not exist. Make sure that the name is entered correctly."},
    {2741, 16, "SET DATEFORMAT date order '%.*ls' not supported."},
    {226, 16, "%ls statement not allowed within multi-statement transaction."},
    {3902, 16, "The COMMIT TRANSACTION request has no corresponding BEGIN TRANSACTION."},
    {3903, 16, "The ROLLBACK TRANSACTION request has no corresponding BEGIN TRANSACTION."},
    {4060, 11, "Cannot open database \"%.*ls\" requested by the login. The login failed."},
    {4104, 16, "The multi-part identifier \"%.*ls\" could not be bound."},
    {4121, 16,
     "Cannot find either column \"%.*ls\" or the user-defined function or aggregate \"%.*ls\", or "
     "the name is "
     "ambiguous."},
    {4901, 16,
     "ALTER TABLE only allows columns to be added that can contain nulls, or have a DEFAULT "
     "definition specified, or the "
     "column being added is an identity or timestamp column, or alternatively if none of the "
     "previous conditions are "
     "satisfied the table must be empty to allow addition of this column. Column '%.*ls' cannot be "
     "added to non-empty "
     "table '%.*ls' because it does not satisfy these conditions."},
    {4902, 16,
     "Cannot find the object \"%.*ls\" because it does not exist or you do not have permissions."},
    {4922, 16, "%ls %.*ls failed because one or more objects access this %S_MSG."},
    {4924, 16, "%ls failed because column '%.*ls' does not exist in table '%.*ls'."},
    {5074, 16, "The %S_MSG '%.*ls' is dependent on %S_MSG '%.*ls'."},
    {8101, 16,
     "An explicit value for the identity column in table '%.*ls' can only be specified when a "
     "column list is used and "
     "IDENTITY_INSERT is ON."},
    {8102, 16, "Cannot update identity column '%.*ls'."},
    {8106, 16, "Table '%.*ls' does not have the identity property. Cannot perform SET operation."},
    {8107, 16,
     "IDENTITY_INSERT is already ON for table '%.*ls'. Cannot perform SET operation for table "
     "'%.*ls'."},
    {8111, 16, "Cannot define PRIMARY KEY constraint on nullable column in table '%.*ls'."},
    {8114, 16, "Error converting data type %ls to %ls."},
    {8115, 16, "Arithmetic overflow error converting %ls to data type %ls."},
    {8117, 16, "Operand data type %ls is invalid for %ls operator."},
    {8134, 16, "Divide by zero error encountered."},
    {8143, 16, "Parameter '%.*ls' was supplied multiple times."},
    {8144, 16, "Procedure or function %.*ls has too many arguments specified."},
    {8145, 16, "%.*ls is not a parameter for procedure %.*ls."},
    {8155, 16, "No column name was specified for column %d of '%.*ls'."},
    {8152, 16, "String or binary data would be truncated."},
    {8169, 16, "Conversion failed when converting from a character string to uniqueidentifier."},
    {18456, 14, "Login failed for user '%.*ls'."},
    {50000, 16, "Unsupported in the simulated server: %ls"},
};

const Entry* Find(int number) {
  for (const Entry& entry : kMessages) {
    if (entry.number == number) return &entry;
  }
  return nullptr;
}

std::string Fill(std::string_view format, const std::vector<std::string>& args) {
  std::string out;
  std::size_t next_arg = 0;
  for (std::size_t i = 0; i < format.size(); ++i) {
    if (format[i] != '%') {
      out.push_back(format[i]);
      continue;
    }
    for (std::string_view placeholder : {"%.*ls", "%ls", "%d", "%S_MSG"}) {
      if (format.substr(i, placeholder.size()) == placeholder) {
        if (next_arg < args.size()) out += args[next_arg];
        ++next_arg;
        i += placeholder.size() - 1;
        break;
      }
    }
  }
  return out;
}

}  // namespace

// Which errors end the batch, as the real server behaves in a batch without
// TRY/CATCH and with XACT_ABORT OFF:
// - compile errors: syntax (102, 105, 156, and 191 for too deep nesting), unknown names met when a
//   statement is compiled (207, 208, 209, 4104, 4121, 195, 137, 911), wrong
//   column or argument counts (109, 110, 120, 121, 213, 174, 189, 313, 8144);
//   a missing table is found only when its statement runs (deferred name
//   resolution), so the statements before it stay done;
// - conversion failures (241, 242, 245, 8114, 8169, 529, 402): these end the
//   batch on the real server too, unlike the other runtime errors;
// - 701, out of memory (severity 17: the resources of the server, not the
//   statement, are at fault);
// - 50000, a construct the simulated server does not implement.
// Everything else (duplicate key, truncation, NULL into NOT NULL, constraint
// conflicts, arithmetic overflow, divide by zero, DDL refusals) ends only its
// statement and the batch goes on.
ErrorScope ScopeOf(int number) {
  static constexpr int kBatchEnding[] = {
      102, 104, 105, 108, 119, 1007, 109,  110,  120,  121,  131,  134,  137,  155,  156,
      174, 189, 191, 195, 205, 701,  207,  208,  209,  213,  215,  216,  241,  242,  245,
      263, 264, 313, 402, 529, 911,  2715, 4104, 4121, 8101, 8114, 8144, 8155, 8169, 50000};
  for (int batch_ending : kBatchEnding) {
    if (batch_ending == number) return ErrorScope::kBatch;
  }
  return ErrorScope::kStatement;
}

// With XACT_ABORT OFF, the errors that end the batch because a value could
// not be converted also roll back an open transaction (the real server's
// "batch abortion"). Compile errors (unknown objects and columns, syntax,
// incompatible types such as 402 and 529, found when a statement is
// compiled) end the batch but leave the transaction open, and so does
// 50000. Statement errors, 3902 and 3903 among them, leave it open as well.
bool RollsBackTransaction(int number) {
  static constexpr int kConversionFailures[] = {241, 242, 245, 8114, 8169};
  for (int failure : kConversionFailures) {
    if (failure == number) return true;
  }
  return false;
}

Message MakeMessage(int number, const std::vector<std::string>& args) {
  const Entry* entry = Find(number);
  if (entry == nullptr) return Message{number, 16, "Message " + std::to_string(number)};
  return Message{number, entry->severity, Fill(entry->format, args)};
}

void Raise(int number, const std::vector<std::string>& args) {
  throw SqlError(MakeMessage(number, args), ScopeOf(number));
}

void RaiseWith(int number, const std::vector<std::string>& args, std::vector<Message> follow_ups) {
  throw SqlError(MakeMessage(number, args), ScopeOf(number), std::move(follow_ups));
}

void RaiseUnsupported(const std::string& construct) { Raise(50000, {construct}); }

}  // namespace quelor::sim
