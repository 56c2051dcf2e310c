#include "download/http_client.h"

#include <stdexcept>

namespace sm {

std::shared_ptr<TFtpByHttp> CreateHttpClient(AppContext& ctx) {
  auto http = std::make_shared<TFtpByHttp>(ctx.ui, ctx.clock);
  ApplyHttpSettings(ctx, *http);
  return http;
}

void ApplyHttpSettings(AppContext& ctx, TFtpByHttp& http) {
  http.ApplySettings(HttpSettings::Read(ctx.settings ? *ctx.settings : ctx.Section("Settings")));
}

void WithHttpFailureDetails(const TFtpByHttp& http, const std::function<void()>& transfer) {
  try {
    transfer();
  } catch (const EHttpServerError& e) {
    throw std::runtime_error(std::string(e.what()) + ": " + http.LastError());
  }
}

}  // namespace sm
