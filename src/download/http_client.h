// The program's HTTP client, made and set up from the settings store.
#pragma once

#include <functional>
#include <memory>

#include "core/app_context.h"
#include "download/ftp_by_http.h"

namespace sm {

// A client with the context's window-message door and clock, and the read
// time-out, retries and proxy of the settings store.
std::shared_ptr<TFtpByHttp> CreateHttpClient(AppContext& ctx);
// Applies the stored settings again (after the preferences were confirmed).
void ApplyHttpSettings(AppContext& ctx, TFtpByHttp& http);

// Runs a transfer for someone who reads the message: a server failure comes
// out as std::runtime_error "Http: Server Error: " + the last attempt's error.
void WithHttpFailureDetails(const TFtpByHttp& http, const std::function<void()>& transfer);

}  // namespace sm
