// A full URL taken apart into what the HTTP client is given: the server
// prefix and the path on that server.
#pragma once

#include <string>
#include <string_view>

namespace sm {

struct ServerUrl {
  std::string server;  // "http://host:port", or "host" when no scheme was given
  std::string path;    // from the first "/" after the host; "/" when none
};

ServerUrl SplitServerUrl(std::string_view url);

}  // namespace sm
