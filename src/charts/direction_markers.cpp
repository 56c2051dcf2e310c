#include "charts/direction_markers.h"

#include <cmath>
#include <numbers>

#include "core/datetime.h"

namespace sm {

int CircularMeanDegrees(std::span<const double> values) {
  if (values.empty()) return 0;
  long long prev = 0, unwrapped = 0, sum = 0;
  for (double value : values) {
    const long long v = static_cast<long long>(std::trunc(value));
    long long d = v - prev;
    if (d <= -180)
      d += 360;
    else if (d > 180)
      d -= 360;
    unwrapped += d;
    sum += unwrapped;
    prev = v;
  }
  const long long count = static_cast<long long>(values.size());
  return static_cast<int>((sum / count + 360) % 360);
}

Vector2 DirectionVector(int a) {
  int b = a;
  if (a >= 91 && a <= 180)
    b = 180 - a;
  else if (a >= 181 && a <= 270)
    b = a - 180;
  else if (a >= 271 && a <= 359)
    b = 360 - a;
  const double radians = b * std::numbers::pi / 180;
  const int s = static_cast<int>(RoundHalfEven(std::sin(radians) * 10));
  const int c = static_cast<int>(RoundHalfEven(std::cos(radians) * 10));
  if (a >= 91 && a <= 180) return {s, -c};
  if (a >= 181 && a <= 270) return {-s, -c};
  if (a >= 271 && a <= 359) return {-s, c};
  return {s, c};
}

std::vector<DirectionMarker> PlaceDirectionMarkers(std::span<const double> values, int first, int last,
                                                   int plot_width) {
  std::vector<DirectionMarker> markers;
  const int n = last - first;
  if (n <= 0 || plot_width <= 0 || first < 0) return markers;
  const int window = static_cast<int>(std::trunc(50.0 / (static_cast<double>(plot_width) / n)));
  if (window <= 0) return markers;
  std::vector<double> present;
  for (int i = first; i + window < last; i += window) {
    present.clear();
    for (int k = i; k < i + window && k < static_cast<int>(values.size()); ++k)
      if (!std::isnan(values[static_cast<size_t>(k)])) present.push_back(values[static_cast<size_t>(k)]);
    if (present.empty()) continue;
    markers.push_back({i + window / 2, CircularMeanDegrees(present)});
  }
  return markers;
}

}  // namespace sm
