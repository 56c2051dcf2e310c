// Where copied and printed panes go on the picture or page: the panes
// stacked by share below room for a heading, each legend right-aligned
// above its pane, the pane titles at the left. Copy and print differ only
// in their spacings (pixels against printer dots).
#pragma once

#include <array>
#include <functional>
#include <string>
#include <vector>

#include "charts/pane.h"

namespace sm {

struct Rect {
  int left = 0, top = 0, right = 0, bottom = 0;
  bool operator==(const Rect&) const = default;
};

struct StackSpacing {
  int heading = 0;       // room above the first pane, below the top margin
  int foot = 0;          // room below the last pane, above the bottom margin
  int gap = 0;           // between panes
  int legend_inset = 0;  // the legend ends this far left of the pane's right edge
  int legend_rise = 0;   // legend and title texts stand this far above the pane
  int swatch_before = 0, swatch_after = 0;  // the swatch spans text left - before .. text left - after
  int swatch_scale = 1;  // the swatch is this many times the legend item's height
  bool swatch_centred = false;  // centred on the text; else it starts at the text's middle
  int item_gap = 0;      // between a swatch and the next item's text
  int title_indent = 0;  // the pane title stands this far right of the pane's left edge
};

// The picture put on the clipboard (pixels) and the printed page (dots).
extern const StackSpacing kCopySpacing;
extern const StackSpacing kPrintSpacing;

// Page size and margins (top, right, bottom, left).
struct PageArea {
  int width = 0, height = 0;
  std::array<int, 4> margins{};
};

// The rectangles of the rendered panes, in order, with the heights their
// shares give out of height_total.
std::vector<Rect> StackRenderedPanes(const StackSpacing& spacing, const PageArea& page,
                                     const std::vector<int>& shares, int height_total);

struct TextSize {
  int width = 0, height = 0;
};
using MeasureText = std::function<TextSize(const std::string&)>;

struct PlacedLegendItem {
  std::string text;
  int text_left = 0, text_top = 0;
  Rect swatch;
  Rgb colour;
};
// The legend of a pane placed above `pane_rect`, last item rightmost.
std::vector<PlacedLegendItem> PlaceLegend(const StackSpacing& spacing, const Rect& pane_rect,
                                          const std::vector<LegendItem>& items, const MeasureText& measure);

// The print heading: the caption in proper case, three blanks, the dates of
// the first shown point and of the point before the last shown one.
std::string PrintHeading(const TGraphObject& graph, const TMyChart& first_pane);

}  // namespace sm
