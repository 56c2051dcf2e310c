#include "app/airspace_commands.h"

#include <cmath>

#include "airspace/model.h"
#include "airspace/views.h"
#include "core/text.h"

namespace sm {

FormatSettings UserFormats(const AppContext& ctx) {
  return ctx.startup.iso_formatting ? FixedFormats() : ctx.formats.LocaleFormats();
}

std::optional<TypedDate> ReadTypedDate(std::string_view text, const AppContext& ctx) {
  const FormatSettings user = UserFormats(ctx);
  std::string trimmed = Trim(text);
  std::optional<TDateTime> date = TryStrToDate(trimmed, user, ctx.CurrentYear());
  if (!date) date = TryStrToDate(trimmed, FixedFormats(), ctx.CurrentYear());
  if (!date) return std::nullopt;
  return TypedDate{*date, DateToStr(*date, user)};
}

std::string UserDateText(TDateTime date, const AppContext& ctx) { return DateToStr(date, UserFormats(ctx)); }

void SetBatchStart(TAirspace& airspace, long long day) {
  airspace.SetLiveStart(day);
  BuildViews(airspace);
  TDateTime start = airspace.live_batch_start;
  for (const auto& view : airspace.views)
    if (view->kind == 1) start = view->start;
  TSite& site = airspace.site();
  site.user_ini.WriteInteger(airspace.name, "LiveBatchStart", static_cast<long long>(std::trunc(start)));
  site.user_ini.Save();
  if (airspace.model_loaded) ComputeModelTexts(airspace);
  airspace.computed = false;
}

PropertyValues ReadProperties(const TAirspace& airspace) {
  PropertyValues values;
  for (const std::string& name : airspace.scope.constant_names())
    values.emplace_back(name, airspace.site().site_ini.ReadString(airspace.name, name, "1"));
  return values;
}

void WriteProperties(TAirspace& airspace, const PropertyValues& values) {
  IniFile& ini = airspace.site().site_ini;
  for (const auto& [name, value] : values) ini.WriteString(airspace.name, name, value);
  ini.Save();
}

int SpanDays(TDateTime start, TDateTime end) { return static_cast<int>(std::floor(end - start + 0.5)); }

}  // namespace sm
