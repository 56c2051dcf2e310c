// The HTTP client's settings as the settings store keeps them.
#pragma once

#include <string>

#include "core/ini_reg.h"

namespace sm {

struct HttpSettings {
  int read_timeout_ms = 10000;  // before the settings are applied
  int retries = 5;              // repeat attempts after the first
  std::string proxy_server;     // empty: no proxy
  int proxy_port = 8080;
  bool proxy_auth = false;  // basic authentication at the proxy
  std::string proxy_user;
  std::string proxy_password;

  // From HTTPTimeOut (seconds), HTTPGetRetries and the Proxy... values.
  static HttpSettings Read(const TIniReg& settings);
};

}  // namespace sm
