#include "download/curl_get.h"

#include <curl/curl.h>
#include <unistd.h>

#include <algorithm>
#include <stdexcept>

namespace sm {
namespace {

// libcurl does not take a smaller receive buffer.
constexpr long kReceiveBufferSize = 1024;

template <typename T>
void SetOption(CURL* curl, CURLoption option, T value) {
  const CURLcode rc = curl_easy_setopt(curl, option, value);
  if (rc != CURLE_OK) throw std::runtime_error(std::string("Http: ") + curl_easy_strerror(rc));
}

}  // namespace

struct CurlGet::Hooks {
  static size_t Body(char* data, size_t size, size_t count, void* self) {
    static_cast<CurlGet*>(self)->body_->append(data, size * count);
    return size * count;
  }

  static size_t Header(char*, size_t size, size_t count, void* self) {
    auto* me = static_cast<CurlGet*>(self);
    if (me->new_connection_) {
      me->new_connection_ = false;
      me->listener_.OnConnected();
    }
    return size * count;
  }

  static int TransferInfo(void* self, curl_off_t dltotal, curl_off_t dlnow, curl_off_t, curl_off_t) {
    return static_cast<CurlGet*>(self)->listener_.OnProgress(dltotal, dlnow) ? 0 : 1;
  }

  static int SocketOptions(void* self, curl_socket_t, curlsocktype purpose) {
    auto* me = static_cast<CurlGet*>(self);
    if (purpose == CURLSOCKTYPE_IPCXN) {
      me->new_connection_ = true;
      me->listener_.OnConnecting();
    }
    return CURL_SOCKOPT_OK;
  }

  static int CloseSocket(void* self, curl_socket_t socket) {
    auto* me = static_cast<CurlGet*>(self);
    if (!me->closing_) me->listener_.OnDisconnected();
    return ::close(socket);
  }
};

void CurlGet::Cleanup::operator()(CURL* curl) const { curl_easy_cleanup(curl); }

CurlGet::CurlGet(Listener& listener) : listener_(listener), curl_(curl_easy_init()) {
  if (!curl_) throw std::runtime_error("Http: cannot start the HTTP client");
  SetOption(curl_.get(), CURLOPT_NOSIGNAL, 1L);
  SetOption(curl_.get(), CURLOPT_FOLLOWLOCATION, 0L);
  SetOption(curl_.get(), CURLOPT_PROTOCOLS_STR, "http,https");
  SetOption(curl_.get(), CURLOPT_BUFFERSIZE, kReceiveBufferSize);
  SetOption(curl_.get(), CURLOPT_WRITEFUNCTION, &Hooks::Body);
  SetOption(curl_.get(), CURLOPT_WRITEDATA, this);
  SetOption(curl_.get(), CURLOPT_HEADERFUNCTION, &Hooks::Header);
  SetOption(curl_.get(), CURLOPT_HEADERDATA, this);
  SetOption(curl_.get(), CURLOPT_NOPROGRESS, 0L);
  SetOption(curl_.get(), CURLOPT_XFERINFOFUNCTION, &Hooks::TransferInfo);
  SetOption(curl_.get(), CURLOPT_XFERINFODATA, this);
  SetOption(curl_.get(), CURLOPT_SOCKOPTFUNCTION, &Hooks::SocketOptions);
  SetOption(curl_.get(), CURLOPT_SOCKOPTDATA, this);
  SetOption(curl_.get(), CURLOPT_CLOSESOCKETFUNCTION, &Hooks::CloseSocket);
  SetOption(curl_.get(), CURLOPT_CLOSESOCKETDATA, this);
}

CurlGet::~CurlGet() {
  closing_ = true;  // the handle closes its connections as it goes
}

CurlGet::Result CurlGet::Get(const std::string& url, const HttpSettings& settings) {
  SetOption(curl_.get(), CURLOPT_URL, url.c_str());
  SetOption(curl_.get(), CURLOPT_CONNECTTIMEOUT_MS, static_cast<long>(settings.read_timeout_ms));
  // Nothing received for the read time-out (whole seconds) ends the request.
  SetOption(curl_.get(), CURLOPT_LOW_SPEED_LIMIT, 1L);
  SetOption(curl_.get(), CURLOPT_LOW_SPEED_TIME, static_cast<long>(std::max(1, (settings.read_timeout_ms + 999) / 1000)));
  // An empty proxy also keeps the environment's proxy variables out.
  SetOption(curl_.get(), CURLOPT_PROXY, settings.proxy_server.c_str());
  SetOption(curl_.get(), CURLOPT_NOPROXY, "");
  SetOption(curl_.get(), CURLOPT_PROXYPORT, static_cast<long>(settings.proxy_port));
  SetOption(curl_.get(), CURLOPT_PROXYAUTH, static_cast<unsigned long>(settings.proxy_auth ? CURLAUTH_BASIC : CURLAUTH_NONE));
  SetOption(curl_.get(), CURLOPT_PROXYUSERNAME, settings.proxy_auth ? settings.proxy_user.c_str() : "");
  SetOption(curl_.get(), CURLOPT_PROXYPASSWORD, settings.proxy_auth ? settings.proxy_password.c_str() : "");

  Result result;
  char error[CURL_ERROR_SIZE] = {};
  SetOption(curl_.get(), CURLOPT_ERRORBUFFER, error);
  body_ = &result.body;
  const CURLcode rc = curl_easy_perform(curl_.get());
  body_ = nullptr;
  SetOption(curl_.get(), CURLOPT_ERRORBUFFER, static_cast<char*>(nullptr));
  if (rc == CURLE_OK) {
    result.completed = true;
    curl_easy_getinfo(curl_.get(), CURLINFO_RESPONSE_CODE, &result.status);
  } else {
    result.error = error[0] ? error : curl_easy_strerror(rc);
    result.body.clear();
  }
  return result;
}

}  // namespace sm
