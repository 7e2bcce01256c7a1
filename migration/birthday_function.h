// The scalar function fnDays2NextBirthday(@birthdate, @today): the number of
// days from @today to the next anniversary of @birthdate on or after @today
// (0 when it is today). The last segment of the second routine creates it
// when the routine probe does not find it, sending these lines through the
// multi-line query (each line followed by CR LF).
//
// The loop adds whole years to the previous anniversary, so a birth date of
// 29 February falls on 28 February from the first year on, also in leap years.
#pragma once

#include <string>
#include <string_view>

namespace quelor::migration {

inline constexpr std::string_view kDays2NextBirthdayLines[] = {
    "create function fnDays2NextBirthday(@birthdate datetime, @today datetime)",
    "returns integer",
    "as",
    "begin",
    "declare @birthday datetime",
    "set @birthday = @birthdate",
    "while @birthday < @today set @birthday = dateadd(yy,1,@birthday)",
    "return datediff(dd,@today,@birthday)",
    "end",
};

// The text the multi-line query sends: every line, the last included,
// followed by CR LF.
inline std::string Days2NextBirthdayText() {
  std::string text;
  for (std::string_view line : kDays2NextBirthdayLines) text.append(line).append("\r\n");
  return text;
}

}  // namespace quelor::migration
