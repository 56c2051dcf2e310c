#include "charts/series.h"

#include "charts/pane.h"

namespace sm {

TMySeries::TMySeries(TMyChart& owner, TDataItem* item, const SeriesStyle& series_style)
    : pane(owner),
      DataItem(item),
      style(series_style),
      colour(SeriesColours[static_cast<size_t>(series_style.colour_index)]),
      title(item ? SeriesTitle(item->name) : std::string()),
      SpecialKind(series_style.special_kind) {}

}  // namespace sm
