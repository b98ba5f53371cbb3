// Full path: a cefQuery from the page in the real renderer process, through
// the message router and the kit to the host's message window and back to
// the page's onSuccess. Latency one query at a time, then throughput with
// many queries in flight, and beside them the runtime's bare round trip to
// the renderer process.
#include <windows.h>

#include <string.h>

#include <string>
#include <vector>

#include "bench_figures.h"
#include "bench_host_window.h"
#include "bench_kit_session.h"
#include "cefsim/control_page.h"

namespace orvbench {
namespace {

constexpr char kRequest[] = "orders?since=2026-12-01&limit=50";

// Waits for the page's answer to |query| and checks it is the host's echo;
// forgets it afterwards so that a long run keeps no records.
bool Answered(int query) {
  if (cefsim_page_wait_outcomes(query, 1, kWaitTimeoutMs) < 1)
    return false;
  char text[64] = {};
  int code = 0;
  const bool echoed =
      cefsim_page_outcome(query, 0, &code, text, sizeof(text)) == 1 &&
      strcmp(text, kRequest) == 0;
  cefsim_page_forget_outcomes(query);
  return echoed;
}

int Run(int argc, char** argv) {
  const Scale scale = ParseScale(argc, argv);
  const int queries =
      IntArgument(argc, argv, "queries", Pick(scale, 10000, 2000, 20));
  const int pipelined = Pick(scale, 20000, 4000, 64);
  const int in_flight = 32;
  const int warmup = Pick(scale, 200, 100, 5);

  BenchHostWindow host;
  KitSession session;
  if (!session.Start(host.hwnd()))
    return 1;
  const int browser = session.main_browser();
  const int64_t frame = session.main_frame();

  int failures = 0;
  std::vector<double> latencies;
  latencies.reserve(queries);
  const double sequential_start = NowUs();
  for (int i = 0; i < warmup + queries; ++i) {
    if (i == warmup)
      latencies.clear();
    const double start = NowUs();
    const int query = cefsim_page_query(browser, frame, kRequest, 0);
    const bool answered =
        query && cefsim_page_wait_outcomes(query, 1, kWaitTimeoutMs) == 1;
    const double end = NowUs();
    latencies.push_back(end - start);
    if (!answered || !Answered(query))
      ++failures;
  }
  const double sequential_us = NowUs() - sequential_start;

  // The runtime's own floor: one round trip from the browser process's UI
  // thread to the renderer and back, with no query and no kit in it.
  std::vector<double> round_trips;
  for (int i = 0; i < queries / 4 + 1; ++i) {
    const double start = NowUs();
    if (!cefsim_page_sync(browser, kWaitTimeoutMs))
      ++failures;
    round_trips.push_back(NowUs() - start);
  }

  // Throughput: keep |in_flight| queries outstanding, answer them in order.
  std::vector<int> window;
  const double pipelined_start = NowUs();
  for (int sent = 0; sent < pipelined || !window.empty();) {
    while (sent < pipelined && static_cast<int>(window.size()) < in_flight) {
      window.push_back(cefsim_page_query(browser, frame, kRequest, 0));
      ++sent;
    }
    if (!window.front() || !Answered(window.front()))
      ++failures;
    window.erase(window.begin());
  }
  const double pipelined_us = NowUs() - pipelined_start;

  session.Terminate();
  const int status =
      ExitStatus(failures == 0,
                 std::to_string(failures) + " queries were not answered right");
  PrintSummary("fullpath.latency", Summarize(latencies), "us");
  PrintSummary("fullpath.renderer_round_trip", Summarize(round_trips), "us");
  PrintFigure("fullpath.sequential.qps",
              (warmup + queries) / (sequential_us / 1e6), "queries/s");
  PrintFigure("fullpath.pipelined32.qps", pipelined / (pipelined_us / 1e6),
              "queries/s");
  return status;
}

}  // namespace
}  // namespace orvbench

int main(int argc, char** argv) {
  return orvbench::Run(argc, argv);
}
