// Names, defaults and storage figures of the server's data types.
#include "sim/common/types.h"

#include "sim/common/case_insensitive_map.h"

namespace quelor::sim {

SqlType SqlType::Of(TypeKind kind) {
  SqlType type;
  type.kind = kind;
  switch (kind) {
    case TypeKind::kBit: type.precision = 1; break;
    case TypeKind::kTinyInt: type.precision = 3; break;
    case TypeKind::kSmallInt: type.precision = 5; break;
    case TypeKind::kInt: type.precision = 10; break;
    case TypeKind::kBigInt: type.precision = 19; break;
    case TypeKind::kMoney: type.precision = 19; type.scale = 4; break;
    case TypeKind::kFloat: type.precision = 53; break;
    case TypeKind::kReal: type.precision = 24; break;
    case TypeKind::kDecimal: type.precision = 18; break;
    case TypeKind::kDateTime: type.precision = 23; type.scale = 3; break;
    case TypeKind::kSmallDateTime: type.precision = 16; break;
    case TypeKind::kDate: type.precision = 10; break;
    case TypeKind::kText:
    case TypeKind::kImage: type.length = 2147483647; break;
    case TypeKind::kNText: type.length = 1073741823; break;
    case TypeKind::kUniqueIdentifier: type.length = 16; break;
    default: break;  // char/varchar/binary: the length comes with the declaration
  }
  return type;
}

bool IsIntegerKind(TypeKind kind) {
  return kind == TypeKind::kBit || kind == TypeKind::kTinyInt || kind == TypeKind::kSmallInt ||
         kind == TypeKind::kInt || kind == TypeKind::kBigInt;
}
bool IsExactNumeric(TypeKind kind) {
  return IsIntegerKind(kind) || kind == TypeKind::kDecimal || kind == TypeKind::kMoney;
}
bool IsNumeric(TypeKind kind) { return IsExactNumeric(kind) || kind == TypeKind::kFloat || kind == TypeKind::kReal; }
bool IsStringKind(TypeKind kind) {
  return kind == TypeKind::kChar || kind == TypeKind::kVarChar || kind == TypeKind::kNChar ||
         kind == TypeKind::kNVarChar || kind == TypeKind::kText || kind == TypeKind::kNText;
}
bool IsUnicodeKind(TypeKind kind) {
  return kind == TypeKind::kNChar || kind == TypeKind::kNVarChar || kind == TypeKind::kNText;
}
bool IsDateKind(TypeKind kind) {
  return kind == TypeKind::kDateTime || kind == TypeKind::kSmallDateTime || kind == TypeKind::kDate;
}
bool IsBinaryKind(TypeKind kind) {
  return kind == TypeKind::kBinary || kind == TypeKind::kVarBinary || kind == TypeKind::kImage;
}
bool HasLength(TypeKind kind) {
  return kind == TypeKind::kChar || kind == TypeKind::kVarChar || kind == TypeKind::kNChar ||
         kind == TypeKind::kNVarChar || kind == TypeKind::kBinary || kind == TypeKind::kVarBinary;
}

std::string TypeName(const SqlType& type) {
  switch (type.kind) {
    case TypeKind::kBit: return "bit";
    case TypeKind::kTinyInt: return "tinyint";
    case TypeKind::kSmallInt: return "smallint";
    case TypeKind::kInt: return "int";
    case TypeKind::kBigInt: return "bigint";
    case TypeKind::kDecimal: return type.numeric_spelling ? "numeric" : "decimal";
    case TypeKind::kMoney: return "money";
    case TypeKind::kFloat: return "float";
    case TypeKind::kReal: return "real";
    case TypeKind::kChar: return "char";
    case TypeKind::kVarChar: return "varchar";
    case TypeKind::kNChar: return "nchar";
    case TypeKind::kNVarChar: return "nvarchar";
    case TypeKind::kText: return "text";
    case TypeKind::kNText: return "ntext";
    case TypeKind::kDateTime: return "datetime";
    case TypeKind::kSmallDateTime: return "smalldatetime";
    case TypeKind::kDate: return "date";
    case TypeKind::kUniqueIdentifier: return "uniqueidentifier";
    case TypeKind::kBinary: return "binary";
    case TypeKind::kVarBinary: return "varbinary";
    case TypeKind::kImage: return "image";
  }
  return "int";
}

std::string TypeDeclaration(const SqlType& type) {
  std::string name = TypeName(type);
  if (HasLength(type.kind)) return name + "(" + (type.length < 0 ? "max" : std::to_string(type.length)) + ")";
  if (type.kind == TypeKind::kDecimal) {
    return name + "(" + std::to_string(type.precision) + "," + std::to_string(type.scale) + ")";
  }
  return name;
}

std::optional<SqlType> TypeFromName(std::string_view name) {
  static const CaseInsensitiveMap<TypeKind> kNames = {
      {"bit", TypeKind::kBit},
      {"tinyint", TypeKind::kTinyInt},
      {"smallint", TypeKind::kSmallInt},
      {"int", TypeKind::kInt},
      {"integer", TypeKind::kInt},
      {"bigint", TypeKind::kBigInt},
      {"decimal", TypeKind::kDecimal},
      {"dec", TypeKind::kDecimal},
      {"numeric", TypeKind::kDecimal},
      {"money", TypeKind::kMoney},
      {"smallmoney", TypeKind::kMoney},
      {"float", TypeKind::kFloat},
      {"real", TypeKind::kReal},
      {"char", TypeKind::kChar},
      {"character", TypeKind::kChar},
      {"varchar", TypeKind::kVarChar},
      {"nchar", TypeKind::kNChar},
      {"nvarchar", TypeKind::kNVarChar},
      {"sysname", TypeKind::kNVarChar},
      {"text", TypeKind::kText},
      {"ntext", TypeKind::kNText},
      {"datetime", TypeKind::kDateTime},
      {"smalldatetime", TypeKind::kSmallDateTime},
      {"date", TypeKind::kDate},
      {"uniqueidentifier", TypeKind::kUniqueIdentifier},
      {"binary", TypeKind::kBinary},
      {"varbinary", TypeKind::kVarBinary},
      {"image", TypeKind::kImage},
  };
  auto found = kNames.find(std::string(name));
  if (found == kNames.end()) return std::nullopt;
  SqlType type = SqlType::Of(found->second);
  if (EqualsIgnoreCase(name, "numeric")) type.numeric_spelling = true;
  if (EqualsIgnoreCase(name, "sysname")) type.length = 128;
  return type;
}

SqlType WithDefaults(SqlType type, bool in_cast) {
  if (HasLength(type.kind) && type.length == 0) type.length = in_cast ? 30 : 1;
  if (type.kind == TypeKind::kDecimal && type.precision == 0) type.precision = 18;
  return type;
}

int SystemTypeId(const SqlType& type) {
  switch (type.kind) {
    case TypeKind::kBit: return 104;
    case TypeKind::kTinyInt: return 48;
    case TypeKind::kSmallInt: return 52;
    case TypeKind::kInt: return 56;
    case TypeKind::kBigInt: return 127;
    case TypeKind::kDecimal: return type.numeric_spelling ? 108 : 106;
    case TypeKind::kMoney: return 60;
    case TypeKind::kFloat: return 62;
    case TypeKind::kReal: return 59;
    case TypeKind::kChar: return 175;
    case TypeKind::kVarChar: return 167;
    case TypeKind::kNChar: return 239;
    case TypeKind::kNVarChar: return 231;
    case TypeKind::kText: return 35;
    case TypeKind::kNText: return 99;
    case TypeKind::kDateTime: return 61;
    case TypeKind::kSmallDateTime: return 58;
    case TypeKind::kDate: return 40;
    case TypeKind::kUniqueIdentifier: return 36;
    case TypeKind::kBinary: return 173;
    case TypeKind::kVarBinary: return 165;
    case TypeKind::kImage: return 34;
  }
  return 56;
}

int StorageLength(const SqlType& type) {
  switch (type.kind) {
    case TypeKind::kBit:
    case TypeKind::kTinyInt: return 1;
    case TypeKind::kSmallInt: return 2;
    case TypeKind::kInt:
    case TypeKind::kReal:
    case TypeKind::kSmallDateTime: return 4;
    case TypeKind::kBigInt:
    case TypeKind::kMoney:
    case TypeKind::kFloat:
    case TypeKind::kDateTime: return 8;
    case TypeKind::kDate: return 3;
    case TypeKind::kDecimal:
      return type.precision <= 9 ? 5 : type.precision <= 19 ? 9 : type.precision <= 28 ? 13 : 17;
    case TypeKind::kText:
    case TypeKind::kNText:
    case TypeKind::kImage: return 16;
    case TypeKind::kUniqueIdentifier: return 16;
    case TypeKind::kNChar:
    case TypeKind::kNVarChar: return type.length < 0 ? -1 : type.length * 2;
    default: return type.length;
  }
}

int Precedence(TypeKind kind) {
  switch (kind) {
    case TypeKind::kDateTime: return 24;
    case TypeKind::kSmallDateTime: return 23;
    case TypeKind::kDate: return 22;
    case TypeKind::kFloat: return 21;
    case TypeKind::kReal: return 20;
    case TypeKind::kDecimal: return 19;
    case TypeKind::kMoney: return 18;
    case TypeKind::kBigInt: return 17;
    case TypeKind::kInt: return 16;
    case TypeKind::kSmallInt: return 15;
    case TypeKind::kTinyInt: return 14;
    case TypeKind::kBit: return 13;
    case TypeKind::kNText: return 12;
    case TypeKind::kText: return 11;
    case TypeKind::kImage: return 10;
    case TypeKind::kUniqueIdentifier: return 9;
    case TypeKind::kNVarChar: return 8;
    case TypeKind::kNChar: return 7;
    case TypeKind::kVarChar: return 6;
    case TypeKind::kChar: return 5;
    case TypeKind::kVarBinary: return 4;
    case TypeKind::kBinary: return 3;
  }
  return 0;
}

}  // namespace quelor::sim
