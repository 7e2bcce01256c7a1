// The RETURNVALUE token: the value of an OUTPUT parameter after a procedure
// call, such as the handle sp_prepare and sp_prepexec hand back.
#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

#include "tds/wire_buffer.h"

namespace quelor::tds {

// An int OUTPUT parameter (INTN, 4 bytes) at `ordinal` in the call, named
// as the client named it ("" for a positional one); nullopt sends NULL.
void WriteReturnValueInt(WireWriter& out, std::uint16_t ordinal, std::string_view name,
                         std::optional<std::int32_t> value);

}  // namespace quelor::tds
