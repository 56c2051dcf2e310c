#include "download/listing_stamp.h"

#include <array>
#include <stdexcept>
#include <string>

namespace sm {
namespace {

constexpr int64_t kLargestSize = 2147483647;

class Cursor {
 public:
  explicit Cursor(std::string_view text) : text_(text) {}

  bool AtEnd() const { return pos_ >= text_.size(); }
  char Peek() const { return AtEnd() ? '\0' : text_[pos_]; }
  size_t Position() const { return pos_; }
  void Restore(size_t pos) { pos_ = pos; }

  bool Take(char c) {
    if (Peek() != c || AtEnd()) return false;
    ++pos_;
    return true;
  }
  // Skips blanks and tabs; true when there was at least one.
  bool SkipBlanks() {
    const size_t start = pos_;
    while (!AtEnd() && (text_[pos_] == ' ' || text_[pos_] == '\t')) ++pos_;
    return pos_ > start;
  }
  // An unsigned whole number; huge values saturate (no date or time has
  // them, so they fail the validity checks).
  std::optional<int> Number() {
    if (!IsDigit(Peek())) return std::nullopt;
    int value = 0;
    while (IsDigit(Peek())) {
      value = value > 99999 ? 999999 : value * 10 + (text_[pos_] - '0');
      ++pos_;
    }
    return value;
  }
  // A month word: letters beginning with a month's three-letter name.
  std::optional<int> MonthWord() {
    static constexpr std::array<std::string_view, 12> kMonths = {"JAN", "FEB", "MAR", "APR", "MAY", "JUN",
                                                                 "JUL", "AUG", "SEP", "OCT", "NOV", "DEC"};
    const size_t start = pos_;
    while (Peek() >= 'A' && Peek() <= 'Z') ++pos_;
    std::string_view word = text_.substr(start, pos_ - start);
    for (size_t m = 0; m < kMonths.size(); ++m)
      if (word.substr(0, 3) == kMonths[m]) return static_cast<int>(m + 1);
    return std::nullopt;
  }

  static bool IsDigit(char c) { return c >= '0' && c <= '9'; }

 private:
  std::string_view text_;
  size_t pos_ = 0;
};

struct DayMonthYear {
  int day, month, year;
};

// Day, separator, month (as `read_month` reads it), separator, year.
template <typename MonthReader>
std::optional<DayMonthYear> ReadDayMonthYear(Cursor& c, char separator, MonthReader read_month) {
  auto day = c.Number();
  if (!day || !c.Take(separator)) return std::nullopt;
  auto month = read_month(c);
  if (!month || !c.Take(separator)) return std::nullopt;
  auto year = c.Number();
  if (!year) return std::nullopt;
  return DayMonthYear{*day, *month, *year};
}

std::optional<TDateTime> ReadDate(Cursor& c) {
  const size_t start = c.Position();
  // "15-Jan-2004" first, then "15/01/04".
  auto date = ReadDayMonthYear(c, '-', [](Cursor& m) { return m.MonthWord(); });
  if (!date) {
    c.Restore(start);
    date = ReadDayMonthYear(c, '/', [](Cursor& m) { return m.Number(); });
  }
  if (!date) return std::nullopt;
  if (date->year < 100) date->year += date->year > 90 ? 1900 : 2000;
  if (!IsValidDate(date->year, date->month, date->day)) return std::nullopt;
  return EncodeDate(date->year, date->month, date->day);
}

std::optional<TDateTime> ReadTime(Cursor& c) {
  auto hour = c.Number();
  if (!hour || !c.Take(':')) return std::nullopt;
  auto minute = c.Number();
  if (!minute || *hour > 23 || *minute > 59) return std::nullopt;
  return EncodeTime(*hour, *minute, 0);
}

// Signs, digits with at most one point, then "K" or "M": 12K is 12,000,
// 1.5K is 1,500, and a point without a unit is ignored (12.5 is 125).
int64_t ReadSize(Cursor& c, std::string_view text) {
  int64_t value = 0;
  auto grow = [&](int64_t factor, int64_t add) {
    value = value * factor + add;
    if (value > kLargestSize) throw std::overflow_error("Listing: size out of range in \"" + std::string(text) + "\"");
  };
  bool negative = false;
  while (c.Take('-')) negative = !negative;
  int decimals = 0;
  bool point = false, digits = false;
  for (;;) {
    const char ch = c.Peek();
    if (Cursor::IsDigit(ch)) {
      grow(10, ch - '0');
      digits = true;
      if (point) ++decimals;
    } else if (ch == '.' && !point) {
      point = true;
    } else {
      break;
    }
    c.Take(ch);
  }
  if (!digits) return 0;
  for (int exponent = (c.Take('K') ? 3 : c.Take('M') ? 6 : 0) - decimals; exponent > 0; --exponent) grow(10, 0);
  return negative ? -value : value;
}

}  // namespace

std::optional<ListedStamp> ReadListedStamp(std::string_view text) {
  Cursor c(text);
  c.SkipBlanks();
  auto date = ReadDate(c);
  if (!date || !c.SkipBlanks()) return std::nullopt;
  auto time = ReadTime(c);
  if (!time) return std::nullopt;
  c.SkipBlanks();
  return ListedStamp{*date + *time, ReadSize(c, text)};
}

}  // namespace sm
