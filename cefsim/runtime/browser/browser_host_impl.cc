#include "browser/browser_host_impl.h"

#include <atomic>
#include <utility>

#include "browser/browser_registry.h"
#include "browser/browser_window.h"
#include "browser/html_visible_text.h"
#include "browser/navigator.h"
#include "browser/observations.h"
#include "browser/page_painter.h"
#include "browser/renderer_link.h"
#include "browser/request_context_impl.h"
#include "browser/scenario_player.h"
#include "diagnostics/records.h"
#include "threads/threads.h"
#include "values/process_message_impl.h"

namespace cefsim {
namespace browser {
namespace {

// Frame ids are 64-bit: the browser id in the high half keeps them unique
// and catches a caller that cuts them to 32 bits.
int64_t NextFrameId(int browser_id) {
  static std::atomic<int> last{0};
  return (static_cast<int64_t>(browser_id) << 32) | ++last;
}

}  // namespace

// static
CefRefPtr<BrowserHostImpl> BrowserHostImpl::Create(const CreateParams& params) {
  if (!RequireUiThread("BrowserHostImpl::Create"))
    return nullptr;
  CefRefPtr<BrowserHostImpl> browser =
      new BrowserHostImpl(NextBrowserId(), params);
  if (!browser->CreateWindowAsAsked()) {
    ReportViolation("the browser window could not be created");
    return nullptr;
  }
  RegisterBrowser(browser);

  BrowserRecord record;
  record.browser_id = browser->id_;
  record.is_popup = browser->is_popup_;
  record.opener_id = browser->opener_id_;
  record.window = browser->window();
  ObserveBrowser(record);
  FrameRecord frame_record;
  frame_record.browser_id = browser->id_;
  frame_record.frame_id = browser->main_frame_->id();
  frame_record.is_main = true;
  ObserveFrame(frame_record);

  browser->EnsureRenderer();
  if (params.client) {
    if (CefRefPtr<CefLifeSpanHandler> handler =
            params.client->GetLifeSpanHandler()) {
      handler->OnAfterCreated(browser.get());
    }
  }
  if (!params.url.empty()) {
    const std::string url = params.url;
    const cef_transition_type_t transition =
        params.is_popup ? TT_LINK : TT_EXPLICIT;
    PostTask(TID_UI, [browser, url, transition] {
      if (browser->navigator_)
        browser->navigator_->Navigate(browser->main_frame(), url, transition);
    });
  }
  return browser;
}

BrowserHostImpl::BrowserHostImpl(int id, const CreateParams& params)
    : id_(id),
      is_popup_(params.is_popup),
      opener_id_(params.opener_id),
      client_(params.client),
      settings_(params.settings),
      extra_info_(params.extra_info),
      request_context_(params.request_context
                           ? params.request_context
                           : RequestContextImpl::Global().get()),
      window_info_(params.window_info),
      navigator_(std::make_unique<Navigator>(this)) {
  ++object_count_;
  main_frame_ = new FrameImpl(this, id_, NextFrameId(id_), 0, std::string());
  frames_[main_frame_->id()] = main_frame_;
}

BrowserHostImpl::~BrowserHostImpl() {
  --object_count_;
}

std::atomic<int> BrowserHostImpl::object_count_{0};

bool BrowserHostImpl::CreateWindowAsAsked() {
  if (window_info_.style == 0) {
    // As CEF: a CefWindowInfo left empty becomes a plain popup window.
    window_info_.SetAsPopup(nullptr, CefString());
  }
  HWND window = CreateBrowserWindow(this, window_info_);
  std::lock_guard<std::mutex> guard(lock_);
  window_ = window;
  return window != nullptr;
}

HWND BrowserHostImpl::window() const {
  std::lock_guard<std::mutex> guard(lock_);
  return window_;
}

CefRefPtr<FrameImpl> BrowserHostImpl::FindFrame(int64_t frame_id) const {
  std::lock_guard<std::mutex> guard(lock_);
  auto it = frames_.find(frame_id);
  return it == frames_.end() ? nullptr : it->second;
}

CefRefPtr<FrameImpl> BrowserHostImpl::main_frame() const {
  std::lock_guard<std::mutex> guard(lock_);
  return main_frame_;
}

RendererLink* BrowserHostImpl::EnsureRenderer() {
  if (!renderer_) {
    renderer_ = RendererLink::Launch(this, is_popup_);
    if (renderer_) {
      UpdateBrowserRecord(
          id_, [](BrowserRecord* record) { ++record->renderer_launches; });
    }
  }
  return renderer_.get();
}

CefRefPtr<FrameImpl> BrowserHostImpl::AddSubFrame(int64_t parent_id) {
  CefRefPtr<FrameImpl> frame =
      new FrameImpl(this, id_, NextFrameId(id_), parent_id, std::string());
  {
    std::lock_guard<std::mutex> guard(lock_);
    frames_[frame->id()] = frame;
  }
  FrameRecord record;
  record.browser_id = id_;
  record.frame_id = frame->id();
  record.parent_id = parent_id;
  ObserveFrame(record);
  return frame;
}

void BrowserHostImpl::RemoveSubFrames(int64_t frame_id) {
  std::vector<CefRefPtr<FrameImpl>> removed;
  {
    std::lock_guard<std::mutex> guard(lock_);
    std::vector<int64_t> parents = {frame_id};
    while (!parents.empty()) {
      const int64_t parent = parents.back();
      parents.pop_back();
      for (auto it = frames_.begin(); it != frames_.end();) {
        if (it->second->parent_id() == parent) {
          parents.push_back(it->first);
          removed.push_back(it->second);
          it = frames_.erase(it);
        } else {
          ++it;
        }
      }
    }
  }
  for (const CefRefPtr<FrameImpl>& frame : removed) {
    if (navigator_)
      navigator_->ForgetFrame(frame->id());
    if (renderer_)
      renderer_->host()->DetachFrame(id_, frame->id());
    frame->Detach();
  }
}

void BrowserHostImpl::LoadUrlInFrame(int64_t frame_id, const std::string& url) {
  if (!CurrentlyOn(TID_UI)) {
    CefRefPtr<BrowserHostImpl> self(this);
    PostTask(TID_UI,
             [self, frame_id, url] { self->LoadUrlInFrame(frame_id, url); });
    return;
  }
  CefRefPtr<BrowserHostImpl> self(this);
  RunOrDeferNavigation([self, frame_id, url] {
    CefRefPtr<FrameImpl> frame = self->FindFrame(frame_id);
    if (frame && self->navigator_)
      self->navigator_->Navigate(frame, url, TT_EXPLICIT);
  });
}

void BrowserHostImpl::RunScriptInFrame(int64_t frame_id,
                                       const std::string& code,
                                       const std::string& script_url,
                                       int start_line) {
  if (!CurrentlyOn(TID_UI)) {
    CefRefPtr<BrowserHostImpl> self(this);
    PostTask(TID_UI, [self, frame_id, code, script_url, start_line] {
      self->RunScriptInFrame(frame_id, code, script_url, start_line);
    });
    return;
  }
  if (!FindFrame(frame_id)) {
    RecordNote("detached-frame-call",
               "ExecuteJavaScript reached a frame that went away");
    return;
  }
  ScriptRecord script;
  script.code = code;
  script.script_url = script_url;
  script.start_line = start_line;
  UpdateFrameRecord(frame_id, [&](FrameRecord* record) {
    record->scripts.push_back(script);
  });
  CefRefPtr<FrameImpl> main = main_frame();
  page_state_.OnScript(code, main && main->id() == frame_id);
  if (HWND shown = window())
    InvalidateRect(shown, nullptr, TRUE);
  if (renderer_) {
    renderer_->host()->ExecuteJavaScript(id_, frame_id, code, script_url,
                                         start_line);
  }
}

void BrowserHostImpl::SendToRenderer(int64_t frame_id,
                                     CefRefPtr<CefProcessMessage> message) {
  // As CEF: the message is emptied at once, on the caller's thread; a
  // shared-memory message travels as it is.
  CefRefPtr<CefProcessMessage> sent = message;
  if (auto* impl = values::ProcessMessageImpl::FromInterface(message.get())) {
    if (message->GetArgumentList()) {
      sent = new values::ProcessMessageImpl(message->GetName().ToWString(),
                                            impl->TakeArguments(), false);
    }
  }
  CefRefPtr<BrowserHostImpl> self(this);
  auto deliver = [self, frame_id, sent] {
    if (!self->FindFrame(frame_id)) {
      RecordNote("detached-frame-call",
                 "SendProcessMessage reached a frame that went away");
      return;
    }
    if (RendererLink* renderer = self->renderer_.get())
      renderer->host()->SendProcessMessage(self->id_, frame_id, sent);
  };
  if (CurrentlyOn(TID_UI))
    deliver();
  else
    PostTask(TID_UI, deliver);
}

BrowserHostImpl::NavigationLock::NavigationLock(BrowserHostImpl* browser)
    : browser_(browser) {
  ++browser_->navigation_lock_depth_;
}

BrowserHostImpl::NavigationLock::~NavigationLock() {
  if (--browser_->navigation_lock_depth_ > 0)
    return;
  std::function<void()> deferred = std::move(browser_->deferred_navigation_);
  browser_->deferred_navigation_ = nullptr;
  if (deferred)
    PostTask(TID_UI, std::move(deferred));
}

void BrowserHostImpl::RunOrDeferNavigation(std::function<void()> navigation) {
  if (navigation_lock_depth_ == 0) {
    navigation();
    return;
  }
  if (deferred_navigation_) {
    RecordNote("navigation-replaced-under-lock",
               "a second navigation asked for inside a load callback "
               "replaced the first");
  }
  deferred_navigation_ = std::move(navigation);
}

// --- Closing, as CEF 109's AlloyBrowserHostImpl does it ------------------

void BrowserHostImpl::CloseBrowser(bool force_close) {
  if (!CurrentlyOn(TID_UI)) {
    CefRefPtr<BrowserHostImpl> self(this);
    if (!PostTask(TID_UI,
                  [self, force_close] { self->CloseBrowser(force_close); })) {
      ReportViolation("CefBrowserHost::CloseBrowser without a context");
    }
    return;
  }
  if (destruction_ >= Destruction::kPending && !window_destroyed_) {
    // A close is already under way.
    if (force_close && destruction_ == Destruction::kPending)
      destruction_ = Destruction::kAccepted;
    return;
  }
  if (destruction_ < Destruction::kAccepted) {
    destruction_ = force_close ? Destruction::kAccepted : Destruction::kPending;
  }
  CloseContents();
}

void BrowserHostImpl::CloseContents() {
  if (destruction_ == Destruction::kCompleted)
    return;
  bool close = true;
  if (client_ && !window_destroyed_) {
    if (CefRefPtr<CefLifeSpanHandler> handler = client_->GetLifeSpanHandler())
      close = !handler->DoClose(this);
  }
  if (!close) {
    if (destruction_ != Destruction::kNone)
      destruction_ = Destruction::kNone;
    return;
  }
  destruction_ = Destruction::kAccepted;
  if (!window_destroyed_) {
    // The window goes the platform's way; its destruction ends the browser.
    HWND top = GetAncestor(window(), GA_ROOT);
    PostMessageW(top, WM_CLOSE, 0, 0);
    return;
  }
  DestroyBrowser();
}

bool BrowserHostImpl::TryCloseBrowser() {
  if (!RequireUiThread("CefBrowserHost::TryCloseBrowser"))
    return false;
  if (destruction_ <= Destruction::kPending) {
    if (destruction_ == Destruction::kNone)
      CloseBrowser(false);
    return false;
  }
  return true;
}

bool BrowserHostImpl::OnWindowClose() {
  return TryCloseBrowser();
}

void BrowserHostImpl::OnWindowDestroyed() {
  window_destroyed_ = true;
  // The window is still being destroyed here (WM_NCDESTROY). The browser
  // goes, and OnBeforeClose comes, once it is gone: a client that looks for
  // the window from OnBeforeClose on finds none.
  CefRefPtr<BrowserHostImpl> self(this);
  if (!PostTask(TID_UI, [self] { self->CloseBrowser(true); }))
    CloseBrowser(true);
}

void BrowserHostImpl::DestroyBrowser() {
  CefRefPtr<BrowserHostImpl> keep(this);
  destruction_ = Destruction::kCompleted;
  if (navigator_)
    navigator_->StopAll();
  if (client_) {
    if (CefRefPtr<CefLifeSpanHandler> handler = client_->GetLifeSpanHandler())
      handler->OnBeforeClose(this);
  }
  // From here on the browser has no frames.
  std::map<int64_t, CefRefPtr<FrameImpl>> frames;
  {
    std::lock_guard<std::mutex> guard(lock_);
    valid_ = false;
    frames.swap(frames_);
    main_frame_ = nullptr;
  }
  for (auto& entry : frames)
    entry.second->Detach();
  if (renderer_) {
    renderer_->host()->DestroyBrowser(id_);
    renderer_.reset();
  }
  // The navigator stays until the browser goes: a callback that led here
  // may still be running inside it.
  UpdateBrowserRecord(id_, [](BrowserRecord* record) { record->live = false; });
  UnregisterBrowser(id_);
}

void BrowserHostImpl::DestroyAtShutdown() {
  if (destruction_ == Destruction::kCompleted)
    return;
  CefRefPtr<BrowserHostImpl> keep(this);
  DestroyBrowser();
  // As CEF, the window outlives the browser and no longer leads to it. It is
  // not destroyed here: its parent may belong to the thread that waits in
  // CefShutdown, and the parent notifications of a destroyed child are sent
  // and answered synchronously. The window ends with the UI thread.
  if (HWND kept = window())
    DetachBrowserWindow(kept);
}

// --- Window --------------------------------------------------------------

void BrowserHostImpl::SetShownTitle(const std::string& title) {
  shown_title_ = title;
  UpdateBrowserRecord(id_,
                      [&](BrowserRecord* record) { record->title = title; });
  if (HWND shown = window())
    InvalidateRect(shown, nullptr, TRUE);
}

void BrowserHostImpl::ShowPageAnswer(const std::string& request,
                                     const process::PageQueryOutcome& outcome) {
  if (!RequireUiThread("BrowserHostImpl::ShowPageAnswer"))
    return;
  page_state_.OnAnswer(request, outcome);
  if (HWND shown = window())
    InvalidateRect(shown, nullptr, TRUE);
}

void BrowserHostImpl::Paint(HDC dc, const RECT& area) {
  CefRefPtr<FrameImpl> frame = main_frame();
  PagePicture picture;
  picture.title = shown_title_;
  picture.has_route = page_state_.has_route();
  picture.route = page_state_.route();
  picture.has_answer = page_state_.has_answer();
  picture.last_request = page_state_.last_request();
  picture.last_answer = page_state_.last_answer();
  picture.last_script = page_state_.last_script();
  if (frame) {
    picture.url = frame->url();
    VisibleTextOptions options;
    options.route = page_state_.route();
    options.element_texts = ScenarioShownTexts(frame.get(), page_state_);
    picture.blocks = ExtractVisibleText(frame->html(), options);
  }
  PaintPage(dc, area, picture);
}

// --- Renderer reports ----------------------------------------------------

void BrowserHostImpl::OnRendererMessage(int64_t frame_id,
                                        CefRefPtr<CefProcessMessage> message) {
  CefRefPtr<FrameImpl> frame = FindFrame(frame_id);
  if (!frame || !client_)
    return;  // The frame went away while the message travelled.
  client_->OnProcessMessageReceived(this, frame.get(), PID_RENDERER, message);
}

void BrowserHostImpl::OnRendererGone(process::TerminationStatus status) {
  renderer_.reset();
  RemoveSubFrames(main_frame_ ? main_frame_->id() : 0);
  // As CEF: a normal end, and the others Chromium does not count abnormal,
  // reach no handler.
  cef_termination_status_t reported;
  if (process::ReportedTerminationStatus(status, &reported) && client_) {
    if (CefRefPtr<CefRequestHandler> handler = client_->GetRequestHandler()) {
      NavigationLock lock(this);
      handler->OnRenderProcessTerminated(this, reported);
    }
  }
  UpdateBrowserRecord(id_,
                      [](BrowserRecord* record) { ++record->renderer_ends; });
}

// --- CefBrowser ----------------------------------------------------------

bool BrowserHostImpl::IsValid() {
  std::lock_guard<std::mutex> guard(lock_);
  return valid_;
}

CefRefPtr<CefBrowserHost> BrowserHostImpl::GetHost() {
  return this;
}

bool BrowserHostImpl::CanGoBack() {
  return navigator_ && navigator_->CanGoBack();
}

void BrowserHostImpl::GoBack() {
  ReportViolation("CefBrowser::GoBack is not simulated");
}

bool BrowserHostImpl::CanGoForward() {
  return false;
}

void BrowserHostImpl::GoForward() {
  ReportViolation("CefBrowser::GoForward is not simulated");
}

bool BrowserHostImpl::IsLoading() {
  if (!RequireUiThread("CefBrowser::IsLoading"))
    return false;
  return navigator_ && navigator_->IsLoading();
}

void BrowserHostImpl::Reload() {
  if (!CurrentlyOn(TID_UI)) {
    CefRefPtr<BrowserHostImpl> self(this);
    PostTask(TID_UI, [self] { self->Reload(); });
    return;
  }
  CefRefPtr<BrowserHostImpl> self(this);
  RunOrDeferNavigation([self] {
    CefRefPtr<FrameImpl> frame = self->main_frame();
    if (frame && self->navigator_ && !frame->url().empty())
      self->navigator_->Navigate(frame, frame->url(), TT_RELOAD);
  });
}

void BrowserHostImpl::ReloadIgnoreCache() {
  Reload();
}

void BrowserHostImpl::StopLoad() {
  ReportViolation("CefBrowser::StopLoad is not simulated");
}

int BrowserHostImpl::GetIdentifier() {
  return id_;
}

bool BrowserHostImpl::IsSame(CefRefPtr<CefBrowser> that) {
  return that.get() == static_cast<CefBrowser*>(this);
}

bool BrowserHostImpl::IsPopup() {
  return is_popup_;
}

bool BrowserHostImpl::HasDocument() {
  CefRefPtr<FrameImpl> frame = main_frame();
  return frame && !frame->url().empty();
}

CefRefPtr<CefFrame> BrowserHostImpl::GetMainFrame() {
  return main_frame().get();
}

CefRefPtr<CefFrame> BrowserHostImpl::GetFocusedFrame() {
  return main_frame().get();
}

CefRefPtr<CefFrame> BrowserHostImpl::GetFrame(int64 identifier) {
  return FindFrame(identifier).get();
}

CefRefPtr<CefFrame> BrowserHostImpl::GetFrame(const CefString& name) {
  std::lock_guard<std::mutex> guard(lock_);
  for (const auto& entry : frames_) {
    if (entry.second->GetName() == name)
      return entry.second.get();
  }
  return nullptr;
}

size_t BrowserHostImpl::GetFrameCount() {
  std::lock_guard<std::mutex> guard(lock_);
  return frames_.size();
}

void BrowserHostImpl::GetFrameIdentifiers(std::vector<int64>& identifiers) {
  std::lock_guard<std::mutex> guard(lock_);
  identifiers.clear();
  for (const auto& entry : frames_)
    identifiers.push_back(entry.first);
}

void BrowserHostImpl::GetFrameNames(std::vector<CefString>& names) {
  std::lock_guard<std::mutex> guard(lock_);
  names.clear();
  for (const auto& entry : frames_)
    names.push_back(entry.second->GetName());
}

// --- CefBrowserHost, simulated -------------------------------------------

CefRefPtr<CefBrowser> BrowserHostImpl::GetBrowser() {
  return this;
}

CefWindowHandle BrowserHostImpl::GetWindowHandle() {
  return window();
}

CefWindowHandle BrowserHostImpl::GetOpenerWindowHandle() {
  CefRefPtr<BrowserHostImpl> opener = FindBrowser(opener_id_);
  return opener ? opener->window() : nullptr;
}

bool BrowserHostImpl::HasView() {
  return false;
}

CefRefPtr<CefClient> BrowserHostImpl::GetClient() {
  return client_;
}

CefRefPtr<CefRequestContext> BrowserHostImpl::GetRequestContext() {
  return request_context_;
}

bool BrowserHostImpl::IsWindowRenderingDisabled() {
  return false;
}

void BrowserHostImpl::SetFocus(bool focus) {
  if (!CurrentlyOn(TID_UI)) {
    CefRefPtr<BrowserHostImpl> self(this);
    PostTask(TID_UI, [self, focus] { self->SetFocus(focus); });
    return;
  }
  if (focus && window())
    ::SetFocus(window());
}

void BrowserHostImpl::WasResized() {
  ReportViolation(
      "CefBrowserHost::WasResized: window rendering is not "
      "disabled");
}

void BrowserHostImpl::WasHidden(bool hidden) {
  ReportViolation(
      "CefBrowserHost::WasHidden: window rendering is not "
      "disabled");
}

void BrowserHostImpl::NotifyMoveOrResizeStarted() {}

}  // namespace browser
}  // namespace cefsim
