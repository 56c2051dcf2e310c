// The fifteen colours a chart series' style picks by index.
#pragma once

#include <array>
#include <cstdint>

namespace sm {

struct Rgb {
  uint8_t red = 0, green = 0, blue = 0;
  bool operator==(const Rgb&) const = default;
};

constexpr int kSeriesColourCount = 15;

// navy, purple, maroon, teal, green, olive, gray, aqua, fuchsia, yellow,
// red, black, silver, lime, blue.
extern const std::array<Rgb, kSeriesColourCount> SeriesColours;

}  // namespace sm
