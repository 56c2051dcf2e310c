#include "app/airspace_commands.h"

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

}  // namespace sm
