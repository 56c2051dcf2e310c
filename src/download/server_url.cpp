#include "download/server_url.h"

namespace sm {

ServerUrl SplitServerUrl(std::string_view url) {
  const size_t scheme = url.find("//");
  const size_t host_start = scheme == std::string_view::npos ? 0 : scheme + 2;
  const size_t slash = url.find('/', host_start);
  if (slash == std::string_view::npos) return {std::string(url), "/"};
  return {std::string(url.substr(0, slash)), std::string(url.substr(slash))};
}

}  // namespace sm
