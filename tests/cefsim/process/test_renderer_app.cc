#include "test_renderer_app.h"

#include <windows.h>

#include <string>
#include <vector>

#include "child_process_app.h"
#include "include/cef_shared_process_message_builder.h"
#include "include/cef_v8.h"
#include "renderer/render_process.h"

namespace orvtest {
namespace {

std::string Id(int64_t id) {
  return std::to_string(id);
}

// window.cefQuery stand-in: answers "fail" with onFailure(5, "nope"),
// anything else with onSuccess("echo:" + request), twice when persistent.
// Returns the query id 40 + n. window.cefQueryCancel logs what it got.
class PageFunctions : public CefV8Handler {
 public:
  explicit PageFunctions(std::vector<std::string>* log) : log_(log) {}

  bool Execute(const CefString& name,
               CefRefPtr<CefV8Value> object,
               const CefV8ValueList& arguments,
               CefRefPtr<CefV8Value>& retval,
               CefString& exception) override {
    if (name == "cefQueryCancel") {
      log_->push_back("cancel " + Id(arguments[0]->GetIntValue()));
      retval = CefV8Value::CreateBool(true);
      return true;
    }
    CefRefPtr<CefV8Value> query = arguments[0];
    const std::string request = query->GetValue("request")->GetStringValue();
    const bool persistent = query->GetValue("persistent")->GetBoolValue();
    if (request == "fail") {
      query->GetValue("onFailure")
          ->ExecuteFunction(nullptr, {CefV8Value::CreateInt(5),
                                      CefV8Value::CreateString("nope")});
    } else {
      const int answers = persistent ? 2 : 1;
      for (int i = 0; i < answers; ++i) {
        query->GetValue("onSuccess")
            ->ExecuteFunction(nullptr,
                              {CefV8Value::CreateString("echo:" + request)});
      }
    }
    retval = CefV8Value::CreateInt(40 + ++count_);
    return true;
  }

 private:
  std::vector<std::string>* const log_;  // Owned by the app.
  int count_ = 0;

  IMPLEMENT_REFCOUNTING(PageFunctions);
};

class TestRendererApp : public CefApp, public CefRenderProcessHandler {
 public:
  CefRefPtr<CefRenderProcessHandler> GetRenderProcessHandler() override {
    return this;
  }

  void OnWebKitInitialized() override { log_.push_back("webkit"); }

  void OnBrowserCreated(CefRefPtr<CefBrowser> browser,
                        CefRefPtr<CefDictionaryValue> extra_info) override {
    log_.push_back("browser_created " + Id(browser->GetIdentifier()) +
                   (browser->IsPopup() ? " popup" : "") +
                   (extra_info ? " extra" : ""));
  }

  void OnBrowserDestroyed(CefRefPtr<CefBrowser> browser) override {
    log_.push_back("browser_destroyed " + Id(browser->GetIdentifier()) +
                   (browser->IsValid() ? " valid" : ""));
  }

  void OnContextCreated(CefRefPtr<CefBrowser> browser,
                        CefRefPtr<CefFrame> frame,
                        CefRefPtr<CefV8Context> context) override {
    CefRefPtr<CefV8Context> current = CefV8Context::GetCurrentContext();
    const bool entered = current && current->IsSame(context);
    const bool own =
        frame->GetV8Context() && frame->GetV8Context()->IsSame(context);
    CefRefPtr<CefFrame> parent = frame->GetParent();
    log_.push_back(
        "context_created " + Id(browser->GetIdentifier()) + " " +
        Id(frame->GetIdentifier()) + " " + frame->GetURL().ToString() +
        (frame->IsMain()
             ? " main"
             : " parent " + Id(parent ? parent->GetIdentifier() : -1)) +
        (entered ? " entered" : "") + (own ? " own" : ""));
    if (frame->GetURL().ToString().find("with-query") == std::string::npos)
      return;
    CefRefPtr<CefV8Handler> functions = new PageFunctions(&log_);
    CefRefPtr<CefV8Value> window = context->GetGlobal();
    window->SetValue("cefQuery",
                     CefV8Value::CreateFunction("cefQuery", functions),
                     V8_PROPERTY_ATTRIBUTE_NONE);
    window->SetValue("cefQueryCancel",
                     CefV8Value::CreateFunction("cefQueryCancel", functions),
                     V8_PROPERTY_ATTRIBUTE_NONE);
  }

  void OnContextReleased(CefRefPtr<CefBrowser> browser,
                         CefRefPtr<CefFrame> frame,
                         CefRefPtr<CefV8Context> context) override {
    log_.push_back("context_released " + Id(browser->GetIdentifier()) + " " +
                   Id(frame->GetIdentifier()) +
                   (context->IsValid() ? " valid" : ""));
  }

