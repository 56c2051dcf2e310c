#include "charts/print_layout.h"

#include <cmath>

#include "charts/graph_object.h"
#include "core/text.h"

namespace sm {

const StackSpacing kCopySpacing = {50, 10, 25, 30, 20, 10, 0, 1, false, 15, 0};
const StackSpacing kPrintSpacing = {200, 40, 100, 150, 80, 40, 5, 5, true, 60, 150};

std::vector<Rect> StackRenderedPanes(const StackSpacing& spacing, const PageArea& page,
                                     const std::vector<int>& shares, int height_total) {
  std::vector<Rect> rects;
  if (shares.empty()) return rects;
  const auto [top, right, bottom, left] = page.margins;
  const int count = static_cast<int>(shares.size());
  const int usable =
      page.height - (top + spacing.heading + bottom + spacing.foot + (count - 1) * spacing.gap);
  // A view without shares still gets its panes drawn, side by side in height.
  const double scale = height_total > 0 ? static_cast<double>(usable) / height_total : 0;
  int y = top + spacing.heading;
  for (int share : shares) {
    const int h = height_total > 0 ? static_cast<int>(std::trunc(share * scale)) : usable / count;
    rects.push_back({left, y, page.width - right, y + h});
    y += h + spacing.gap;
  }
  return rects;
}

std::vector<PlacedLegendItem> PlaceLegend(const StackSpacing& spacing, const Rect& pane_rect,
                                          const std::vector<LegendItem>& items, const MeasureText& measure) {
  std::vector<PlacedLegendItem> placed;
  int x = pane_rect.right - spacing.legend_inset;
  const int text_top = pane_rect.top - spacing.legend_rise;
  for (auto it = items.rbegin(); it != items.rend(); ++it) {
    const TextSize size = measure(it->text);
    const int swatch_height = spacing.swatch_scale * it->swatch_height;
    const int rise = spacing.swatch_centred ? size.height - swatch_height : size.height;
    const int swatch_top = text_top + static_cast<int>(RoundHalfEven(rise / 2.0));
    PlacedLegendItem item;
    item.text = it->text;
    item.text_left = x - size.width;
    item.text_top = text_top;
    item.swatch = {x - size.width - spacing.swatch_before, swatch_top, x - size.width - spacing.swatch_after,
                   swatch_top + swatch_height};
    item.colour = it->colour;
    placed.push_back(item);
    x -= size.width + spacing.item_gap;
  }
  return placed;
}

std::string PrintHeading(const TGraphObject& graph, const TMyChart& first_pane) {
  const FormatSettings& fs = graph.ctx.formats.Current();
  const TChartView& view = *graph.view;
  const int first = static_cast<int>(Truncate(first_pane.bottom.min));
  const int last = static_cast<int>(Truncate(first_pane.bottom.max));
  return ProperCase(graph.Caption) + "   " + FormatDateTime(fs.short_date, view.PointDate(first), fs) + " - " +
         FormatDateTime(fs.short_date, view.PointDate(last - 1), fs);
}

}  // namespace sm
