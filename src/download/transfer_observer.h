// What the HTTP client tells its owner while it works. The download window
// implements it to show progress and to log attempts; every call comes on
// the thread that runs the transfer, synchronously.
#pragma once

#include <cstdint>
#include <string>

namespace sm {

class TransferObserver {
 public:
  virtual ~TransferObserver() = default;

  // A fetch begins.
  virtual void OnTransferStart() {}
  // A fetch's attempts are over (before its status is judged), and again
  // when a listing is complete. Not after a cancelled fetch.
  virtual void OnTransferEnd() {}
  // After every attempt; `attempt` counts from 0, `status` is 0 for any
  // failure.
  virtual void OnGetAttempt(const std::string& /*url*/, int /*status*/, int /*attempt*/) {}

  // The client's connection and data events.
  virtual void OnConnected() {}
  virtual void OnDisconnected() {}
  virtual void OnStatus(const std::string& /*text*/) {}
  virtual void OnWorkBegin(int64_t /*expected_bytes*/) {}
  virtual void OnWork(int64_t /*bytes_so_far*/) {}
  virtual void OnWorkEnd() {}
};

}  // namespace sm
