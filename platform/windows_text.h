// UTF-8 (inside the program) to UTF-16 (the wide Win32 calls) and back.
// Windows only.
#pragma once

#include <string>
#include <string_view>

namespace quelor::platform {

std::wstring WideFromUtf8(std::string_view text);
std::string Utf8FromWide(std::wstring_view text);

// The system's text for a Win32 error code or HRESULT, in UTF-8, without the
// line end the system appends.
std::string SystemMessage(unsigned long code);

}  // namespace quelor::platform
