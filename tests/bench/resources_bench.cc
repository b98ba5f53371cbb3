// Memory and handles: what the host process holds before and after a long
// run of page queries, and before and after many popups opened by the page
// and closed again. A leak of a few bytes per query or one handle per popup
// shows as growth.
#include <windows.h>

#include <string.h>

#include <string>
#include <vector>

#include "bench_figures.h"
#include "bench_host_window.h"
#include "bench_kit_session.h"
#include "cefsim/control_page.h"
#include "cefsim/control_web.h"
#include "process_counters.h"
#include "wait.h"

namespace orvbench {
namespace {

constexpr char kRequest[] = "orders?since=2026-12-01&limit=50";
constexpr char kPopupUrl[] = "https://app.example/popup";
constexpr int kInFlight = 32;

// Sends |count| queries with up to kInFlight outstanding; returns how many
// were not answered with the host's echo.
int RunQueries(const KitSession& session, int count) {
  int failures = 0;
  std::vector<int> window;
  for (int sent = 0; sent < count || !window.empty();) {
    while (sent < count && static_cast<int>(window.size()) < kInFlight) {
      window.push_back(cefsim_page_query(session.main_browser(),
                                         session.main_frame(), kRequest, 0));
      ++sent;
    }
    const int query = window.front();
    window.erase(window.begin());
    char text[64] = {};
    int code = 0;
    if (!query || cefsim_page_wait_outcomes(query, 1, kWaitTimeoutMs) < 1 ||
        cefsim_page_outcome(query, 0, &code, text, sizeof(text)) != 1 ||
        strcmp(text, kRequest) != 0) {
      ++failures;
    }
    cefsim_page_forget_outcomes(query);
  }
  return failures;
}

// The page opens a popup, its renderer comes up, the user closes it and the
// runtime lets it go. False when any step did not happen.
bool PopupCycle(const KitSession& session) {
  const int main_browser = session.main_browser();
  if (!cefsim_page_open_popup(main_browser, session.main_frame(), kPopupUrl, 0,
                              0, 0, 0, 400, 1, 300, 1)) {
    return false;
  }
  const int popup = WaitForNewBrowser(&main_browser, 1);
  if (!popup || !cefsim_page_sync(popup, kWaitTimeoutMs))
    return false;
  SendMessageW(static_cast<HWND>(cefsim_browser_window(popup)), WM_CLOSE, 0, 0);
  const bool released = orvtest::WaitUntil(
      [] {
        return cefsim_live_browser_count() == 1 &&
               cefsim_browser_object_count() == 1;
      },
      kWaitTimeoutMs);
  // The runtime keeps what it saw of every browser, request and preference
  // for tests to read; that is its memory, not the kit's.
  cefsim_forget_history();
  return released;
}

int RunPopups(const KitSession& session, int count) {
  int failures = 0;
  for (int i = 0; i < count; ++i) {
    if (!PopupCycle(session))
      ++failures;
  }
  return failures;
}

// Renderer processes end and their pipe threads finish a little after a
// browser is let go; reads the counters once that has settled.
ProcessCounters SettledCounters(const ProcessCounters& baseline) {
  ProcessCounters counters;
  orvtest::WaitUntil(
      [&] {
        counters = ReadProcessCounters();
        return counters.threads <= baseline.threads &&
               counters.handles <= baseline.handles;
      },
      3000);
  return counters;
}

int Run(int argc, char** argv) {
  const Scale scale = ParseScale(argc, argv);
  const int queries =
      IntArgument(argc, argv, "queries", Pick(scale, 100000, 20000, 50));
  const int popups =
      IntArgument(argc, argv, "popups", Pick(scale, 1000, 100, 2));

  BenchHostWindow host;
  KitSession session;
  if (!session.Start(host.hwnd()))
    return 1;
  cefsim_web_serve(kPopupUrl, 200, "Popup", "<p>popup</p>");

  // First use grows every heap and cache once, and a lock that two threads
  // meet on for the first time gets its event then (winpthreads makes them
  // lazily); none of that is a leak.
  int failures = RunQueries(session, Pick(scale, 5000, 2000, 10));
  failures += RunPopups(session, Pick(scale, 20, 10, 1));
  const ProcessCounters start = ReadProcessCounters();

  const double queries_start = NowUs();
  failures += RunQueries(session, queries);
  const double queries_s = (NowUs() - queries_start) / 1e6;
  const ProcessCounters after_queries = SettledCounters(start);

  const double popups_start = NowUs();
  failures += RunPopups(session, popups);
  const double popups_s = (NowUs() - popups_start) / 1e6;
  const ProcessCounters after_popups = SettledCounters(after_queries);

  session.Terminate();
  const int status =
      ExitStatus(failures == 0,
                 std::to_string(failures) + " queries or popups went wrong");
  PrintFigure("resources.queries.count", queries, "queries");
  PrintFigure("resources.queries.seconds", queries_s, "s");
  PrintCounterGrowth("resources.queries", start, after_queries);
  PrintFigure("resources.popups.count", popups, "cycles");
  PrintFigure("resources.popups.seconds", popups_s, "s");
  PrintCounterGrowth("resources.popups", after_queries, after_popups);
  return status;
}

}  // namespace
}  // namespace orvbench

int main(int argc, char** argv) {
  return orvbench::Run(argc, argv);
}
