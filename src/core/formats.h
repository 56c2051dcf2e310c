// Date, time and decimal formats: the locale's set, the fixed file set, and
// the program-wide current formats that switch between them.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "core/datetime.h"

namespace sm {

struct FormatSettings {
  std::string short_date = "yyyy-mm-dd";
  char date_separator = '-';
  std::string short_time = "hh:mm";
  std::string long_time = "hh:mm:ss";
  char time_separator = ':';
  char decimal_separator = '.';

  bool operator==(const FormatSettings&) const = default;
};

// The fixed set files are written with.
FormatSettings FixedFormats();

// The set of the C library's locale named by the environment (LC_TIME,
// LC_NUMERIC); the C, POSIX and C.UTF-8 locales give the fixed set.
FormatSettings FormatsFromEnvironmentLocale();

// Translates a strftime pattern ("%d/%m/%Y") into a format text ("dd/mm/yyyy").
std::string FormatFromStrftime(std::string_view pattern);

// Format texts: yyyy yy m mm d dd h hh n nn s ss z zzz, "mm" right after an
// hour means minutes, "/" and ":" stand for the set's separators, "am/pm" and
// "ampm" give a 12-hour clock, text in double or single quotes is literal.
std::string FormatDateTime(std::string_view format, TDateTime value, const FormatSettings& fs);
std::string DateToStr(TDateTime value, const FormatSettings& fs);
std::string TimeToStr(TDateTime value, const FormatSettings& fs);  // long time
std::string DateTimeToStr(TDateTime value, const FormatSettings& fs);

// Reads a date in the set's short-date order (day, month and year positions
// from the format; the set's separator between). Two-digit years fall
// in 1950..2049; a missing year is the given current year.
std::optional<TDateTime> TryStrToDate(std::string_view text, const FormatSettings& fs, int current_year = 2000);
// Reads "h:mm" or "h:mm:ss" with the set's time separator, optional am/pm.
std::optional<TDateTime> TryStrToTime(std::string_view text, const FormatSettings& fs);
// A date, optionally followed by blanks and a time.
std::optional<TDateTime> TryStrToDateTime(std::string_view text, const FormatSettings& fs, int current_year = 2000);

// The program-wide formats: the fixed values are in force except while a
// user-facing date is shown.
class FormatState {
 public:
  // Captures both sets from the given locale set; the file set then takes
  // the fixed values.
  void InitFormats(const FormatSettings& locale);
  void UseFixedFormats();
  // iso_formatting: the user keeps the fixed formats for display; only a
  // forced restore brings the locale's back then.
  void RestoreLocaleFormats(bool force, bool iso_formatting);

  const FormatSettings& Current() const { return current_; }
  const FormatSettings& LocaleFormats() const { return locale_; }
  const FormatSettings& FileFormats() const { return file_; }
  bool FixedInForce() const { return fixed_in_force_; }

 private:
  FormatSettings locale_;
  FormatSettings file_;
  FormatSettings current_;
  FormatSettings saved_;
  bool fixed_in_force_ = false;
};

}  // namespace sm
