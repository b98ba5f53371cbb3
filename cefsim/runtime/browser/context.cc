#include "browser/context.h"

#include <windows.h>

#include <atomic>
#include <condition_variable>
#include <memory>
#include <mutex>
#include <string>

#include "browser/browser_registry.h"
#include "browser/browser_window.h"
#include "browser/scenario_player.h"
#include "diagnostics/records.h"
#include "threads/message_loop_thread.h"
#include "threads/threads.h"

namespace cefsim {
namespace browser {
namespace {

// Chromium cannot start twice in one process. The mark is a named kernel
// object whose handle is never closed, so it outlasts an unload of
// libcef.dll and ends with the process (an environment variable would be
// inherited by child processes).
std::wstring ShutDownMarkName() {
  return L"cefsim-context-shut-down-" + std::to_wstring(GetCurrentProcessId());
}

enum class State { kNone, kFailed, kInitialized, kShuttingDown };

struct Context {
  std::mutex lock;
  State state = State::kNone;             // Guarded by |lock|.
  DWORD init_thread = 0;                  // Set once, under |lock|.
  std::unique_ptr<CefSettings> settings;  // Guarded by |lock|.
  CefRefPtr<CefApp> application;          // Guarded by |lock|.
  std::shared_ptr<MessageLoopThread> ui;  // Guarded by |lock|.
  std::shared_ptr<MessageLoopThread> io;  // Guarded by |lock|.
  std::atomic<bool> fail_next{false};
  // How long the next context holds back OnContextInitialized, in ms.
  std::atomic<int> context_initialized_delay_ms{0};
};

Context& GetContext() {
  static Context* context = new Context();
  return *context;
}

bool WasShutDown() {
  HANDLE mark = OpenMutexW(SYNCHRONIZE, FALSE, ShutDownMarkName().c_str());
  if (!mark)
    return false;
  CloseHandle(mark);
  return true;
}

void MarkShutDown() {
  // Leaked on purpose: the handle keeps the mark alive.
  CreateMutexW(nullptr, FALSE, ShutDownMarkName().c_str());
}

// Context exists and this is the thread that created it; otherwise reports
// |what| as CEF's NOTREACHED does. Both Shutdown and QuitMessageLoop check
// this way.
bool CheckValidOnInitThread(const char* what) {
  Context& context = GetContext();
  std::lock_guard<std::mutex> guard(context.lock);
  if (context.state != State::kInitialized) {
    ReportViolation(std::string(what) + ": context not valid");
    return false;
  }
  if (GetCurrentThreadId() != context.init_thread) {
    ReportViolation(std::string(what) + ": called on invalid thread");
    return false;
  }
  return true;
}

// UI thread, as the first task of the new context.
void RunContextInitialized(CefRefPtr<CefApp> application) {
  if (!application)
    return;
  CefRefPtr<CefBrowserProcessHandler> handler =
      application->GetBrowserProcessHandler();
  if (handler)
    handler->OnContextInitialized();
}

std::shared_ptr<MessageLoopThread> StartThread(const char* name) {
  auto thread = std::make_shared<MessageLoopThread>(name);
  if (!thread->Start())
    return nullptr;
  return thread;
}

// Runs |work| on |thread| behind everything queued there and waits for it.
void RunQueuedThen(MessageLoopThread* thread, std::function<void()> work) {
  std::mutex done_lock;
  std::condition_variable done_signal;
  bool done = false;
  const bool posted = thread->PostTask([&] {
    work();
    std::lock_guard<std::mutex> guard(done_lock);
    done = true;
    done_signal.notify_one();
  });
  if (!posted)
    return;
  std::unique_lock<std::mutex> guard(done_lock);
  done_signal.wait(guard, [&] { return done; });
}

}  // namespace

bool InitializeContext(const cef_main_args_t& args,
                       const cef_settings_t& settings,
                       CefRefPtr<CefApp> application) {
  Context& context = GetContext();
  std::unique_lock<std::mutex> guard(context.lock);
  if (context.state != State::kNone) {
    // CEF answers true while its global context exists, whatever became of
    // the first start.
    RecordNote("initialize-again", "CefInitialize while a context exists");
    return true;
  }
  if (WasShutDown()) {
    ReportViolation(
        "CefInitialize after CefShutdown: CEF cannot start twice in one "
        "process");
    return false;
  }
  if (settings.size != sizeof(cef_settings_t)) {
    ReportViolation("CefInitialize: invalid CefSettings structure size");
    return false;
  }
  context.init_thread = GetCurrentThreadId();
  context.settings = std::make_unique<CefSettings>(settings);
  context.application = application;
  context.state = State::kFailed;
  if (!settings.multi_threaded_message_loop) {
    ReportViolation(
        "CefInitialize: only multi_threaded_message_loop is simulated");
    return false;
  }
  if (context.fail_next.exchange(false))
    return false;

  // The page a scenario file describes is served before any browser runs.
  LoadScenarioFromEnvironment();
  context.ui = StartThread("CrBrowserMain");
  context.io = StartThread("Chrome_IOThread");
  if (!context.ui || !context.io) {
    ReportViolation("CefInitialize: could not start the browser threads");
    return false;
  }
  SetTaskTarget(TID_UI, MakeTaskTarget(context.ui));
  SetTaskTarget(TID_IO, MakeTaskTarget(context.io));
  context.state = State::kInitialized;
  // A delay still pending at CefShutdown means the callback never comes.
  context.ui->PostTask([application] { RunContextInitialized(application); },
                       context.context_initialized_delay_ms.exchange(0));
  return true;
}

void ShutdownContext() {
  if (!CheckValidOnInitThread("CefShutdown"))
    return;
  Context& context = GetContext();
  std::shared_ptr<MessageLoopThread> ui;
  std::shared_ptr<MessageLoopThread> io;
  {
    std::lock_guard<std::mutex> guard(context.lock);
    context.state = State::kShuttingDown;
    ui = context.ui;
    io = context.io;
  }
  // Pending UI tasks run first; then browsers still open are destroyed. As
  // in CEF, this thread only waits meanwhile and answers no window message.
  RunQueuedThen(ui.get(), [] { DestroyAllBrowsersAtShutdown(); });
  // The browser windows left end with the thread that owns them.
  ui->Stop();
  io->Stop();
  UnregisterBrowserWindowClass();
  SetTaskTarget(TID_UI, nullptr);
  SetTaskTarget(TID_IO, nullptr);

  CefRefPtr<CefApp> application;
  {
    std::lock_guard<std::mutex> guard(context.lock);
    application.swap(context.application);
    context.ui.reset();
    context.io.reset();
    context.state = State::kNone;
  }
  MarkShutDown();
  // |application| goes last, after CEF holds nothing more of it.
}

void QuitContextMessageLoop() {
  if (!CheckValidOnInitThread("CefQuitMessageLoop"))
    return;
  // The UI thread runs its own loop; there is no loop on this thread for
  // CEF to quit.
  RecordNote("quit-message-loop",
             "CefQuitMessageLoop with multi_threaded_message_loop");
}

bool ContextValid() {
  Context& context = GetContext();
  std::lock_guard<std::mutex> guard(context.lock);
  return context.state == State::kInitialized;
}

bool GetReceivedSettings(CefSettings* settings) {
  Context& context = GetContext();
  std::lock_guard<std::mutex> guard(context.lock);
  if (!context.settings)
    return false;
  *settings = *context.settings;
  return true;
}

CefRefPtr<CefApp> ContextApplication() {
  Context& context = GetContext();
  std::lock_guard<std::mutex> guard(context.lock);
  return context.application;
}

void FailNextInitialize() {
  GetContext().fail_next = true;
}

void DelayNextContextInitialized(int delay_ms) {
  GetContext().context_initialized_delay_ms = delay_ms > 0 ? delay_ms : 0;
}

}  // namespace browser
}  // namespace cefsim
