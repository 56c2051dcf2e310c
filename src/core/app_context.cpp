#include "core/app_context.h"

namespace sm {

AppContext::AppContext(UiHost& ui_host, const Clock& clk, Environment environment)
    : ui(ui_host), clock(clk), env(std::move(environment)) {}

AppContext::~AppContext() = default;

int AppContext::CurrentYear() const { return DecodeDate(clock.Now()).year; }

void ReportError(AppContext& ctx, const std::string& message, int severity) {
  if (ctx.error_log) ctx.error_log->Add(SeverityTag(severity) + " " + message);
  if (!ctx.error_log || severity >= 200) ctx.ui.ShowPlainMessage(message);
}

bool ShowCheckMessage(AppContext& ctx, const std::string& message, const std::string& check_caption, bool checked) {
  return ctx.ui.ShowCheckMessage(message, check_caption, checked);
}

}  // namespace sm