  bool OnProcessMessageReceived(CefRefPtr<CefBrowser> browser,
                                CefRefPtr<CefFrame> frame,
                                CefProcessId source_process,
                                CefRefPtr<CefProcessMessage> message) override {
    const std::string name = message->GetName();
    if (source_process != PID_BROWSER)
      log_.push_back("message from the wrong process");
    CefRefPtr<CefProcessMessage> reply;
    if (name == "log?") {
      reply = CefProcessMessage::Create("log");
      for (const std::string& entry : log_) {
        CefRefPtr<CefListValue> args = reply->GetArgumentList();
        args->SetString(args->GetSize(), entry);
      }
    } else if (name == "echo") {
      reply = Echo(message);
    } else if (name == "frame?") {
      reply = DescribeFrame(browser, frame);
    } else if (name == "scripts?") {
      reply = DescribeScripts(browser, frame);
    } else if (name == "exit") {
      // Ends the process at once with the given code, as a crash would.
      TerminateProcess(
          GetCurrentProcess(),
          static_cast<UINT>(message->GetArgumentList()->GetInt(0)));
      return true;
    } else if (name == "misuse") {
      // The renderer may only send to the browser process.
      frame->SendProcessMessage(PID_RENDERER,
                                CefProcessMessage::Create("misused"));
      return true;
    } else {
      return false;
    }
    frame->SendProcessMessage(PID_BROWSER, reply);
    return true;
  }

 private:
  static CefRefPtr<CefProcessMessage> Echo(
      CefRefPtr<CefProcessMessage> message) {
    if (CefRefPtr<CefSharedMemoryRegion> region =
            message->GetSharedMemoryRegion()) {
      CefRefPtr<CefSharedProcessMessageBuilder> builder =
          CefSharedProcessMessageBuilder::Create("echo", region->Size());
      memcpy(builder->Memory(), region->Memory(), region->Size());
      return builder->Build();
    }
    CefRefPtr<CefProcessMessage> reply = CefProcessMessage::Create("echo");
    CefRefPtr<CefListValue> args = message->GetArgumentList()->Copy();
    args->SetBool(args->GetSize(), message->IsReadOnly());
    CefRefPtr<CefListValue> out = reply->GetArgumentList();
    for (size_t i = 0; i < args->GetSize(); ++i)
      out->SetValue(i, args->GetValue(i));
    return reply;
  }

  static CefRefPtr<CefProcessMessage> DescribeFrame(
      CefRefPtr<CefBrowser> browser,
      CefRefPtr<CefFrame> frame) {
    CefRefPtr<CefProcessMessage> reply = CefProcessMessage::Create("frame");
    CefRefPtr<CefListValue> args = reply->GetArgumentList();
    CefRefPtr<CefFrame> parent = frame->GetParent();
    CefRefPtr<CefV8Context> context = frame->GetV8Context();
    std::vector<int64> ids;
    browser->GetFrameIdentifiers(ids);
    args->SetString(0, Id(frame->GetIdentifier()));
    args->SetBool(1, frame->IsMain());
    args->SetBool(2, frame->IsValid());
    args->SetString(3, parent ? Id(parent->GetIdentifier()) : "none");
    args->SetString(4, frame->GetURL());
    args->SetInt(5, frame->GetBrowser()->GetIdentifier());
    args->SetBool(6, frame->GetBrowser()->IsSame(browser));
    args->SetBool(
        7, context && context->IsValid() &&
               context->GetFrame()->GetIdentifier() == frame->GetIdentifier());
    args->SetInt(8, static_cast<int>(browser->GetFrameCount()));
    args->SetInt(9, static_cast<int>(ids.size()));
    args->SetString(10, Id(browser->GetMainFrame()->GetIdentifier()));
    args->SetBool(11, browser->IsPopup());
    args->SetBool(12, browser->HasDocument());
    args->SetBool(13, browser->GetFrame(frame->GetIdentifier()) != nullptr);
    return reply;
  }

  // Reaches into the renderer's own frame, which only an in-process test
  // of the runtime can do.
  static CefRefPtr<CefProcessMessage> DescribeScripts(
      CefRefPtr<CefBrowser> browser,
      CefRefPtr<CefFrame> frame) {
    CefRefPtr<CefProcessMessage> reply = CefProcessMessage::Create("scripts");
    CefRefPtr<cefsim::renderer::FrameImpl> impl =
        cefsim::renderer::RenderProcess::Get()->registry().FindFrame(
            browser->GetIdentifier(), frame->GetIdentifier());
    if (!impl)
      return reply;
    CefRefPtr<CefListValue> args = reply->GetArgumentList();
    for (const cefsim::renderer::ScriptRecord& script : impl->scripts()) {
      args->SetString(
          args->GetSize(),
          script.script_url + "|" + Id(script.start_line) + "|" + script.code);
    }
    return reply;
  }

  std::vector<std::string> log_;  // Render thread only.

  IMPLEMENT_REFCOUNTING(TestRendererApp);
};

}  // namespace

CefRefPtr<CefApp> MakeTestRendererApp() {
  return new TestRendererApp();
}

const ChildProcessAppRegistration kRendererApp(&MakeTestRendererApp);

}  // namespace orvtest
