// The texts the chart shows for a point under the pointer and on its value
// axes.
#pragma once

#include <optional>
#include <string>

#include "core/datetime.h"
#include "core/formats.h"

namespace sm {

// "###0.###": at most three decimals, no trailing zeros, no grouping.
std::string FormatAxisNumber(double value, char decimal_separator);

// A value under the pointer: taken to three decimals as the axis shows it,
// then written with two, followed by a blank and the units.
std::string PointerValueText(double value, const std::string& units, char decimal_separator);

// The point index under the pointer: none left of point 0 (the axis text
// would carry a "-"), else the index truncated.
std::optional<int> PointerPoint(double x);

// The date and time of a point, short formats; with day numbering
// "(Day N)" follows directly, N counting whole days from the range start.
std::string PointerDateText(TDateTime t, TDateTime range_start, bool day_numbering, const FormatSettings& fs);
// The date label's text: the date and time alone.
std::string PointerDateLabel(TDateTime t, const FormatSettings& fs);

}  // namespace sm
