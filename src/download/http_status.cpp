#include "download/http_status.h"

#include <utility>

namespace sm {

std::string HttpStatusText(int status) {
  static constexpr std::pair<int, const char*> kTexts[] = {
      {0, "HTTP Timeout"},
      {100, "Continue"},
      {101, "Switching Protocols"},
      {200, "OK"},
      {201, "Created"},
      {202, "Accepted"},
      {203, "Non-Authoritative Information"},
      {204, "No Content"},
      {205, "Reset Content"},
      {206, "Partial Content"},
      {300, "Multiple Choices"},
      {301, "Moved Permanently"},
      {302, "Moved Temporarily"},
      {303, "See Other"},
      {304, "Not Modified"},
      {305, "Use Proxy"},
      {400, "Bad Request"},
      {401, "Unauthorized"},
      {402, "Payment Required"},
      {403, "Forbidden"},
      {404, "Not Found"},
      {405, "Method Not Allowed"},
      {406, "None Acceptable"},
      {407, "Proxy Authentication Required"},
      {408, "Request Timeout"},
      {409, "Conflict"},
      {410, "Gone"},
      {411, "Length Required"},
      {412, "Unless True"},
      {500, "Internal Server Error"},
      {501, "Not Implemented"},
      {502, "Bad Gateway"},
      {503, "Service Unavailable"},
      {504, "Gateway Timeout"},
  };
  for (const auto& [number, text] : kTexts)
    if (number == status) return text;
  return "";
}

std::string HttpGetErrorText(int status) {
  return "HTTPGet Error " + std::to_string(status) + ": " + HttpStatusText(status);
}

}  // namespace sm
