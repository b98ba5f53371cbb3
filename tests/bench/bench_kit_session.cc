#include "bench_kit_session.h"

#include <algorithm>
#include <string>

#include "bench_figures.h"
#include "cefsim/control_page.h"
#include "cefsim/control_web.h"
#include "wait.h"

namespace orvbench {

constexpr char KitSession::kAppUrl[];

KitSession::~KitSession() {
  Terminate();
}

bool KitSession::Start(HWND message_window) {
  const std::string missing = kit_.Load();
  if (!missing.empty()) {
    PrintError("cannot bind " + missing);
    return false;
  }
  cefsim_web_serve(kAppUrl, 200, "App", "<p>app</p>");
  kit_.SetMsgWnd(message_window);
  if (!kit_.Start(GetModuleHandleW(nullptr), nullptr, L"https://app.example/",
                  L"app.example\0", 0)) {
    PrintError("OrvCefStart failed");
    return false;
  }
  started_ = true;
  const bool ready = orvtest::WaitUntil(
      [&] {
        if (!kit_.GetMainWindowHandle())
          return false;
        int ids[4] = {};
        if (cefsim_live_browser_ids(ids, 4) < 1)
          return false;
        main_browser_ = ids[0];
        main_frame_ = cefsim_main_frame_id(main_browser_);
        return main_frame_ && cefsim_frame_navigation_count(main_frame_) > 0;
      },
      kWaitTimeoutMs);
  if (!ready || !cefsim_page_sync(main_browser_, kWaitTimeoutMs)) {
    PrintError("the main browser did not come up");
    return false;
  }
  return true;
}

void KitSession::Terminate() {
  if (!started_)
    return;
  started_ = false;
  kit_.PrevTerm();
  kit_.Term();
}

int WaitForNewBrowser(const int* known, int count) {
  int found = 0;
  orvtest::WaitUntil(
      [&] {
        int ids[64] = {};
        const int live = std::min(cefsim_live_browser_ids(ids, 64), 64);
        for (int i = live - 1; i >= 0; --i) {
          if (std::find(known, known + count, ids[i]) == known + count) {
            found = ids[i];
            return true;
          }
        }
        return false;
      },
      kWaitTimeoutMs);
  return found;
}

}  // namespace orvbench
