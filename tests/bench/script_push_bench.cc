// Script push: a host thread other than the one that started the kit calls
// OrvCefRunJs as fast as it can; how long each call holds the host, and how
// many scripts per second reach the page's renderer.
#include <windows.h>

#include <string>
#include <thread>
#include <vector>

#include "bench_figures.h"
#include "bench_host_window.h"
#include "bench_kit_session.h"
#include "cefsim/control_page.h"
#include "cefsim/control_web.h"
#include "wait.h"

namespace orvbench {
namespace {

constexpr wchar_t kScript[] = L"window.__tick && window.__tick(42);";

int Run(int argc, char** argv) {
  const Scale scale = ParseScale(argc, argv);
  const int scripts =
      IntArgument(argc, argv, "scripts", Pick(scale, 20000, 5000, 20));

  BenchHostWindow host;
  KitSession session;
  if (!session.Start(host.hwnd()))
    return 1;
  const int64_t frame = session.main_frame();
  const int before = cefsim_frame_script_count(frame);

  std::vector<double> calls;
  calls.reserve(scripts);
  const double start = NowUs();
  std::thread pusher([&] {
    for (int i = 0; i < scripts; ++i) {
      const double call_start = NowUs();
      session.kit().RunJs(kScript);
      calls.push_back(NowUs() - call_start);
    }
  });
  pusher.join();
  const double pushed = NowUs();
  const bool arrived = orvtest::WaitUntil(
      [&] { return cefsim_frame_script_count(frame) - before >= scripts; },
      kWaitTimeoutMs * 3);
  const bool handled =
      arrived && cefsim_page_sync(session.main_browser(), kWaitTimeoutMs);
  const double end = NowUs();

  session.Terminate();
  const int status = ExitStatus(handled, "not every script reached the page");
  PrintSummary("push.call", Summarize(calls), "us");
  PrintFigure("push.calls_per_second", scripts / ((pushed - start) / 1e6),
              "calls/s");
  PrintFigure("push.scripts_per_second", scripts / ((end - start) / 1e6),
              "scripts/s");
  return status;
}

}  // namespace
}  // namespace orvbench

int main(int argc, char** argv) {
  return orvbench::Run(argc, argv);
}
