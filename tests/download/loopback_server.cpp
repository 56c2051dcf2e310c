#include "loopback_server.h"

#include <stdexcept>

namespace sm::test {

LoopbackServer::LoopbackServer() {
  port_ = server_.bind_to_any_port("127.0.0.1");
  if (port_ <= 0) throw std::runtime_error("cannot bind a loopback port");
  server_.set_pre_routing_handler([this](const httplib::Request& req, httplib::Response&) {
    std::lock_guard<std::mutex> lock(mutex_);
    requests_.push_back(req.method + " " + req.path);
    return httplib::Server::HandlerResponse::Unhandled;
  });
}

LoopbackServer::~LoopbackServer() {
  Release();
  server_.stop();
  if (thread_.joinable()) thread_.join();
}

void LoopbackServer::Start() {
  // The socket listens since the bind; requests wait in its queue until
  // the loop runs.
  thread_ = std::thread([this] { server_.listen_after_bind(); });
  // stop() does nothing to a loop that has not begun yet, and the
  // destructor would then wait for it for ever: return once it runs.
  const auto limit = std::chrono::steady_clock::now() + std::chrono::seconds(10);
  while (!server_.is_running()) {
    if (std::chrono::steady_clock::now() > limit) throw std::runtime_error("the loopback server did not start");
    std::this_thread::sleep_for(std::chrono::milliseconds(1));
  }
}

std::vector<std::string> LoopbackServer::Requests() const {
  std::lock_guard<std::mutex> lock(mutex_);
  return requests_;
}

void LoopbackServer::WaitForRelease(std::chrono::seconds limit) {
  std::unique_lock<std::mutex> lock(mutex_);
  released_cv_.wait_for(lock, limit, [this] { return released_; });
}

void LoopbackServer::Release() {
  {
    std::lock_guard<std::mutex> lock(mutex_);
    released_ = true;
  }
  released_cv_.notify_all();
}

}  // namespace sm::test
