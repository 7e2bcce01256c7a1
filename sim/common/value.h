// Values of the simulated server with SQL Server semantics: exact decimals as
// scaled 128-bit integers, datetimes as milliseconds, strings compared without
// regard to case and trailing blanks, NULL as its own state, implicit
// conversion by type precedence.
#pragma once

#include <cstdint>
#include <cstring>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "sim/common/date_time.h"
#include "sim/common/types.h"

namespace quelor::sim {

__extension__ typedef __int128 Int128;

// One value: a cell of a table row, a variable, a constant, an intermediate
// result. Rows hold millions of them, so a value is kept in 24 bytes: its
// type in compact form (kind, precision, scale, length), and a 16-byte
// payload that holds a number, a decimal's units, or text of up to 16 bytes;
// longer text lives in a shared, immutable block that copies only count.
class Value {
 public:
  Value() noexcept = default;  // NULL of type int
  // Copies and moves are bytewise (rows copy and move millions of values);
  // a copy of long text adds a reference to its block.
  Value(const Value& other) noexcept {
    std::memcpy(static_cast<void*>(this), &other, sizeof(Value));
    if ((flags_ & kHeapText) != 0) AddReference();
  }
  Value(Value&& other) noexcept {
    std::memcpy(static_cast<void*>(this), &other, sizeof(Value));
    other.flags_ = kNull;  // the block, if any, is ours now
  }
  Value& operator=(const Value& other) noexcept {
    if (this != &other) {
      Value copy(other);
      *this = std::move(copy);
    }
    return *this;
  }
  Value& operator=(Value&& other) noexcept {
    if (this != &other) {
      Release();
      std::memcpy(static_cast<void*>(this), &other, sizeof(Value));
      other.flags_ = kNull;
    }
    return *this;
  }
  ~Value() { Release(); }

  static Value Null(SqlType type = SqlType::Of(TypeKind::kInt));
  static Value Integer(std::int64_t number, TypeKind kind = TypeKind::kInt);
  // An int constant: next to a decimal it counts with its own digits only
  // (1.0/3 has scale 6, not 12).
  static Value IntegerLiteral(std::int64_t number, int digits);
  static Value Decimal(Int128 units, int precision, int scale);
  static Value Money(Int128 units);  // ten-thousandths
  static Value Float(double number, TypeKind kind = TypeKind::kFloat);
  static Value String(std::string_view text, TypeKind kind = TypeKind::kVarChar);
  static Value String(std::string_view text, SqlType type);
  static Value DateTime(std::int64_t millis, TypeKind kind = TypeKind::kDateTime);
  static Value Bytes(std::string_view bytes, TypeKind kind = TypeKind::kVarBinary);
  // A non-NULL string of this value's text under the text type `type`: what
  // String(text(), type) gives, sharing the text instead of copying it.
  Value TextAs(const SqlType& type) const;

  bool is_null() const { return (flags_ & kNull) != 0; }
  SqlType type() const;
  TypeKind kind() const { return static_cast<TypeKind>(kind_); }

  // Payload accessors; each is valid only for the matching type family.
  std::int64_t integer() const;   // integers, bit, datetimes
  Int128 units() const;           // decimal, money
  double number() const;          // float, real
  std::string_view text() const;  // strings, binary, guid

  // The field as an ODBC client reads it as text: "12.50", "1", "2013-02-20
  // 00:00:00.000"; nullopt for NULL.
  std::optional<std::string> ToText() const;
  // The value as messages quote it (duplicate key value, conversion failure).
  std::string ToMessageText() const;

 private:
  // Compare and hash the stored fields without building a SqlType.
  friend bool SameStored(const Value& a, const Value& b);
  friend std::uint64_t StoredHash(const Value& value);

  struct TextBlock;
  enum Flag : std::uint8_t { kNull = 1, kHeapText = 2, kNumericSpelling = 4 };

  void SetType(const SqlType& type);
  void SetText(std::string_view text);
  void Release() noexcept {
    if ((flags_ & kHeapText) != 0) ReleaseText();
  }
  void AddReference() noexcept;
  void ReleaseText() noexcept;

