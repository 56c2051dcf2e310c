#include "charts/pane.h"

#include <algorithm>
#include <cmath>

#include "charts/date_labels.h"
#include "charts/graph_object.h"
#include "core/text.h"

namespace sm {
namespace {

struct DataRange {
  bool any = false;
  double min = 0, max = 0;
};

DataRange RangeOf(const std::vector<TMySeries*>& series, bool right_axis) {
  DataRange r;
  for (const TMySeries* s : series) {
    if (s->style.right_axis != right_axis) continue;
    for (double v : s->values) {
      if (std::isnan(v)) continue;
      r.min = r.any ? std::min(r.min, v) : v;
      r.max = r.any ? std::max(r.max, v) : v;
      r.any = true;
    }
  }
  return r;
}

void ApplyAutomatic(ValueAxis& axis, const DataRange& data) {
  if (axis.auto_min) axis.min = data.min;
  if (axis.auto_max) axis.max = data.max;
}

}  // namespace

TMyChart::TMyChart(TGraphObject& owner, const std::string& header) : graph(owner) {
  std::vector<std::string> parts = SplitText(header, ',');
  if (!parts.empty()) Section = parts[0];
  if (parts.size() > 1) Key = parts[1];
  LoadParams(false);
}

void TMyChart::LoadParams(bool reset) {
  TSite& site = graph.airspace.site();
  const std::string title_section = Section + "Title";
  std::string params = site.user_ini.ReadString(Section, Key);
  std::string title = site.user_ini.ReadString(title_section, Key);
  if (reset) {
    bool deleted = false;
    for (const auto& [section, value] : {std::pair{Section, params}, std::pair{title_section, title}}) {
      if (!site.user_ini.ValueExists(section, Key)) continue;
      site.user_ini.DeleteKey(section, Key);
      deleted = true;
    }
    if (deleted) site.user_ini.Save();
    params.clear();
    title.clear();
  }
  if (params.empty()) params = SplitPaneValue(Section, Key, site.site_ini.ReadString(Section, Key)).params;
  if (title.empty()) title = site.site_ini.ReadString(title_section, Key);

  Params = SplitPaneParams(Where(), params);
  const std::optional<int> height = PaneHeight(Where(), Params);
  const PaneBounds bounds = ReadPaneBounds(Where(), Params, graph.ctx.formats.Current().decimal_separator);
  Title = title;
  left.title = Params[kLeftTitle] + "  " + Params[kLeftUnits];
  right.title = Params[kRightTitle] + "  " + Params[kRightUnits];
  LeftUnits = Params[kLeftUnits];
  RightUnits = Params[kRightUnits];
  if (height) HeightShare = *height;

  // Restoring the defaults frees the bounds the defaults leave open.
  auto bound = [reset](const std::optional<double>& value, double& target, bool& automatic) {
    if (value) {
      target = *value;
      automatic = false;
    } else if (reset) {
      automatic = true;
    }
  };
  bound(bounds.left_max, left.max, left.auto_max);
  bound(bounds.left_min, left.min, left.auto_min);
  if (!right_repeats_left) {
    bound(bounds.right_max, right.max, right.auto_max);
    bound(bounds.right_min, right.min, right.auto_min);
  }
  if (reset) UpdateAutomaticBounds();
}

void TMyChart::SaveParams() {
  const char separator = graph.ctx.formats.Current().decimal_separator;
  Params[kLeftUnits] = LeftUnits;
  Params[kRightUnits] = RightUnits;
  Params[kHeight] = std::to_string(HeightShare);
  const std::pair<int, double> bounds[] = {
      {kLeftMax, left.max}, {kLeftMin, left.min}, {kRightMax, right.max}, {kRightMin, right.min}};
  for (const auto& [field, value] : bounds)
    if (Params.size() > static_cast<size_t>(field)) Params[field] = FormatBound(value, separator);
  std::string text;
  for (size_t i = 0; i < Params.size(); ++i) text += (i ? "," : "") + Params[i];
  TSite& site = graph.airspace.site();
  site.user_ini.WriteString(Section, Key, text);
  site.user_ini.Save();
}

void TMyChart::SetDateRange(int first, int last) {
  bottom.min = first;
  bottom.max = last;
  UpdateDateIncrement();
}

void TMyChart::UpdateDateIncrement() {
  const int w = plot_width != 0 ? plot_width : width * 3 / 4;
  if (w <= 0 || day_label_width <= 0) return;  // not drawn yet
  bottom.increment = DateIncrement(bottom.max - bottom.min, w, day_label_width);
}

void TMyChart::UpdateAutomaticBounds() {
  ApplyAutomatic(left, RangeOf(series, false));
  if (right_repeats_left)
    right.SetRange(left.min, left.max);
  else
    ApplyAutomatic(right, RangeOf(series, true));
}

}  // namespace sm
