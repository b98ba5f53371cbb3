// Popups opened by the page: centred on the browser that opens them, closed
// with everything else at shutdown, and taking over as front browser when
// the main browser goes first.
#include <windows.h>

#include "cefsim/control_page.h"
#include "cefsim/control_web.h"
#include "kit_host.h"
#include "wait.h"

namespace orvtest {
namespace {

constexpr char kPopupUrl[] = "https://app.example/popup";

class PopupTest : public KitHostTest {
 protected:
  void SetUp() override {
    KitHostTest::SetUp();
    cefsim_web_serve(kPopupUrl, 200, "Popup", "<p>popup</p>");
    ASSERT_TRUE(Start());
    browser_ = WaitForMainBrowser();
    // The browser shown in a host view of a host window at a known place.
    frame_window_ =
        CreateWindowExW(0, L"STATIC", L"host", WS_POPUP, 100, 100, 1000, 600,
                        nullptr, nullptr, GetModuleHandleW(nullptr), nullptr);
    view_ = CreateWindowExW(0, L"CefCont", L"view", WS_CHILD, 0, 0, 1000, 600,
                            frame_window_, nullptr, GetModuleHandleW(nullptr),
                            nullptr);
    SetWindowLongPtrW(view_, GWLP_USERDATA,
                      reinterpret_cast<LONG_PTR>(browser_));
    SetPropA(view_, "uri", const_cast<wchar_t*>(L"/main"));
    ShowWindow(frame_window_, SW_SHOWNA);
    ShowWindow(view_, SW_SHOW);
  }

  void TearDown() override {
    KitHostTest::TearDown();
    DestroyWindow(frame_window_);
  }

  // Opens a popup from the main frame; returns its browser id.
  int OpenPopup(int width, int height, bool sized) {
    const int before = cefsim_live_browser_count();
    EXPECT_TRUE(cefsim_page_open_popup(MainBrowserId(), MainFrameId(),
                                       kPopupUrl, 0, 0, 0, 0, width, sized,
                                       height, sized));
    int ids[8] = {};
    int count = 0;
    WaitUntil([&] {
      count = cefsim_live_browser_ids(ids, 8);
      return count > before;
    });
    return count > before ? ids[count - 1] : 0;
  }

  HWND browser_ = nullptr;
  HWND frame_window_ = nullptr;
  HWND view_ = nullptr;
};

TEST_F(PopupTest, SizedPopupIsCentredOnItsOpener) {
  RECT opener = {};
  GetWindowRect(browser_, &opener);
  const int popup = OpenPopup(400, 300, true);
  ASSERT_TRUE(popup);
  EXPECT_TRUE(cefsim_browser_is_popup(popup));
  const HWND window = static_cast<HWND>(cefsim_browser_window(popup));
  RECT placed = {};
  GetWindowRect(window, &placed);
  EXPECT_EQ((opener.left + opener.right - 400) / 2, placed.left);
  EXPECT_EQ((opener.top + opener.bottom - 300) / 2, placed.top);
  EXPECT_EQ(400, placed.right - placed.left);
  EXPECT_EQ(300, placed.bottom - placed.top);
  // A popup joins the registry but does not become the main browser.
  EXPECT_EQ(browser_, kit_.GetMainWindowHandle());
}

TEST_F(PopupTest, UnsizedPopupIsLeftWhereCefPutsIt) {
  const int popup = OpenPopup(0, 0, false);
  ASSERT_TRUE(popup);
  RECT placed = {};
  GetWindowRect(static_cast<HWND>(cefsim_browser_window(popup)), &placed);
  EXPECT_GT(placed.right - placed.left, 0);
  EXPECT_GT(placed.bottom - placed.top, 0);
}

TEST_F(PopupTest, TermClosesPopupsWithoutClosingTheHost) {
  ASSERT_TRUE(OpenPopup(400, 300, true));
  ASSERT_TRUE(OpenPopup(0, 0, false));
  ASSERT_EQ(3, cefsim_live_browser_count());
  Terminate();
  EXPECT_EQ(0, cefsim_live_browser_count());
  EXPECT_TRUE(IsWindow(frame_window_));
  EXPECT_EQ(0, cefsim_note_count("shutdown-with-browsers"));
}

// A popup closing with a persistent query still open in the router must be
// let go at once, not kept until the last browser closes.
TEST_F(PopupTest, ClosedPopupIsReleasedWithAQueryStillOpen) {
  const int popup = OpenPopup(400, 300, true);
  ASSERT_TRUE(popup);
  ASSERT_TRUE(cefsim_page_sync(popup, kDefaultTimeoutMs));
  const int query =
      cefsim_page_query(popup, cefsim_main_frame_id(popup), "watch", 1);
  ASSERT_TRUE(WaitForOutcome(query).success);
  SendMessageW(static_cast<HWND>(cefsim_browser_window(popup)), WM_CLOSE, 0, 0);
  ASSERT_TRUE(WaitUntil([] { return cefsim_live_browser_count() == 1; }));
  EXPECT_TRUE(WaitUntil([] { return cefsim_browser_object_count() == 1; }));
}

TEST_F(PopupTest, PopupBecomesFrontWhenMainBrowserClosesFirst) {
  const int popup = OpenPopup(400, 300, true);
  ASSERT_TRUE(popup);
  ASSERT_TRUE(cefsim_page_sync(popup, kDefaultTimeoutMs));
  // The main browser's window goes away under it (its container closed).
  kit_.PrevTerm();
  SendMessageW(GetParent(browser_), WM_CLOSE, 0, 0);
  ASSERT_TRUE(WaitUntil([&] {
    int ids[8] = {};
    const int count = cefsim_live_browser_ids(ids, 8);
    return count == 1 && ids[0] == popup;
  }));
  // The handle stays until the last browser has gone.
  EXPECT_EQ(browser_, kit_.GetMainWindowHandle());
  kit_.RunJs(L"toPopup()");
  const int64_t popup_frame = cefsim_main_frame_id(popup);
  ASSERT_TRUE(WaitUntil([&] {
    cefsim_page_sync(popup, kDefaultTimeoutMs);
    return cefsim_frame_script_count(popup_frame) == 1;
  }));
  EXPECT_EQ("toPopup()", ControlText(cefsim_frame_script, popup_frame, 0));
}

}  // namespace
}  // namespace orvtest
