// Text on the wire is UTF-16LE; inside the simulated server it is UTF-8.
// Malformed input on either side becomes U+FFFD instead of failing.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace quelor::tds {

std::vector<std::uint8_t> Utf16LeFromUtf8(std::string_view utf8);
// `size` bytes of UTF-16LE; an odd last byte is dropped.
std::string Utf8FromUtf16Le(const std::uint8_t* data, std::size_t size);

}  // namespace quelor::tds
