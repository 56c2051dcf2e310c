// Direction markers over a pane whose series holds directions in degrees
// (0 pointing up, growing clockwise): one arrow per window of points,
// about 50 pixels apart.
#pragma once

#include <span>
#include <vector>

namespace sm {

// The mean of whole-degree directions across the 0/360 wrap, 0..359.
int CircularMeanDegrees(std::span<const double> values);

struct Vector2 {
  int dx = 0, dy = 0;
  bool operator==(const Vector2&) const = default;
};
// The arrow of length 10 for an angle in degrees, in screen terms: the
// caller draws from (x, y) to (x + dx, y - dy).
Vector2 DirectionVector(int angle);

struct DirectionMarker {
  int centre_point = 0;  // the point index under the marker
  int angle = 0;
};
// The markers for the visible points first..last of a series drawn over
// `plot_width` pixels; gaps (NaN) in a window are left out of its mean and
// a window of gaps only gets no marker.
std::vector<DirectionMarker> PlaceDirectionMarkers(std::span<const double> values, int first, int last,
                                                   int plot_width);

}  // namespace sm
