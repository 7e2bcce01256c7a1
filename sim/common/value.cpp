// Conversion, comparison and arithmetic of values as the real server does them.
#include "sim/common/value.h"

#include <algorithm>
#include <atomic>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <functional>
#include <limits>
#include <new>

#include "sim/common/case_insensitive_map.h"
#include "sim/common/errors.h"

namespace quelor::sim {

namespace {

constexpr std::int64_t kMillisPerDay = 86'400'000;

[[noreturn]] void NumericOverflow() { Raise(8115, {"expression", "numeric"}); }

// 128-bit arithmetic that refuses to overflow, as the server refuses numbers
// beyond 38 digits.
Int128 Pow10(int exponent) {
  if (exponent > 38) NumericOverflow();
  Int128 result = 1;
  for (int i = 0; i < exponent; ++i) result *= 10;
  return result;
}

Int128 CheckedMul(Int128 a, Int128 b) {
  Int128 result = 0;
  if (__builtin_mul_overflow(a, b, &result)) NumericOverflow();
  return result;
}

Int128 CheckedAdd(Int128 a, Int128 b) {
  Int128 result = 0;
  if (__builtin_add_overflow(a, b, &result)) NumericOverflow();
  return result;
}

Int128 Abs128(Int128 value) { return value < 0 ? -value : value; }

int DigitCount(Int128 value) {
  value = Abs128(value);
  int digits = 1;
  while (value >= 10) {
    value /= 10;
    ++digits;
  }
  return digits;
}

std::string TrimBlanks(std::string_view text) {
  std::size_t begin = 0;
  std::size_t end = text.size();
  while (begin < end && (text[begin] == ' ' || text[begin] == '\t' || text[begin] == '\r' ||
                         text[begin] == '\n')) {
    ++begin;
  }
  while (end > begin && (text[end - 1] == ' ' || text[end - 1] == '\t' || text[end - 1] == '\r' ||
                         text[end - 1] == '\n')) {
    --end;
  }
  return std::string(text.substr(begin, end - begin));
}

// The decimal view of an exact numeric: units and scale.
struct Exact {
  Int128 units = 0;
  int precision = 10;
  int scale = 0;
};

Exact ExactOf(const Value& value) {
  switch (value.kind()) {
    case TypeKind::kDecimal:
      return Exact{value.units(), value.type().precision, value.type().scale};
    case TypeKind::kMoney:
      return Exact{value.units(), 19, 4};
    default:
      return Exact{value.integer(), value.type().precision == 0 ? 10 : value.type().precision, 0};
  }
}

double DoubleOf(const Value& value) {
  switch (value.kind()) {
    case TypeKind::kFloat:
    case TypeKind::kReal:
      return value.number();
    case TypeKind::kDecimal:
    case TypeKind::kMoney: {
      Exact exact = ExactOf(value);
      return static_cast<double>(exact.units) / std::pow(10.0, exact.scale);
    }
    default:
      return static_cast<double>(value.integer());
  }
}

[[noreturn]] void ConversionFailed(const Value& value, const SqlType& target) {
  Raise(245, {TypeName(value.type()), std::string(value.text()), TypeName(target)});
}

[[noreturn]] void Overflow(const std::string& from, const SqlType& target) {
  Raise(8115, {from, TypeName(target)});
}

std::int64_t IntegerLimit(TypeKind kind, bool upper) {
  switch (kind) {
    case TypeKind::kBit:
      return upper ? 1 : 0;
    case TypeKind::kTinyInt:
      return upper ? 255 : 0;
    case TypeKind::kSmallInt:
      return upper ? 32767 : -32768;
    case TypeKind::kInt:
      return upper ? 2147483647LL : -2147483648LL;
    default:
      return upper ? std::numeric_limits<std::int64_t>::max()
                   : std::numeric_limits<std::int64_t>::min();
  }
}

Value MakeInteger(Int128 number, TypeKind kind, const std::string& from) {
  if (kind == TypeKind::kBit) return Value::Integer(number != 0 ? 1 : 0, kind);
  if (number < IntegerLimit(kind, false) || number > IntegerLimit(kind, true)) {
    Overflow(from, SqlType::Of(kind));
  }
  return Value::Integer(static_cast<std::int64_t>(number), kind);
}

// Parses "[-+]digits[.digits]" into units at the given scale; nullopt when
// the text is no such number.
std::optional<Exact> ParseExact(std::string_view text) {
  std::string trimmed = TrimBlanks(text);
  if (trimmed.empty()) return std::nullopt;
  bool negative = false;
  std::size_t pos = 0;
  if (trimmed[0] == '-' || trimmed[0] == '+') {
    negative = trimmed[0] == '-';
    ++pos;
  }
  Exact exact;
  exact.precision = 0;
  bool any_digit = false;
  bool after_point = false;
  for (; pos < trimmed.size(); ++pos) {
    char c = trimmed[pos];
    if (c == '.' && !after_point) {
      after_point = true;
      continue;
    }
    if (c < '0' || c > '9') return std::nullopt;
    any_digit = true;
    if (exact.precision >= 38) return std::nullopt;
    exact.units = exact.units * 10 + (c - '0');
    if (after_point) ++exact.scale;
    if (exact.units != 0 || after_point) ++exact.precision;
  }
  if (!any_digit) return std::nullopt;
  if (exact.precision < exact.scale) exact.precision = exact.scale;
  if (exact.precision == 0) exact.precision = 1;
  if (negative) exact.units = -exact.units;
  return exact;
}

Value DecimalTo(const Exact& exact, const SqlType& target, const std::string& from) {
  if (IsIntegerKind(target.kind)) {
    Int128 whole = exact.units / Pow10(exact.scale);  // truncation toward zero
    return MakeInteger(whole, target.kind, from);
  }
  if (target.kind == TypeKind::kMoney) return Value::Money(Rescale(exact.units, exact.scale, 4));
  if (target.kind == TypeKind::kDecimal) {
    Int128 units = Rescale(exact.units, exact.scale, target.scale);
    if (units != 0 && DigitCount(units) > target.precision) Overflow(from, target);
    Value result = Value::Decimal(units, target.precision, target.scale);
    return result;
  }
  return Value::Float(static_cast<double>(exact.units) / std::pow(10.0, exact.scale), target.kind);
}

std::string DecimalText(Int128 units, int scale) {
  // Built from the right end; GCC 12 warns falsely (-Wrestrict) about
  // std::string::insert here at -O3.
  std::string digits = Int128ToString(Abs128(units));
  const std::size_t fraction = static_cast<std::size_t>(std::max(scale, 0));
  if (digits.size() <= fraction) digits = std::string(fraction + 1 - digits.size(), '0') + digits;
  std::string text;
  if (units < 0) text.push_back('-');
  text.append(digits, 0, digits.size() - fraction);
  if (fraction > 0) {
    text.push_back('.');
    text.append(digits, digits.size() - fraction, fraction);
  }
  return text;
}

std::string FloatText(double number) {
  char buffer[64];
  auto result = std::to_chars(buffer, buffer + sizeof buffer, number);
  return std::string(buffer, result.ptr);
}

Value StringTo(const Value& value, const SqlType& target, const ConversionContext& context) {
  const std::string_view text = value.text();
  if (IsIntegerKind(target.kind)) {
    std::string trimmed = TrimBlanks(text);
    if (target.kind == TypeKind::kBit) {
      if (EqualsIgnoreCase(trimmed, "true")) return Value::Integer(1, TypeKind::kBit);
      if (EqualsIgnoreCase(trimmed, "false")) return Value::Integer(0, TypeKind::kBit);
    }
    std::optional<Exact> exact = ParseExact(trimmed);
    if (!exact || exact->scale != 0 || trimmed.find('.') != std::string::npos) {
      if (trimmed.empty()) return Value::Integer(0, target.kind);  // '' converts to 0
      ConversionFailed(value, target);
    }
    return MakeInteger(exact->units, target.kind,
                       TypeName(value.type()) + " value '" + std::string(text) + "'");
  }
  if (target.kind == TypeKind::kDecimal || target.kind == TypeKind::kMoney) {
    std::optional<Exact> exact = ParseExact(text);
    if (!exact) Raise(8114, {TypeName(value.type()), TypeName(target)});
    return DecimalTo(*exact, target, TypeName(value.type()));
  }
  if (target.kind == TypeKind::kFloat || target.kind == TypeKind::kReal) {
    std::string trimmed = TrimBlanks(text);
    double number = 0;
    auto result = std::from_chars(trimmed.data(), trimmed.data() + trimmed.size(), number);
    if (trimmed.empty()) return Value::Float(0, target.kind);
    if (result.ec != std::errc() || result.ptr != trimmed.data() + trimmed.size()) {
      Raise(8114, {TypeName(value.type()), TypeName(target)});
    }
    return Value::Float(number, target.kind);
  }
  if (IsDateKind(target.kind))
    return Value::DateTime(ParseDateTime(text, context.date_format, target.kind), target.kind);
  if (target.kind == TypeKind::kUniqueIdentifier) {
    std::string trimmed = TrimBlanks(text);
    if (trimmed.size() == 38 && trimmed.front() == '{') trimmed = trimmed.substr(1, 36);
    bool ok = trimmed.size() == 36;
    for (std::size_t i = 0; ok && i < trimmed.size(); ++i) {
      bool dash = i == 8 || i == 13 || i == 18 || i == 23;
      ok = dash ? trimmed[i] == '-' : std::isxdigit(static_cast<unsigned char>(trimmed[i])) != 0;
    }
    if (!ok) Raise(8169);
    for (char& c : trimmed) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    return Value::String(trimmed, TypeKind::kUniqueIdentifier);
  }
  if (IsBinaryKind(target.kind)) return Value::Bytes(text, target.kind);
  // string to string: CAST cuts to the target length, and char pads to it.
  // A text that needs neither keeps its storage.
  const auto length = static_cast<std::size_t>(target.length);
  if (target.length <= 0 || (target.kind != TypeKind::kChar && target.kind != TypeKind::kNChar
                                 ? text.size() <= length || CharacterCount(text) <= length
                                 : CharacterCount(text) == length)) {
    return value.TextAs(target);
  }
  std::string cut(text);
  if (target.length > 0 && CharacterCount(cut) > static_cast<std::size_t>(target.length)) {
    cut = std::string(FirstCharacters(cut, static_cast<std::size_t>(target.length)));
  }
  if ((target.kind == TypeKind::kChar || target.kind == TypeKind::kNChar) && target.length > 0) {
    std::size_t count = CharacterCount(cut);
    if (count < static_cast<std::size_t>(target.length))
      cut.append(static_cast<std::size_t>(target.length) - count, ' ');
  }
  return Value::String(std::move(cut), target);
}

std::string ToStringForCast(const Value& value) {
  switch (value.kind()) {
    case TypeKind::kDateTime:
    case TypeKind::kSmallDateTime:
      return FormatDateTimeDefaultStyle(value.integer());
    case TypeKind::kFloat:
    case TypeKind::kReal: {
      // Style 0 of float: at most six significant digits.
      char buffer[64];
      std::snprintf(buffer, sizeof buffer, "%.6g", value.number());
      return buffer;
    }
    default:
      return *value.ToText();
  }
}

}  // namespace

// ---- Value ----

static_assert(sizeof(Value) == 24, "rows hold millions of values");

// Text longer than the payload: shared by every copy of the value, freed
// with the last one. The count is atomic because the wire server's threads
// take turns on the same values.
struct Value::TextBlock {
  std::atomic<std::uint32_t> references;
  std::uint32_t size;
  char* data() { return reinterpret_cast<char*>(this + 1); }
};

namespace {

// Strings, binary and guid: a bit per kind, as the row comparison asks this
// for every value.
constexpr std::uint32_t KindBit(TypeKind kind) {
  return std::uint32_t{1} << static_cast<int>(kind);
}
constexpr std::uint32_t kTextKinds =
    KindBit(TypeKind::kChar) | KindBit(TypeKind::kVarChar) | KindBit(TypeKind::kNChar) |
    KindBit(TypeKind::kNVarChar) | KindBit(TypeKind::kText) | KindBit(TypeKind::kNText) |
    KindBit(TypeKind::kBinary) | KindBit(TypeKind::kVarBinary) | KindBit(TypeKind::kImage) |
    KindBit(TypeKind::kUniqueIdentifier);
static_assert(static_cast<int>(TypeKind::kImage) < 32);

bool HoldsText(TypeKind kind) { return ((kTextKinds >> static_cast<int>(kind)) & 1U) != 0; }

}  // namespace

void Value::AddReference() noexcept {
  TextBlock* block;
  std::memcpy(&block, payload_, sizeof block);
  block->references.fetch_add(1, std::memory_order_relaxed);
}

void Value::ReleaseText() noexcept {
  TextBlock* block;
  std::memcpy(&block, payload_, sizeof block);
  if (block->references.fetch_sub(1, std::memory_order_acq_rel) == 1) {
    block->~TextBlock();
    ::operator delete(block);
  }
  flags_ &= static_cast<std::uint8_t>(~kHeapText);
}

void Value::SetType(const SqlType& type) {
  kind_ = static_cast<std::uint8_t>(type.kind);
  length_ = type.length;
  precision_ = HoldsText(type.kind) ? 0 : static_cast<std::uint8_t>(type.precision);
  scale_ = static_cast<std::uint8_t>(type.scale);
  flags_ = static_cast<std::uint8_t>((flags_ & ~kNumericSpelling) |
                                     (type.numeric_spelling ? kNumericSpelling : 0));
}

void Value::SetText(std::string_view text) {
  Release();
  flags_ &= static_cast<std::uint8_t>(~kNull);
  if (text.size() <= sizeof payload_) {
    std::memcpy(payload_, text.data(), text.size());
    precision_ = static_cast<std::uint8_t>(text.size());
    return;
  }
  if (text.size() > std::numeric_limits<std::uint32_t>::max()) RaiseOutOfMemory();
  void* memory = ::operator new(sizeof(TextBlock) + text.size());
  auto* block = new (memory) TextBlock{{1}, static_cast<std::uint32_t>(text.size())};
  std::memcpy(block->data(), text.data(), text.size());
  std::memcpy(payload_, &block, sizeof block);
  flags_ |= kHeapText;
  precision_ = 0;
}

SqlType Value::type() const {
  SqlType type;
  type.kind = kind();
  type.length = length_;
  type.precision = HoldsText(type.kind) ? 0 : precision_;
  type.scale = scale_;
  type.numeric_spelling = (flags_ & kNumericSpelling) != 0;
  return type;
}

std::int64_t Value::integer() const {
  std::int64_t number;
  std::memcpy(&number, payload_, sizeof number);
  return number;
}

Int128 Value::units() const {
  Int128 units;
  std::memcpy(&units, payload_, sizeof units);
  return units;
}

double Value::number() const {
  double number;
  std::memcpy(&number, payload_, sizeof number);
  return number;
}

std::string_view Value::text() const {
  if (flags_ & kHeapText) {
    TextBlock* block;
    std::memcpy(&block, payload_, sizeof block);
    return {block->data(), block->size};
  }
  if (is_null()) return {};
  return {reinterpret_cast<const char*>(payload_), precision_};
}

Value Value::Null(SqlType type) {
  Value value;
  value.SetType(type);
  return value;
}

Value Value::Integer(std::int64_t number, TypeKind kind) {
  Value value;
  value.SetType(SqlType::Of(kind));
  std::memcpy(value.payload_, &number, sizeof number);
  value.flags_ &= static_cast<std::uint8_t>(~kNull);
  return value;
}

Value Value::IntegerLiteral(std::int64_t number, int digits) {
  Value value = Integer(number);
  value.precision_ = static_cast<std::uint8_t>(digits);
  return value;
}

Value Value::Decimal(Int128 units, int precision, int scale) {
  Value value;
  SqlType type = SqlType::Decimal(precision, scale);
  type.numeric_spelling = true;  // values the server computes are "numeric"
  value.SetType(type);
  std::memcpy(value.payload_, &units, sizeof units);
  value.flags_ &= static_cast<std::uint8_t>(~kNull);
  return value;
}

Value Value::Money(Int128 units) {
  Value value;
  value.SetType(SqlType::Of(TypeKind::kMoney));
  std::memcpy(value.payload_, &units, sizeof units);
  value.flags_ &= static_cast<std::uint8_t>(~kNull);
  return value;
}

Value Value::Float(double number, TypeKind kind) {
  Value value;
  value.SetType(SqlType::Of(kind));
  std::memcpy(value.payload_, &number, sizeof number);
  value.flags_ &= static_cast<std::uint8_t>(~kNull);
  return value;
}

Value Value::String(std::string_view text, TypeKind kind) {
  SqlType type = SqlType::Of(kind);
  if (HasLength(kind))
    type.length = static_cast<int>(std::max<std::size_t>(1, CharacterCount(text)));
  return String(text, type);
}

Value Value::String(std::string_view text, SqlType type) {
  Value value;
  value.SetType(type);
  value.SetText(text);
  return value;
}

Value Value::TextAs(const SqlType& type) const {
  Value copy = *this;
  const std::uint8_t inline_bytes = precision_;  // SetType clears it for text
  copy.SetType(type);
  if ((copy.flags_ & kHeapText) == 0) copy.precision_ = inline_bytes;
  return copy;
}

Value Value::DateTime(std::int64_t millis, TypeKind kind) {
  Value value = Integer(RoundToType(millis, kind), kind);
  return value;
}

Value Value::Bytes(std::string_view bytes, TypeKind kind) {
  Value value;
  value.SetType(SqlType::Of(kind));
  value.SetText(bytes);
  return value;
}

std::optional<std::string> Value::ToText() const {
  if (is_null()) return std::nullopt;
  switch (kind()) {
    case TypeKind::kBit:
    case TypeKind::kTinyInt:
    case TypeKind::kSmallInt:
    case TypeKind::kInt:
    case TypeKind::kBigInt:
      return std::to_string(integer());
    case TypeKind::kDecimal:
    case TypeKind::kMoney: {
      int scale = kind() == TypeKind::kMoney ? 4 : scale_;
      return DecimalText(units(), scale);
    }
    case TypeKind::kFloat:
    case TypeKind::kReal:
      return FloatText(number());
    case TypeKind::kDateTime:
    case TypeKind::kSmallDateTime:
    case TypeKind::kDate:
      return FormatDateTime(integer(), kind());
    default:
      if (IsBinaryKind(kind())) {
        // Binary data reads as hexadecimal digits, as ODBC converts it to text.
        static constexpr char kDigits[] = "0123456789ABCDEF";
        std::string hex;
        for (char byte : text()) {
          hex.push_back(kDigits[(static_cast<unsigned char>(byte) >> 4) & 0xF]);
          hex.push_back(kDigits[static_cast<unsigned char>(byte) & 0xF]);
        }
        return hex;
      }
      return std::string(text());
  }
}

std::string Value::ToMessageText() const {
  if (is_null()) return "<NULL>";
  return *ToText();
}

// ---- conversion ----

namespace {

bool IsUtf8(std::string_view bytes) {
  std::size_t i = 0;
  while (i < bytes.size()) {
    const auto lead = static_cast<unsigned char>(bytes[i]);
    const std::size_t length = lead < 0x80           ? 1
                               : (lead >> 5) == 0x6  ? 2
                               : (lead >> 4) == 0xE  ? 3
                               : (lead >> 3) == 0x1E ? 4
                                                     : 0;
    if (length == 0 || i + length > bytes.size()) return false;
    for (std::size_t k = 1; k < length; ++k) {
      if ((static_cast<unsigned char>(bytes[i + k]) & 0xC0) != 0x80) return false;
    }
    i += length;
  }
  return true;
}

void AppendUtf8(std::string& out, char32_t code) {
  if (code < 0x80) {
    out.push_back(static_cast<char>(code));
  } else if (code < 0x800) {
    out.push_back(static_cast<char>(0xC0 | (code >> 6)));
    out.push_back(static_cast<char>(0x80 | (code & 0x3F)));
  } else {
    out.push_back(static_cast<char>(0xE0 | (code >> 12)));
    out.push_back(static_cast<char>(0x80 | ((code >> 6) & 0x3F)));
    out.push_back(static_cast<char>(0x80 | (code & 0x3F)));
  }
}

}  // namespace

std::string Utf8FromCp1252(std::string_view bytes) {
  static constexpr char16_t kHigh[32] = {
      0x20AC, 0xFFFD, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
      0x2039, 0x0152, 0xFFFD, 0x017D, 0xFFFD, 0xFFFD, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
      0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0xFFFD, 0x017E, 0x0178};
  std::string out;
  out.reserve(bytes.size());
  for (const char c : bytes) {
    const auto byte = static_cast<unsigned char>(c);
    AppendUtf8(out, byte >= 0x80 && byte < 0xA0 ? kHigh[byte - 0x80] : byte);
  }
  return out;
}

std::string TextOfBytes(std::string_view bytes) {
  return IsUtf8(bytes) ? std::string(bytes) : Utf8FromCp1252(bytes);
}

Value Convert(const Value& value, const SqlType& target, const ConversionContext& context) {
  if (value.is_null()) return Value::Null(target);
  const TypeKind from = value.kind();
  if (IsStringKind(from) || from == TypeKind::kUniqueIdentifier) {
    if (from == TypeKind::kUniqueIdentifier && !IsStringKind(target.kind) &&
        target.kind != TypeKind::kUniqueIdentifier) {
      Raise(529, {TypeName(value.type()), TypeName(target)});
    }
    return StringTo(value, target, context);
  }
  if (IsBinaryKind(from)) {
    if (IsBinaryKind(target.kind)) return Value::Bytes(value.text(), target.kind);
    if (IsStringKind(target.kind)) {
      return StringTo(Value::String(TextOfBytes(value.text())), target, context);
    }
    Raise(529, {TypeName(value.type()), TypeName(target)});
  }
  if (IsStringKind(target.kind)) {
    std::string text = ToStringForCast(value);
    if (target.length > 0 && CharacterCount(text) > static_cast<std::size_t>(target.length)) {
      if (IsNumeric(from)) Raise(8115, {"expression", TypeName(target)});
      text = std::string(FirstCharacters(text, static_cast<std::size_t>(target.length)));
    }
    return StringTo(Value::String(text), target, context);
  }
  if (IsDateKind(from)) {
    if (IsDateKind(target.kind)) return Value::DateTime(value.integer(), target.kind);
    if (target.kind == TypeKind::kFloat || target.kind == TypeKind::kReal) {
      return Value::Float(static_cast<double>(value.integer()) / kMillisPerDay, target.kind);
    }
    if (IsExactNumeric(target.kind)) {
      // datetime to int rounds to the nearest day, as the server does.
      std::int64_t days = (value.integer() + kMillisPerDay / 2) / kMillisPerDay;
      if (value.integer() < 0) days = -((-value.integer() + kMillisPerDay / 2) / kMillisPerDay);
      return DecimalTo(Exact{days, 10, 0}, target, "expression");
    }
    Raise(529, {TypeName(value.type()), TypeName(target)});
  }
  // from here: numbers
  if (IsDateKind(target.kind)) {
    double days = DoubleOf(value);
    return Value::DateTime(static_cast<std::int64_t>(std::llround(days * kMillisPerDay)),
                           target.kind);
  }
  if (target.kind == TypeKind::kUniqueIdentifier)
    Raise(529, {TypeName(value.type()), TypeName(target)});
  if (IsBinaryKind(target.kind)) return Value::Bytes(*value.ToText(), target.kind);
  if (from == TypeKind::kFloat || from == TypeKind::kReal) {
    double number = value.number();
    if (target.kind == TypeKind::kFloat || target.kind == TypeKind::kReal)
      return Value::Float(number, target.kind);
    if (IsIntegerKind(target.kind)) {
      if (target.kind == TypeKind::kBit) return Value::Integer(number != 0 ? 1 : 0, TypeKind::kBit);
      double truncated = std::trunc(number);
      if (truncated < static_cast<double>(IntegerLimit(target.kind, false)) ||
          truncated > static_cast<double>(IntegerLimit(target.kind, true))) {
        Overflow("expression", target);
      }
      return Value::Integer(static_cast<std::int64_t>(truncated), target.kind);
    }
    int scale = target.kind == TypeKind::kMoney ? 4 : target.scale;
    double scaled = std::round(number * std::pow(10.0, scale));
    if (std::fabs(scaled) >= 1e38) Overflow("float", target);
    Exact exact{static_cast<Int128>(scaled), 38, scale};
    return DecimalTo(exact, target, "float");
  }
  // Between integer types only the target's range counts.
  if (IsIntegerKind(from) && IsIntegerKind(target.kind))
    return MakeInteger(value.integer(), target.kind, "expression");
  return DecimalTo(ExactOf(value), target,
                   IsIntegerKind(from) ? "expression" : TypeName(value.type()));
}

SqlType CommonType(const SqlType& a, const SqlType& b) {
  const SqlType& winner = Precedence(a.kind) >= Precedence(b.kind) ? a : b;
  if (winner.kind == TypeKind::kDecimal) {
    Exact left{0,
               a.kind == TypeKind::kDecimal ? a.precision
               : a.precision == 0           ? 10
                                            : a.precision,
               a.kind == TypeKind::kDecimal ? a.scale : 0};
    Exact right{0,
                b.kind == TypeKind::kDecimal ? b.precision
                : b.precision == 0           ? 10
                                             : b.precision,
                b.kind == TypeKind::kDecimal ? b.scale : 0};
    if (!IsExactNumeric(a.kind)) left = Exact{0, 38, right.scale};
    if (!IsExactNumeric(b.kind)) right = Exact{0, 38, left.scale};
    int scale = std::max(left.scale, right.scale);
    int precision =
        std::min(38, std::max(left.precision - left.scale, right.precision - right.scale) + scale);
    return SqlType::Decimal(precision, scale);
  }
  if (IsStringKind(a.kind) && IsStringKind(b.kind)) {
    SqlType type = winner;
    type.length = (a.length < 0 || b.length < 0) ? -1 : std::max(a.length, b.length);
    return type;
  }
  return winner;
}

int Compare(const Value& a, const Value& b, const ConversionContext& context) {
  if (IsStringKind(a.kind()) && IsStringKind(b.kind())) {
    std::string_view left = TrimTrailingBlanks(a.text());
    std::string_view right = TrimTrailingBlanks(b.text());
    if (EqualsIgnoreCase(left, right)) return 0;
    std::string fl = FoldCase(left);
    std::string fr = FoldCase(right);
    return fl < fr ? -1 : fl > fr ? 1 : 0;
  }
  SqlType common = CommonType(a.type(), b.type());
  Value left = a.kind() == common.kind ? a : Convert(a, common, context);
  Value right = b.kind() == common.kind ? b : Convert(b, common, context);
  switch (common.kind) {
    case TypeKind::kDecimal:
    case TypeKind::kMoney: {
      Exact x = ExactOf(left);
      Exact y = ExactOf(right);
      int scale = std::max(x.scale, y.scale);
      Int128 ux = CheckedMul(x.units, Pow10(scale - x.scale));
      Int128 uy = CheckedMul(y.units, Pow10(scale - y.scale));
      return ux < uy ? -1 : ux > uy ? 1 : 0;
    }
    case TypeKind::kFloat:
    case TypeKind::kReal: {
      double x = DoubleOf(left);
      double y = DoubleOf(right);
      return x < y ? -1 : x > y ? 1 : 0;
    }
    case TypeKind::kUniqueIdentifier:
    case TypeKind::kBinary:
    case TypeKind::kVarBinary:
    case TypeKind::kImage: {
      std::string fl = FoldCase(left.text());
      std::string fr = FoldCase(right.text());
      return fl < fr ? -1 : fl > fr ? 1 : 0;
    }
    default:
      if (IsStringKind(common.kind)) return Compare(left, right, context);
      return left.integer() < right.integer() ? -1 : left.integer() > right.integer() ? 1 : 0;
  }
}

std::optional<bool> EqualsSql(const Value& a, const Value& b, const ConversionContext& context) {
  if (a.is_null() || b.is_null()) return std::nullopt;
  return Compare(a, b, context) == 0;
}

// ---- arithmetic ----

namespace {

enum class Op { kAdd, kSubtract, kMultiply, kDivide, kModulo };

Value ExactArithmetic(Op op, const Value& a, const Value& b) {
  Exact x = ExactOf(a);
  Exact y = ExactOf(b);
  bool integers = IsIntegerKind(a.kind()) && IsIntegerKind(b.kind());
  if (integers) {
    TypeKind kind = Precedence(a.kind()) >= Precedence(b.kind()) ? a.kind() : b.kind();
    if (kind == TypeKind::kBit || kind == TypeKind::kTinyInt || kind == TypeKind::kSmallInt)
      kind = TypeKind::kInt;
    Int128 result = 0;
    switch (op) {
      case Op::kAdd:
        result = x.units + y.units;
        break;
      case Op::kSubtract:
        result = x.units - y.units;
        break;
      case Op::kMultiply:
        result = x.units * y.units;
        break;
      case Op::kDivide:
        if (y.units == 0) Raise(8134);
        result = x.units / y.units;
        break;
      case Op::kModulo:
        if (y.units == 0) Raise(8134);
        result = x.units % y.units;
        break;
    }
    return MakeInteger(result, kind, "expression");
  }
  bool money = (a.kind() == TypeKind::kMoney || b.kind() == TypeKind::kMoney) &&
               a.kind() != TypeKind::kDecimal && b.kind() != TypeKind::kDecimal;
  int precision = 0;
  int scale = 0;
  Int128 units = 0;
  switch (op) {
    case Op::kAdd:
    case Op::kSubtract:
    case Op::kModulo: {
      scale = std::max(x.scale, y.scale);
      precision = std::max(x.precision - x.scale, y.precision - y.scale) + scale + 1;
      Int128 ux = CheckedMul(x.units, Pow10(scale - x.scale));
      Int128 uy = CheckedMul(y.units, Pow10(scale - y.scale));
      if (op == Op::kModulo) {
        if (uy == 0) Raise(8134);
        units = ux % uy;
      } else {
        units = CheckedAdd(ux, op == Op::kAdd ? uy : -uy);
      }
      break;
    }
    case Op::kMultiply:
      precision = x.precision + y.precision + 1;
      scale = x.scale + y.scale;
      units = CheckedMul(x.units, y.units);
      break;
    case Op::kDivide: {
      if (y.units == 0) Raise(8134);
      scale = std::max(6, x.scale + y.precision + 1);
      precision = x.precision - x.scale + y.scale + scale;
      // units = x / y at `scale`: x.units * 10^(scale - x.scale + y.scale) / y.units
      int shift = scale - x.scale + y.scale;
      if (precision > 38) {
        int reduce = precision - 38;
        int new_scale = std::max(std::min(scale, 6), scale - reduce);
        shift -= scale - new_scale;
        scale = new_scale;
        precision = 38;
      }
      Int128 numerator = CheckedMul(x.units, Pow10(shift));
      units = numerator / y.units;
      Int128 remainder = numerator % y.units;
      if (Abs128(remainder) * 2 >= Abs128(y.units))
        units += (numerator < 0) != (y.units < 0) ? -1 : 1;
      break;
    }
  }
  if (precision > 38) {
    // Keep the integral digits, give up scale down to 6 as the server does.
    int integral = precision - scale;
    int new_scale = std::max(std::min(scale, 6), 38 - integral);
    units = Rescale(units, scale, new_scale);
    scale = new_scale;
    precision = 38;
  }
  if (money) return Value::Money(Rescale(units, scale, 4));
  if (DigitCount(units) > 38) Raise(8115, {"expression", "numeric"});
  return Value::Decimal(units, precision, scale);
}

Value Arithmetic(Op op, const Value& a, const Value& b, const ConversionContext& context) {
  if (a.is_null() || b.is_null()) return Value::Null(CommonType(a.type(), b.type()));
  if (op == Op::kAdd && IsStringKind(a.kind()) && IsStringKind(b.kind())) {
    SqlType type = CommonType(a.type(), b.type());
    if (type.length >= 0) type.length = std::min(8000, a.type().length + b.type().length);
    if (type.length < 0 && a.text().size() + b.text().size() > kMaxValueBytes) RaiseOutOfMemory();
    std::string joined;
    joined.reserve(a.text().size() + b.text().size());
    joined.append(a.text()).append(b.text());
    return Value::String(FitText(std::move(joined), type), type);
  }
  if (IsDateKind(a.kind()) || IsDateKind(b.kind())) {
    // datetime +/- number or datetime: the number counts days.
    auto millis_of = [&](const Value& value) -> std::int64_t {
      if (IsDateKind(value.kind())) return value.integer();
      if (IsStringKind(value.kind()))
        return Convert(value, SqlType::Of(TypeKind::kDateTime), context).integer();
      return static_cast<std::int64_t>(std::llround(DoubleOf(value) * kMillisPerDay));
    };
    if (op != Op::kAdd && op != Op::kSubtract) Raise(8117, {TypeName(a.type()), "add"});
    std::int64_t left = millis_of(a);
    std::int64_t right = millis_of(b);
    return Value::DateTime(op == Op::kAdd ? left + right : left - right, TypeKind::kDateTime);
  }
  SqlType common = CommonType(a.type(), b.type());
  if (!IsNumeric(common.kind)) {
    Raise(402, {TypeName(a.type()), TypeName(b.type()), op == Op::kAdd ? "add" : "subtract"});
  }
  Value left = IsNumeric(a.kind()) ? a : Convert(a, common, context);
  Value right = IsNumeric(b.kind()) ? b : Convert(b, common, context);
  if (common.kind == TypeKind::kFloat || common.kind == TypeKind::kReal) {
    double x = DoubleOf(left);
    double y = DoubleOf(right);
    switch (op) {
      case Op::kAdd:
        return Value::Float(x + y);
      case Op::kSubtract:
        return Value::Float(x - y);
      case Op::kMultiply:
        return Value::Float(x * y);
      case Op::kDivide:
        if (y == 0) Raise(8134);
        return Value::Float(x / y);
      case Op::kModulo:
        if (y == 0) Raise(8134);
        return Value::Float(std::fmod(x, y));
    }
  }
  return ExactArithmetic(op, left, right);
}

}  // namespace

Value Add(const Value& a, const Value& b, const ConversionContext& c) {
  return Arithmetic(Op::kAdd, a, b, c);
}
Value Subtract(const Value& a, const Value& b, const ConversionContext& c) {
  return Arithmetic(Op::kSubtract, a, b, c);
}
Value Multiply(const Value& a, const Value& b, const ConversionContext& c) {
  return Arithmetic(Op::kMultiply, a, b, c);
}
Value Divide(const Value& a, const Value& b, const ConversionContext& c) {
  return Arithmetic(Op::kDivide, a, b, c);
}
Value Modulo(const Value& a, const Value& b, const ConversionContext& c) {
  return Arithmetic(Op::kModulo, a, b, c);
}

Value Negate(const Value& a) {
  if (a.is_null()) return a;
  switch (a.kind()) {
    case TypeKind::kDecimal:
      return Value::Decimal(-a.units(), a.type().precision, a.type().scale);
    case TypeKind::kMoney:
      return Value::Money(-a.units());
    case TypeKind::kFloat:
    case TypeKind::kReal:
      return Value::Float(-a.number(), a.kind());
    default:
      if (IsIntegerKind(a.kind()))
        return MakeInteger(-static_cast<Int128>(a.integer()),
                           a.kind() == TypeKind::kBigInt ? TypeKind::kBigInt : TypeKind::kInt,
                           "expression");
      Raise(8117, {TypeName(a.type()), "minus"});
  }
}

// ---- text helpers ----

void RaiseOutOfMemory() { Raise(701, {"default"}); }

std::string FitText(std::string text, const SqlType& type) {
  if (type.length < 0) {
    if (text.size() > kMaxValueBytes) RaiseOutOfMemory();
    return text;
  }
  if (text.size() > static_cast<std::size_t>(type.length)) {
    text.resize(FirstCharacters(text, static_cast<std::size_t>(type.length)).size());
  }
  return text;
}

std::size_t CharacterCount(std::string_view text) {
  std::size_t count = 0;
  for (char c : text) {
    if ((static_cast<unsigned char>(c) & 0xC0) != 0x80) ++count;
  }
  return count;
}

std::string_view FirstCharacters(std::string_view text, std::size_t count) {
  std::size_t seen = 0;
  for (std::size_t i = 0; i < text.size(); ++i) {
    if ((static_cast<unsigned char>(text[i]) & 0xC0) != 0x80) {
      if (seen == count) return text.substr(0, i);
      ++seen;
    }
  }
  return text;
}

std::string_view TrimTrailingBlanks(std::string_view text) {
  std::size_t end = text.size();
  while (end > 0 && text[end - 1] == ' ') --end;
  return text.substr(0, end);
}

namespace {

std::vector<std::string> CodePoints(std::string_view text) {
  std::vector<std::string> out;
  for (std::size_t i = 0; i < text.size();) {
    std::size_t length = 1;
    unsigned char c = static_cast<unsigned char>(text[i]);
    if (c >= 0xF0)
      length = 4;
    else if (c >= 0xE0)
      length = 3;
    else if (c >= 0xC0)
      length = 2;
    out.push_back(FoldCase(text.substr(i, length)));
    i += length;
  }
  return out;
}

bool LikeAt(const std::vector<std::string>& text, std::size_t t,
            const std::vector<std::string>& pattern, std::size_t p) {
  while (p < pattern.size()) {
    const std::string& token = pattern[p];
    if (token == "%") {
      while (p < pattern.size() && pattern[p] == "%") ++p;
      if (p == pattern.size()) return true;
      for (std::size_t start = t; start <= text.size(); ++start) {
        if (LikeAt(text, start, pattern, p)) return true;
      }
      return false;
    }
    if (t >= text.size()) return false;
    if (token == "_") {
      ++t, ++p;
      continue;
    }
    if (token == "[") {
      std::size_t close = p + 1;
      while (close < pattern.size() && pattern[close] != "]") ++close;
      if (close < pattern.size()) {
        bool negate = close > p + 1 && pattern[p + 1] == "^";
        bool matched = false;
        for (std::size_t i = p + 1 + (negate ? 1 : 0); i < close; ++i) {
          if (i + 2 < close && pattern[i + 1] == "-") {
            if (pattern[i] <= text[t] && text[t] <= pattern[i + 2]) matched = true;
            i += 2;
          } else if (pattern[i] == text[t]) {
            matched = true;
          }
        }
        if (matched == negate) return false;
        ++t;
        p = close + 1;
        continue;
      }
    }
    if (token != text[t]) return false;
    ++t, ++p;
  }
  return t == text.size();
}

}  // namespace

bool Like(std::string_view text, std::string_view pattern) {
  // Trailing blanks of the value may be ignored ('J  ' of a char(3) column is
  // LIKE 'J'); those of the pattern count.
  std::vector<std::string> pattern_points = CodePoints(pattern);
  if (LikeAt(CodePoints(text), 0, pattern_points, 0)) return true;
  std::string_view trimmed = TrimTrailingBlanks(text);
  return trimmed.size() != text.size() && LikeAt(CodePoints(trimmed), 0, pattern_points, 0);
}

namespace {

// Appends "<tag><text>"; appending also avoids a false -Wrestrict of GCC 12
// on "literal" + std::string at -O3.
void AppendTagged(std::string& key, char tag, std::string_view text) {
  key.push_back(tag);
  key.append(text);
}

void AppendTaggedNumber(std::string& key, char tag, std::int64_t number) {
  char digits[24];
  const auto written = std::to_chars(digits, digits + sizeof digits, number);
  AppendTagged(key, tag, std::string_view(digits, static_cast<std::size_t>(written.ptr - digits)));
}

}  // namespace

void AppendKeyText(std::string& key, const Value& value) {
  if (value.is_null()) {
    key.append("\x01N", 2);
    return;
  }
  if (IsStringKind(value.kind()) || value.kind() == TypeKind::kUniqueIdentifier) {
    key.push_back('s');
    AppendFoldedCase(key, TrimTrailingBlanks(value.text()));
    return;
  }
  switch (value.kind()) {
    case TypeKind::kDecimal:
    case TypeKind::kMoney: {
      Exact exact = ExactOf(value);
      Int128 units = exact.units;
      int scale = exact.scale;
      while (scale > 0 && units % 10 == 0) {
        units /= 10;
        --scale;
      }
      if (scale == 0) return AppendTagged(key, 'i', Int128ToString(units));
      AppendTagged(key, 'd', Int128ToString(units));
      key.push_back('e');
      key.append(std::to_string(scale));
      return;
    }
    case TypeKind::kFloat:
    case TypeKind::kReal:
      return AppendTagged(key, 'f', FloatText(value.number()));
    default:
      if (IsBinaryKind(value.kind())) return AppendTagged(key, 'b', value.text());
      if (IsDateKind(value.kind())) return AppendTaggedNumber(key, 't', value.integer());
      return AppendTaggedNumber(key, 'i', value.integer());
  }
}

std::string KeyText(const Value& value) {
  std::string key;
  AppendKeyText(key, value);
  return key;
}

Value NumberLiteral(std::string_view text) {
  if (text.find_first_of("eE") != std::string_view::npos) {
    double number = 0;
    std::from_chars(text.data(), text.data() + text.size(), number);
    return Value::Float(number);
  }
  std::optional<Exact> exact = ParseExact(text);
  if (!exact) Raise(1007, {std::string(text)});
  if (text.find('.') == std::string_view::npos && exact->units <= 2147483647) {
    return Value::IntegerLiteral(static_cast<std::int64_t>(exact->units),
                                 std::max(exact->precision, 1));
  }
  return Value::Decimal(exact->units, std::max(exact->precision, 1), exact->scale);
}

namespace {

// Equal object bytes are the same type and the same number, the same inline
// text or the same shared text block; rows loaded alike mostly are.
bool SameBytes(const Value& a, const Value& b) {
  return std::memcmp(static_cast<const void*>(&a), static_cast<const void*>(&b), sizeof(Value)) ==
         0;
}

}  // namespace

bool SameStored(const Value& a, const Value& b) {
  if (SameBytes(a, b)) return true;
  // Otherwise the fields SqlType is built from, without building it: the
  // precision byte of a text counts its inline bytes, and whether a text lives
  // inline or in a block follows from its length.
  constexpr std::uint8_t kTypeFlags = Value::kNull | Value::kNumericSpelling;
  if (a.kind_ != b.kind_ || a.length_ != b.length_ || a.scale_ != b.scale_ ||
      ((a.flags_ ^ b.flags_) & kTypeFlags) != 0) {
    return false;
  }
  const TypeKind kind = a.kind();
  const bool holds_text = HoldsText(kind);
  if (!holds_text && a.precision_ != b.precision_) return false;
  if (a.is_null()) return true;
  if (holds_text) return a.text() == b.text();
  switch (kind) {
    case TypeKind::kDecimal:
    case TypeKind::kMoney:
      return std::memcmp(a.payload_, b.payload_, sizeof(Int128)) == 0;
    default:  // integers, datetimes and the bits of a float
      return std::memcmp(a.payload_, b.payload_, sizeof(std::int64_t)) == 0;
  }
}

bool SameStoredRow(const std::vector<Value>& a, const std::vector<Value>& b) {
  if (a.size() != b.size()) return false;
  for (std::size_t i = 0; i < a.size(); ++i) {
    if (!SameBytes(a[i], b[i]) && !SameStored(a[i], b[i])) return false;
  }
  return true;
}

namespace {

std::uint64_t Mix(std::uint64_t hash, std::uint64_t word) {
  hash = (hash ^ word) * 0x9e3779b97f4a7c15ULL;
  return hash ^ (hash >> 29);
}

// A hash of the text's bytes, a word at a time; only ever compared with
// another TextHash.
std::uint64_t TextHash(std::string_view text) {
  std::uint64_t hash = text.size();
  std::size_t at = 0;
  for (; at + 8 <= text.size(); at += 8) {
    std::uint64_t word;
    std::memcpy(&word, text.data() + at, sizeof word);
    hash = Mix(hash, word);
  }
  if (at < text.size()) {
    std::uint64_t word = 0;
    std::memcpy(&word, text.data() + at, text.size() - at);
    hash = Mix(hash, word);
  }
  return hash;
}

}  // namespace

std::uint64_t StoredHash(const Value& value) {
  // The fields SameStored compares, in one word.
  const TypeKind kind = value.kind();
  const bool holds_text = HoldsText(kind);
  const std::uint64_t header =
      static_cast<std::uint64_t>(static_cast<std::uint32_t>(value.length_)) << 32 |
      static_cast<std::uint64_t>(value.flags_ & (Value::kNull | Value::kNumericSpelling)) << 24 |
      static_cast<std::uint64_t>(holds_text ? 0 : value.precision_) << 16 |
      static_cast<std::uint64_t>(value.scale_) << 8 | value.kind_;
  const std::uint64_t hash = Mix(0, header);
  if (value.is_null()) return hash;
  if (holds_text) return Mix(hash, TextHash(value.text()));
  std::uint64_t words[2] = {};
  const bool two_words = kind == TypeKind::kDecimal || kind == TypeKind::kMoney;
  std::memcpy(words, value.payload_, two_words ? sizeof words : sizeof words[0]);
  return Mix(Mix(hash, words[0]), words[1]);
}

bool IsTrue(const Value& value) {
  if (value.is_null()) return false;
  if (IsIntegerKind(value.kind())) return value.integer() != 0;
  return true;
}

std::string Int128ToString(Int128 value) {
  if (value == 0) return "0";
  bool negative = value < 0;
  std::string digits;
  while (value != 0) {
    int digit = static_cast<int>(value % 10);
    digits.push_back(static_cast<char>('0' + (digit < 0 ? -digit : digit)));
    value /= 10;
  }
  if (negative) digits.push_back('-');
  return std::string(digits.rbegin(), digits.rend());
}

Int128 Rescale(Int128 units, int from_scale, int to_scale) {
  if (to_scale >= from_scale) return CheckedMul(units, Pow10(to_scale - from_scale));
  Int128 divisor = Pow10(from_scale - to_scale);
  Int128 quotient = units / divisor;
  Int128 remainder = units % divisor;
  if (Abs128(remainder) * 2 >= divisor) quotient += units < 0 ? -1 : 1;
  return quotient;
}

}  // namespace quelor::sim
