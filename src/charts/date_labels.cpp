#include "charts/date_labels.h"

namespace sm {

std::string DayLabelFormatOf(const FormatSettings& fs) {
  std::string format;
  for (char c : fs.short_date)
    if (c != 'y') format += c;
  auto separator = [&](char c) { return c == fs.date_separator || c == '/'; };
  if (!format.empty() && separator(format.front())) format.erase(0, 1);
  if (!format.empty() && separator(format.back())) format.pop_back();
  return format;
}

int DateIncrement(double span, int width, int label_width) {
  int step = 12;
  if (width <= 0 || label_width <= 0) return step;
  const double labels = static_cast<double>(width) / label_width;
  const double r = span / labels;
  while (step < r && step < (1 << 28)) step *= 2;
  return step;
}

}  // namespace sm
