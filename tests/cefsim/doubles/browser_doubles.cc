#include "browser_doubles.h"

namespace orvtest {

CefRefPtr<TestFrame> TestBrowser::main_frame() {
  {
    std::lock_guard<std::mutex> guard(lock_);
    for (const auto& frame : frames_) {
      if (frame->IsMain())
        return frame;
    }
  }
  return AddFrame(id_ * 100, /*is_main=*/true);
}

CefRefPtr<TestFrame> TestBrowser::AddFrame(int64 id, bool is_main) {
  CefRefPtr<TestFrame> frame(new TestFrame(this, id, is_main));
  std::lock_guard<std::mutex> guard(lock_);
  frames_.push_back(frame);
  return frame;
}

bool TestBrowser::IsSame(CefRefPtr<CefBrowser> that) {
  return that && that->GetIdentifier() == id_;
}

CefRefPtr<CefFrame> TestBrowser::GetMainFrame() {
  return main_frame().get();
}

CefRefPtr<CefFrame> TestBrowser::GetFrame(int64 identifier) {
  std::lock_guard<std::mutex> guard(lock_);
  for (const auto& frame : frames_) {
    if (frame->GetIdentifier() == identifier)
      return frame.get();
  }
  return nullptr;
}

CefRefPtr<CefFrame> TestBrowser::GetFrame(const CefString& name) {
  return nullptr;
}

size_t TestBrowser::GetFrameCount() {
  std::lock_guard<std::mutex> guard(lock_);
  return frames_.size();
}

void TestBrowser::GetFrameIdentifiers(std::vector<int64>& identifiers) {
  std::lock_guard<std::mutex> guard(lock_);
  for (const auto& frame : frames_)
    identifiers.push_back(frame->GetIdentifier());
}

void TestBrowser::GetFrameNames(std::vector<CefString>& names) {}

std::vector<SentMessage> TestFrame::sent() {
  std::lock_guard<std::mutex> guard(lock_);
  return sent_;
}

size_t TestFrame::sent_count() {
  std::lock_guard<std::mutex> guard(lock_);
  return sent_.size();
}

void TestFrame::set_url(const std::string& url) {
  std::lock_guard<std::mutex> guard(lock_);
  url_ = url;
}

CefString TestFrame::GetURL() {
  std::lock_guard<std::mutex> guard(lock_);
  return url_;
}

void TestFrame::SendProcessMessage(CefProcessId target_process,
                                   CefRefPtr<CefProcessMessage> message) {
  std::lock_guard<std::mutex> guard(lock_);
  sent_.push_back(SentMessage{target_process, message});
}

}  // namespace orvtest
