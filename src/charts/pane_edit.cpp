#include "charts/pane_edit.h"

#include <stdexcept>

#include "charts/chart_definition.h"
#include "charts/graph_object.h"
#include "core/text.h"

namespace sm {

PaneFields EditFieldsOf(const TMyChart& pane) {
  PaneFields fields;
  for (size_t i = 0; i < fields.size() && i < pane.Params.size(); ++i) fields[i] = pane.Params[i];
  return fields;
}

bool IsValidHeightText(const std::string& text) {
  long long value = 0;
  return TryParseInt(Trim(text), value) && value >= 10 && value <= 90;
}

bool IsValidBoundText(const std::string& text, char decimal_separator) {
  return Trim(text).empty() || ReadNumber(Trim(text), decimal_separator).has_value();
}

void ApplyPaneEdit(TMyChart& pane, const PaneFields& edited, const std::function<void()>& relayout) {
  std::vector<std::string>& params = pane.Params;
  if (params.size() < edited.size()) params.resize(edited.size());
  for (int field : {kLeftTitle, kLeftUnits, kLeftMin, kLeftMax}) params[field] = edited[field];
  if (pane.HasRightAxis)
    for (int field : {kRightTitle, kRightUnits, kRightMin, kRightMax}) params[field] = edited[field];
  const bool height_changed = edited[kHeight] != params[kHeight];
  if (height_changed) params[kHeight] = edited[kHeight];

  std::string joined;
  for (size_t i = 0; i < params.size(); ++i) joined += (i ? "," : "") + params[i];
  IniFile& user_ini = pane.graph.airspace.site().user_ini;
  const bool had_override = user_ini.ValueExists(pane.Section, pane.Key);
  const std::string old_value = user_ini.ReadString(pane.Section, pane.Key);
  user_ini.WriteString(pane.Section, pane.Key, joined);
  user_ini.Save();
  try {
    pane.LoadParams(false);
  } catch (const std::exception&) {
    if (had_override)
      user_ini.WriteString(pane.Section, pane.Key, old_value);
    else
      user_ini.DeleteKey(pane.Section, pane.Key);
    user_ini.Save();
    pane.LoadParams(false);
    if (height_changed && relayout) relayout();
    throw std::runtime_error("Invalid chart parameters");
  }
  if (height_changed && relayout) relayout();
}

}  // namespace sm
