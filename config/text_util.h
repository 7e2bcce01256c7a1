// Small text helpers shared by the layers above: ASCII case folding and
// comparison (SQL Server and the profile API both ignore ASCII letter case in
// names), and the doubling of single quotes for SQL and message literals.
#pragma once

#include <string>
#include <string_view>

namespace quelor::config {

char ToUpperAscii(char c);
std::string ToUpperAscii(std::string_view s);
bool EqualsIgnoreAsciiCase(std::string_view a, std::string_view b);

// `s` without the spaces at either end.
std::string TrimSpaces(std::string_view s);

// True when `s` holds no visible character (nothing above the blank). Such a
// script or load is never sent: the server would run an empty batch and change
// nothing, while a driver refuses an empty command text with a failure that
// says nothing about the database.
bool IsBlank(std::string_view s);

// `s` with every single quote doubled, as a T-SQL string literal needs it.
std::string DoubleSingleQuotes(std::string_view s);

}  // namespace quelor::config
