// The date axis' label texts and label spacing.
#pragma once

#include <string>
#include <string_view>

#include "core/formats.h"

namespace sm {

// The short date format without its year: every "y" dropped, then one
// separator at either end ("dd/mm/yyyy" gives "dd/mm", "yyyy-mm-dd" "mm-dd").
std::string DayLabelFormatOf(const FormatSettings& fs);

// The label spacing in points for an axis span of `span` points drawn over
// `width` pixels with labels `label_width` pixels wide: 12 points (3 hours)
// doubled until the labels fit. Nothing without both widths.
int DateIncrement(double span, int width, int label_width);

}  // namespace sm
