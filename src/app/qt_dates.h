// Between the program's day counts and Qt's dates, and its format texts
// and Qt's display formats.
#pragma once

#include <QDate>
#include <QString>

#include "core/formats.h"

namespace sm {

QDate ToQDate(TDateTime value);
TDateTime FromQDate(const QDate& date);
// "dd/mm/yyyy" with the set's separator as Qt writes it ("dd/MM/yyyy").
QString QtDateFormat(const FormatSettings& fs);

}  // namespace sm
