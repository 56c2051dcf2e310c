// Texts for HTTP status numbers, for describing a failed fetch.
#pragma once

#include <string>

namespace sm {

// "Not Found" for 404, "HTTP Timeout" for 0; empty for a number not known.
std::string HttpStatusText(int status);
// "HTTPGet Error 404: Not Found".
std::string HttpGetErrorText(int status);

}  // namespace sm
