#include "tds/result_encoding.h"

#include <algorithm>
#include <cstring>
#include <limits>
#include <optional>

#include "sim/common/value.h"
#include "tds/tokens.h"
#include "tds/utf16.h"

namespace quelor::tds {

namespace {

using sim::TypeKind;
using sim::Value;

enum class Encoding {
  kInt,
  kBit,
  kDecimal,
  kMoney,
  kFloat,
  kDateTime,
  kSmallDateTime,
  kGuid,
  kNVarChar,
  kNVarCharMax,
  kNText,
  kVarBinary,
  kVarBinaryMax
};

enum TypeToken : std::uint8_t {
  kGuidType = 0x24,
  kIntN = 0x26,
  kNText = 0x63,
  kBitN = 0x68,
  kDecimalN = 0x6A,
  kNumericN = 0x6C,
  kFloatN = 0x6D,
  kMoneyN = 0x6E,
  kDateTimeN = 0x6F,
  kBigVarBinary = 0xA5,
  kNVarChar = 0xE7,
};

constexpr std::uint8_t kColMetadata = 0x81;
constexpr std::uint8_t kRow = 0xD1;
constexpr std::size_t kMaxInlineChars = 4000;
constexpr std::size_t kMaxInlineBytes = 8000;

// The field of `row` at `index`; NULL for a row shorter than its columns.
const Value& FieldAt(const sim::Row& row, std::size_t index) {
  static const Value kNull;
  return index < row.size() ? row[index] : kNull;
}

struct WireColumn {
  Encoding encoding = Encoding::kInt;
  sim::SqlType type;
  int size = 4;  // INTN and FLTN byte size, NVARCHAR and VARBINARY maximum bytes
  int precision = 18;
  int scale = 0;
};

// `value` as a value of `type`, or nullopt when it is NULL or cannot be
// converted.
std::optional<Value> Bring(const Value& value, const sim::SqlType& type,
                           bool (*same_family)(TypeKind)) {
  if (value.is_null()) return std::nullopt;
  if (same_family(value.kind())) return value;
  try {
    return sim::Convert(value, type, sim::ConversionContext{});
  } catch (const std::exception&) {
    return std::nullopt;
  }
}

bool IntegerFamily(TypeKind kind) { return sim::IsIntegerKind(kind) || kind == TypeKind::kBit; }
bool DecimalFamily(TypeKind kind) {
  return kind == TypeKind::kDecimal || kind == TypeKind::kMoney || IntegerFamily(kind);
}
bool FloatFamily(TypeKind kind) { return kind == TypeKind::kFloat || kind == TypeKind::kReal; }
bool DateFamily(TypeKind kind) { return sim::IsDateKind(kind); }
bool GuidFamily(TypeKind kind) { return kind == TypeKind::kUniqueIdentifier; }
bool BinaryFamily(TypeKind kind) { return sim::IsBinaryKind(kind); }

int IntegerSize(TypeKind kind) {
  switch (kind) {
    case TypeKind::kTinyInt:
      return 1;
    case TypeKind::kSmallInt:
      return 2;
    case TypeKind::kBigInt:
      return 8;
    default:
      return 4;
  }
}

bool FitsIntegerSize(std::int64_t number, int size) {
  switch (size) {
    case 1:
      return number >= 0 && number <= 255;
    case 2:
      return number >= std::numeric_limits<std::int16_t>::min() &&
             number <= std::numeric_limits<std::int16_t>::max();
    case 4:
      return number >= std::numeric_limits<std::int32_t>::min() &&
             number <= std::numeric_limits<std::int32_t>::max();
    default:
      return true;
  }
}

int DecimalBytes(int precision) {
  return precision <= 9 ? 5 : precision <= 19 ? 9 : precision <= 28 ? 13 : 17;
}

// Text of a field for a character column.
std::optional<std::string> TextOf(const Value& value) {
  if (value.is_null()) return std::nullopt;
  if (sim::IsStringKind(value.kind())) return std::string(value.text());
  return value.ToText();
}

WireColumn Describe(const sim::BoundColumn& column, std::size_t index,
                    const std::vector<sim::Row>& rows) {
  WireColumn wire;
  wire.type = column.type;
  const TypeKind kind = column.type.kind;
  // bit counts among the integer kinds, but clients read a boolean only from BITN.
  if (kind == TypeKind::kBit) {
    wire.encoding = Encoding::kBit;
    wire.size = 1;
  } else if (sim::IsIntegerKind(kind)) {
    wire.encoding = Encoding::kInt;
    wire.size = IntegerSize(kind);
    for (const sim::Row& row : rows) {
      std::optional<Value> value = Bring(FieldAt(row, index), column.type, IntegerFamily);
      if (value && !FitsIntegerSize(value->integer(), wire.size)) wire.size = 8;
    }
  } else if (kind == TypeKind::kDecimal) {
    wire.encoding = Encoding::kDecimal;
    wire.precision = column.type.precision > 0 ? std::min(column.type.precision, 38) : 38;
    wire.scale = std::clamp(column.type.scale, 0, wire.precision);
    wire.size = DecimalBytes(wire.precision);
  } else if (kind == TypeKind::kMoney) {
    wire.encoding = Encoding::kMoney;
    wire.size = 8;
  } else if (FloatFamily(kind)) {
    wire.encoding = Encoding::kFloat;
    wire.size = kind == TypeKind::kReal ? 4 : 8;
  } else if (kind == TypeKind::kSmallDateTime) {
    wire.encoding = Encoding::kSmallDateTime;
    wire.size = 4;
  } else if (DateFamily(kind)) {
    wire.encoding = Encoding::kDateTime;
    wire.size = 8;
  } else if (kind == TypeKind::kUniqueIdentifier) {
    wire.encoding = Encoding::kGuid;
    wire.size = 16;
  } else if (kind == TypeKind::kText || kind == TypeKind::kNText) {
    wire.encoding = Encoding::kNText;
  } else if (sim::IsBinaryKind(kind)) {
    std::size_t longest = column.type.length > 0 ? static_cast<std::size_t>(column.type.length) : 1;
    for (const sim::Row& row : rows) {
      const Value& field = FieldAt(row, index);
      if (!field.is_null() && BinaryFamily(field.kind()))
        longest = std::max(longest, field.text().size());
    }
    const bool max =
        kind == TypeKind::kImage || column.type.length < 0 || longest > kMaxInlineBytes;
    wire.encoding = max ? Encoding::kVarBinaryMax : Encoding::kVarBinary;
    wire.size = static_cast<int>(longest);
  } else {
    std::size_t longest = column.type.length > 0 ? static_cast<std::size_t>(column.type.length) : 1;
    for (const sim::Row& row : rows) {
      std::optional<std::string> text = TextOf(FieldAt(row, index));
      if (text) longest = std::max(longest, Utf16LeFromUtf8(*text).size() / 2);
    }
    const bool max = column.type.length < 0 || longest > kMaxInlineChars;
    wire.encoding = max ? Encoding::kNVarCharMax : Encoding::kNVarChar;
    wire.size = static_cast<int>(longest * 2);
  }
  return wire;
}

void WriteCollation(WireWriter& out) {
  for (std::uint8_t byte : kCollation) out.U8(byte);
}

void WriteTypeInfo(WireWriter& out, const WireColumn& column, const sim::BoundColumn& bound) {
  switch (column.encoding) {
    case Encoding::kInt:
      out.U8(kIntN);
      out.U8(static_cast<std::uint8_t>(column.size));
      break;
    case Encoding::kBit:
      out.U8(kBitN);
      out.U8(1);
      break;
    case Encoding::kDecimal:
      out.U8(column.type.numeric_spelling ? kNumericN : kDecimalN);
      out.U8(static_cast<std::uint8_t>(column.size));
      out.U8(static_cast<std::uint8_t>(column.precision));
      out.U8(static_cast<std::uint8_t>(column.scale));
      break;
    case Encoding::kMoney:
      out.U8(kMoneyN);
      out.U8(8);
      break;
    case Encoding::kFloat:
      out.U8(kFloatN);
      out.U8(static_cast<std::uint8_t>(column.size));
      break;
    case Encoding::kDateTime:
      out.U8(kDateTimeN);
      out.U8(8);
      break;
    case Encoding::kSmallDateTime:
      out.U8(kDateTimeN);
      out.U8(4);
      break;
    case Encoding::kGuid:
      out.U8(kGuidType);
      out.U8(16);
      break;
    case Encoding::kNVarChar:
      out.U8(kNVarChar);
      out.U16Le(static_cast<std::uint16_t>(column.size));
      WriteCollation(out);
      break;
    case Encoding::kNVarCharMax:
      out.U8(kNVarChar);
      out.U16Le(0xFFFF);
      WriteCollation(out);
      break;
    case Encoding::kNText:
      out.U8(kNText);
      out.U32Le(0x7FFFFFFE);
      WriteCollation(out);
      if (bound.table_name.empty()) {
        out.U8(0);
      } else {
        out.U8(1);
        out.UsVarChar(bound.table_name);
      }
      break;
    case Encoding::kVarBinary:
      out.U8(kBigVarBinary);
      out.U16Le(static_cast<std::uint16_t>(column.size));
      break;
    case Encoding::kVarBinaryMax:
      out.U8(kBigVarBinary);
      out.U16Le(0xFFFF);
      break;
  }
}

// Partially length-prefixed data: total length, one chunk, terminator.
void WritePlp(WireWriter& out, const std::optional<Bytes>& data) {
  if (!data) {
    out.U64Le(0xFFFFFFFFFFFFFFFFull);
    return;
  }
  out.U64Le(data->size());
  if (!data->empty()) {
    out.U32Le(static_cast<std::uint32_t>(data->size()));
    out.Append(*data);
  }
  out.U32Le(0);
}

// The 16 bytes of a GUID from its text: the first three groups little-endian.
std::optional<Bytes> GuidBytes(std::string_view text) {
  std::string hex;
  for (char c : text) {
    if (c != '-' && c != '{' && c != '}') hex.push_back(c);
  }
  if (hex.size() != 32) return std::nullopt;
  Bytes bytes(16);
  for (std::size_t i = 0; i < 16; ++i) {
    int value = 0;
    for (int k = 0; k < 2; ++k) {
      char c = hex[2 * i + static_cast<std::size_t>(k)];
      int digit = c >= '0' && c <= '9'   ? c - '0'
                  : c >= 'a' && c <= 'f' ? c - 'a' + 10
                  : c >= 'A' && c <= 'F' ? c - 'A' + 10
                                         : -1;
      if (digit < 0) return std::nullopt;
      value = value * 16 + digit;
    }
    bytes[i] = static_cast<std::uint8_t>(value);
  }
  std::reverse(bytes.begin(), bytes.begin() + 4);
  std::reverse(bytes.begin() + 4, bytes.begin() + 6);
  std::reverse(bytes.begin() + 6, bytes.begin() + 8);
  return bytes;
}

void WriteField(WireWriter& out, const WireColumn& column, const Value& field) {
  switch (column.encoding) {
    case Encoding::kInt:
    case Encoding::kBit: {
      std::optional<Value> value = Bring(field, column.type, IntegerFamily);
      if (!value) {
        out.U8(0);
        return;
      }
      const std::int64_t number =
          column.encoding == Encoding::kBit ? (value->integer() != 0) : value->integer();
      out.U8(static_cast<std::uint8_t>(column.size));
      for (int i = 0; i < column.size; ++i)
        out.U8(static_cast<std::uint8_t>(static_cast<std::uint64_t>(number) >> (8 * i)));
      return;
    }
    case Encoding::kDecimal:
    case Encoding::kMoney: {
      std::optional<Value> value = Bring(field, column.type, DecimalFamily);
      if (!value) {
        out.U8(0);
        return;
      }
      const int target_scale = column.encoding == Encoding::kMoney ? 4 : column.scale;
      sim::Int128 units = 0;
      if (value->kind() == TypeKind::kDecimal) {
        units = sim::Rescale(value->units(), value->type().scale, target_scale);
      } else if (value->kind() == TypeKind::kMoney) {
        units = sim::Rescale(value->units(), 4, target_scale);
      } else {
        units = sim::Rescale(static_cast<sim::Int128>(value->integer()), 0, target_scale);
      }
      if (column.encoding == Encoding::kMoney) {
        const std::uint64_t raw = static_cast<std::uint64_t>(static_cast<std::int64_t>(units));
        out.U8(8);
        out.U32Le(static_cast<std::uint32_t>(raw >> 32));
        out.U32Le(static_cast<std::uint32_t>(raw));
        return;
      }
      const bool negative = units < 0;
      const sim::Int128 magnitude = negative ? -units : units;
      out.U8(static_cast<std::uint8_t>(column.size));
      out.U8(negative ? 0 : 1);
      for (int i = 0; i < column.size - 1; ++i)
        out.U8(static_cast<std::uint8_t>((magnitude >> (8 * i)) & 0xFF));
      return;
    }
    case Encoding::kFloat: {
      std::optional<Value> value = Bring(field, column.type, FloatFamily);
      if (!value) {
        out.U8(0);
        return;
      }
      out.U8(static_cast<std::uint8_t>(column.size));
      if (column.size == 4) {
        const float number = static_cast<float>(value->number());
        std::uint32_t raw;
        std::memcpy(&raw, &number, sizeof raw);
        out.U32Le(raw);
      } else {
        const double number = value->number();
        std::uint64_t raw;
        std::memcpy(&raw, &number, sizeof raw);
        out.U64Le(raw);
      }
      return;
    }
    case Encoding::kDateTime:
    case Encoding::kSmallDateTime: {
      std::optional<Value> value = Bring(field, column.type, DateFamily);
      if (!value) {
        out.U8(0);
        return;
      }
      constexpr std::int64_t kDay = 86'400'000;
      const std::int64_t millis = value->integer();
      std::int64_t days = millis / kDay;
      std::int64_t rest = millis % kDay;
      if (rest < 0) {
        rest += kDay;
        --days;
      }
      if (column.encoding == Encoding::kSmallDateTime) {
        out.U8(4);
        out.U16Le(static_cast<std::uint16_t>(days));
        out.U16Le(static_cast<std::uint16_t>(rest / 60'000));
      } else {
        out.U8(8);
        out.U32Le(static_cast<std::uint32_t>(static_cast<std::int32_t>(days)));
        out.U32Le(static_cast<std::uint32_t>((rest * 300 + 500) / 1000));
      }
      return;
    }
    case Encoding::kGuid: {
      std::optional<Value> value = Bring(field, column.type, GuidFamily);
      std::optional<Bytes> bytes = value ? GuidBytes(value->text()) : std::nullopt;
      if (!bytes) {
        out.U8(0);
        return;
      }
      out.U8(16);
      out.Append(*bytes);
      return;
    }
    case Encoding::kNVarChar: {
      std::optional<std::string> text = TextOf(field);
      if (!text) {
        out.U16Le(0xFFFF);
        return;
      }
      Bytes units = Utf16LeFromUtf8(*text);
      out.U16Le(static_cast<std::uint16_t>(units.size()));
      out.Append(units);
      return;
    }
    case Encoding::kNVarCharMax: {
      std::optional<std::string> text = TextOf(field);
      WritePlp(out, text ? std::optional<Bytes>(Utf16LeFromUtf8(*text)) : std::nullopt);
      return;
    }
    case Encoding::kNText: {
      std::optional<std::string> text = TextOf(field);
      if (!text) {
        out.U8(0);
        return;
      }
      out.U8(16);
      for (int i = 0; i < 16; ++i) out.U8(0xFF);  // text pointer
      for (int i = 0; i < 8; ++i) out.U8(0);      // timestamp
      Bytes units = Utf16LeFromUtf8(*text);
      out.U32Le(static_cast<std::uint32_t>(units.size()));
      out.Append(units);
      return;
    }
    case Encoding::kVarBinary:
    case Encoding::kVarBinaryMax: {
      std::optional<Value> value = Bring(field, column.type, BinaryFamily);
      std::optional<Bytes> data;
      if (value) data = Bytes(value->text().begin(), value->text().end());
      if (column.encoding == Encoding::kVarBinaryMax) {
        WritePlp(out, data);
      } else if (!data) {
        out.U16Le(0xFFFF);
      } else {
        out.U16Le(static_cast<std::uint16_t>(data->size()));
        out.Append(*data);
      }
      return;
    }
  }
}

}  // namespace

std::size_t WriteResultSet(WireWriter& out, const sim::Relation& relation) {
  std::vector<std::size_t> shown;
  for (std::size_t i = 0; i < relation.columns.size(); ++i) {
    if (!relation.columns[i].hidden) shown.push_back(i);
  }
  std::vector<WireColumn> wire;
  for (std::size_t i : shown) wire.push_back(Describe(relation.columns[i], i, relation.rows));

  out.U8(kColMetadata);
  out.U16Le(static_cast<std::uint16_t>(shown.size()));
  for (std::size_t k = 0; k < shown.size(); ++k) {
    out.U32Le(0);       // user type
    out.U16Le(0x0001);  // nullable
    WriteTypeInfo(out, wire[k], relation.columns[shown[k]]);
    out.BVarChar(relation.columns[shown[k]].name);
  }
  for (const sim::Row& row : relation.rows) {
    out.U8(kRow);
    for (std::size_t k = 0; k < shown.size(); ++k) {
      const std::size_t index = shown[k];
      WriteField(out, wire[k], FieldAt(row, index));
    }
  }
  return relation.rows.size();
}

}  // namespace quelor::tds
