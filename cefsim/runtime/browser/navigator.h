// The navigations of one browser's frames over the simulated web, with the
// callbacks CEF 109 makes for each, in its order. What a navigation gets is
// decided in one place (Respond), where request contexts, proxies and
// authentication can hook in.
#ifndef CEFSIM_RUNTIME_BROWSER_NAVIGATOR_H_
#define CEFSIM_RUNTIME_BROWSER_NAVIGATOR_H_

#include <stdint.h>

#include <map>
#include <string>

#include "browser/frame_impl.h"
#include "include/internal/cef_types.h"
#include "web/simulated_web.h"

namespace cefsim {
namespace browser {

class BrowserHostImpl;

class Navigator {
 public:
  // |browser| owns this navigator and outlives it.
  explicit Navigator(BrowserHostImpl* browser);
  ~Navigator();

  // Starts a navigation of |frame| to |url|, replacing one under way there.
  // UI thread, as every method.
  void Navigate(CefRefPtr<FrameImpl> frame,
                const std::string& url,
                cef_transition_type_t transition);
  // The frame went away: its navigation ends without callbacks.
  void ForgetFrame(int64_t frame_id);
  // The browser is going: every navigation ends without callbacks.
  void StopAll();

  // Script of the main frame's document set its title: it is shown and
  // reported at once, and stays what the next end of loading reports.
  void SetTitleFromPage(const std::string& title);

  bool IsLoading() const { return loading_count_ > 0; }
  bool CanGoBack() const { return main_commits_ > 1; }

 private:
  struct Navigation {
    CefRefPtr<FrameImpl> frame;
    std::string url;
    cef_transition_type_t transition = TT_EXPLICIT;
    int redirects = 0;
    bool committed = false;
    ServedPage page;
    int pending_children = 0;
    uint64_t parent_serial = 0;  // The parent's load waiting for this one.
  };

  // Each step runs as its own UI task and finds its navigation by serial;
  // a navigation that was replaced or dropped is gone by then.
  void PostStep(uint64_t serial, void (Navigator::*step)(uint64_t));
  Navigation* Find(uint64_t serial);

  void Request(uint64_t serial);  // OnBeforeBrowse and the response.
  void Respond(uint64_t serial);  // What the simulated web answers.
  void Commit(uint64_t serial);   // The document commits in the frame.
  void Finish(uint64_t serial);   // The load of the document ends.
  // A navigation that ended before commit with |error|.
  void Fail(uint64_t serial, int error);
  // Removes the navigation and lets a waiting parent and the loading state
  // go on.
  void End(uint64_t serial);

  void LoadingStarted();
  void LoadingStopped();

  // Not owned: the browser owns this navigator.
  BrowserHostImpl* const browser_;
  uint64_t last_serial_ = 0;
  std::map<uint64_t, Navigation> navigations_;
  std::map<int64_t, uint64_t> by_frame_;  // Frame id -> its navigation.
  int loading_count_ = 0;
  int main_commits_ = 0;
  std::string main_title_;  // What the main frame's document shows.
};

}  // namespace browser
}  // namespace cefsim

#endif  // CEFSIM_RUNTIME_BROWSER_NAVIGATOR_H_
