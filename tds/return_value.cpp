#include "tds/return_value.h"

namespace quelor::tds {

namespace {

constexpr std::uint8_t kReturnValue = 0xAC;
constexpr std::uint8_t kStatusOutput = 0x01;
constexpr std::uint16_t kFlagNullable = 0x0001;
constexpr std::uint8_t kIntN = 0x26;

}  // namespace

void WriteReturnValueInt(WireWriter& out, std::uint16_t ordinal, std::string_view name,
                         std::optional<std::int32_t> value) {
  out.U8(kReturnValue);
  out.U16Le(ordinal);
  out.BVarChar(name);
  out.U8(kStatusOutput);
  out.U32Le(0);  // user type
  out.U16Le(kFlagNullable);
  out.U8(kIntN);
  out.U8(4);
  if (!value) {
    out.U8(0);
    return;
  }
  out.U8(4);
  out.U32Le(static_cast<std::uint32_t>(*value));
}

}  // namespace quelor::tds
