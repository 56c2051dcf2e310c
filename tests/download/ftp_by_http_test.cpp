// The HTTP client against a real server on 127.0.0.1: retries, events,
// statistics, time-outs, cancellation, listings and the proxy settings.
#include <gtest/gtest.h>

#include <chrono>
#include <thread>

#include "core/files.h"
#include "core/ini_reg.h"
#include "download/ftp_by_http.h"
#include "download/http_status.h"
#include "loopback_server.h"
#include "support/fake_ui_host.h"
#include "support/temp_dir.h"

namespace sm {
namespace {

using namespace std::chrono_literals;

struct RecordingObserver : TransferObserver {
  std::vector<std::string> events;  // transfer events in order
  std::vector<int> statuses;        // of the attempts
  int connected = 0, disconnected = 0, work_begun = 0, work_ended = 0;
  int64_t expected = -1, last_work = -1;

  void OnTransferStart() override { events.push_back("start"); }
  void OnTransferEnd() override { events.push_back("end"); }
  void OnGetAttempt(const std::string& url, int status, int attempt) override {
    events.push_back("attempt " + std::to_string(attempt) + " " + std::to_string(status) + " " + url);
    statuses.push_back(status);
  }
  void OnConnected() override { ++connected; }
  void OnDisconnected() override { ++disconnected; }
  void OnWorkBegin(int64_t bytes) override {
    ++work_begun;
    expected = bytes;
  }
  void OnWork(int64_t bytes) override { last_work = bytes; }
  void OnWorkEnd() override { ++work_ended; }
};

const char kDataListing[] =
    "<html><body><pre><a href=\"?C=N;O=D\">Name</a>\n"
    "<a href=\"/grelm/\">Parent Directory</a>\n"
    "<a href=\"a.smd\">a.smd</a>   15-Jan-2004 15:41   12K\n"
    "<a href=\"my%20file.smd\">my file.smd</a>   16-Jan-2004 10:00   1K\n"
    "</pre></body></html>\n";

std::string ListingOf(const std::string& name) {
  return "<a href=\"/\">up</a><br><a href=\"" + name + "\">" + name + "</a><br>";
}

class FtpByHttpTest : public ::testing::Test {
 protected:
  FtpByHttpTest() {
    auto& s = server.server();
    s.Get("/grelm/data/", [](const httplib::Request&, httplib::Response& res) {
      res.set_content(kDataListing, "text/html");
    });
    s.Get("/grelm/data/a.smd", [](const httplib::Request&, httplib::Response& res) {
      res.set_content("A-data", "application/octet-stream");
    });
    s.Get("/grelm/data/my file.smd", [](const httplib::Request&, httplib::Response& res) {
      res.set_content("spaced", "application/octet-stream");
    });
    s.Get("/big", [](const httplib::Request&, httplib::Response& res) {
      res.set_content(std::string(100000, 'b'), "application/octet-stream");
    });
    s.Get("/flaky", [this](const httplib::Request&, httplib::Response& res) {
      if (++flaky_calls <= 2) {
        res.status = 503;
        return;
      }
      res.set_content("third time", "text/plain");
    });
    s.Get("/stall", [this](const httplib::Request&, httplib::Response& res) {
      server.WaitForRelease(30s);
      res.set_content("late", "text/plain");
    });
    s.Get("/truncated", [](const httplib::Request&, httplib::Response& res) {
      res.set_content_provider(1000, "application/octet-stream",
                               [](size_t, size_t, httplib::DataSink& sink) {
                                 sink.write("only ten b", 10);
                                 return false;  // then the connection drops
                               });
    });
    s.Get("/moved", [](const httplib::Request&, httplib::Response& res) { res.set_redirect("/big"); });
    // Listing pages: with an index page, with a missing one, with an empty one.
    s.Get("/idx/grelmdir.html", [](const httplib::Request&, httplib::Response& res) {
      res.set_content(ListingOf("from-index.smd"), "text/html");
    });
    s.Get("/idx/", [](const httplib::Request&, httplib::Response& res) {
      res.set_content(ListingOf("from-dir.smd"), "text/html");
    });
    s.Get("/noidx/", [](const httplib::Request&, httplib::Response& res) {
      res.set_content(ListingOf("from-dir.smd"), "text/html");
    });
    s.Get("/emptyidx/grelmdir.html", [](const httplib::Request&, httplib::Response& res) {
      res.set_content("<a href=\"/\">up</a> nothing here", "text/html");
    });
    s.Get("/emptyidx/", [](const httplib::Request&, httplib::Response& res) {
      res.set_content(ListingOf("from-dir.smd"), "text/html");
    });
    s.Get("/cgi/", [this](const httplib::Request&, httplib::Response& res) {
      const std::string base = server.Url();
      res.set_content("<a href=\"/\"></a><img src=\"" + base + "/cgi-bin/count?1\"><img src=\"" + base +
                          "/cgi-bin/missing\"><img src=\"" + base + "/cgi-bin/count?2\"><img src=\"/logo.gif\">",
                      "text/html");
    });
    s.Get("/cgi-bin/count", [](const httplib::Request&, httplib::Response& res) { res.set_content("1", "text/plain"); });
    server.Start();
    http.SetObserver(&observer);
    http.SetServer(server.Url());
  }

