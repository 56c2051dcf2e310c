// The window's own life: the first idle pass and what survives a restart.
#include <gtest/gtest.h>

#include "core/files.h"
#include "core/new_version.h"
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

}  // namespace
}  // namespace sm::test
