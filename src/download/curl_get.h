// One HTTP GET at a time over a libcurl easy handle, which keeps its
// connection open for the next request to the same server.
#pragma once

#include <cstdint>
#include <memory>
#include <string>

#include "download/http_settings.h"

typedef void CURL;

namespace sm {

class CurlGet {
 public:
  class Listener {
   public:
    virtual ~Listener() = default;
    // Called while a request runs: often while data arrives, about once a
    // second while it waits. Returning false breaks the request off.
    virtual bool OnProgress(int64_t expected, int64_t received) = 0;
    virtual void OnConnecting() = 0;
    // The first response line of a request on a new connection.
    virtual void OnConnected() = 0;
    virtual void OnDisconnected() = 0;
  };

  struct Result {
    bool completed = false;  // a whole response arrived, whatever its status
    long status = 0;         // the response's status when completed
    std::string error;       // why not, when not completed
    std::string body;
  };

  explicit CurlGet(Listener& listener);
  ~CurlGet();
  CurlGet(const CurlGet&) = delete;
  CurlGet& operator=(const CurlGet&) = delete;

  // Redirects are not followed; only http and https are spoken. The read
  // time-out ends a request that receives nothing for that long.
  Result Get(const std::string& url, const HttpSettings& settings);

 private:
  struct Hooks;  // libcurl's callbacks
  friend struct Hooks;

  Listener& listener_;
  struct Cleanup {
    void operator()(CURL* curl) const;
  };
  std::unique_ptr<CURL, Cleanup> curl_;
  std::string* body_ = nullptr;  // of the request in progress
  bool new_connection_ = false;  // a socket opened since the last response began
  bool closing_ = false;         // no events while the handle is cleaned up
};

}  // namespace sm
