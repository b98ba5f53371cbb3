// The control exports of control_page.h.
#include <algorithm>
#include <condition_variable>
#include <cstring>
#include <functional>
#include <mutex>
#include <string>
#include <vector>

#include "browser/browser_host_impl.h"
#include "browser/browser_registry.h"
#include "browser/observations.h"
#include "browser/page_outcomes.h"
#include "browser/popup.h"
#include "browser/renderer_link.h"
#include "browser/request_context_proxy.h"
#include "cefsim/control_page.h"
#include "preferences/preference_records.h"
#include "threads/threads.h"

namespace {

using cefsim::browser::BrowserHostImpl;

// Runs |work| with the browser on the UI thread.
bool OnUi(int browser_id, std::function<void(BrowserHostImpl*)> work) {
  CefRefPtr<BrowserHostImpl> browser = cefsim::browser::FindBrowser(browser_id);
  if (!browser)
    return false;
  return cefsim::browser::PostTask(TID_UI,
                                   [browser, work] { work(browser.get()); });
}

// Runs |work| on the UI thread and waits until it has run. False, without
// running it, once the UI thread takes no tasks. Not on the UI thread.
bool RunOnUiAndWait(const std::function<void()>& work) {
  std::mutex lock;
  std::condition_variable done_signal;
  bool done = false;
  const bool posted = cefsim::browser::PostTask(TID_UI, [&] {
    work();
    std::lock_guard<std::mutex> guard(lock);
    done = true;
    done_signal.notify_one();
  });
  if (!posted)
    return false;
  std::unique_lock<std::mutex> guard(lock);
  done_signal.wait(guard, [&] { return done; });
  return true;
}

// How long a killed renderer's end may take to reach the browser process:
// past the renderer host's own wait for the process to end.
constexpr ULONGLONG kKillNoticeTimeoutMs = 15000;
constexpr DWORD kKillNoticePollMs = 5;

}  // namespace

int cefsim_page_open_popup(int browser_id,
                           int64_t frame_id,
                           const char* url,
                           int x,
                           int x_set,
                           int y,
                           int y_set,
                           int width,
                           int width_set,
                           int height,
                           int height_set) {
  CefPopupFeatures features;
  features.x = x;
  features.xSet = x_set;
  features.y = y;
  features.ySet = y_set;
  features.width = width;
  features.widthSet = width_set;
  features.height = height;
  features.heightSet = height_set;
  const std::string target = url ? url : "";
  return OnUi(browser_id,
              [frame_id, target, features](BrowserHostImpl* browser) {
                cefsim::browser::OpenPopupFromPage(browser, frame_id, target,
                                                   features);
              })
             ? 1
             : 0;
}

int cefsim_page_query(int browser_id,
                      int64_t frame_id,
                      const char* request,
                      int persistent) {
  const int id = cefsim::browser::NextPageQueryId();
  const std::string text = request ? request : "";
  const bool keep = persistent != 0;
  const bool posted = OnUi(browser_id, [=](BrowserHostImpl* browser) {
    if (cefsim::browser::RendererLink* renderer = browser->renderer()) {
      renderer->host()->RunPageQuery(browser->id(), frame_id, id, text, keep);
    }
  });
  return posted ? id : 0;
}

int cefsim_page_query_cancel(int browser_id,
                             int64_t frame_id,
                             int page_query_id) {
  return OnUi(browser_id,
              [=](BrowserHostImpl* browser) {
                if (cefsim::browser::RendererLink* renderer =
                        browser->renderer()) {
                  renderer->host()->RunPageQueryCancel(browser->id(), frame_id,
                                                       page_query_id);
                }
              })
             ? 1
             : 0;
}

int cefsim_page_wait_outcomes(int page_query_id, int count, int timeout_ms) {
  return static_cast<int>(
      cefsim::browser::WaitPageQueryOutcomes(page_query_id, count, timeout_ms)
          .size());
}

