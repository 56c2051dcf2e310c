#include "download/ftp_by_http.h"

#include <algorithm>

#include "core/files.h"
#include "core/text.h"
#include "download/curl_get.h"
#include "download/http_status.h"

namespace sm {
namespace {

// "http://host:80/x" -> "host".
std::string HostOf(std::string_view server) {
  const size_t scheme = server.find("//");
  if (scheme != std::string_view::npos) server.remove_prefix(scheme + 2);
  server = server.substr(0, server.find('/'));
  return std::string(server.substr(0, server.find(':')));
}

}  // namespace

// Turns libcurl's callbacks into the client's events, lets window messages
// run while a request waits, and breaks the request off once cancelled.
class TFtpByHttp::Events : public CurlGet::Listener {
 public:
  Events(UiHost& ui, const bool& cancelled) : ui_(ui), cancelled_(cancelled) {}

  TransferObserver none;  // ignores everything
  TransferObserver* observer = &none;

  void BeginAttempt() {
    work_begun_ = false;
    received_ = -1;
  }
  void EndAttempt() {
    if (work_begun_) observer->OnWorkEnd();
  }

  bool OnProgress(int64_t expected, int64_t received) override {
    ui_.ProcessMessages();
    if (!work_begun_ && (expected > 0 || received > 0)) {
      work_begun_ = true;
      observer->OnWorkBegin(expected);
    }
    if (work_begun_ && received != received_) {
      received_ = received;
      observer->OnWork(received);
    }
    return !cancelled_;
  }
  void OnConnecting() override { observer->OnStatus("Connecting"); }
  void OnConnected() override {
    observer->OnConnected();
    observer->OnStatus("Connected");
  }
  void OnDisconnected() override {
    observer->OnDisconnected();
    observer->OnStatus("Disconnected");
  }

 private:
  UiHost& ui_;
  const bool& cancelled_;
  bool work_begun_ = false;
  int64_t received_ = -1;
};

TFtpByHttp::TFtpByHttp(UiHost& ui, const Clock& clock)
    : clock_(clock), events_(std::make_unique<Events>(ui, cancelled_)),
      curl_(std::make_unique<CurlGet>(*events_)) {}

// The handle goes first: it still reports closing connections.
TFtpByHttp::~TFtpByHttp() { curl_.reset(); }

void TFtpByHttp::ApplySettings(const HttpSettings& settings) {
  settings_ = settings;
  Retries = settings.retries;
}

void TFtpByHttp::SetObserver(TransferObserver* observer) { events_->observer = observer ? observer : &events_->none; }

void TFtpByHttp::SetServer(std::string_view server) {
  server_ = std::string(server);
  host_ = HostOf(server);
}

void TFtpByHttp::ChangeDir(std::string_view dir) {
  std::string d = dir.empty() ? "/" : WithTrailingSlash(dir);
  current_dir_ = d[0] == '/' ? d : current_dir_ + d;
  url_ = server_ + current_dir_;
}

std::string TFtpByHttp::FileUrl(std::string_view name) const {
  if (!name.empty() && name[0] == '/') return server_ + std::string(name);
  return server_ + current_dir_ + std::string(name);
}

void TFtpByHttp::List() {
  listing_.Clear();
  if (!IndexPage.empty()) {
    try {
      ListFrom(FileUrl(IndexPage));
    } catch (const EFtpCancelledError&) {
      throw;
    } catch (const std::exception&) {
      // A missing or unreadable index page: the directory itself answers.
      listing_.Clear();
    }
  }
  if (listing_.Count() == 0) ListFrom(server_ + current_dir_);
  events_->observer->OnTransferEnd();
}

void TFtpByHttp::ListFrom(const std::string& url) {
  url_ = url;
  Fetch();
  listing_.ParseStream(buffer_, clock_.Now());
}

void TFtpByHttp::GetFile(std::string_view name, const std::string& local_path) {
  url_ = FileUrl(name);
  Fetch();
  WriteFileAtomically(local_path, buffer_);
}

void TFtpByHttp::FetchCgiSources() {
  const std::string saved = url_;
  const std::vector<std::string> sources = listing_.CgiSources;
  for (const std::string& source : sources) {
    url_ = source;
    try {
      Fetch();
    } catch (const std::exception&) {
      break;  // counters are a courtesy; the first failure ends them
    }
  }
  url_ = saved;
}

void TFtpByHttp::SetCancelled(bool cancelled) { cancelled_ = cancelled; }

void TFtpByHttp::ResetStatistics() { statistics_ = {}; }

void TFtpByHttp::Fetch() {
  TransferObserver& observer = *events_->observer;
  url_ = ReplaceAll(url_, " ", "%20");
  observer.OnTransferStart();
  ++statistics_.GetCount;
  if (url_.find("//") == std::string::npos) url_ = "http://" + url_;
  const int retries = std::max(0, Retries);
  last_status_ = 0;
  for (int attempt = 0; attempt <= retries; ++attempt) {
    if (cancelled_) throw EFtpCancelledError();
    Attempt();
    observer.OnGetAttempt(url_, last_status_, attempt);
    if (last_status_ == 408) ++statistics_.TimeoutCount;
    if (last_status_ != 0 && last_status_ != 408 && last_status_ != 504) break;
    ++statistics_.RetryCount;
  }
  // A transfer broken off by Cancel on its last attempt is a cancellation
  // too, not a server failure.
  if (cancelled_) throw EFtpCancelledError();
  observer.OnTransferEnd();
  if (last_status_ / 100 != 2) {
    ++statistics_.ErrorCount;
    throw EHttpServerError();
  }
  statistics_.BytesTotal += static_cast<int64_t>(buffer_.size());
}

void TFtpByHttp::Attempt() {
  buffer_.clear();
  events_->BeginAttempt();
  CurlGet::Result result = curl_->Get(url_, settings_);
  events_->EndAttempt();
  // Like the client the program was made for, any answer that is not 2xx
  // counts as a failed attempt with status 0; the error keeps the number.
  if (result.completed && result.status / 100 == 2) {
    last_status_ = static_cast<int>(result.status);
    buffer_ = std::move(result.body);
  } else {
    last_status_ = 0;
    last_error_ = result.completed ? HttpGetErrorText(static_cast<int>(result.status)) : result.error;
  }
}

}  // namespace sm
