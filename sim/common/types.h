// Column and value types of the simulated server: the SQL Server data types the
// product's databases use, with their length, precision and scale.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace quelor::sim {

enum class TypeKind {
  kBit,
  kTinyInt,
  kSmallInt,
  kInt,
  kBigInt,
  kDecimal,  // also numeric; `numeric_` keeps the spelling for the catalogue
  kMoney,
  kFloat,
  kReal,
  kChar,
  kVarChar,
  kNChar,
  kNVarChar,
  kText,
  kNText,
  kDateTime,
  kSmallDateTime,
  kDate,
  kUniqueIdentifier,
  kBinary,
  kVarBinary,
  kImage,
};

// A data type as declared: varchar(40) has length 40, varchar(max) length -1,
// numeric(18,8) precision 18 and scale 8.
struct SqlType {
  TypeKind kind = TypeKind::kInt;
  int length = 0;
  int precision = 0;
  int scale = 0;
  bool numeric_spelling = false;

  static SqlType Of(TypeKind kind);
  static SqlType VarChar(int length) { return SqlType{TypeKind::kVarChar, length, 0, 0, false}; }
  static SqlType Decimal(int precision, int scale) {
    return SqlType{TypeKind::kDecimal, 0, precision, scale, false};
  }

  bool operator==(const SqlType&) const = default;
};

bool IsIntegerKind(TypeKind kind);
bool IsExactNumeric(TypeKind kind);  // integers, bit, decimal, money
bool IsNumeric(TypeKind kind);       // exact numerics and float/real
bool IsStringKind(TypeKind kind);    // char, varchar, nchar, nvarchar, text, ntext
bool IsUnicodeKind(TypeKind kind);
bool IsDateKind(TypeKind kind);
bool IsBinaryKind(TypeKind kind);
bool HasLength(TypeKind kind);  // declared with (n)

// The type's name as the catalogue spells it: "varchar", "numeric", "int".
std::string TypeName(const SqlType& type);
// The declaration as SQL Server prints it in messages: "varchar(40)".
std::string TypeDeclaration(const SqlType& type);
// The type for a name such as "VarChar" or "integer" without its arguments, or
// nullopt when the name is not a type the simulated server knows.
std::optional<SqlType> TypeFromName(std::string_view name);
// Applies the defaults of a declaration without arguments: varchar is
// varchar(1) in a column and varchar(30) in CAST, decimal is decimal(18,0).
SqlType WithDefaults(SqlType type, bool in_cast);

// Storage figures for syscolumns/systypes.
int SystemTypeId(const SqlType& type);
int StorageLength(const SqlType& type);

// Precedence for implicit conversion: the operand with the higher value wins.
int Precedence(TypeKind kind);

}  // namespace quelor::sim
