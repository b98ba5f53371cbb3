// Both router halves wired together on the test thread: it is CEF's UI
// thread and the renderer thread (tasks for either queue up until the test
// pumps them), it plays the page through the V8 simulation, and it carries
// each process message a frame sends to the other half.
#ifndef TESTS_CEFSIM_ROUTER_ROUTER_HARNESS_H_
#define TESTS_CEFSIM_ROUTER_ROUTER_HARNESS_H_

#include <memory>
#include <string>
#include <vector>

#include "browser_doubles.h"
#include "gtest/gtest.h"
#include "include/wrapper/cef_message_router.h"
#include "renderer/render_thread.h"

namespace orvtest {

class TestThreadTarget;

// What the page's onSuccess or onFailure received.
struct PageOutcome {
  bool success = false;
  std::string text;
  int error_code = 0;
};

// A browser-side handler whose answers the test decides.
class TestQueryHandler : public CefMessageRouterBrowserSide::Handler {
 public:
  enum class Mode { kRefuse, kKeep, kSucceedAtOnce };
  explicit TestQueryHandler(Mode mode) : mode_(mode) {}

  bool OnQuery(CefRefPtr<CefBrowser> browser,
               CefRefPtr<CefFrame> frame,
               int64 query_id,
               const CefString& request,
               bool persistent,
               CefRefPtr<Callback> callback) override;
  void OnQueryCanceled(CefRefPtr<CefBrowser> browser,
                       CefRefPtr<CefFrame> frame,
                       int64 query_id) override;

  std::vector<std::string> requests;
  std::vector<int64> canceled;
  // The callback of the last query taken (kKeep, kSucceedAtOnce).
  CefRefPtr<Callback> callback;
  // Handlers that were asked, in order, shared by all handlers of a test.
  std::vector<TestQueryHandler*>* asked = nullptr;

 private:
  const Mode mode_;
};

class RouterTest : public testing::Test {
 protected:
  RouterTest();
  ~RouterTest() override;

  // A handler registered with the browser half; the fixture owns it, so it
  // outlives the router's last cancellations.
  TestQueryHandler* AddHandler(TestQueryHandler::Mode mode, bool first = false);

  // A script context of |frame| with the router's functions in it, as the
  // renderer creates it.
  CefRefPtr<CefV8Context> NewContext(CefRefPtr<TestFrame> frame);
  // Releases |context| as the renderer does: the router first.
  void ReleaseContext(CefRefPtr<TestFrame> frame,
                      CefRefPtr<CefV8Context> context);

  // The page calls cefQuery in |context|; returns what it returned (-1 when
  // it threw, with the exception in |exception| when given).
  int PageQuery(CefRefPtr<CefV8Context> context,
                const std::string& request,
                bool persistent,
                std::string* exception = nullptr);
  // The page calls the function |name| with |arguments|; returns the
  // exception text, empty when none was thrown.
  std::string PageCall(CefRefPtr<CefV8Context> context,
                       const std::string& name,
                       const CefV8ValueList& arguments,
                       CefRefPtr<CefV8Value>* result = nullptr);
  bool PageCancel(CefRefPtr<CefV8Context> context, int request_id);

  // Runs queued tasks and carries sent messages until nothing is left.
  void Pump();
  // The messages |frame| sent towards |target| so far.
  std::vector<CefRefPtr<CefProcessMessage>> SentTo(CefRefPtr<TestFrame> frame,
                                                   CefProcessId target);

  cefsim::renderer::RenderThread render_thread_;
  std::shared_ptr<TestThreadTarget> thread_target_;
  CefRefPtr<TestBrowser> browser_;
  CefRefPtr<TestFrame> main_frame_;
  CefRefPtr<CefMessageRouterBrowserSide> browser_router_;
  CefRefPtr<CefMessageRouterRendererSide> renderer_router_;
  std::vector<PageOutcome> outcomes_;     // All the page saw, in order.
  std::vector<TestQueryHandler*> asked_;  // Handlers asked, in order.

 private:
  void Deliver(CefRefPtr<TestFrame> frame);

  std::vector<CefRefPtr<TestFrame>> frames_;
  std::vector<size_t> delivered_;  // Per entry of |frames_|.
  std::vector<CefRefPtr<CefV8Context>> contexts_;
  std::vector<std::unique_ptr<TestQueryHandler>> handlers_;
};

}  // namespace orvtest

#endif  // TESTS_CEFSIM_ROUTER_ROUTER_HARNESS_H_