int cefsim_page_outcome(int page_query_id,
                        int index,
                        int* error_code,
                        char* buffer,
                        int size) {
  const auto outcomes =
      cefsim::browser::WaitPageQueryOutcomes(page_query_id, 0, 0);
  if (index < 0 || index >= static_cast<int>(outcomes.size()))
    return -1;
  const auto& outcome = outcomes[index];
  if (error_code)
    *error_code = outcome.error_code;
  const std::string& text =
      outcome.success ? outcome.response : outcome.error_message;
  if (buffer && size > 0) {
    const size_t count = std::min(text.size(), static_cast<size_t>(size - 1));
    std::memcpy(buffer, text.data(), count);
    buffer[count] = '\0';
  }
  return outcome.success ? 1 : 0;
}

int cefsim_page_outcome_length(int page_query_id, int index) {
  const auto outcomes =
      cefsim::browser::WaitPageQueryOutcomes(page_query_id, 0, 0);
  if (index < 0 || index >= static_cast<int>(outcomes.size()))
    return -1;
  const auto& outcome = outcomes[index];
  return static_cast<int>(outcome.success ? outcome.response.size()
                                          : outcome.error_message.size());
}

int cefsim_page_forget_outcomes(int page_query_id) {
  return cefsim::browser::ForgetPageQueryOutcomes(page_query_id);
}

int cefsim_forget_history(void) {
  const std::vector<int> live = cefsim::browser::LiveBrowserIds();
  const int requests = cefsim::browser::ForgetNetworkRequests([&](int id) {
    return std::find(live.begin(), live.end(), id) == live.end();
  });
  return requests + cefsim::browser::ForgetClosedRecords() +
         cefsim::browser::ForgetPreferenceSets();
}

int cefsim_page_sync(int browser_id, int timeout_ms) {
  const int request = cefsim::browser::NextSyncRequestId();
  const bool posted = OnUi(browser_id, [request](BrowserHostImpl* browser) {
    if (cefsim::browser::RendererLink* renderer = browser->renderer())
      renderer->host()->Sync(request);
  });
  if (!posted)
    return 0;
  return cefsim::browser::WaitRendererSynced(request, timeout_ms) ? 1 : 0;
}

namespace {

// Runs |end| on the renderer host of |browser_id| on the UI thread, then
// waits until the browser process has heard of the end. 0 when the browser
// has no renderer.
int EndRenderer(
    int browser_id,
    const std::function<void(cefsim::process::RendererHost*)>& end) {
  CefRefPtr<BrowserHostImpl> browser = cefsim::browser::FindBrowser(browser_id);
  if (!browser)
    return 0;
  int ended_serial = 0;
  const bool ran = RunOnUiAndWait([&] {
    if (cefsim::browser::RendererLink* renderer = browser->renderer()) {
      ended_serial = renderer->serial();
      end(renderer->host());
    }
  });
  if (!ran || !ended_serial)
    return 0;
  // The browser process hears of the end a moment later, through the broken
  // pipe, as Chromium does through its channel. Until then it still counts
  // on the dead renderer, and a navigation it commits there is lost, in
  // Chromium too. Returning once it knows keeps the caller's next step (a
  // reload, say) from racing that news.
  const ULONGLONG deadline = GetTickCount64() + kKillNoticeTimeoutMs;
  bool noticed = false;
  while (RunOnUiAndWait([&] {
    const cefsim::browser::RendererLink* renderer = browser->renderer();
    noticed = !renderer || renderer->serial() != ended_serial;
  })) {
    if (noticed || GetTickCount64() >= deadline)
      break;
    Sleep(kKillNoticePollMs);
  }
  return 1;
}

}  // namespace

int cefsim_os_kill_renderer(int browser_id) {
  return EndRenderer(browser_id,
                     [](cefsim::process::RendererHost* host) { host->Kill(); });
}

int cefsim_os_end_renderer(int browser_id, unsigned long exit_code) {
  return EndRenderer(browser_id,
                     [exit_code](cefsim::process::RendererHost* host) {
                       host->EndWithExitCode(exit_code);
                     });
}
