// Calendar arithmetic of the server's datetime type: values are milliseconds
// since 1900-01-01 00:00, literals are read according to the session's date
// format, and DATEADD/DATEDIFF/DATEPART count as SQL Server counts.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "sim/common/types.h"

namespace quelor::sim {

// Order of day, month and year in a numeric date literal (SET DATEFORMAT).
enum class DateFormat { kMdy, kDmy, kYmd, kYdm, kMyd, kDym };

std::optional<DateFormat> DateFormatFromName(std::string_view name);

struct CivilTime {
  int year = 1900;
  int month = 1;
  int day = 1;
  int hour = 0;
  int minute = 0;
  int second = 0;
  int millisecond = 0;
};

std::int64_t DaysFromCivil(int year, int month, int day);
CivilTime CivilFromMillis(std::int64_t millis);
std::int64_t MillisFromCivil(const CivilTime& time);
int DaysInMonth(int year, int month);

// Reads a date/time literal. "yyyymmdd" and "yyyy-mm-ddThh:mm:ss" do not depend
// on the date format; "dd.mm.yyyy", "mm/dd/yyyy", "yyyy-mm-dd" do. Throws 241
// for text that is no date and 242 for a date out of range.
std::int64_t ParseDateTime(std::string_view text, DateFormat format, TypeKind target);

// Rounds to what the target type can hold (datetime: 1/300 s; smalldatetime:
// minutes; date: days).
std::int64_t RoundToType(std::int64_t millis, TypeKind kind);

// "2013-02-20 00:00:00.000" (datetime), "2013-02-20 00:00:00" (smalldatetime),
// "2013-02-20" (date).
std::string FormatDateTime(std::int64_t millis, TypeKind kind);
// Style 0 of CONVERT/CAST to text: "Feb 20 2013 12:00AM".
std::string FormatDateTimeDefaultStyle(std::int64_t millis);

enum class DatePart { kYear, kQuarter, kMonth, kDayOfYear, kDay, kWeek, kWeekday, kHour, kMinute, kSecond, kMillisecond };
std::optional<DatePart> DatePartFromName(std::string_view name);

std::int64_t DateAdd(DatePart part, std::int64_t amount, std::int64_t millis);
std::int64_t DateDiff(DatePart part, std::int64_t start, std::int64_t end);
std::int64_t DatePartOf(DatePart part, std::int64_t millis);

}  // namespace quelor::sim
