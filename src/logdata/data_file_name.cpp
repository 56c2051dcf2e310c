#include "logdata/data_file_name.h"

#include <cstdio>

#include "core/datetime.h"
#include "logdata/data_file.h"
#include "logdata/log_time.h"

namespace sm {
namespace {

bool Digits(std::string_view s, size_t pos, size_t n, int& value) {
  value = 0;
  for (size_t i = pos; i < pos + n; ++i) {
    if (s[i] < '0' || s[i] > '9') return false;
    value = value * 10 + (s[i] - '0');
  }
  return true;
}

}  // namespace

std::string DataFileName(std::string_view proc_id, int64_t first_unix_seconds) {
  int64_t day = UtcDayOf(first_unix_seconds);
  int64_t second_of_day = first_unix_seconds - day * 86400;
  CivilDate d = DecodeDate(static_cast<double>(day + kUnixEpochDay));
  char buf[32];
  std::snprintf(buf, sizeof buf, "-%04d-%02d-%02d-%02d%02d.smd", d.year, d.month, d.day,
                static_cast<int>(second_of_day / 3600), static_cast<int>(second_of_day / 60 % 60));
  return std::string(proc_id) + buf;
}

std::optional<int64_t> DataFileNameMinute(std::string_view name) {
  size_t dot = name.rfind('.');
  if (dot == std::string_view::npos || dot < 16) return std::nullopt;
  std::string_view stamp = name.substr(dot - 16, 16);  // "-YYYY-MM-DD-HHMM"
  if (stamp[0] != '-' || stamp[5] != '-' || stamp[8] != '-' || stamp[11] != '-') return std::nullopt;
  int year, month, day, hour, minute;
  if (!Digits(stamp, 1, 4, year) || !Digits(stamp, 6, 2, month) || !Digits(stamp, 9, 2, day) ||
      !Digits(stamp, 12, 2, hour) || !Digits(stamp, 14, 2, minute))
    return std::nullopt;
  if (!IsValidDate(year, month, day) || hour > 23 || minute > 59) return std::nullopt;
  return (DayNumber(year, month, day) - kUnixEpochDay) * 86400 + hour * 3600 + minute * 60;
}

}  // namespace sm
