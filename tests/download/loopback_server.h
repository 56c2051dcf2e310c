// A real HTTP server on 127.0.0.1 at a free port, run by a test: routes are
// set on server() before Start(); every request line is recorded.
#pragma once

#include <httplib.h>

#include <chrono>
#include <condition_variable>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

namespace sm::test {

class LoopbackServer {
 public:
  LoopbackServer();
  ~LoopbackServer();
  LoopbackServer(const LoopbackServer&) = delete;
  LoopbackServer& operator=(const LoopbackServer&) = delete;

  httplib::Server& server() { return server_; }
  int port() const { return port_; }
  std::string HostPort() const { return "127.0.0.1:" + std::to_string(port_); }
  std::string Url() const { return "http://" + HostPort(); }

  void Start();
  // "GET /path" per request, in arrival order.
  std::vector<std::string> Requests() const;

  // For handlers that stall: wait until the test releases them (at the
  // latest when the server goes) or the limit passes.
  void WaitForRelease(std::chrono::seconds limit);
  void Release();

 private:
  httplib::Server server_;
  int port_ = 0;
  std::thread thread_;
  mutable std::mutex mutex_;
  std::condition_variable released_cv_;
  bool released_ = false;
  std::vector<std::string> requests_;
};

}  // namespace sm::test
