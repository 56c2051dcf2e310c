// A small file-transfer client in the manner of FTP (choose a server,
// change directory, list it, get a file) carried by HTTP GET requests
// against a web server whose directories can be browsed. Adds to plain
// HTTP: URLs from a server prefix and a current directory, a retry loop with
// events, cancellation, transfer statistics and the directory listing.
#pragma once

#include <cstdint>
#include <memory>
#include <stdexcept>
#include <string>
#include <string_view>

#include "core/clock.h"
#include "core/ui_host.h"
#include "download/html_dir.h"
#include "download/http_settings.h"
#include "download/transfer_observer.h"

namespace sm {

class CurlGet;

// The user cancelled; callers tell it apart from transfer failures.
class EFtpCancelledError : public std::runtime_error {
 public:
  EFtpCancelledError() : std::runtime_error("Http: Operation cancelled") {}
};

// A fetch whose last attempt had no 2xx answer. LastError() says more.
class EHttpServerError : public std::runtime_error {
 public:
  EHttpServerError() : std::runtime_error("Http: Server Error") {}
};

struct TransferStatistics {
  int GetCount = 0;      // fetches started
  int RetryCount = 0;    // attempts that ended with status 0, 408 or 504
  int ErrorCount = 0;    // fetches that ended without a 2xx status
  int TimeoutCount = 0;  // attempts that ended with status 408
  int64_t BytesTotal = 0;  // body bytes of the successful fetches
};

class TFtpByHttp {
 public:
  // `ui` lets window messages run while the client waits; `clock` dates
  // listing entries that show no date.
  TFtpByHttp(UiHost& ui, const Clock& clock);
  ~TFtpByHttp();
  TFtpByHttp(const TFtpByHttp&) = delete;
  TFtpByHttp& operator=(const TFtpByHttp&) = delete;

  // Read time-out, retries and proxy; see HttpSettings::Read.
  void ApplySettings(const HttpSettings& settings);
  const HttpSettings& Settings() const { return settings_; }
  // Events go to `observer` (not owned; nullptr for none).
  void SetObserver(TransferObserver* observer);

  // A host name, optionally with scheme and port: the prefix of every URL.
  void SetServer(std::string_view server);
  // An empty dir is "/"; a dir beginning with "/" replaces the current one,
  // any other is appended. Points Url at the directory.
  void ChangeDir(std::string_view dir);
  // Replaces Listing with the entries of the current directory: from
  // IndexPage first when set, else (or when that fails or lists nothing)
  // from the directory URL. Throws when the directory URL fails.
  void List();
  // Fetches the file `name` of the current directory (or the server path
  // `name` when it begins with "/") and writes it whole to `local_path`.
  // A failed fetch leaves any file there untouched.
  void GetFile(std::string_view name, const std::string& local_path);
  // Requests each counter source of Listing in turn, until one fails;
  // never throws.
  void FetchCgiSources();
  // Setting it breaks off a transfer in progress; every later fetch raises
  // EFtpCancelledError until it is cleared.
  void SetCancelled(bool cancelled);
  void ResetStatistics();

  const std::string& Server() const { return server_; }
  const std::string& Host() const { return host_; }
  const std::string& CurrentDir() const { return current_dir_; }
  const std::string& Url() const { return url_; }
  bool Cancelled() const { return cancelled_; }
  const std::string& Buffer() const { return buffer_; }  // body of the last successful fetch
  int LastStatus() const { return last_status_; }
  const std::string& LastError() const { return last_error_; }
  const TransferStatistics& Statistics() const { return statistics_; }
  const THTMLDir& Listing() const { return listing_; }

  // A listing page to try before the directory URL ("grelmdir.html");
  // empty for none.
  std::string IndexPage;
  // Repeat attempts after the first.
  int Retries = 5;

 private:
  class Events;

  std::string FileUrl(std::string_view name) const;
  // Fetches url_ into buffer_ with retries; throws on failure.
  void Fetch();
  void Attempt();
  void ListFrom(const std::string& url);

  const Clock& clock_;
  HttpSettings settings_;
  std::unique_ptr<Events> events_;
  std::unique_ptr<CurlGet> curl_;
  std::string server_, host_, current_dir_ = "/", url_;
  std::string buffer_;
  bool cancelled_ = false;
  int last_status_ = 0;
  std::string last_error_;
  TransferStatistics statistics_;
  THTMLDir listing_;
};

}  // namespace sm
