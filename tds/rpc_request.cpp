#include "tds/rpc_request.h"

#include <algorithm>
#include <cctype>
#include <charconv>
#include <chrono>
#include <cmath>
#include <cstdlib>
#include <cstring>
#include <utility>

#include "sim/common/case_insensitive_map.h"
#include "sim/common/date_time.h"
#include "sim/common/types.h"
#include "sim/common/value.h"
#include "tds/utf16.h"

namespace quelor::tds {

namespace {

// The special procedures a client may call by number.
const char* SpecialProcedure(std::uint16_t id) {
  static const char* kNames[] = {nullptr,
                                 "sp_cursor",
                                 "sp_cursoropen",
                                 "sp_cursorprepare",
                                 "sp_cursorexecute",
                                 "sp_cursorprepexec",
                                 "sp_cursorunprepare",
                                 "sp_cursorfetch",
                                 "sp_cursoroption",
                                 "sp_cursorclose",
                                 "sp_executesql",
                                 "sp_prepare",
                                 "sp_execute",
                                 "sp_prepexec",
                                 "sp_prepexecrpc",
                                 "sp_unprepare"};
  return id < std::size(kNames) && kNames[id] != nullptr ? kNames[id]
                                                         : "an unknown special procedure";
}

std::string Quoted(const std::string& text, bool unicode) {
  std::string quoted = unicode ? "N'" : "'";
  for (char c : text) {
    quoted.push_back(c);
    if (c == '\'') quoted.push_back('\'');
  }
  return quoted + "'";
}

std::int64_t SignedLe(const Bytes& bytes) {
  std::uint64_t value = 0;
  for (std::size_t i = bytes.size(); i-- > 0;) value = (value << 8) | bytes[i];
  if (!bytes.empty() && bytes.size() < 8 && (bytes.back() & 0x80))
    value |= ~std::uint64_t{0} << (8 * bytes.size());
  return static_cast<std::int64_t>(value);
}

std::uint64_t UnsignedLe(const Bytes& bytes) {
  std::uint64_t value = 0;
  for (std::size_t i = bytes.size(); i-- > 0;) value = (value << 8) | bytes[i];
  return value;
}

std::string FloatLiteral(double number) {
  char buffer[64];
  auto result =
      std::to_chars(buffer, buffer + sizeof buffer, number, std::chars_format::scientific);
  return std::string(buffer, result.ptr);
}

std::string DateTimeLiteral(std::int64_t days, std::int64_t millis) {
  const std::string text =
      sim::FormatDateTime(days * 86'400'000 + millis, sim::TypeKind::kDateTime);
  // "yyyy-mm-ddThh:mm:ss.mmm" reads the same under every date format.
  return "'" + text.substr(0, 10) + "T" + text.substr(11) + "'";
}

std::string HexLiteral(const Bytes& bytes) {
  static const char kDigits[] = "0123456789ABCDEF";
  std::string text = "0x";
  for (std::uint8_t byte : bytes) {
    text.push_back(kDigits[byte >> 4]);
    text.push_back(kDigits[byte & 0xF]);
  }
  return text;
}

// A number literal of `magnitude` units at `scale`: 1250 at scale 2 -> "12.50".
std::string ScaledLiteral(bool negative, sim::Int128 magnitude, int scale) {
  std::string digits = sim::Int128ToString(magnitude);
  if (scale > 0) {
    const auto places = static_cast<std::size_t>(scale);
    if (digits.size() <= places) digits.insert(0, places + 1 - digits.size(), '0');
    digits.insert(digits.size() - places, ".");
  }
  return (negative ? "-" : "") + digits;
}

// Partially length-prefixed data; nullopt for NULL.
std::optional<Bytes> ReadPlp(WireReader& reader) {
  const std::uint32_t low = reader.U32Le();
  const std::uint32_t high = reader.U32Le();
  if (low == 0xFFFFFFFF && high == 0xFFFFFFFF) return std::nullopt;
  Bytes data;
  while (true) {
    const std::uint32_t chunk = reader.U32Le();
    if (chunk == 0) return data;
    Bytes piece = reader.Take(chunk);
    data.insert(data.end(), piece.begin(), piece.end());
  }
}

// `value` (not negative) with leading zeros to `width` digits.
std::string Digits(std::int64_t value, int width) {
  std::string text = std::to_string(value);
  if (text.size() < static_cast<std::size_t>(width))
    text.insert(0, static_cast<std::size_t>(width) - text.size(), '0');
  return text;
}

// 9999-12-31 in days since 0001-01-01.
constexpr std::int64_t kLastDay = 3'652'058;

// 10^38: a decimal has at most 38 digits.
const sim::Int128 kDecimalLimit = [] {
  sim::Int128 limit = 1;
  for (int i = 0; i < 38; ++i) limit *= 10;
  return limit;
}();

// Year, month and day of `days` (0 to kLastDay) since 0001-01-01 in the
// proleptic Gregorian calendar, which is how DATE and DATETIME2 count,
// joined by `separator`. Without a separator ("yyyymmdd") the text reads the
// same under every date format; with "-", only followed by a time after "T".
std::string DateText(std::int64_t days, const std::string& separator) {
  // 0001-01-01 is 719162 days before the system clock's 1970-01-01.
  const std::chrono::year_month_day date{std::chrono::sys_days{std::chrono::days{days - 719'162}}};
  return Digits(static_cast<int>(date.year()), 4) + separator +
         Digits(static_cast<unsigned>(date.month()), 2) + separator +
         Digits(static_cast<unsigned>(date.day()), 2);
}

std::int64_t PowerOfTen(int exponent) {
  std::int64_t value = 1;
  while (exponent-- > 0) value *= 10;
  return value;
}

// "13:45:10.1234567": `units` of 10^-scale seconds since midnight, with
// exactly `scale` fractional digits as time(scale) prints them.
std::string TimeText(std::int64_t units, int scale) {
  const std::int64_t per_second = PowerOfTen(scale);
  const std::int64_t seconds = units / per_second;
  std::string text = Digits(seconds / 3600, 2) + ":" + Digits(seconds / 60 % 60, 2) + ":" +
                     Digits(seconds % 60, 2);
  if (scale > 0) text += "." + Digits(units % per_second, scale);
  return text;
}

// TIME, DATETIME2 and DATETIMEOFFSET store the time of day in 3 to 5 bytes,
// by scale.
std::size_t TimeSize(int scale) { return scale <= 2 ? 3 : scale <= 4 ? 4 : 5; }

enum class Family {
  kNull,
  kInteger,
  kBit,
  kFloat,
  kMoney,
  kDateTime,
  kDate,
  kTime,
  kDateTime2,
  kDateTimeOffset,
  kDecimal,
  kGuid,
  kUnicode,
  kSingleByte,
  kBinary
};

struct ParameterType {
  Family family = Family::kNull;
  enum class Length { kFixed, kByte, kUShort, kLong, kPlp } length = Length::kFixed;
  std::size_t fixed_size = 0;
  int scale = 0;
};

ParameterType ReadTypeInfo(WireReader& reader) {
  const std::uint8_t token = reader.U8();
  ParameterType type;
  const auto fixed = [&](Family family, std::size_t size) {
    type.family = family;
    type.fixed_size = size;
    return type;
  };
  const auto byte_length = [&](Family family) {
    type.family = family;
    type.length = ParameterType::Length::kByte;
    reader.U8();
    return type;
  };
  const auto scaled = [&](Family family) {
    type.family = family;
    type.length = ParameterType::Length::kByte;
    type.scale = reader.U8();
    if (type.scale > 7) throw ProtocolError("a time scale above 7");
    return type;
  };
  switch (token) {
    case 0x1F:
      return fixed(Family::kNull, 0);
    case 0x30:
      return fixed(Family::kInteger, 1);
    case 0x32:
      return fixed(Family::kBit, 1);
    case 0x34:
      return fixed(Family::kInteger, 2);
    case 0x38:
      return fixed(Family::kInteger, 4);
    case 0x7F:
      return fixed(Family::kInteger, 8);
    case 0x3B:
      return fixed(Family::kFloat, 4);
    case 0x3E:
      return fixed(Family::kFloat, 8);
    case 0x3C:
      return fixed(Family::kMoney, 8);
    case 0x7A:
      return fixed(Family::kMoney, 4);
    case 0x3D:
      return fixed(Family::kDateTime, 8);
    case 0x3A:
      return fixed(Family::kDateTime, 4);
    // Nullable types: a byte with the maximum length, and for the time types
    // their scale instead.
    case 0x26:
      return byte_length(Family::kInteger);
    case 0x68:
      return byte_length(Family::kBit);
    case 0x6D:
      return byte_length(Family::kFloat);
    case 0x6E:
      return byte_length(Family::kMoney);
    case 0x6F:
      return byte_length(Family::kDateTime);
    case 0x24:
      return byte_length(Family::kGuid);
    case 0x28:
      type.family = Family::kDate;
      type.length = ParameterType::Length::kByte;
      return type;
    case 0x29:
      return scaled(Family::kTime);
    case 0x2A:
      return scaled(Family::kDateTime2);
    case 0x2B:
      return scaled(Family::kDateTimeOffset);
    case 0x6A:
    case 0x6C:
      type.family = Family::kDecimal;
      type.length = ParameterType::Length::kByte;
      reader.U8();
      reader.U8();
      type.scale = reader.U8();
      return type;
    case 0xA5:
    case 0xAD:
    case 0xA7:
    case 0xAF:
    case 0xE7:
    case 0xEF: {
      type.family = token == 0xE7 || token == 0xEF   ? Family::kUnicode
                    : token == 0xA7 || token == 0xAF ? Family::kSingleByte
                                                     : Family::kBinary;
      const std::uint16_t max = reader.U16Le();
      type.length = max == 0xFFFF ? ParameterType::Length::kPlp : ParameterType::Length::kUShort;
      if (type.family != Family::kBinary) reader.Skip(5);  // collation
      return type;
    }
    case 0x23:
    case 0x63:
    case 0x22:
      type.family = token == 0x63   ? Family::kUnicode
                    : token == 0x23 ? Family::kSingleByte
                                    : Family::kBinary;
      type.length = ParameterType::Length::kLong;
      reader.U32Le();
      if (token != 0x22) reader.Skip(5);
      return type;
    default:
      throw Unsupported("parameters of TDS type 0x" + HexLiteral({token}).substr(2));
  }
}

// The value's bytes; nullopt for NULL.
std::optional<Bytes> ReadValue(WireReader& reader, const ParameterType& type) {
  switch (type.length) {
    case ParameterType::Length::kFixed:
      return reader.Take(type.fixed_size);
    case ParameterType::Length::kByte: {
      const std::uint8_t size = reader.U8();
      if (size == 0) return std::nullopt;
      return reader.Take(size);
    }
    case ParameterType::Length::kUShort: {
      const std::uint16_t size = reader.U16Le();
      if (size == 0xFFFF) return std::nullopt;
      return reader.Take(size);
    }
    case ParameterType::Length::kLong: {
      const std::uint32_t size = reader.U32Le();
      if (size == 0xFFFFFFFF) return std::nullopt;
      return reader.Take(size);
    }
    case ParameterType::Length::kPlp:
      return ReadPlp(reader);
  }
  return std::nullopt;
}

void Describe(RpcParameter& parameter, const ParameterType& type,
              const std::optional<Bytes>& value) {
  if (!value || type.family == Family::kNull) {
    parameter.literal = "NULL";
    return;
  }
  const Bytes& bytes = *value;
  const auto require = [&](bool ok) {
    if (!ok) throw ProtocolError("a parameter value of the wrong length");
  };
  switch (type.family) {
    case Family::kNull:
      break;
    case Family::kInteger:
      require(bytes.size() == 1 || bytes.size() == 2 || bytes.size() == 4 || bytes.size() == 8);
      parameter.literal =
          std::to_string(bytes.size() == 1 ? static_cast<std::int64_t>(bytes[0]) : SignedLe(bytes));
      break;
    case Family::kBit:
      require(bytes.size() == 1);
      parameter.literal = bytes[0] ? "1" : "0";
      break;
    case Family::kFloat: {
      require(bytes.size() == 4 || bytes.size() == 8);
      double number = 0;
      if (bytes.size() == 4) {
        float single;
        std::uint32_t raw = static_cast<std::uint32_t>(UnsignedLe(bytes));
        std::memcpy(&single, &raw, sizeof single);
        number = single;
      } else {
        std::uint64_t raw = UnsignedLe(bytes);
        std::memcpy(&number, &raw, sizeof number);
      }
      if (!std::isfinite(number)) throw ProtocolError("a float parameter that is not a number");
      parameter.literal = FloatLiteral(number);
      break;
    }
    case Family::kMoney: {
      require(bytes.size() == 4 || bytes.size() == 8);
      // MONEY is the high 32 bits first, then the low 32 bits.
      const std::int64_t units =
          bytes.size() == 4 ? SignedLe(bytes)
                            : static_cast<std::int64_t>(
                                  (UnsignedLe(Bytes(bytes.begin(), bytes.begin() + 4)) << 32) |
                                  UnsignedLe(Bytes(bytes.begin() + 4, bytes.end())));
      parameter.literal =
          ScaledLiteral(units < 0, units < 0 ? -static_cast<sim::Int128>(units) : units, 4);
      break;
    }
    case Family::kDateTime:
      require(bytes.size() == 4 || bytes.size() == 8);
      if (bytes.size() == 4) {
        const std::int64_t minutes =
            static_cast<std::int64_t>(UnsignedLe(Bytes(bytes.begin() + 2, bytes.end())));
        require(minutes < 24 * 60);
        parameter.literal = DateTimeLiteral(
            static_cast<std::int64_t>(UnsignedLe(Bytes(bytes.begin(), bytes.begin() + 2))),
            minutes * 60'000);
      } else {
        // Days since 1900-01-01, from 1753-01-01 to 9999-12-31; ticks of
        // 1/300 second within the day.
        const std::int64_t days = SignedLe(Bytes(bytes.begin(), bytes.begin() + 4));
        const std::int64_t ticks =
            static_cast<std::int64_t>(UnsignedLe(Bytes(bytes.begin() + 4, bytes.end())));
        require(days >= -53'690 && days <= 2'958'463 && ticks < 300 * 86'400);
        parameter.literal = DateTimeLiteral(days, (ticks * 1000 + 150) / 300);
      }
      break;
    case Family::kDate:
      require(bytes.size() == 3 && static_cast<std::int64_t>(UnsignedLe(bytes)) <= kLastDay);
      parameter.literal = "'" + DateText(static_cast<std::int64_t>(UnsignedLe(bytes)), "") + "'";
      break;
    case Family::kTime:
    case Family::kDateTime2:
    case Family::kDateTimeOffset: {
      const std::size_t time_size = TimeSize(type.scale);
      const std::size_t date_size = type.family == Family::kTime ? 0 : 3;
      const std::size_t offset_size = type.family == Family::kDateTimeOffset ? 2 : 0;
      require(bytes.size() == time_size + date_size + offset_size);
      const std::int64_t per_day = 86'400 * PowerOfTen(type.scale);
      std::int64_t units =
          static_cast<std::int64_t>(UnsignedLe(Bytes(bytes.begin(), bytes.begin() + time_size)));
      require(units < per_day);
      if (type.family == Family::kTime) {
        parameter.literal = "'" + TimeText(units, type.scale) + "'";
        break;
      }
      const auto date_at = bytes.begin() + static_cast<std::ptrdiff_t>(time_size);
      std::int64_t days = static_cast<std::int64_t>(UnsignedLe(Bytes(date_at, date_at + 3)));
      require(days <= kLastDay);
      std::string offset;
      if (type.family == Family::kDateTimeOffset) {
        // Date and time travel in UTC; the literal shows the local time with
        // its offset, as the client gave it.
        const std::int64_t minutes = SignedLe(Bytes(date_at + 3, bytes.end()));
        require(minutes >= -14 * 60 && minutes <= 14 * 60);
        const std::int64_t local = days * per_day + units + minutes * 60 * PowerOfTen(type.scale);
        require(local >= 0 && local / per_day <= kLastDay);
        days = local / per_day;
        units = local % per_day;
        offset = (minutes < 0 ? "-" : "+") + Digits(std::abs(minutes) / 60, 2) + ":" +
                 Digits(std::abs(minutes) % 60, 2);
      }
      parameter.literal =
          "'" + DateText(days, "-") + "T" + TimeText(units, type.scale) + offset + "'";
      break;
    }
    case Family::kDecimal: {
      require(bytes.size() >= 2 && bytes.size() <= 17);
      sim::Int128 magnitude = 0;
      for (std::size_t i = bytes.size(); i-- > 1;) magnitude = (magnitude << 8) | bytes[i];
      // At most 38 digits; 16 bytes could hold more, or turn the sign.
      require(magnitude >= 0 && magnitude < kDecimalLimit);
      parameter.literal = ScaledLiteral(bytes[0] == 0, magnitude, type.scale);
      break;
    }
    case Family::kGuid: {
      require(bytes.size() == 16);
      Bytes ordered = bytes;
      std::reverse(ordered.begin(), ordered.begin() + 4);
      std::reverse(ordered.begin() + 4, ordered.begin() + 6);
      std::reverse(ordered.begin() + 6, ordered.begin() + 8);
      std::string hex = HexLiteral(ordered).substr(2);
      parameter.literal = "'" + hex.substr(0, 8) + "-" + hex.substr(8, 4) + "-" +
                          hex.substr(12, 4) + "-" + hex.substr(16, 4) + "-" + hex.substr(20) + "'";
      break;
    }
    case Family::kUnicode:
      parameter.text = Utf8FromUtf16Le(bytes.data(), bytes.size());
      parameter.literal = Quoted(*parameter.text, true);
      break;
    case Family::kSingleByte:
      parameter.text = sim::Utf8FromCp1252(
          std::string_view(reinterpret_cast<const char*>(bytes.data()), bytes.size()));
      parameter.literal = Quoted(*parameter.text, false);
      break;
    case Family::kBinary:
      parameter.literal = HexLiteral(bytes);
      break;
  }
}

// The declarations of sp_executesql's @params, split at the commas outside
// parentheses: "@P1 nvarchar(40),@P2 numeric(10,2)" -> two items.
std::vector<std::string> SplitDeclarations(const std::string& text) {
  std::vector<std::string> items;
  std::string current;
  int depth = 0;
  for (char c : text) {
    if (c == '(') ++depth;
    if (c == ')') --depth;
    if (c == ',' && depth == 0) {
      items.push_back(current);
      current.clear();
    } else {
      current.push_back(c);
    }
  }
  if (current.find_first_not_of(" \t\r\n") != std::string::npos) items.push_back(current);
  return items;
}

bool EndsWithOutput(std::string declaration) {
  while (!declaration.empty() && std::isspace(static_cast<unsigned char>(declaration.back())))
    declaration.pop_back();
  for (const char* word : {"OUTPUT", "OUT"}) {
    const std::size_t size = std::strlen(word);
    if (declaration.size() > size &&
        sim::Like(declaration.substr(declaration.size() - size), word) &&
        std::isspace(static_cast<unsigned char>(declaration[declaration.size() - size - 1]))) {
      return true;
    }
  }
  return false;
}

// The name of a procedure without the schema, database and ";1" that a
// client may add: "master.sys.sp_prepare;1" -> "sp_prepare".
std::string BareName(std::string name) {
  if (const std::size_t semicolon = name.rfind(';'); semicolon != std::string::npos)
    name.resize(semicolon);
  if (const std::size_t dot = name.rfind('.'); dot != std::string::npos) name.erase(0, dot + 1);
  return name;
}

// A declaration's type as the simulated engine knows it. time, datetime2
// and datetimeoffset are not among its types: such a parameter is declared
// as datetime, which holds the value to the 1/300 second (the offset of a
// datetimeoffset is dropped, as CAST to datetime does).
std::pair<std::string, std::string> ForEngine(const std::string& declaration,
                                              const std::string& literal) {
  std::size_t at = declaration.find_first_not_of(" \t\r\n");
  at = declaration.find_first_of(" \t\r\n", at == std::string::npos ? 0 : at);
  const std::size_t type_at =
      at == std::string::npos ? std::string::npos : declaration.find_first_not_of(" \t\r\n", at);
  if (type_at == std::string::npos) return {declaration, literal};
  std::size_t type_end = type_at;
  while (type_end < declaration.size() &&
         (std::isalnum(static_cast<unsigned char>(declaration[type_end])) ||
          declaration[type_end] == '_')) {
    ++type_end;
  }
  const std::string type = declaration.substr(type_at, type_end - type_at);
  const bool unknown_to_engine = !sim::TypeFromName(type);
  const bool offset = sim::EqualsIgnoreCase(type, "datetimeoffset");
  if (!unknown_to_engine || !(offset || sim::EqualsIgnoreCase(type, "datetime2") ||
                              sim::EqualsIgnoreCase(type, "time"))) {
    return {declaration, literal};
  }
  std::size_t rest = declaration.find_first_not_of(" \t", type_end);
  if (rest != std::string::npos && declaration[rest] == '(') {
    const std::size_t close = declaration.find(')', rest);
    rest = close == std::string::npos ? declaration.size() : close + 1;
  } else {
    rest = type_end;
  }
  std::string value = literal;
  // '2013-02-20T13:45:10.1234567+01:00' -> '2013-02-20T13:45:10.1234567'
  if (offset && value.size() > 8 &&
      (value[value.size() - 7] == '+' || value[value.size() - 7] == '-')) {
    value.erase(value.size() - 7, 6);
  }
  return {declaration.substr(0, type_at) + "datetime" + declaration.substr(rest), value};
}

RpcRequest ReadCall(WireReader& reader, const Bytes& payload) {
  RpcRequest request;
  const std::uint16_t name_length = reader.U16Le();
  if (name_length == 0xFFFF) {
    request.procedure = SpecialProcedure(reader.U16Le());
  } else {
    Bytes name = reader.Take(static_cast<std::size_t>(name_length) * 2);
    request.procedure = Utf8FromUtf16Le(name.data(), name.size());
  }
  reader.U16Le();  // option flags
  while (reader.remaining() > 0) {
    const std::uint8_t next = payload[reader.position()];
    // The next call. Before TDS 7.2 the separator was 0x80, which in 7.4 is
    // the length of a parameter name of 128 characters.
    if (next == 0xFF) break;
    if (next == 0xFE) throw Unsupported("calls marked not to run");
    RpcParameter parameter;
    Bytes name = reader.Take(static_cast<std::size_t>(reader.U8()) * 2);
    parameter.name = Utf8FromUtf16Le(name.data(), name.size());
    parameter.output = (reader.U8() & 0x01) != 0;
    const ParameterType type = ReadTypeInfo(reader);
    Describe(parameter, type, ReadValue(reader, type));
    request.parameters.push_back(std::move(parameter));
  }
  return request;
}

}  // namespace

std::vector<RpcRequest> ParseRpcCalls(const Bytes& payload) {
  WireReader reader(payload);
  if (payload.size() >= 4) {
    const std::uint32_t headers = reader.U32Le();
    reader.Seek(headers >= 4 && headers <= payload.size() ? headers : 0);
  }
  std::vector<RpcRequest> calls;
  do {
    calls.push_back(ReadCall(reader, payload));
    // The separator 0xFF at the very end announces no further call.
    if (reader.remaining() > 0) reader.U8();
  } while (reader.remaining() > 0);
  return calls;
}

RpcRequest ParseRpc(const Bytes& payload) { return ParseRpcCalls(payload).front(); }

Procedure ProcedureOf(const RpcRequest& request) {
  const std::string name = BareName(request.procedure);
  if (sim::EqualsIgnoreCase(name, "sp_executesql")) return Procedure::kExecuteSql;
  if (sim::EqualsIgnoreCase(name, "sp_prepare")) return Procedure::kPrepare;
  if (sim::EqualsIgnoreCase(name, "sp_execute")) return Procedure::kExecute;
  if (sim::EqualsIgnoreCase(name, "sp_prepexec")) return Procedure::kPrepExec;
  if (sim::EqualsIgnoreCase(name, "sp_unprepare")) return Procedure::kUnprepare;
  return Procedure::kOther;
}

std::string DeclaredBatch(const std::string& statement,
                          const std::optional<std::string>& declarations,
                          std::span<const RpcParameter> values, const std::string& procedure) {
  const std::vector<std::string> declared =
      declarations ? SplitDeclarations(*declarations) : std::vector<std::string>{};
  if (declared.size() != values.size()) {
    throw Unsupported(procedure + " with " + std::to_string(declared.size()) +
                      " declared parameters and " + std::to_string(values.size()) + " values");
  }
  if (values.empty()) return statement;
  std::string batch = "DECLARE ";
  for (std::size_t i = 0; i < values.size(); ++i) {
    if (values[i].output || EndsWithOutput(declared[i])) throw Unsupported("OUTPUT parameters");
    const auto [declaration, literal] = ForEngine(declared[i], values[i].literal);
    batch += (i == 0 ? "" : ", ") + declaration + " = " + literal;
  }
  return batch + "\n" + statement;
}

std::string ExecuteSqlBatch(const RpcRequest& request) {
  if (ProcedureOf(request) != Procedure::kExecuteSql)
    throw Unsupported("the procedure " + request.procedure);
  if (request.parameters.empty() || !request.parameters[0].text) {
    throw Unsupported("sp_executesql without a statement text");
  }
  const std::string& statement = *request.parameters[0].text;
  if (request.parameters.size() == 1) return statement;
  if (!request.parameters[1].text)
    throw Unsupported("sp_executesql without parameter declarations");
  return DeclaredBatch(statement, request.parameters[1].text,
                       std::span(request.parameters).subspan(2), "sp_executesql");
}

PreparedStatement PreparedFrom(const RpcRequest& request) {
  const std::string name = BareName(request.procedure);
  if (request.parameters.size() < 3 || !request.parameters[2].text)
    throw Unsupported(name + " without a statement text");
  return PreparedStatement{request.parameters[1].text, *request.parameters[2].text};
}

std::optional<std::int32_t> HandleOf(const RpcRequest& request) {
  if (request.parameters.empty()) return std::nullopt;
  const std::string& literal = request.parameters[0].literal;
  std::int32_t handle = 0;
  const auto [end, error] =
      std::from_chars(literal.data(), literal.data() + literal.size(), handle);
  if (error != std::errc{} || end != literal.data() + literal.size()) return std::nullopt;
  return handle;
}

}  // namespace quelor::tds
