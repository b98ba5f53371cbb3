#include "browser/navigator.h"

#include <atomic>
#include <utility>

#include "browser/browser_host_impl.h"
#include "browser/observations.h"
#include "browser/renderer_link.h"
#include "browser/request_context_network.h"
#include "browser/scenario_player.h"
#include "text/url_canon.h"
#include "threads/threads.h"
#include "web/net_error_text.h"
#include "web/request_impl.h"

namespace cefsim {
namespace browser {
namespace {

// Chromium's limit before ERR_TOO_MANY_REDIRECTS.
constexpr int kMaxRedirects = 20;

uint64 NextRequestId() {
  static std::atomic<uint64> last{0};
  return ++last;
}

// The title Chromium shows for a page without one: the URL as
// url_formatter::FormatUrl gives it by default ("http://" and the slash
// after a bare host left out).
std::string TitleForDisplay(const std::string& url) {
  text::UrlParts parts;
  if (!text::ParseUrl(url, &parts))
    return url;
  std::string title = parts.spec;
  if (parts.path == "/" && parts.query.empty() && parts.fragment.empty() &&
      !title.empty() && title.back() == '/') {
    title.pop_back();
  }
  const std::string http = "http://";
  if (title.compare(0, http.size(), http) == 0)
    title.erase(0, http.size());
  return title;
}

}  // namespace

Navigator::Navigator(BrowserHostImpl* browser) : browser_(browser) {}

Navigator::~Navigator() = default;

void Navigator::Navigate(CefRefPtr<FrameImpl> frame,
                         const std::string& url,
                         cef_transition_type_t transition) {
  if (!frame || !frame->IsValid())
    return;
  const std::string canonical = CanonicalUrl(url);
  UpdateBrowserRecord(browser_->id(),
                      [](BrowserRecord* record) { record->loading = true; });
  UpdateFrameRecord(frame->id(), [&](FrameRecord* record) {
    record->navigations.push_back(canonical);
  });

  Navigation navigation;
  navigation.frame = frame;
  navigation.url = canonical;
  navigation.transition = transition;

  bool replaces = false;
  auto current = by_frame_.find(frame->id());
  if (current != by_frame_.end()) {
    // The new navigation takes the old one's place, also in the load of
    // the parent that waits for it.
    Navigation* old = Find(current->second);
    if (old) {
      replaces = true;
      navigation.parent_serial = old->parent_serial;
      const bool was_committed = old->committed;
      const std::string old_url = old->url;
      navigations_.erase(current->second);
      if (!was_committed) {
        CefRefPtr<CefClient> client = browser_->client();
        CefRefPtr<CefLoadHandler> handler =
            client ? client->GetLoadHandler() : nullptr;
        if (handler) {
          BrowserHostImpl::NavigationLock lock(browser_);
          handler->OnLoadError(browser_, frame.get(), ERR_ABORTED,
                               NetErrorShortText(ERR_ABORTED), old_url);
        }
      }
    }
  }
  const uint64_t serial = ++last_serial_;
  navigations_[serial] = std::move(navigation);
  by_frame_[frame->id()] = serial;
  if (!replaces)
    LoadingStarted();
  PostStep(serial, &Navigator::Request);
}

void Navigator::SetTitleFromPage(const std::string& title) {
  if (!RequireUiThread("Navigator::SetTitleFromPage"))
    return;
  main_title_ = title;
  browser_->SetShownTitle(title);
  CefRefPtr<CefClient> client = browser_->client();
  if (CefRefPtr<CefDisplayHandler> display =
          client ? client->GetDisplayHandler() : nullptr) {
    display->OnTitleChange(browser_, title);
  }
}

void Navigator::ForgetFrame(int64_t frame_id) {
  auto current = by_frame_.find(frame_id);
  if (current == by_frame_.end())
    return;
  navigations_.erase(current->second);
  by_frame_.erase(current);
  LoadingStopped();
}

void Navigator::StopAll() {
  navigations_.clear();
  by_frame_.clear();
  loading_count_ = 0;
  UpdateBrowserRecord(browser_->id(),
                      [](BrowserRecord* record) { record->loading = false; });
}

void Navigator::PostStep(uint64_t serial, void (Navigator::*step)(uint64_t)) {
  CefRefPtr<BrowserHostImpl> browser(browser_);
  PostTask(TID_UI, [browser, serial, step] {
    if (Navigator* navigator = browser->navigator())
      (navigator->*step)(serial);
  });
}

Navigator::Navigation* Navigator::Find(uint64_t serial) {
  auto it = navigations_.find(serial);
  return it == navigations_.end() ? nullptr : &it->second;
}

void Navigator::Request(uint64_t serial) {
  Navigation* navigation = Find(serial);
  if (!navigation)
    return;
  CefRefPtr<RequestImpl> request = new RequestImpl(
      navigation->url,
      navigation->frame->IsMain() ? RT_MAIN_FRAME : RT_SUB_FRAME,
      navigation->transition, NextRequestId());
  request->MakeReadOnly();
  bool cancel = false;
  CefRefPtr<CefClient> client = browser_->client();
  if (CefRefPtr<CefRequestHandler> handler =
          client ? client->GetRequestHandler() : nullptr) {
    BrowserHostImpl::NavigationLock lock(browser_);
    cancel = handler->OnBeforeBrowse(browser_, navigation->frame.get(),
                                     request.get(), false,
                                     navigation->redirects > 0);
  }
  if (!Find(serial))
    return;
  if (cancel) {
    Fail(serial, ERR_ABORTED);
    return;
  }
  Respond(serial);
}

void Navigator::Respond(uint64_t serial) {
  Navigation* navigation = Find(serial);
  if (!navigation)
    return;
  ServedPage page = ServeUrl(navigation->url);
  CefRefPtr<BrowserHostImpl> browser(browser_);
  if (!PassThroughNetwork(browser_, navigation->frame->id(), serial,
                          navigation->url, &page, [browser, serial] {
                            if (Navigator* navigator = browser->navigator())
                              navigator->Respond(serial);
                          })) {
    return;
  }
  if (!page.redirect_url.empty()) {
    if (++navigation->redirects > kMaxRedirects) {
      Fail(serial, ERR_TOO_MANY_REDIRECTS);
      return;
    }
    navigation->url = CanonicalUrl(page.redirect_url);
    PostStep(serial, &Navigator::Request);
    return;
  }
  if (page.net_error != 0) {
    Fail(serial, page.net_error);
    return;
  }
  navigation->page = page;
  PostStep(serial, &Navigator::Commit);
}

void Navigator::Commit(uint64_t serial) {
  Navigation* navigation = Find(serial);
  if (!navigation)
    return;
  CefRefPtr<FrameImpl> frame = navigation->frame;
  const std::string url = navigation->url;
  const ServedPage page = navigation->page;
  const bool is_main = frame->IsMain();

  browser_->RemoveSubFrames(frame->id());
  frame->Commit(url, page.html);
  if (RendererLink* renderer = browser_->EnsureRenderer()) {
    renderer->host()->CommitNavigation(browser_->id(), frame->id(),
                                       frame->parent_id(), is_main, url);
  }
  navigation->committed = true;
  if (is_main) {
    ++main_commits_;
    main_title_ = page.has_title ? page.title : TitleForDisplay(url);
  }

  CefRefPtr<CefClient> client = browser_->client();
  CefRefPtr<CefLoadHandler> load = client ? client->GetLoadHandler() : nullptr;
  CefRefPtr<CefDisplayHandler> display =
      client ? client->GetDisplayHandler() : nullptr;
  if (load) {
    BrowserHostImpl::NavigationLock lock(browser_);
    load->OnLoadStart(browser_, frame.get(), navigation->transition);
  }
  if (is_main && display)
    display->OnAddressChange(browser_, frame.get(), url);
  if (is_main && page.has_title) {
    browser_->SetShownTitle(page.title);
    if (display)
      display->OnTitleChange(browser_, page.title);
  }
  if (!Find(serial))
    return;

  if (page.net_error_after_commit != 0) {
    // A failure after commit: OnLoadStart came, so OnLoadEnd follows the
    // error, with the error code as status.
    if (load) {
      BrowserHostImpl::NavigationLock lock(browser_);
      load->OnLoadError(
          browser_, frame.get(),
          static_cast<cef_errorcode_t>(page.net_error_after_commit),
          NetErrorShortText(page.net_error_after_commit), url);
      load->OnLoadEnd(browser_, frame.get(), page.net_error_after_commit);
    }
    End(serial);
    return;
  }

  for (const std::string& child_url : page.subframe_urls) {
    CefRefPtr<FrameImpl> child = browser_->AddSubFrame(frame->id());
    Navigate(child, child_url, TT_AUTO_SUBFRAME);
    auto child_serial = by_frame_.find(child->id());
    Navigation* parent = Find(serial);
    if (child_serial != by_frame_.end() && parent) {
      navigations_[child_serial->second].parent_serial = serial;
      ++parent->pending_children;
    }
  }
  Navigation* parent = Find(serial);
  if (parent && parent->pending_children == 0)
    PostStep(serial, &Navigator::Finish);
}

void Navigator::Finish(uint64_t serial) {
  Navigation* navigation = Find(serial);
  if (!navigation)
    return;
  const CefRefPtr<FrameImpl> frame = navigation->frame;
  const int http_status = navigation->page.http_status;
  CefRefPtr<CefClient> client = browser_->client();
  if (CefRefPtr<CefLoadHandler> load =
          client ? client->GetLoadHandler() : nullptr) {
    BrowserHostImpl::NavigationLock lock(browser_);
    load->OnLoadEnd(browser_, frame.get(), http_status);
  }
  // The loaded page's own script runs once its load has ended.
  if (Find(serial))
    OnScenarioFrameLoaded(browser_, frame.get(), http_status);
  End(serial);
}

void Navigator::Fail(uint64_t serial, int error) {
  Navigation* navigation = Find(serial);
  CefRefPtr<FrameImpl> frame = navigation->frame;
  const std::string url = navigation->url;
  if (error != ERR_ABORTED) {
    // Chromium commits an error page at the failed URL; an aborted
    // navigation leaves the frame as it was.
    browser_->RemoveSubFrames(frame->id());
    frame->Commit(url, std::string());
    if (RendererLink* renderer = browser_->EnsureRenderer()) {
      renderer->host()->CommitNavigation(browser_->id(), frame->id(),
                                         frame->parent_id(), frame->IsMain(),
                                         url);
    }
    if (frame->IsMain())
      main_title_ = TitleForDisplay(url);
  }
  CefRefPtr<CefClient> client = browser_->client();
  if (CefRefPtr<CefLoadHandler> load =
          client ? client->GetLoadHandler() : nullptr) {
    BrowserHostImpl::NavigationLock lock(browser_);
    load->OnLoadError(browser_, frame.get(),
                      static_cast<cef_errorcode_t>(error),
                      NetErrorShortText(error), url);
  }
  End(serial);
}

void Navigator::End(uint64_t serial) {
  Navigation* navigation = Find(serial);
  if (!navigation)
    return;
  const uint64_t parent_serial = navigation->parent_serial;
  auto current = by_frame_.find(navigation->frame->id());
  if (current != by_frame_.end() && current->second == serial)
    by_frame_.erase(current);
  navigations_.erase(serial);
  if (Navigation* parent = Find(parent_serial)) {
    if (--parent->pending_children == 0 && parent->committed)
      PostStep(parent_serial, &Navigator::Finish);
  }
  LoadingStopped();
}

void Navigator::LoadingStarted() {
  if (loading_count_++ > 0)
    return;
  CefRefPtr<CefClient> client = browser_->client();
  if (CefRefPtr<CefLoadHandler> load =
          client ? client->GetLoadHandler() : nullptr) {
    BrowserHostImpl::NavigationLock lock(browser_);
    load->OnLoadingStateChange(browser_, true, CanGoBack(), false);
  }
}

void Navigator::LoadingStopped() {
  if (loading_count_ == 0 || --loading_count_ > 0)
    return;
  UpdateBrowserRecord(browser_->id(),
                      [](BrowserRecord* record) { record->loading = false; });
  CefRefPtr<CefClient> client = browser_->client();
  if (CefRefPtr<CefLoadHandler> load =
          client ? client->GetLoadHandler() : nullptr) {
    BrowserHostImpl::NavigationLock lock(browser_);
    load->OnLoadingStateChange(browser_, false, CanGoBack(), false);
  }
  // When loading stops CEF reports the title once more, as the page shows
  // it: its own title, or the URL for a page without one.
  if (main_commits_ == 0 && main_title_.empty())
    return;
  browser_->SetShownTitle(main_title_);
  if (CefRefPtr<CefDisplayHandler> display =
          client ? client->GetDisplayHandler() : nullptr) {
    display->OnTitleChange(browser_, main_title_);
  }
}

}  // namespace browser
}  // namespace cefsim
