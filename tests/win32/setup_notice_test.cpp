// The real message box of SetupSet0, closed from a helper thread.
#include <gtest/gtest.h>

#include "platform/win32/win32.h"
#include "tests/support/plugin_library.h"
#include "tests/support/window_closer.h"

namespace stats_test {
namespace {

TEST(SetupNoticeWin32, ShowsTheNoticeWithTheDefaultTitleAndReturnsOnOk) {
  PluginLibrary library;
  auto setup = library.Get<void (*)()>("?SetupSet0@@YAXXZ");
  ASSERT_TRUE(setup);
  DialogCloser closer(GetCurrentThreadId());
  setup();  // returns once the box is closed
  closer.Join();
  ASSERT_TRUE(closer.found());
  EXPECT_EQ(closer.text(), "No additional setup for this contest");
  EXPECT_EQ(closer.caption(), "Error");  // the platform's title for a box without caption
}

}  // namespace
}  // namespace stats_test
