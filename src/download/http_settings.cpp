#include "download/http_settings.h"

#include <algorithm>

namespace sm {

HttpSettings HttpSettings::Read(const TIniReg& settings) {
  HttpSettings s;
  // Seconds in the store; a nonsensical value must not switch time-outs off
  // or overflow.
  const int seconds = std::clamp(settings.ReadInteger("HTTPTimeOut", 20), 1, 24 * 3600);
  s.read_timeout_ms = seconds * 1000;
  s.retries = std::max(0, settings.ReadInteger("HTTPGetRetries", 5));
  s.proxy_server = settings.ReadString("ProxyServer", "");
  s.proxy_port = settings.ReadInteger("ProxyPort", 8080);
  s.proxy_auth = settings.ReadBool("ProxyAuth", false);
  s.proxy_user = settings.ReadString("ProxyUser", "");
  s.proxy_password = settings.ReadString("ProxyPwd", "");
  return s;
}

}  // namespace sm
