#include "charts/pane_layout.h"

#include <algorithm>
#include <cmath>

namespace sm {

int PaneTopMargin(int height) { return (200 / std::max(height, 1)) * 3 + 15; }

std::vector<PanePlace> StackPanes(const std::vector<int>& shares, int box_height) {
  long long total = 0;
  int without_share = 0;
  for (int s : shares) {
    if (s > 0)
      total += s;
    else
      ++without_share;
  }
  const double room = std::max(0, box_height - without_share * kMinPaneHeight);
  const double scale = total > 0 ? room / static_cast<double>(total) : 0;
  std::vector<PanePlace> places;
  int top = 0;
  for (int s : shares) {
    PanePlace p;
    p.top = top;
    p.height = s > 0 ? static_cast<int>(std::trunc(s * scale)) : kMinPaneHeight;
    p.top_margin = PaneTopMargin(p.height);
    places.push_back(p);
    top += p.height;
  }
  return places;
}

}  // namespace sm
