// Start and stop of the browser process's context, its threads and tasks.
#include <windows.h>

#include <stdio.h>

#include <atomic>
#include <functional>
#include <string>
#include <thread>
#include <vector>

#include "cefsim/control_web.h"
#include "gtest/gtest.h"
#include "include/cef_task.h"
#include "recording_client.h"
#include "violations.h"
#include "wait.h"

namespace {

using cefsim_test::RecordingApp;
using cefsim_test::RecordingClient;
using cefsim_test::StartContext;

class FunctionTask : public CefTask {
 public:
  explicit FunctionTask(std::function<void()> work) : work_(std::move(work)) {}
  void Execute() override { work_(); }

 private:
  std::function<void()> work_;
  IMPLEMENT_REFCOUNTING(FunctionTask);
};

CefRefPtr<CefTask> Task(std::function<void()> work) {
  return new FunctionTask(std::move(work));
}

bool BrowserWindowClassRegistered() {
  WNDCLASSEXW info = {sizeof(info)};
  return GetClassInfoExW(GetModuleHandleW(nullptr), L"CefBrowserWindow",
                         &info) != 0;
}

std::string SettingsText(const char* field) {
  char buffer[512] = {};
  return cefsim_settings_text(field, buffer, sizeof(buffer)) >= 0 ? buffer
                                                                  : "<none>";
}

TEST(ContextTest, StartsUiThreadKeepsSettingsAndStopsOnce) {
  EXPECT_FALSE(CefPostTask(TID_UI, Task([] {})));  // No context yet.
  CefRefPtr<RecordingApp> app = new RecordingApp();
  ASSERT_TRUE(StartContext(app, [](CefSettings* settings) {
    CefString(&settings->cache_path) = L"C:\\data\\cache\\cef";
    CefString(&settings->locale) = "zh-CN";
    CefString(&settings->javascript_flags) = "--max_old_space_size=2000";
    settings->remote_debugging_port = 9229;
  }));
  ASSERT_TRUE(orvtest::WaitUntil([&] { return app->initialized_count > 0; }));
  EXPECT_TRUE(app->initialized_on_ui);
  EXPECT_FALSE(CefCurrentlyOn(TID_UI));
  EXPECT_FALSE(CefCurrentlyOn(TID_IO));

  EXPECT_EQ("C:\\data\\cache\\cef", SettingsText("cache_path"));
  EXPECT_EQ("zh-CN", SettingsText("locale"));
  EXPECT_EQ("--max_old_space_size=2000", SettingsText("javascript_flags"));
  EXPECT_EQ("", SettingsText("log_file"));
  EXPECT_EQ("<none>", SettingsText("no_such_field"));
  const struct {
    const char* field;
    int expected;
  } ints[] = {{"no_sandbox", 1},
              {"multi_threaded_message_loop", 1},
              {"log_severity", LOGSEVERITY_DISABLE},
              {"remote_debugging_port", 9229},
              {"command_line_args_disabled", 0}};
  for (const auto& entry : ints) {
    int value = -1;
    EXPECT_EQ(1, cefsim_settings_int(entry.field, &value)) << entry.field;
    EXPECT_EQ(entry.expected, value) << entry.field;
  }

  // A second start while the context exists answers true, as CEF does.
  EXPECT_TRUE(StartContext(new RecordingApp()));
  EXPECT_EQ(1, cefsim_note_count("initialize-again"));

  CefShutdown();
  EXPECT_FALSE(CefPostTask(TID_UI, Task([] {})));
  EXPECT_FALSE(StartContext(new RecordingApp()));
  EXPECT_EQ(1, orvtest::TakeViolations("after CefShutdown"));
  EXPECT_EQ(1, app->initialized_count);
}

TEST(ContextTest, FailedStartLeavesAContextThatCannotShutDown) {
  cefsim_fail_next_initialize();
  CefRefPtr<RecordingApp> app = new RecordingApp();
  EXPECT_FALSE(StartContext(app));
  EXPECT_TRUE(StartContext(app));  // True even after the failed first start.
  EXPECT_FALSE(CefPostTask(TID_UI, Task([] {})));
  CefShutdown();
  EXPECT_EQ(1, orvtest::TakeViolations("CefShutdown: context not valid"));
  EXPECT_EQ(0, app->initialized_count);
}

TEST(ContextTest, SingleThreadedMessageLoopIsRefused) {
  EXPECT_FALSE(StartContext(new RecordingApp(), [](CefSettings* settings) {
    settings->multi_threaded_message_loop = 0;
  }));
  EXPECT_EQ(1, orvtest::TakeViolations("multi_threaded_message_loop"));
}

TEST(ContextTest, TasksRunLaterInOrderOnTheirThreads) {
  ASSERT_TRUE(StartContext(new RecordingApp()));
  std::mutex lock;
  std::vector<std::string> runs;  // Guarded by |lock|.
  auto note = [&](const std::string& what) {
    std::lock_guard<std::mutex> guard(lock);
    runs.push_back(what);
  };
  std::atomic<bool> inline_run{false};
  // The first task holds the UI thread until the test has posted the rest,
  // so the order below does not depend on how the threads are scheduled.
  HANDLE all_posted = CreateEventW(nullptr, TRUE, FALSE, nullptr);
  ASSERT_TRUE(
      CefPostTask(TID_UI, Task([&] {
                    WaitForSingleObject(all_posted, orvtest::kDefaultTimeoutMs);
                    // Posting from the UI thread to itself never runs inline.
                    CefPostTask(TID_UI, Task([&, note] { note("nested"); }));
                    {
                      std::lock_guard<std::mutex> guard(lock);
                      inline_run = !runs.empty() && runs.back() == "nested";
                    }
                    note("first");
                  })));
  ASSERT_TRUE(CefPostDelayedTask(TID_UI, Task([&] { note("delayed"); }), 150));
  ASSERT_TRUE(CefPostTask(TID_UI, Task([&] { note("second"); })));
  SetEvent(all_posted);
  std::atomic<bool> io_on_io{false};
  ASSERT_TRUE(CefPostTask(TID_IO, Task([&] {
                            io_on_io = CefCurrentlyOn(TID_IO) &&
                                       !CefCurrentlyOn(TID_UI);
                            note("io");
                          })));
  ASSERT_TRUE(orvtest::WaitUntil([&] {
    std::lock_guard<std::mutex> guard(lock);
    return runs.size() == 5;
  }));
  EXPECT_FALSE(inline_run);
  EXPECT_TRUE(io_on_io);
  std::vector<std::string> ui_runs;
  for (const std::string& run : runs) {
    if (run != "io")
      ui_runs.push_back(run);
  }
  EXPECT_EQ((std::vector<std::string>{"first", "second", "nested", "delayed"}),
            ui_runs);
  CloseHandle(all_posted);

  // Only the initialising thread may stop the context or quit its loop.
  std::thread other([] {
    CefShutdown();
    CefQuitMessageLoop();
  });
  other.join();
  EXPECT_EQ(2, orvtest::TakeViolations("called on invalid thread"));
  CefShutdown();
}

TEST(ContextTest, ShutdownRunsPendingTasksThenDestroysOpenBrowsers) {
  ASSERT_TRUE(StartContext(new RecordingApp()));
  CefRefPtr<RecordingClient> client = new RecordingClient();
  CefWindowInfo info;
  info.SetAsPopup(nullptr, "shutdown");
  ASSERT_TRUE(CefBrowserHost::CreateBrowser(
      info, client, "", CefBrowserSettings(), nullptr, nullptr));
  ASSERT_TRUE(client->WaitFor("AfterCreated 1"));
  std::atomic<bool> pending_ran{false};
  ASSERT_TRUE(CefPostTask(TID_UI, Task([&] { pending_ran = true; })));
  CefShutdown();
  EXPECT_TRUE(pending_ran);
  EXPECT_EQ(1, client->Count("BeforeClose 1"));
  EXPECT_EQ(0, client->Count("DoClose 1"));
  EXPECT_EQ(1, cefsim_note_count("shutdown-with-browsers"));
  EXPECT_EQ(0, cefsim_live_browser_count());
  EXPECT_TRUE(client->callbacks_on_ui);
  EXPECT_FALSE(BrowserWindowClassRegistered());
}

// The thread that calls CefShutdown owns the window the browser is a child
// of and answers no window message while it waits. That thread is not the
// test's own, so a shutdown that hangs fails the test instead of hanging it.
TEST(ContextTest, ShutdownReturnsWithAChildOfTheCallersWindowOpen) {
  CefRefPtr<RecordingClient> client = new RecordingClient();
  struct Seen {
    bool browser_created = false;
    HWND browser_window = nullptr;
    bool browser_window_alive = true;
    bool parent_alive = false;
    bool class_registered = true;
  } seen;
  HANDLE done = CreateEventW(nullptr, TRUE, FALSE, nullptr);
  std::thread host([&] {
    HWND parent =
        CreateWindowExW(0, L"STATIC", L"host", WS_OVERLAPPEDWINDOW, 0, 0, 400,
                        300, nullptr, nullptr, nullptr, nullptr);
    if (parent && StartContext(new RecordingApp())) {
      CefWindowInfo info;
      info.SetAsChild(parent, CefRect(0, 0, 400, 300));
      seen.browser_created =
          CefBrowserHost::CreateBrowser(info, client, "", CefBrowserSettings(),
                                        nullptr, nullptr) &&
          client->WaitFor("AfterCreated 1");
      if (seen.browser_created) {
        seen.browser_window =
            client->browsers().front()->GetHost()->GetWindowHandle();
      }
      CefShutdown();
      seen.browser_window_alive = IsWindow(seen.browser_window);
      seen.parent_alive = IsWindow(parent);
      seen.class_registered = BrowserWindowClassRegistered();
      DestroyWindow(parent);
    }
    SetEvent(done);
  });
  if (WaitForSingleObject(done, 2 * orvtest::kDefaultTimeoutMs) !=
      WAIT_OBJECT_0) {
    ADD_FAILURE() << "CefShutdown did not return";
    fflush(stdout);
    // The host thread cannot be joined; nothing else ends this process.
    TerminateProcess(GetCurrentProcess(), 1);
  }
  host.join();
  CloseHandle(done);
  ASSERT_TRUE(seen.browser_created);
  EXPECT_EQ(1, client->Count("BeforeClose 1"));
  EXPECT_EQ(0, client->Count("DoClose 1"));
  EXPECT_EQ(1, cefsim_note_count("shutdown-with-browsers"));
  EXPECT_EQ(0, cefsim_live_browser_count());
  // The browser window ended with the runtime's UI thread; the host's own
  // window is untouched.
  EXPECT_NE(nullptr, seen.browser_window);
  EXPECT_FALSE(seen.browser_window_alive);
  EXPECT_TRUE(seen.parent_alive);
  EXPECT_FALSE(seen.class_registered);
  EXPECT_TRUE(client->callbacks_on_ui);
}

}  // namespace
