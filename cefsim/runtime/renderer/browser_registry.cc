#include "renderer/browser_registry.h"

#include "diagnostics/records.h"
#include "renderer/script_context.h"

namespace cefsim {
namespace renderer {

BrowserRegistry::BrowserRegistry(CefRenderProcessHandler* handler)
    : handler_(handler) {}

BrowserRegistry::~BrowserRegistry() {
  DropAll();
}

void BrowserRegistry::CreateBrowser(int browser_id, bool is_popup) {
  if (browsers_.count(browser_id)) {
    ReportViolation("renderer: browser " + std::to_string(browser_id) +
                    " created twice");
    return;
  }
  CefRefPtr<BrowserImpl> browser = new BrowserImpl(browser_id, is_popup);
  browsers_[browser_id] = browser;
  // No extra info crosses to the renderer, so CEF passes none.
  if (handler_)
    handler_->OnBrowserCreated(browser.get(), nullptr);
}

void BrowserRegistry::DestroyBrowser(int browser_id) {
  CefRefPtr<BrowserImpl> browser = FindBrowser(browser_id);
  if (!browser)
    return;
  // The main frame takes its sub-frames along; nothing should be left over.
  if (CefRefPtr<FrameImpl> main_frame = browser->MainFrame())
    DetachTree(browser.get(), main_frame.get());
  for (const CefRefPtr<FrameImpl>& frame : browser->Frames())
    DetachTree(browser.get(), frame.get());
  browser->Invalidate();
  browsers_.erase(browser_id);
  if (handler_)
    handler_->OnBrowserDestroyed(browser.get());
}

void BrowserRegistry::CommitNavigation(int browser_id,
                                       int64_t frame_id,
                                       int64_t parent_id,
                                       bool is_main,
                                       const std::string& url) {
  CefRefPtr<BrowserImpl> browser = FindBrowser(browser_id);
  if (!browser) {
    ReportViolation("renderer: navigation in unknown browser " +
                    std::to_string(browser_id));
    return;
  }
  CefRefPtr<FrameImpl> frame = browser->FindFrame(frame_id);
  if (frame) {
    // The old document goes: its sub-frames first, then its own context.
    DetachChildren(browser.get(), frame.get());
    ReleaseContext(browser.get(), frame.get());
  } else {
    if (!is_main && !browser->FindFrame(parent_id)) {
      ReportViolation("renderer: sub-frame " + std::to_string(frame_id) +
                      " of unknown parent " + std::to_string(parent_id));
      return;
    }
    frame = browser->AddFrame(frame_id, is_main ? 0 : parent_id, is_main);
  }

  CefRefPtr<CefV8Context> context =
      CreateScriptContext(browser.get(), frame.get());
  frame->Commit(url, context);
  if (!handler_ || !context)
    return;
  // CEF runs the callback inside the new context.
  context->Enter();
  handler_->OnContextCreated(browser.get(), frame.get(), context);
  context->Exit();
}

void BrowserRegistry::DetachFrame(int browser_id, int64_t frame_id) {
  CefRefPtr<BrowserImpl> browser = FindBrowser(browser_id);
  CefRefPtr<FrameImpl> frame = browser ? browser->FindFrame(frame_id) : nullptr;
  // A frame already gone with its parent has nothing left to detach.
  if (!frame)
    return;
  DetachTree(browser.get(), frame.get());
}

void BrowserRegistry::DeliverMessage(int browser_id,
                                     int64_t frame_id,
                                     CefRefPtr<CefProcessMessage> message) {
  CefRefPtr<BrowserImpl> browser = FindBrowser(browser_id);
  CefRefPtr<FrameImpl> frame = browser ? browser->FindFrame(frame_id) : nullptr;
  if (!frame) {
    RecordNote("process_message_dropped",
               "no frame " + std::to_string(frame_id) + " in browser " +
                   std::to_string(browser_id));
    return;
  }
  // Whether the handler consumed it makes no difference to CEF.
  if (handler_) {
    handler_->OnProcessMessageReceived(browser.get(), frame.get(), PID_BROWSER,
                                       message);
  }
}

CefRefPtr<BrowserImpl> BrowserRegistry::FindBrowser(int browser_id) const {
  auto it = browsers_.find(browser_id);
  return it == browsers_.end() ? nullptr : it->second;
}

CefRefPtr<FrameImpl> BrowserRegistry::FindFrame(int browser_id,
                                                int64_t frame_id) const {
  CefRefPtr<BrowserImpl> browser = FindBrowser(browser_id);
  return browser ? browser->FindFrame(frame_id) : nullptr;
}

void BrowserRegistry::DropAll() {
  for (const auto& entry : browsers_) {
    BrowserImpl* browser = entry.second.get();
    for (const CefRefPtr<FrameImpl>& frame : browser->Frames()) {
      if (CefRefPtr<CefV8Context> context = frame->TakeContext())
        ReleaseScriptContext(context);
      browser->RemoveFrame(frame->GetIdentifier());
    }
    browser->Invalidate();
  }
  browsers_.clear();
}

void BrowserRegistry::ReleaseContext(BrowserImpl* browser, FrameImpl* frame) {
  CefRefPtr<CefV8Context> context = frame->TakeContext();
  if (!context)
    return;
  if (handler_)
    handler_->OnContextReleased(browser, frame, context);
  ReleaseScriptContext(context);
}

void BrowserRegistry::DetachChildren(BrowserImpl* browser, FrameImpl* frame) {
  for (const CefRefPtr<FrameImpl>& child :
       browser->ChildrenOf(frame->GetIdentifier())) {
    DetachTree(browser, child.get());
  }
}

void BrowserRegistry::DetachTree(BrowserImpl* browser, FrameImpl* frame) {
  if (!frame->attached())
    return;
  CefRefPtr<FrameImpl> keep_alive = frame;
  DetachChildren(browser, frame);
  ReleaseContext(browser, frame);
  browser->RemoveFrame(frame->GetIdentifier());
}

}  // namespace renderer
}  // namespace cefsim
