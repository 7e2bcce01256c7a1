#include "tds/rpc_request.h"

#include <algorithm>
#include <cctype>
#include <charconv>
#include <cstring>

#include "sim/date_time.h"
#include "sim/value.h"
#include "tds/utf16.h"

namespace quelor::tds {

namespace {

// The special procedures a client may call by number.
const char* SpecialProcedure(std::uint16_t id) {
  static const char* kNames[] = {nullptr,       "sp_cursor",  "sp_cursoropen",  "sp_cursorprepare", "sp_cursorexecute",
                                 "sp_cursorprepexec", "sp_cursorunprepare", "sp_cursorfetch", "sp_cursoroption",
                                 "sp_cursorclose", "sp_executesql", "sp_prepare", "sp_execute", "sp_prepexec",
                                 "sp_prepexecrpc", "sp_unprepare"};
  return id < std::size(kNames) && kNames[id] != nullptr ? kNames[id] : "an unknown special procedure";
}

std::string Quoted(const std::string& text, bool unicode) {
  std::string quoted = unicode ? "N'" : "'";
  for (char c : text) {
    quoted.push_back(c);
    if (c == '\'') quoted.push_back('\'');
  }
  return quoted + "'";
}

// Single-byte text in the server's code page (Windows-1252) as UTF-8.
std::string Utf8FromCp1252(const Bytes& bytes) {
  static const char16_t kHigh[32] = {0x20AC, 0xFFFD, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
                                     0x2039, 0x0152, 0xFFFD, 0x017D, 0xFFFD, 0xFFFD, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
                                     0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0xFFFD, 0x017E, 0x0178};
  Bytes units;
  for (std::uint8_t byte : bytes) {
    const char16_t unit = byte >= 0x80 && byte < 0xA0 ? kHigh[byte - 0x80] : byte;
    units.push_back(static_cast<std::uint8_t>(unit & 0xFF));
    units.push_back(static_cast<std::uint8_t>(unit >> 8));
  }
  return Utf8FromUtf16Le(units.data(), units.size());
}

std::int64_t SignedLe(const Bytes& bytes) {
  std::uint64_t value = 0;
  for (std::size_t i = bytes.size(); i-- > 0;) value = (value << 8) | bytes[i];
  if (!bytes.empty() && bytes.size() < 8 && (bytes.back() & 0x80)) value |= ~std::uint64_t{0} << (8 * bytes.size());
  return static_cast<std::int64_t>(value);
}

std::uint64_t UnsignedLe(const Bytes& bytes) {
  std::uint64_t value = 0;
  for (std::size_t i = bytes.size(); i-- > 0;) value = (value << 8) | bytes[i];
  return value;
}

std::string FloatLiteral(double number) {
  char buffer[64];
  auto result = std::to_chars(buffer, buffer + sizeof buffer, number, std::chars_format::scientific);
  return std::string(buffer, result.ptr);
}

std::string DateTimeLiteral(std::int64_t days, std::int64_t millis) {
  const std::string text = sim::FormatDateTime(days * 86'400'000 + millis, sim::TypeKind::kDateTime);
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

enum class Family { kNull, kInteger, kBit, kFloat, kMoney, kDateTime, kDecimal, kGuid, kUnicode, kSingleByte, kBinary };

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
  switch (token) {
    case 0x1F: return fixed(Family::kNull, 0);
    case 0x30: return fixed(Family::kInteger, 1);
    case 0x32: return fixed(Family::kBit, 1);
    case 0x34: return fixed(Family::kInteger, 2);
    case 0x38: return fixed(Family::kInteger, 4);
    case 0x7F: return fixed(Family::kInteger, 8);
    case 0x3B: return fixed(Family::kFloat, 4);
    case 0x3E: return fixed(Family::kFloat, 8);
    case 0x3C: return fixed(Family::kMoney, 8);
    case 0x7A: return fixed(Family::kMoney, 4);
    case 0x3D: return fixed(Family::kDateTime, 8);
    case 0x3A: return fixed(Family::kDateTime, 4);
    case 0x26: case 0x68: case 0x6D: case 0x6E: case 0x6F: case 0x24:
      type.family = token == 0x26 ? Family::kInteger : token == 0x68 ? Family::kBit : token == 0x6D ? Family::kFloat
                  : token == 0x6E ? Family::kMoney : token == 0x6F ? Family::kDateTime : Family::kGuid;
      type.length = ParameterType::Length::kByte;
      reader.U8();
      return type;
    case 0x6A: case 0x6C:
      type.family = Family::kDecimal;
      type.length = ParameterType::Length::kByte;
      reader.U8();
      reader.U8();
      type.scale = reader.U8();
      return type;
    case 0xA5: case 0xAD: case 0xA7: case 0xAF: case 0xE7: case 0xEF: {
      type.family = token == 0xE7 || token == 0xEF ? Family::kUnicode : token == 0xA7 || token == 0xAF ? Family::kSingleByte
                                                                                               : Family::kBinary;
      const std::uint16_t max = reader.U16Le();
      type.length = max == 0xFFFF ? ParameterType::Length::kPlp : ParameterType::Length::kUShort;
      if (type.family != Family::kBinary) reader.Skip(5);  // collation
      return type;
    }
    case 0x23: case 0x63: case 0x22:
      type.family = token == 0x63 ? Family::kUnicode : token == 0x23 ? Family::kSingleByte : Family::kBinary;
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
    case ParameterType::Length::kFixed: return reader.Take(type.fixed_size);
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
    case ParameterType::Length::kPlp: return ReadPlp(reader);
  }
  return std::nullopt;
}

void Describe(RpcParameter& parameter, const ParameterType& type, const std::optional<Bytes>& value) {
  if (!value || type.family == Family::kNull) {
    parameter.literal = "NULL";
    return;
  }
  const Bytes& bytes = *value;
  const auto require = [&](bool ok) {
    if (!ok) throw ProtocolError("a parameter value of the wrong length");
  };
  switch (type.family) {
    case Family::kNull: break;
    case Family::kInteger:
      require(bytes.size() == 1 || bytes.size() == 2 || bytes.size() == 4 || bytes.size() == 8);
      parameter.literal = std::to_string(bytes.size() == 1 ? static_cast<std::int64_t>(bytes[0]) : SignedLe(bytes));
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
      parameter.literal = FloatLiteral(number);
      break;
    }
    case Family::kMoney: {
      require(bytes.size() == 4 || bytes.size() == 8);
      // MONEY is the high 32 bits first, then the low 32 bits.
      const std::int64_t units =
          bytes.size() == 4 ? SignedLe(bytes)
                            : static_cast<std::int64_t>((UnsignedLe(Bytes(bytes.begin(), bytes.begin() + 4)) << 32) |
                                                        UnsignedLe(Bytes(bytes.begin() + 4, bytes.end())));
      parameter.literal = ScaledLiteral(units < 0, units < 0 ? -static_cast<sim::Int128>(units) : units, 4);
      break;
    }
    case Family::kDateTime:
      require(bytes.size() == 4 || bytes.size() == 8);
      if (bytes.size() == 4) {
        parameter.literal = DateTimeLiteral(static_cast<std::int64_t>(UnsignedLe(Bytes(bytes.begin(), bytes.begin() + 2))),
                                            static_cast<std::int64_t>(UnsignedLe(Bytes(bytes.begin() + 2, bytes.end()))) * 60'000);
      } else {
        const std::int64_t days = SignedLe(Bytes(bytes.begin(), bytes.begin() + 4));
        const std::int64_t ticks = static_cast<std::int64_t>(UnsignedLe(Bytes(bytes.begin() + 4, bytes.end())));
        parameter.literal = DateTimeLiteral(days, (ticks * 1000 + 150) / 300);
      }
      break;
    case Family::kDecimal: {
      require(bytes.size() >= 2 && bytes.size() <= 17);
      sim::Int128 magnitude = 0;
      for (std::size_t i = bytes.size(); i-- > 1;) magnitude = (magnitude << 8) | bytes[i];
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
      parameter.literal = "'" + hex.substr(0, 8) + "-" + hex.substr(8, 4) + "-" + hex.substr(12, 4) + "-" + hex.substr(16, 4) +
                          "-" + hex.substr(20) + "'";
      break;
    }
    case Family::kUnicode:
      parameter.text = Utf8FromUtf16Le(bytes.data(), bytes.size());
      parameter.literal = Quoted(*parameter.text, true);
      break;
    case Family::kSingleByte:
      parameter.text = Utf8FromCp1252(bytes);
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
  while (!declaration.empty() && std::isspace(static_cast<unsigned char>(declaration.back()))) declaration.pop_back();
  for (const char* word : {"OUTPUT", "OUT"}) {
    const std::size_t size = std::strlen(word);
    if (declaration.size() > size && sim::Like(declaration.substr(declaration.size() - size), word) &&
        std::isspace(static_cast<unsigned char>(declaration[declaration.size() - size - 1]))) {
      return true;
    }
  }
  return false;
}

}  // namespace

RpcRequest ParseRpc(const Bytes& payload) {
  WireReader reader(payload);
  if (payload.size() >= 4) {
    const std::uint32_t headers = reader.U32Le();
    reader.Seek(headers >= 4 && headers <= payload.size() ? headers : 0);
  }
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
    const std::size_t at = reader.position();
    const std::uint8_t next = payload[at];
    if (next == 0xFF || next == 0xFE || next == 0x80) throw Unsupported("several calls in one request");
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

std::string ExecuteSqlBatch(const RpcRequest& request) {
  if (!sim::Like(request.procedure, "sp_executesql") && !sim::Like(request.procedure, "sys.sp_executesql") &&
      !sim::Like(request.procedure, "sp_executesql;1")) {
    throw Unsupported("the procedure " + request.procedure);
  }
  if (request.parameters.empty() || !request.parameters[0].text) {
    throw Unsupported("sp_executesql without a statement text");
  }
  const std::string& statement = *request.parameters[0].text;
  if (request.parameters.size() == 1) return statement;
  if (!request.parameters[1].text) throw Unsupported("sp_executesql without parameter declarations");
  const std::vector<std::string> declarations = SplitDeclarations(*request.parameters[1].text);
  const std::size_t values = request.parameters.size() - 2;
  if (declarations.size() != values) {
    throw Unsupported("sp_executesql with " + std::to_string(declarations.size()) + " declared parameters and " +
                      std::to_string(values) + " values");
  }
  std::string batch = "DECLARE ";
  for (std::size_t i = 0; i < values; ++i) {
    if (request.parameters[i + 2].output || EndsWithOutput(declarations[i])) throw Unsupported("OUTPUT parameters");
    batch += (i == 0 ? "" : ", ") + declarations[i] + " = " + request.parameters[i + 2].literal;
  }
  return batch + "\n" + statement;
}

}  // namespace quelor::tds
