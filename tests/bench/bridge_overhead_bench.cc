// Bridge overhead: what one query costs in the kit's query handler (the
// frame check, the 1 MiB reply buffer, the cross-thread SendMessageW to the
// host's message window, reading the reply and answering the callback)
// against a bare cross-thread SendMessageW of the same request to the same
// window. Both run interleaved on CEF's UI thread in one process, so they
// share every condition of the run.
#include <windows.h>

#include <stdlib.h>

#include <string>
#include <vector>

#include "bench_figures.h"
#include "bench_host_window.h"
#include "browser_doubles.h"
#include "include/cef_app.h"
#include "include/cef_task.h"
#include "orvcef/base/library_state.h"
#include "orvcef/bridge/query_bridge.h"
#include "orvcef/include/orvcef.h"

namespace orvbench {
namespace {

constexpr char kRequest[] = "orders?since=2026-12-01&limit=50";
constexpr wchar_t kWideRequest[] = L"orders?since=2026-12-01&limit=50";

// Counts the answers; the page's side of the callback.
class CountingCallback : public CefMessageRouterBrowserSide::Callback {
 public:
  void Success(const CefString& response) override {
    ++successes;
    last_response = response;
  }
  void Failure(int error_code, const CefString& error_message) override {
    ++failures;
  }

  long successes = 0;
  long failures = 0;
  CefString last_response;

  IMPLEMENT_REFCOUNTING(CountingCallback);
};

struct Samples {
  std::vector<double> kit;
  std::vector<double> bare;
  std::vector<double> allocation;
  std::vector<double> frame_check;
  long refused_taken = 0;  // Queries of the refused frame the handler took.
  CefRefPtr<CountingCallback> callback = new CountingCallback();
};

// Runs the whole measurement; on CEF's UI thread, where the kit's handler
// must run.
void Measure(HWND host, int warmup, int queries, Samples* samples) {
  orvcef::State().set_allowed_hosts({L"app.example"});
  orvcef::State().set_message_window(host);
  std::shared_ptr<CefMessageRouterBrowserSide::Handler> handler =
      orvcef::CreateQueryHandler();
  CefRefPtr<orvtest::TestBrowser> browser = new orvtest::TestBrowser(1);
  CefRefPtr<orvtest::TestFrame> frame = browser->main_frame();
  frame->set_url("https://app.example/orders");
  const CefString request(kRequest);
  char* bare_buffer = static_cast<char*>(malloc(ORVCEF_REPLY_BUFFER_SIZE));

  samples->kit.reserve(queries);
  samples->bare.reserve(queries);
  samples->allocation.reserve(queries);
  samples->frame_check.reserve(queries);
  // A frame of a host outside the list: the handler parses its URL, checks
  // the host and refuses it, and that is all.
  CefRefPtr<orvtest::TestFrame> refused = browser->AddFrame(2, false);
  refused->set_url("https://other.example/orders");
  for (int i = 0; i < warmup + queries; ++i) {
    const bool keep = i >= warmup;
    // Alternate which goes first, so neither always follows the other.
    for (int turn = 0; turn < 2; ++turn) {
      if ((turn == 0) == (i % 2 == 0)) {
        const double start = NowUs();
        handler->OnQuery(browser, frame, i + 1, request, false,
                         samples->callback);
        const double end = NowUs();
        if (keep)
          samples->kit.push_back(end - start);
      } else {
        const double start = NowUs();
        bare_buffer[0] = '\0';
        SendMessageW(host, WM_HOST_QUERY,
                     reinterpret_cast<WPARAM>(kWideRequest),
                     reinterpret_cast<LPARAM>(bare_buffer));
        const double end = NowUs();
        if (keep)
          samples->bare.push_back(end - start);
      }
    }
    // The buffer's allocation alone, as the handler makes it. Called through
    // a volatile pointer, so an optimising compiler cannot drop the pair.
    static void* (*volatile allocate)(size_t) = malloc;
    static void (*volatile release)(void*) = free;
    const double start = NowUs();
    char* buffer = static_cast<char*>(allocate(ORVCEF_REPLY_BUFFER_SIZE));
    buffer[0] = '\0';
    release(buffer);
    const double end = NowUs();
    if (keep)
      samples->allocation.push_back(end - start);
    const double check_start = NowUs();
    const bool taken = handler->OnQuery(browser, refused, -(i + 1), request,
                                        false, samples->callback);
    const double check_end = NowUs();
    if (keep)
      samples->frame_check.push_back(check_end - check_start);
    if (taken)
      ++samples->refused_taken;
  }
  free(bare_buffer);
  orvcef::State().set_message_window(nullptr);
}

class MeasureTask : public CefTask {
 public:
  MeasureTask(HWND host, int warmup, int queries, Samples* samples, HANDLE done)
      : host_(host),
        warmup_(warmup),
        queries_(queries),
        samples_(samples),
        done_(done) {}
  void Execute() override {
    Measure(host_, warmup_, queries_, samples_);
    SetEvent(done_);
  }

 private:
  const HWND host_;
  const int warmup_;
  const int queries_;
  Samples* const samples_;
  const HANDLE done_;

  IMPLEMENT_REFCOUNTING(MeasureTask);
};

int Run(int argc, char** argv) {
  const Scale scale = ParseScale(argc, argv);
  const int queries =
      IntArgument(argc, argv, "queries", Pick(scale, 20000, 10000, 50));
  const int warmup = Pick(scale, 500, 200, 5);

  CefMainArgs args(GetModuleHandleW(nullptr));
  CefSettings settings;
  settings.no_sandbox = 1;
  settings.multi_threaded_message_loop = 1;
  settings.log_severity = LOGSEVERITY_DISABLE;
  if (!CefInitialize(args, settings, nullptr, nullptr)) {
    PrintError("CefInitialize failed");
    return 1;
  }

  Samples samples;
  long host_queries = 0;
  bool finished = false;
  {
    BenchHostWindow host;
    HANDLE done = CreateEventW(nullptr, TRUE, FALSE, nullptr);
    CefPostTask(TID_UI,
                new MeasureTask(host.hwnd(), warmup, queries, &samples, done));
    // Generous: the full run takes seconds; a hang must still end.
    finished = WaitForSingleObject(done, 600000) == WAIT_OBJECT_0;
    CloseHandle(done);
    host_queries = host.queries();
  }
  if (!finished) {
    PrintError("the measurement did not finish");
    return 1;
  }
  CefShutdown();

  const long expected = 2L * (warmup + queries);
  const bool answered = samples.callback->successes == warmup + queries &&
                        samples.callback->failures == 0 &&
                        host_queries == expected &&
                        samples.refused_taken == 0 &&
                        samples.callback->last_response.ToString() == kRequest;
  const int status = ExitStatus(
      answered, "the kit did not answer every query with the host's reply");

  const Summary kit = Summarize(samples.kit);
  const Summary bare = Summarize(samples.bare);
  const Summary allocation = Summarize(samples.allocation);
  PrintSummary("bridge.kit_query", kit, "us");
  PrintSummary("bridge.bare_sendmessage", bare, "us");
  PrintFigure("bridge.reply_buffer_alloc.median", allocation.median, "us");
  PrintFigure("bridge.frame_check.median",
              Summarize(samples.frame_check).median, "us");
  PrintFigure("bridge.ratio.median", kit.median / bare.median, "x");
  PrintFigure("bridge.ratio.p99", kit.p99 / bare.p99, "x");
  return status;
}

}  // namespace
}  // namespace orvbench

int main(int argc, char** argv) {
  return orvbench::Run(argc, argv);
}
