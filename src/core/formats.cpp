#include "core/formats.h"

#include <langinfo.h>
#include <locale.h>

#include <cctype>
#include <cstdio>
#include <cstdlib>
#include <vector>

#include "core/text.h"

namespace sm {
namespace {

std::string Padded(int value, int width) {
  char buf[16];
  std::snprintf(buf, sizeof buf, "%0*d", width, value);
  return buf;
}

size_t RunLength(std::string_view s, size_t i) {
  size_t n = 1;
  while (i + n < s.size() && std::tolower(static_cast<unsigned char>(s[i + n])) ==
                                 std::tolower(static_cast<unsigned char>(s[i])))
    ++n;
  return n;
}

bool UsesAmPm(std::string_view format) {
  return IContains(format, "am/pm") || IContains(format, "ampm");
}

bool IsLocaleWithFixedFormats(const char* name) {
  if (!name) return true;
  std::string n = name;
  return n == "C" || n == "POSIX" || IStartsWith(n, "C.");
}

}  // namespace

FormatSettings FixedFormats() { return FormatSettings{}; }

std::string FormatFromStrftime(std::string_view pattern) {
  std::string out;
  for (size_t i = 0; i < pattern.size(); ++i) {
    if (pattern[i] != '%' || i + 1 >= pattern.size()) {
      out.push_back(pattern[i]);
      continue;
    }
    char c = pattern[++i];
    if (c == 'E' || c == 'O' || c == '-') {  // modifiers
      if (i + 1 >= pattern.size()) break;
      c = pattern[++i];
    }
    switch (c) {
      case 'd': out += "dd"; break;
      case 'e': out += "d"; break;
      case 'm': out += "mm"; break;
      case 'Y': out += "yyyy"; break;
      case 'y': out += "yy"; break;
      case 'H': out += "hh"; break;
      case 'k': out += "h"; break;
      case 'I': out += "hh"; break;
      case 'l': out += "h"; break;
      case 'M': out += "nn"; break;
      case 'S': out += "ss"; break;
      case 'p': out += "am/pm"; break;
      case 'T': out += "hh:nn:ss"; break;
      case 'R': out += "hh:nn"; break;
      case 'r': out += "hh:nn:ss am/pm"; break;
      case 'D': out += "mm/dd/yy"; break;
      case 'F': out += "yyyy-mm-dd"; break;
      case '%': out += "%"; break;
      default: break;  // names of days and months are left out of short formats
    }
  }
  return Trim(out);
}

FormatSettings FormatsFromEnvironmentLocale() {
  FormatSettings fs = FixedFormats();
  const char* name = nullptr;
  for (const char* var : {"LC_ALL", "LC_TIME", "LANG"}) {
    const char* v = std::getenv(var);
    if (v && *v) {
      name = v;
      break;
    }
  }
  if (IsLocaleWithFixedFormats(name)) return fs;
  locale_t loc = newlocale(LC_TIME_MASK | LC_NUMERIC_MASK, "", static_cast<locale_t>(0));
  if (!loc) return fs;  // a locale that is not installed leaves the fixed set
  fs.short_date = FormatFromStrftime(nl_langinfo_l(D_FMT, loc));
  for (char c : fs.short_date)
    if (!std::isalpha(static_cast<unsigned char>(c))) {
      fs.date_separator = c;
      break;
    }
  fs.long_time = FormatFromStrftime(nl_langinfo_l(T_FMT, loc));
  for (char c : fs.long_time)
    if (!std::isalpha(static_cast<unsigned char>(c)) && c != ' ') {
      fs.time_separator = c;
      break;
    }
  // The short time is the long one without its seconds.
  fs.short_time = fs.long_time;
  size_t s = fs.short_time.find("ss");
  if (s != std::string::npos && s > 0) fs.short_time.erase(s - 1, 3);
  const char* radix = nl_langinfo_l(RADIXCHAR, loc);
  if (radix && *radix) fs.decimal_separator = radix[0];
  freelocale(loc);
  return fs;
}

std::string FormatDateTime(std::string_view format, TDateTime value, const FormatSettings& fs) {
  CivilDate d = DecodeDate(value);
  TimeOfDay t = DecodeTime(value);
  const bool twelve_hour = UsesAmPm(format);
  std::string out;
  bool last_was_hour = false;
  for (size_t i = 0; i < format.size();) {
    char c = format[i];
    char lc = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    if (c == '"' || c == '\'') {
      size_t end = format.find(c, i + 1);
      if (end == std::string_view::npos) end = format.size();
      out.append(format.substr(i + 1, end - i - 1));
      i = end + 1;
      continue;
    }
    if (IStartsWith(format.substr(i), "am/pm")) {
      out += t.hour < 12 ? "am" : "pm";
      i += 5;
      continue;
    }
    if (IStartsWith(format.substr(i), "ampm")) {
      out += t.hour < 12 ? "AM" : "PM";
      i += 4;
      continue;
    }
    size_t n = RunLength(format, i);
    switch (lc) {
      case 'y':
        out += n <= 2 ? Padded(d.year % 100, 2) : Padded(d.year, 4);
        last_was_hour = false;
        break;
      case 'm':
        out += Padded(last_was_hour ? t.minute : d.month, n >= 2 ? 2 : 1);
        last_was_hour = false;
        break;
      case 'd':
        out += Padded(d.day, n >= 2 ? 2 : 1);
        last_was_hour = false;
        break;
      case 'h': {
        int hour = twelve_hour ? (t.hour % 12 == 0 ? 12 : t.hour % 12) : t.hour;
        out += Padded(hour, n >= 2 ? 2 : 1);
        last_was_hour = true;
        break;
      }
      case 'n':
        out += Padded(t.minute, n >= 2 ? 2 : 1);
        last_was_hour = false;
        break;
      case 's':
        out += Padded(t.second, n >= 2 ? 2 : 1);
        last_was_hour = false;
        break;
      case 'z':
        out += Padded(t.millisecond, n >= 3 ? 3 : 1);
        last_was_hour = false;
        break;
      case '/':
        out.append(n, fs.date_separator);
        break;
      case ':':
        out.append(n, fs.time_separator);
        break;
      default:
        out.append(format.substr(i, n));
        break;
    }
    i += n;
  }
  return out;
}

std::string DateToStr(TDateTime value, const FormatSettings& fs) {
  return FormatDateTime(fs.short_date, value, fs);
}

std::string TimeToStr(TDateTime value, const FormatSettings& fs) {
  return FormatDateTime(fs.long_time, value, fs);
}

std::string DateTimeToStr(TDateTime value, const FormatSettings& fs) {
  std::string out = DateToStr(value, fs);
  if (TimeOf(value) != 0) out += " " + TimeToStr(value, fs);
  return out;
}

namespace {

// Splits text into runs of digits; anything else must be one of the allowed
// separators, single, between numbers.
bool SplitNumbers(std::string_view text, std::string_view separators, std::vector<int>& numbers,
                  std::vector<int>& widths) {
  size_t i = 0;
  while (i < text.size()) {
    size_t start = i;
    int value = 0;
    while (i < text.size() && std::isdigit(static_cast<unsigned char>(text[i]))) {
      if (i - start >= 4) return false;
      value = value * 10 + (text[i] - '0');
      ++i;
    }
    if (i == start) return false;
    numbers.push_back(value);
    widths.push_back(static_cast<int>(i - start));
    if (i == text.size()) break;
    if (separators.find(text[i]) == std::string_view::npos) return false;
    ++i;
    if (i == text.size()) return false;
  }
  return !numbers.empty();
}

}  // namespace

std::optional<TDateTime> TryStrToDate(std::string_view text, const FormatSettings& fs, int current_year) {
  std::string t = Trim(text);
  std::vector<int> n, w;
  std::string separators{fs.date_separator};
  if (!SplitNumbers(t, separators, n, w) || n.size() < 2 || n.size() > 3) return std::nullopt;
  // Order of day, month and year from the format's letters.
  std::string order;
  for (char c : ToLowerAscii(fs.short_date))
    if ((c == 'd' || c == 'm' || c == 'y') && order.find(c) == std::string::npos) order.push_back(c);
  if (order.size() != 3) order = "ymd";
  int year = current_year, month = 0, day = 0;
  if (n.size() == 2) {
    order.erase(order.find('y'), 1);
    year = current_year;
  }
  for (size_t k = 0; k < n.size(); ++k) {
    switch (order[k]) {
      case 'y':
        year = n[k];
        if (w[k] <= 2) year += year < 50 ? 2000 : 1900;
        break;
      case 'm': month = n[k]; break;
      case 'd': day = n[k]; break;
    }
  }
  if (!IsValidDate(year, month, day)) return std::nullopt;
  return EncodeDate(year, month, day);
}

std::optional<TDateTime> TryStrToTime(std::string_view text, const FormatSettings& fs) {
  std::string t = Trim(text);
  int pm = -1;
  if (IEndsWith(t, "am") || IEndsWith(t, "pm")) {
    pm = IEndsWith(t, "pm") ? 1 : 0;
    t = Trim(t.substr(0, t.size() - 2));
  }
  std::vector<int> n, w;
  std::string separators{fs.time_separator};
  separators += ':';
  if (!SplitNumbers(t, separators, n, w) || n.size() < 2 || n.size() > 3) return std::nullopt;
  int hour = n[0], minute = n[1], second = n.size() > 2 ? n[2] : 0;
  if (pm >= 0) {
    if (hour < 1 || hour > 12) return std::nullopt;
    hour = hour % 12 + (pm ? 12 : 0);
  }
  if (hour > 23 || minute > 59 || second > 59) return std::nullopt;
  return EncodeTime(hour, minute, second);
}

std::optional<TDateTime> TryStrToDateTime(std::string_view text, const FormatSettings& fs, int current_year) {
  std::string t = Trim(text);
  size_t blank = t.find(' ');
  if (blank == std::string::npos) return TryStrToDate(t, fs, current_year);
  auto date = TryStrToDate(t.substr(0, blank), fs, current_year);
  auto time = TryStrToTime(t.substr(blank + 1), fs);
  if (!date || !time) return std::nullopt;
  return *date + *time;
}

void FormatState::InitFormats(const FormatSettings& locale) {
  locale_ = locale;
  file_ = FixedFormats();
  current_ = locale;
  fixed_in_force_ = false;
}

void FormatState::UseFixedFormats() {
  if (fixed_in_force_) return;
  saved_ = current_;
  current_ = FixedFormats();
  fixed_in_force_ = true;
}

void FormatState::RestoreLocaleFormats(bool force, bool iso_formatting) {
  if (!fixed_in_force_) return;
  if (iso_formatting && !force) return;
  current_ = saved_;
  fixed_in_force_ = false;
}

}  // namespace sm
