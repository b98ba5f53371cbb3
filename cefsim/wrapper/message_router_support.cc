#include "message_router_support.h"

#include <utility>

#include "diagnostics_exports.h"

namespace cefsim {
namespace router {
namespace {

class ClosureTask : public CefTask {
 public:
  explicit ClosureTask(std::function<void()> closure)
      : closure_(std::move(closure)) {}
  ClosureTask(const ClosureTask&) = delete;
  ClosureTask& operator=(const ClosureTask&) = delete;

  void Execute() override {
    std::function<void()> closure = std::move(closure_);
    closure_ = nullptr;
    if (closure)
      closure();
  }

 private:
  std::function<void()> closure_;

  IMPLEMENT_REFCOUNTING(ClosureTask);
};

const char* ThreadName(CefThreadId thread) {
  switch (thread) {
    case TID_UI:
      return "the UI thread";
    case TID_RENDERER:
      return "the renderer thread";
    default:
      return "its CEF thread";
  }
}

}  // namespace

void Violation(const std::string& text) {
  cefsim_report_violation(text.c_str());
}

void Note(const char* tag, const std::string& detail) {
  cefsim_record_note(tag, detail.c_str());
}

bool RequireThread(CefThreadId thread, const char* what) {
  if (CefCurrentlyOn(thread))
    return true;
  Violation(std::string(what) + " called off " + ThreadName(thread));
  return false;
}

bool PostClosure(CefThreadId thread, std::function<void()> closure) {
  return CefPostTask(thread, new ClosureTask(std::move(closure)));
}

}  // namespace router
}  // namespace cefsim
