// The window's own life: the first idle pass and what survives a restart.
#include <gtest/gtest.h>

#include <QToolBar>

#include "app/window_state.h"
#include "core/files.h"
#include "core/new_version.h"
#include "core/startup.h"
#include "download/ftp_by_http.h"
#include "window_fixture.h"

namespace sm::test {
namespace {

TEST(WindowLife, TheFirstIdlePassOffersANewerProgramAndClosesOnYes) {
  WindowFixture f;
  MainWindow& w = f.window();
  CreateDirectories(f.ctx().folders.desktop_data);
  const std::string update = f.dir.Write(f.ctx().folders.desktop_data.substr(f.dir.path().size() + 1) + "smv9999.exe",
                                         "#!/bin/sh\n");
  f.ctx().first_idle_check_pending = true;  // as at the next start
  f.ui.message_answers = {MessageAnswer::Yes};
  ASSERT_TRUE(w.isVisible());
  w.IdleUpdate();
  EXPECT_EQ(f.ui.messages.back(), NewVersionQuestion(f.ctx().folders.program));
  EXPECT_EQ(f.ui.events.back(), "start: " + update);
  EXPECT_FALSE(w.isVisible()) << "the window closed for the installer";
  EXPECT_FALSE(f.ctx().first_idle_check_pending);
  const size_t asked = f.ui.messages.size();
  w.IdleUpdate();
  EXPECT_EQ(f.ui.messages.size(), asked) << "asked once per run";
}

TEST(WindowLife, TheHttpClientIsMadeAtStartAndSetUpAtTheFirstShowing) {
  WindowFixture f;
  ASSERT_NE(f.ctx().http, nullptr) << "there for the download work";
  EXPECT_EQ(f.ctx().http->Settings().read_timeout_ms, 20000);
  f.ctx().settings->WriteInteger("HTTPTimeOut", 33);
  f.ctx().settings->WriteString("ProxyServer", "proxy.example");
  f.window().FirstShow();
  EXPECT_EQ(f.ctx().http->Settings().read_timeout_ms, 33000);
  EXPECT_EQ(f.ctx().http->Settings().proxy_server, "proxy.example");
  std::weak_ptr<TFtpByHttp> client = f.ctx().http;
  ShutdownProgramState(f.ctx(), [&] { f.window().ReleaseAll(); });
  EXPECT_TRUE(client.expired()) << "released at shut-down";
}

TEST(WindowLife, AMovedToolBarAndTheWindowSizeSurviveARestart) {
  WindowFixture f;
  MainWindow& w = f.window();
  auto* site_bar = w.findChild<QToolBar*>("SiteBar");
  ASSERT_NE(site_bar, nullptr);
  ASSERT_EQ(w.toolBarArea(site_bar), Qt::TopToolBarArea);
  w.addToolBar(Qt::LeftToolBarArea, site_bar);
  w.resize(720, 530);
  w.close();
  EXPECT_FALSE(f.ctx().Section("Bars").ReadString("Layout", "").empty());
  EXPECT_FALSE(f.ctx().Section("State\\TForm1").ReadString("Geometry", "").empty());

  f.ctx().version_changed = false;  // the next start, same version
  MainWindow again(f.ctx());
  RestoreWindowState(again, f.ctx());  // as the program does before showing it
  auto* bar_again = again.findChild<QToolBar*>("SiteBar");
  EXPECT_EQ(again.toolBarArea(bar_again), Qt::LeftToolBarArea);
  EXPECT_EQ(again.size(), QSize(720, 530));

  // A new program version starts with the tool bars as designed.
  f.ctx().version_changed = true;
  MainWindow upgraded(f.ctx());
  RestoreWindowState(upgraded, f.ctx());
  EXPECT_EQ(upgraded.toolBarArea(upgraded.findChild<QToolBar*>("SiteBar")), Qt::TopToolBarArea);
}

}  // namespace
}  // namespace sm::test
