#include "app/qt_dates.h"

#include <cmath>

namespace sm {
namespace {
const QDate kDayZero(1899, 12, 30);
}

QDate ToQDate(TDateTime value) { return kDayZero.addDays(static_cast<qint64>(std::floor(value))); }

TDateTime FromQDate(const QDate& date) { return static_cast<TDateTime>(kDayZero.daysTo(date)); }

QString QtDateFormat(const FormatSettings& fs) {
  QString out;
  const std::string& f = fs.short_date;
  for (size_t i = 0; i < f.size(); ++i) {
    const char c = f[i];
    if (c == 'm' || c == 'M') out += 'M';
    else if (c == 'd' || c == 'D') out += 'd';
    else if (c == 'y' || c == 'Y') out += 'y';
    else if (c == '/') out += QChar(fs.date_separator);
    else out += QChar(c);
  }
  return out;
}

}  // namespace sm
