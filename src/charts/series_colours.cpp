#include "charts/series_colours.h"

namespace sm {

const std::array<Rgb, kSeriesColourCount> SeriesColours = {{
    {0, 0, 128},      // navy
    {128, 0, 128},    // purple
    {128, 0, 0},      // maroon
    {0, 128, 128},    // teal
    {0, 128, 0},      // green
    {128, 128, 0},    // olive
    {128, 128, 128},  // gray
    {0, 255, 255},    // aqua
    {255, 0, 255},    // fuchsia
    {255, 255, 0},    // yellow
    {255, 0, 0},      // red
    {0, 0, 0},        // black
    {192, 192, 192},  // silver
    {0, 255, 0},      // lime
    {0, 0, 255},      // blue
}};

}  // namespace sm