  // The requests after the ones made so far.
  std::vector<std::string> NewRequests() {
    auto all = server.Requests();
    std::vector<std::string> fresh(all.begin() + static_cast<long>(seen_requests), all.end());
    seen_requests = all.size();
    return fresh;
  }

  test::LoopbackServer server;  // declared first: outlives the client
  std::atomic<int> flaky_calls{0};
  test::FakeUiHost ui;
  FixedClock clock{EncodeDateTime(2024, 3, 10, 12, 0, 0)};
  TFtpByHttp http{ui, clock};
  RecordingObserver observer;
  test::TempDir dir;
  size_t seen_requests = 0;
};

TEST_F(FtpByHttpTest, ChangeDirFormsTheUrl) {
  struct Step {
    const char* dir;
    const char* current;
  };
  const Step steps[] = {{"", "/"}, {"/grelm/", "/grelm/"}, {"data", "/grelm/data/"}, {"more/", "/grelm/data/more/"},
                        {"/x", "/x/"}};
  for (const Step& s : steps) {
    http.ChangeDir(s.dir);
    EXPECT_EQ(http.CurrentDir(), s.current);
    EXPECT_EQ(http.Url(), server.Url() + s.current);
  }
}

TEST_F(FtpByHttpTest, GetFileWritesTheBodyAndCountsTheFetch) {
  // A bare host gets the scheme; a space travels as %20; the name is taken
  // in the current directory.
  http.SetServer(server.HostPort());
  EXPECT_EQ(http.Host(), "127.0.0.1");
  http.ChangeDir("/grelm/data/");
  http.GetFile("my file.smd", dir / "spaced.smd");
  EXPECT_EQ(test::Slurp(dir / "spaced.smd"), "spaced");
  const std::string url = "http://" + server.HostPort() + "/grelm/data/my%20file.smd";
  EXPECT_EQ(observer.events, (std::vector<std::string>{"start", "attempt 0 200 " + url, "end"}));
  EXPECT_EQ(http.Url(), url);
  EXPECT_EQ(http.Buffer(), "spaced");
  EXPECT_EQ(http.LastStatus(), 200);

  // A name beginning with "/" ignores the current directory.
  http.GetFile("/big", dir / "big");
  EXPECT_EQ(test::Slurp(dir / "big").size(), 100000u);
  EXPECT_EQ(NewRequests(), (std::vector<std::string>{"GET /grelm/data/my file.smd", "GET /big"}));
  const TransferStatistics& s = http.Statistics();
  EXPECT_EQ(s.GetCount, 2);
  EXPECT_EQ(s.RetryCount, 0);
  EXPECT_EQ(s.ErrorCount, 0);
  EXPECT_EQ(s.BytesTotal, 100006);
  // The client's own events: a connection and progress over the body.
  EXPECT_GE(observer.connected, 1);
  EXPECT_EQ(observer.expected, 100000);
  EXPECT_EQ(observer.last_work, 100000);
  EXPECT_EQ(observer.work_begun, observer.work_ended);
  EXPECT_GT(ui.process_messages_calls, 0);

  http.ResetStatistics();
  EXPECT_EQ(http.Statistics().GetCount, 0);
  EXPECT_EQ(http.Statistics().BytesTotal, 0);
}

TEST_F(FtpByHttpTest, FailedAttemptsAreRetriedAndFailuresWriteNothing) {
  struct Case {
    const char* path;
    int retries;
    std::vector<int> statuses;
    std::string last_error;  // empty: success
  };
  const Case cases[] = {
      {"/flaky", 5, {0, 0, 200}, ""},
      {"/missing", 5, {0, 0, 0, 0, 0, 0}, "HTTPGet Error 404: Not Found"},
      {"/missing", 0, {0}, "HTTPGet Error 404: Not Found"},
      {"/truncated", 2, {0, 0, 0}, "transfer closed"},
      {"/moved", 1, {0, 0}, "HTTPGet Error 302: Moved Temporarily"},  // not followed
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.path);
    flaky_calls = 0;
    observer = RecordingObserver();
    http.ResetStatistics();
    http.Retries = c.retries;
    const std::string local = dir.Write("local", "old");
    const bool ok = c.last_error.empty();
    if (ok) {
      http.GetFile(c.path, local);
      EXPECT_EQ(test::Slurp(local), "third time");
    } else {
      try {
        http.GetFile(c.path, local);
        ADD_FAILURE() << "no error";
      } catch (const EHttpServerError& e) {
        EXPECT_STREQ(e.what(), "Http: Server Error");
      }
      EXPECT_NE(http.LastError().find(c.last_error), std::string::npos) << http.LastError();
      EXPECT_EQ(test::Slurp(local), "old");
      EXPECT_EQ(ListFiles(dir.path(), "*"), std::vector<std::string>{"local"});
      EXPECT_EQ(http.LastStatus(), 0);
    }
    EXPECT_EQ(observer.statuses, c.statuses);
    ASSERT_EQ(observer.events.size(), c.statuses.size() + 2);
    EXPECT_EQ(observer.events.front(), "start");
    EXPECT_EQ(observer.events.back(), "end");
    for (size_t i = 0; i < c.statuses.size(); ++i)
      EXPECT_EQ(observer.events[i + 1].rfind("attempt " + std::to_string(i) + " ", 0), 0u);
    const TransferStatistics& s = http.Statistics();
    EXPECT_EQ(s.GetCount, 1);
    EXPECT_EQ(s.RetryCount, static_cast<int>(ok ? c.statuses.size() - 1 : c.statuses.size()));
    EXPECT_EQ(s.ErrorCount, ok ? 0 : 1);
    EXPECT_EQ(s.TimeoutCount, 0);
    EXPECT_EQ(s.BytesTotal, ok ? 10 : 0);
  }
}

TEST_F(FtpByHttpTest, ReadTimeOutAndRetriesComeFromTheSettings) {
  TIniReg settings(dir / "registry.ini", "Settings");
  settings.WriteInteger("HTTPTimeOut", 1);
  settings.WriteInteger("HTTPGetRetries", 1);
  http.ApplySettings(HttpSettings::Read(settings));
  EXPECT_EQ(http.Retries, 1);
  EXPECT_THROW(http.GetFile("/stall", dir / "never"), EHttpServerError);
  EXPECT_EQ(observer.statuses, (std::vector<int>{0, 0}));
  EXPECT_NE(http.LastError().find("Operation too slow"), std::string::npos) << http.LastError();
  EXPECT_FALSE(FileExists(dir / "never"));
  // Window messages ran while the client waited.
  EXPECT_GT(ui.process_messages_calls, 0);
}

TEST_F(FtpByHttpTest, CancelledBeforeAFetchMakesNoRequest) {
  http.SetCancelled(true);
  EXPECT_THROW(http.GetFile("/big", dir / "big"), EFtpCancelledError);
  EXPECT_EQ(observer.events, std::vector<std::string>{"start"});  // no end for a cancelled fetch
  EXPECT_TRUE(server.Requests().empty());
  EXPECT_FALSE(FileExists(dir / "big"));
  try {
    http.List();
  } catch (const EFtpCancelledError& e) {
    EXPECT_STREQ(e.what(), "Http: Operation cancelled");
  }
  http.SetCancelled(false);
  http.GetFile("/big", dir / "big");
  EXPECT_TRUE(FileExists(dir / "big"));
}

// Presses Cancel from inside the message loop, as the download window's
// button does while a transfer waits.
class CancellingUi : public test::FakeUiHost {
 public:
  TFtpByHttp* http = nullptr;
  void ProcessMessages() override {
    FakeUiHost::ProcessMessages();
    if (process_messages_calls == 3) http->SetCancelled(true);
  }
};

TEST_F(FtpByHttpTest, CancelBreaksOffAWaitingTransfer) {
  CancellingUi cancelling_ui;
  TFtpByHttp client(cancelling_ui, clock);
  cancelling_ui.http = &client;
  client.SetObserver(&observer);
  client.SetServer(server.Url());
  HttpSettings slow;
  slow.read_timeout_ms = 60000;
  slow.retries = 5;
  client.ApplySettings(slow);
  const auto started = std::chrono::steady_clock::now();
  EXPECT_THROW(client.GetFile("/stall", dir / "never"), EFtpCancelledError);
  // The broken-off attempt counts as failed; no further attempt is made.
  EXPECT_EQ(observer.statuses, std::vector<int>{0});
  EXPECT_EQ(observer.events.back().rfind("attempt 0 0 ", 0), 0u);
  EXPECT_EQ(client.Statistics().ErrorCount, 0);
  EXPECT_FALSE(FileExists(dir / "never"));
  EXPECT_LT(std::chrono::steady_clock::now() - started, 30s);  // not the time-out, not the stall
}

TEST_F(FtpByHttpTest, ListFillsTheListingFromTheDirectoryPage) {
  http.ChangeDir("/grelm/data");
  http.List();
  const THTMLDir& listing = http.Listing();
  ASSERT_EQ(listing.Count(), 2);
  EXPECT_EQ(listing[0].Name, "a.smd");
  EXPECT_EQ(listing[0].Size, 12000);
  EXPECT_EQ(listing[1].Name, "my%20file.smd");
  // One fetch, its end, and the listing's end.
  EXPECT_EQ(observer.events,
            (std::vector<std::string>{"start", "attempt 0 200 " + server.Url() + "/grelm/data/", "end", "end"}));
}

TEST_F(FtpByHttpTest, ListTriesTheIndexPageFirst) {
  struct Case {
    const char* dir;
    const char* entry;
    std::vector<std::string> requests;
  };
  const Case cases[] = {
      {"/idx/", "from-index.smd", {"GET /idx/grelmdir.html"}},
      {"/noidx/", "from-dir.smd", {"GET /noidx/grelmdir.html", "GET /noidx/"}},
      {"/emptyidx/", "from-dir.smd", {"GET /emptyidx/grelmdir.html", "GET /emptyidx/"}},
  };
  http.Retries = 0;
  http.IndexPage = "grelmdir.html";
  for (const Case& c : cases) {
    SCOPED_TRACE(c.dir);
    http.ChangeDir(c.dir);
    http.List();
    ASSERT_EQ(http.Listing().Count(), 1);
    EXPECT_EQ(http.Listing()[0].Name, c.entry);
    EXPECT_EQ(NewRequests(), c.requests);
  }
  // A directory without any listing: the failure reaches the caller, the
  // listing is left empty.
  http.ChangeDir("/nothing/");
  EXPECT_THROW(http.List(), EHttpServerError);
  EXPECT_EQ(http.Listing().Count(), 0);
}

TEST_F(FtpByHttpTest, CounterSourcesAreRequestedUntilOneFails) {
  http.Retries = 0;
  http.ChangeDir("/cgi/");
  http.List();
  EXPECT_EQ(http.Listing().CgiSources.size(), 3u);
  const std::string url = http.Url();
  NewRequests();
  http.FetchCgiSources();
  EXPECT_EQ(NewRequests(), (std::vector<std::string>{"GET /cgi-bin/count", "GET /cgi-bin/missing"}));
  EXPECT_EQ(http.Url(), url);
}

TEST_F(FtpByHttpTest, ProxySettingsSendRequestsThroughTheProxy) {
  test::LoopbackServer proxy;
  std::mutex mutex;
  std::string target, authorization;
  proxy.server().Get(".*", [&](const httplib::Request& req, httplib::Response& res) {
    std::lock_guard<std::mutex> lock(mutex);
    target = req.path;
    authorization = req.get_header_value("Proxy-Authorization");
    res.set_content("via proxy", "text/plain");
  });
  proxy.Start();
  test::TempDir home;
  TIniReg settings(home / "registry.ini", "Settings");
  settings.WriteString("ProxyServer", "127.0.0.1");
  settings.WriteInteger("ProxyPort", proxy.port());
  settings.WriteBool("ProxyAuth", true);
  settings.WriteString("ProxyUser", "user");
  settings.WriteString("ProxyPwd", "pw");
  // A client of its own, gone before the proxy: it holds a connection to it.
  TFtpByHttp client(ui, clock);
  client.SetServer(server.Url());
  client.ApplySettings(HttpSettings::Read(settings));
  client.GetFile("/grelm/data/a.smd", dir / "a.smd");
  EXPECT_EQ(test::Slurp(dir / "a.smd"), "via proxy");
  std::lock_guard<std::mutex> lock(mutex);
  EXPECT_EQ(target, server.Url() + "/grelm/data/a.smd");
  EXPECT_EQ(authorization, "Basic dXNlcjpwdw==");
  EXPECT_TRUE(server.Requests().empty());
}

TEST(HttpSettingsTest, DefaultsAndStoredValues) {
  test::TempDir home;
  TIniReg settings(home / "registry.ini", "Settings");
  HttpSettings d = HttpSettings::Read(settings);
  EXPECT_EQ(d.read_timeout_ms, 20000);
  EXPECT_EQ(d.retries, 5);
  EXPECT_EQ(d.proxy_server, "");
  EXPECT_EQ(d.proxy_port, 8080);
  EXPECT_FALSE(d.proxy_auth);
  settings.WriteInteger("HTTPTimeOut", 0);
  settings.WriteInteger("HTTPGetRetries", -3);
  HttpSettings odd = HttpSettings::Read(settings);
  EXPECT_EQ(odd.read_timeout_ms, 1000);  // never "no time-out"
  EXPECT_EQ(odd.retries, 0);
}

TEST(HttpStatusTest, Descriptions) {
  EXPECT_EQ(HttpGetErrorText(404), "HTTPGet Error 404: Not Found");
  EXPECT_EQ(HttpGetErrorText(0), "HTTPGet Error 0: HTTP Timeout");
  EXPECT_EQ(HttpGetErrorText(412), "HTTPGet Error 412: Unless True");
  EXPECT_EQ(HttpGetErrorText(418), "HTTPGet Error 418: ");
}

}  // namespace
}  // namespace sm
