// Calendar arithmetic and date literal parsing for the simulated server.
#include "sim/common/date_time.h"

#include <cctype>
#include <cstdio>
#include <vector>

#include "sim/common/case_insensitive_map.h"
#include "sim/common/errors.h"

namespace quelor::sim {

namespace {

constexpr std::int64_t kMillisPerDay = 86'400'000;

std::int64_t FloorDiv(std::int64_t a, std::int64_t b) { return a / b - ((a % b != 0) && ((a < 0) != (b < 0))); }

bool IsLeap(int year) { return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0; }

[[noreturn]] void NotADate() { Raise(241); }
[[noreturn]] void OutOfRange() { Raise(242); }

bool AllDigits(std::string_view text) {
  if (text.empty()) return false;
  for (char c : text) {
    if (!std::isdigit(static_cast<unsigned char>(c))) return false;
  }
  return true;
}

int ToInt(std::string_view text) {
  int value = 0;
  for (char c : text) value = value * 10 + (c - '0');
  return value;
}

// Reads "hh:mm[:ss[.fff]]" with an optional AM/PM into `time`.
void ParseTimeOfDay(std::string_view text, CivilTime& time) {
  std::string rest(text);
  bool pm = false;
  bool am = false;
  std::string upper = FoldCase(rest);
  if (upper.size() >= 2 && (upper.ends_with("pm") || upper.ends_with("am"))) {
    pm = upper.ends_with("pm");
    am = !pm;
    rest = rest.substr(0, rest.size() - 2);
    while (!rest.empty() && rest.back() == ' ') rest.pop_back();
  }
  std::vector<std::string> parts;
  std::string fraction;
  std::size_t dot = rest.find('.');
  if (dot != std::string::npos) {
    fraction = rest.substr(dot + 1);
    rest = rest.substr(0, dot);
  }
  std::size_t start = 0;
  while (true) {
    std::size_t colon = rest.find(':', start);
    parts.push_back(rest.substr(start, colon == std::string::npos ? std::string::npos : colon - start));
    if (colon == std::string::npos) break;
    start = colon + 1;
  }
  if (parts.size() < 2 || parts.size() > 3) NotADate();
  for (const std::string& part : parts) {
    if (!AllDigits(part) || part.size() > 2) NotADate();
  }
  if (!fraction.empty() && !AllDigits(fraction)) NotADate();
  time.hour = ToInt(parts[0]);
  time.minute = ToInt(parts[1]);
  time.second = parts.size() == 3 ? ToInt(parts[2]) : 0;
  while (fraction.size() < 3) fraction.push_back('0');
  time.millisecond = ToInt(fraction.substr(0, 3));
  if (pm && time.hour < 12) time.hour += 12;
  if (am && time.hour == 12) time.hour = 0;
  if (time.hour > 23 || time.minute > 59 || time.second > 59) NotADate();
}

void CheckDate(const CivilTime& time, TypeKind target) {
  int min_year = target == TypeKind::kDate ? 1 : target == TypeKind::kSmallDateTime ? 1900 : 1753;
  int max_year = target == TypeKind::kSmallDateTime ? 2079 : 9999;
  if (time.month < 1 || time.month > 12 || time.day < 1 || time.day > DaysInMonth(time.year, time.month) ||
      time.year < min_year || time.year > max_year) {
    OutOfRange();
  }
}

}  // namespace

std::optional<DateFormat> DateFormatFromName(std::string_view name) {
  static const CaseInsensitiveMap<DateFormat> kFormats = {
      {"mdy", DateFormat::kMdy}, {"dmy", DateFormat::kDmy}, {"ymd", DateFormat::kYmd},
      {"ydm", DateFormat::kYdm}, {"myd", DateFormat::kMyd}, {"dym", DateFormat::kDym}};
  auto found = kFormats.find(std::string(name));
  if (found == kFormats.end()) return std::nullopt;
  return found->second;
}

int DaysInMonth(int year, int month) {
  static constexpr int kDays[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
  if (month == 2 && IsLeap(year)) return 29;
  return kDays[(month - 1) % 12];
}

// Days from 1900-01-01 after H. Hinnant's civil-from-days algorithm.
std::int64_t DaysFromCivil(int year, int month, int day) {
  std::int64_t y = year - (month <= 2 ? 1 : 0);
  std::int64_t era = FloorDiv(y, 400);
  std::int64_t yoe = y - era * 400;
  std::int64_t doy = (153 * (month + (month > 2 ? -3 : 9)) + 2) / 5 + day - 1;
  std::int64_t doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
  return era * 146097 + doe - 719468 + 25567;  // 25567 days from 1900-01-01 to 1970-01-01
}

CivilTime CivilFromMillis(std::int64_t millis) {
  std::int64_t days = FloorDiv(millis, kMillisPerDay);
  std::int64_t in_day = millis - days * kMillisPerDay;
  std::int64_t z = days - 25567 + 719468;
  std::int64_t era = FloorDiv(z, 146097);
  std::int64_t doe = z - era * 146097;
  std::int64_t yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
  std::int64_t doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
  std::int64_t mp = (5 * doy + 2) / 153;
  CivilTime time;
  time.day = static_cast<int>(doy - (153 * mp + 2) / 5 + 1);
  time.month = static_cast<int>(mp < 10 ? mp + 3 : mp - 9);
  time.year = static_cast<int>(yoe + era * 400 + (time.month <= 2 ? 1 : 0));
  time.hour = static_cast<int>(in_day / 3'600'000);
  time.minute = static_cast<int>(in_day / 60'000 % 60);
  time.second = static_cast<int>(in_day / 1000 % 60);
  time.millisecond = static_cast<int>(in_day % 1000);
  return time;
}

std::int64_t MillisFromCivil(const CivilTime& time) {
  return DaysFromCivil(time.year, time.month, time.day) * kMillisPerDay + time.hour * 3'600'000LL +
         time.minute * 60'000LL + time.second * 1000LL + time.millisecond;
}

std::int64_t ParseDateTime(std::string_view input, DateFormat format, TypeKind target) {
  std::string text(input);
  while (!text.empty() && std::isspace(static_cast<unsigned char>(text.front()))) text.erase(text.begin());
  while (!text.empty() && std::isspace(static_cast<unsigned char>(text.back()))) text.pop_back();
  if (text.empty()) return 0;  // '' converts to 1900-01-01 on the real server
  CivilTime time;
  std::string date_part = text;
  std::string time_part;
  std::size_t split = text.find_first_of(" T");
  if (split != std::string::npos) {
    date_part = text.substr(0, split);
    time_part = text.substr(split + 1);
    while (!time_part.empty() && time_part.front() == ' ') time_part.erase(time_part.begin());
  }
  bool iso_t = split != std::string::npos && text[split] == 'T';
  if (date_part.find(':') != std::string::npos) {  // only a time of day
    ParseTimeOfDay(text, time);
    return RoundToType(MillisFromCivil(time), target);
  }
  if (AllDigits(date_part)) {
    if (date_part.size() == 8) {
      time.year = ToInt(date_part.substr(0, 4));
      time.month = ToInt(date_part.substr(4, 2));
      time.day = ToInt(date_part.substr(6, 2));
    } else if (date_part.size() == 6) {
      int yy = ToInt(date_part.substr(0, 2));
      time.year = yy < 50 ? 2000 + yy : 1900 + yy;
      time.month = ToInt(date_part.substr(2, 2));
      time.day = ToInt(date_part.substr(4, 2));
    } else {
      NotADate();
    }
  } else {
    char separator = 0;
    for (char c : date_part) {
      if (c == '-' || c == '/' || c == '.') {
        separator = c;
        break;
      }
    }
    if (separator == 0) NotADate();
    std::vector<std::string> parts;
    std::size_t start = 0;
    while (true) {
      std::size_t next = date_part.find(separator, start);
      parts.push_back(date_part.substr(start, next == std::string::npos ? std::string::npos : next - start));
      if (next == std::string::npos) break;
      start = next + 1;
    }
    if (parts.size() != 3) NotADate();
    for (const std::string& part : parts) {
      if (!AllDigits(part) || part.size() > 4) NotADate();
    }
    int a = ToInt(parts[0]);
    int b = ToInt(parts[1]);
    int c = ToInt(parts[2]);
    auto year_of = [](const std::string& part, int value) {
      if (part.size() <= 2) return value < 50 ? 2000 + value : 1900 + value;
      return value;
    };
    if (parts[0].size() == 4) {
      // A leading four-digit year: year-month-day, except that datetime reads
      // year-day-month under the day-first formats. ISO form with 'T' and the
      // date type are always year-month-day.
      bool ydm = !iso_t && target != TypeKind::kDate &&
                 (format == DateFormat::kDmy || format == DateFormat::kYdm || format == DateFormat::kDym);
      time.year = a;
      time.month = ydm ? c : b;
      time.day = ydm ? b : c;
    } else {
      switch (format) {
        case DateFormat::kDmy:
          time.day = a, time.month = b, time.year = year_of(parts[2], c);
          break;
        case DateFormat::kYmd:
          time.year = year_of(parts[0], a), time.month = b, time.day = c;
          break;
        case DateFormat::kYdm:
          time.year = year_of(parts[0], a), time.day = b, time.month = c;
          break;
        case DateFormat::kMyd:
          time.month = a, time.year = year_of(parts[1], b), time.day = c;
          break;
        case DateFormat::kDym:
          time.day = a, time.year = year_of(parts[1], b), time.month = c;
          break;
        case DateFormat::kMdy:
          time.month = a, time.day = b, time.year = year_of(parts[2], c);
          break;
      }
    }
  }
  if (!time_part.empty()) ParseTimeOfDay(time_part, time);
  CheckDate(time, target);
  return RoundToType(MillisFromCivil(time), target);
}

std::int64_t RoundToType(std::int64_t millis, TypeKind kind) {
  if (kind == TypeKind::kDate) return FloorDiv(millis, kMillisPerDay) * kMillisPerDay;
  if (kind == TypeKind::kSmallDateTime) return FloorDiv(millis + 30'000, 60'000) * 60'000;
  std::int64_t days = FloorDiv(millis, kMillisPerDay);
  std::int64_t in_day = millis - days * kMillisPerDay;
  std::int64_t ticks = (in_day * 3 + 5) / 10;  // 1/300 second
  return days * kMillisPerDay + (ticks * 10 + 1) / 3;
}

std::string FormatDateTime(std::int64_t millis, TypeKind kind) {
  CivilTime t = CivilFromMillis(millis);
  char buffer[40];
  if (kind == TypeKind::kDate) {
    std::snprintf(buffer, sizeof buffer, "%04d-%02d-%02d", t.year, t.month, t.day);
  } else if (kind == TypeKind::kSmallDateTime) {
    std::snprintf(buffer, sizeof buffer, "%04d-%02d-%02d %02d:%02d:%02d", t.year, t.month, t.day, t.hour, t.minute,
                  t.second);
  } else {
    std::snprintf(buffer, sizeof buffer, "%04d-%02d-%02d %02d:%02d:%02d.%03d", t.year, t.month, t.day, t.hour,
                  t.minute, t.second, t.millisecond);
  }
  return buffer;
}

std::string FormatDateTimeDefaultStyle(std::int64_t millis) {
  static constexpr const char* kMonths[] = {"Jan", "Feb", "Mar", "Apr", "May", "Jun",
                                            "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"};
  CivilTime t = CivilFromMillis(millis);
  int hour12 = t.hour % 12 == 0 ? 12 : t.hour % 12;
  char buffer[40];
  std::snprintf(buffer, sizeof buffer, "%s %2d %04d %2d:%02d%s", kMonths[t.month - 1], t.day, t.year, hour12, t.minute,
                t.hour < 12 ? "AM" : "PM");
  return buffer;
}

std::optional<DatePart> DatePartFromName(std::string_view name) {
  static const CaseInsensitiveMap<DatePart> kParts = {
      {"year", DatePart::kYear},     {"yy", DatePart::kYear},          {"yyyy", DatePart::kYear},
      {"quarter", DatePart::kQuarter}, {"qq", DatePart::kQuarter},     {"q", DatePart::kQuarter},
      {"month", DatePart::kMonth},   {"mm", DatePart::kMonth},         {"m", DatePart::kMonth},
      {"dayofyear", DatePart::kDayOfYear}, {"dy", DatePart::kDayOfYear}, {"y", DatePart::kDayOfYear},
      {"day", DatePart::kDay},       {"dd", DatePart::kDay},           {"d", DatePart::kDay},
      {"week", DatePart::kWeek},     {"wk", DatePart::kWeek},          {"ww", DatePart::kWeek},
      {"weekday", DatePart::kWeekday}, {"dw", DatePart::kWeekday},     {"w", DatePart::kWeekday},
      {"hour", DatePart::kHour},     {"hh", DatePart::kHour},          {"minute", DatePart::kMinute},
      {"mi", DatePart::kMinute},     {"n", DatePart::kMinute},         {"second", DatePart::kSecond},
      {"ss", DatePart::kSecond},     {"s", DatePart::kSecond},         {"millisecond", DatePart::kMillisecond},
      {"ms", DatePart::kMillisecond}};
  auto found = kParts.find(std::string(name));
  if (found == kParts.end()) return std::nullopt;
  return found->second;
}

std::int64_t DateAdd(DatePart part, std::int64_t amount, std::int64_t millis) {
  switch (part) {
    case DatePart::kYear:
    case DatePart::kQuarter:
    case DatePart::kMonth: {
      std::int64_t months = part == DatePart::kYear ? amount * 12 : part == DatePart::kQuarter ? amount * 3 : amount;
      CivilTime t = CivilFromMillis(millis);
      std::int64_t index = static_cast<std::int64_t>(t.year) * 12 + (t.month - 1) + months;
      t.year = static_cast<int>(FloorDiv(index, 12));
      t.month = static_cast<int>(index - FloorDiv(index, 12) * 12 + 1);
      // A day beyond the end of the resulting month becomes its last day.
      if (t.day > DaysInMonth(t.year, t.month)) t.day = DaysInMonth(t.year, t.month);
      if (t.year < 1753 || t.year > 9999) Raise(517);
      return MillisFromCivil(t);
    }
    case DatePart::kDayOfYear:
    case DatePart::kDay:
    case DatePart::kWeekday: return millis + amount * kMillisPerDay;
    case DatePart::kWeek: return millis + amount * 7 * kMillisPerDay;
    case DatePart::kHour: return millis + amount * 3'600'000;
    case DatePart::kMinute: return millis + amount * 60'000;
    case DatePart::kSecond: return millis + amount * 1000;
    case DatePart::kMillisecond: return RoundToType(millis + amount, TypeKind::kDateTime);
  }
  return millis;
}

std::int64_t DateDiff(DatePart part, std::int64_t start, std::int64_t end) {
  CivilTime a = CivilFromMillis(start);
  CivilTime b = CivilFromMillis(end);
  // DATEDIFF counts boundaries crossed, not elapsed whole units.
  switch (part) {
    case DatePart::kYear: return b.year - a.year;
    case DatePart::kQuarter: return (b.year * 4 + (b.month - 1) / 3) - (a.year * 4 + (a.month - 1) / 3);
    case DatePart::kMonth: return (b.year * 12 + b.month) - (a.year * 12 + a.month);
    case DatePart::kDayOfYear:
    case DatePart::kDay:
    case DatePart::kWeekday: return FloorDiv(end, kMillisPerDay) - FloorDiv(start, kMillisPerDay);
    case DatePart::kWeek:  // weeks start on Sunday; 1900-01-01 was a Monday
      return FloorDiv(FloorDiv(end, kMillisPerDay) + 1, 7) - FloorDiv(FloorDiv(start, kMillisPerDay) + 1, 7);
    case DatePart::kHour: return FloorDiv(end, 3'600'000) - FloorDiv(start, 3'600'000);
    case DatePart::kMinute: return FloorDiv(end, 60'000) - FloorDiv(start, 60'000);
    case DatePart::kSecond: return FloorDiv(end, 1000) - FloorDiv(start, 1000);
    case DatePart::kMillisecond: return end - start;
  }
  return 0;
}

std::int64_t DatePartOf(DatePart part, std::int64_t millis) {
  CivilTime t = CivilFromMillis(millis);
  std::int64_t days = FloorDiv(millis, kMillisPerDay);
  switch (part) {
    case DatePart::kYear: return t.year;
    case DatePart::kQuarter: return (t.month - 1) / 3 + 1;
    case DatePart::kMonth: return t.month;
    case DatePart::kDayOfYear: return days - DaysFromCivil(t.year, 1, 1) + 1;
    case DatePart::kDay: return t.day;
    case DatePart::kWeek: {
      std::int64_t jan1 = DaysFromCivil(t.year, 1, 1);
      std::int64_t jan1_weekday = ((jan1 + 1) % 7 + 7) % 7;  // 0 = Sunday
      return (days - jan1 + jan1_weekday) / 7 + 1;
    }
    case DatePart::kWeekday: return ((days + 1) % 7 + 7) % 7 + 1;  // us_english: Sunday = 1
    case DatePart::kHour: return t.hour;
    case DatePart::kMinute: return t.minute;
    case DatePart::kSecond: return t.second;
    case DatePart::kMillisecond: return t.millisecond;
  }
  return 0;
}

}  // namespace quelor::sim