  alignas(8) unsigned char payload_[16] = {};
  std::int32_t length_ = 0;
  std::uint8_t kind_ = static_cast<std::uint8_t>(TypeKind::kInt);
  std::uint8_t precision_ = 10;  // for text: the number of bytes held inline
  std::uint8_t scale_ = 0;
  std::uint8_t flags_ = kNull;
};

// Settings of the session that change how values are read.
struct ConversionContext {
  DateFormat date_format = DateFormat::kMdy;
};

// Converts `value` to `target` as CAST does: strings are cut to the target
// length silently, numbers are rounded to the target scale. Throws 245, 241,
// 242, 8114 or 8115 as the server does.
Value Convert(const Value& value, const SqlType& target, const ConversionContext& context);

// The type both operands of a comparison or arithmetic are brought to.
SqlType CommonType(const SqlType& a, const SqlType& b);

// Compares two non-NULL values after implicit conversion; strings without
// regard to case and trailing blanks. Negative, zero or positive.
int Compare(const Value& a, const Value& b, const ConversionContext& context);
// nullopt when either side is NULL (unknown).
std::optional<bool> EqualsSql(const Value& a, const Value& b, const ConversionContext& context);

Value Add(const Value& a, const Value& b, const ConversionContext& context);
Value Subtract(const Value& a, const Value& b, const ConversionContext& context);
Value Multiply(const Value& a, const Value& b, const ConversionContext& context);
Value Divide(const Value& a, const Value& b, const ConversionContext& context);
Value Modulo(const Value& a, const Value& b, const ConversionContext& context);
Value Negate(const Value& a);

// LIKE with %, _ and [...] sets, without regard to case.
bool Like(std::string_view text, std::string_view pattern);

// The most a single value of a max type may hold here (the real server's
// limit is 2 GB); beyond it a statement fails with 701, as the real server
// fails when its memory runs out.
inline constexpr std::size_t kMaxValueBytes = std::size_t{64} << 20;
[[noreturn]] void RaiseOutOfMemory();

// `text` as a value of `type` holds it: cut to the type's length in
// characters, as string functions and concatenation cut their results;
// refused with 701 beyond kMaxValueBytes for a max type.
std::string FitText(std::string text, const SqlType& type);

// Single-byte text in the server's code page (Windows-1252) as UTF-8.
std::string Utf8FromCp1252(std::string_view bytes);
// Binary data read as text: kept when it is UTF-8 (text turned into binary
// here is UTF-8), else read in the server's code page, so that text values
// are always UTF-8.
std::string TextOfBytes(std::string_view bytes);

// Number of characters (not bytes) of a UTF-8 text.
std::size_t CharacterCount(std::string_view text);
// The first `count` characters of a UTF-8 text.
std::string_view FirstCharacters(std::string_view text, std::size_t count);
std::string_view TrimTrailingBlanks(std::string_view text);

// A text that is equal for two values exactly when the server's unique index
// would see them as the same key.
std::string KeyText(const Value& value);
// Appends KeyText(value) to `key`.
void AppendKeyText(std::string& key, const Value& value);

// Reads a number literal: int when it fits, numeric with its digits when it
// has a decimal point or is too large, float with an exponent.
Value NumberLiteral(std::string_view text);

bool IsTrue(const Value& value);  // a non-NULL, non-zero value

// True when `a` and `b` are stored alike: same type, both NULL or the same
// bytes (not the collation's equality: 'a' and 'A' differ here).
bool SameStored(const Value& a, const Value& b);
bool SameStoredRow(const std::vector<Value>& a, const std::vector<Value>& b);
// A hash that is equal for values SameStored finds alike.
std::uint64_t StoredHash(const Value& value);

std::string Int128ToString(Int128 value);
// Rounds `units` of scale `from_scale` to `to_scale`, half away from zero.
Int128 Rescale(Int128 units, int from_scale, int to_scale);

}  // namespace quelor::sim
