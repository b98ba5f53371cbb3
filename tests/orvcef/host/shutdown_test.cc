// Ending the kit: OrvCefPrevTerm detaches it from the host, OrvCefTerm
// closes every browser, shuts CEF down and leaves the library loaded but
// stopped.
#include <windows.h>

#include "cefsim/control_web.h"
#include "kit_host.h"
#include "wait.h"

namespace orvtest {
namespace {

class ShutdownTest : public KitHostTest {};

bool ContainerClassRegistered() {
  WNDCLASSEXW info = {sizeof(info)};
  return GetClassInfoExW(GetModuleHandleW(nullptr), L"CefCont", &info) != 0;
}

TEST_F(ShutdownTest, TermWithoutStartAndTwiceDoesNothing) {
  kit_.Term();
  kit_.PrevTerm();
  EXPECT_FALSE(kit_.Initialized());
  ASSERT_TRUE(Start());
  WaitForMainBrowser();
  Terminate();
  kit_.Term();
  EXPECT_FALSE(kit_.Initialized());
}

TEST_F(ShutdownTest, TermClosesBrowsersThenShutsDownAndUnregisters) {
  ASSERT_TRUE(Start());
  const HWND browser = WaitForMainBrowser();
  EXPECT_TRUE(ContainerClassRegistered());
  Terminate();
  EXPECT_FALSE(kit_.Initialized());
  EXPECT_FALSE(IsWindow(browser));
  EXPECT_EQ(0, cefsim_live_browser_count());
  EXPECT_FALSE(ContainerClassRegistered());
  EXPECT_EQ(nullptr, kit_.GetMainWindowHandle());
  // Every browser went through a close of its own before CefShutdown.
  EXPECT_EQ(0, cefsim_note_count("shutdown-with-browsers"));
}

TEST_F(ShutdownTest, TermWhileMainBrowserIsBeingCreated) {
  ASSERT_TRUE(Start());
  Terminate();
  EXPECT_FALSE(kit_.Initialized());
  EXPECT_EQ(0, cefsim_live_browser_count());
  // A main browser asked for but not yet created is waited for and closed
  // like any other: CEF requires every browser closed before CefShutdown.
  EXPECT_EQ(0, cefsim_note_count("shutdown-with-browsers"));
}

TEST_F(ShutdownTest, StartAfterTermIsRefusedWithoutTouchingCef) {
  ASSERT_TRUE(Start());
  WaitForMainBrowser();
  Terminate();
  EXPECT_FALSE(Start());
  EXPECT_FALSE(kit_.Initialized());
  kit_.Term();
}

TEST_F(ShutdownTest, PrevTermForgetsMessageWindowAndRoute) {
  ASSERT_TRUE(Start());
  const HWND browser = WaitForMainBrowser();
  const HWND container = GetParent(browser);
  kit_.PrevTerm();
  EXPECT_EQ(container, GetParent(browser));
  // The browser still runs and the exports still work.
  EXPECT_TRUE(kit_.Initialized());
  EXPECT_EQ(browser, kit_.GetMainWindowHandle());
}

}  // namespace
}  // namespace orvtest
