// Shutdown time: OrvCefPrevTerm and OrvCefTerm with the main browser and
// --browsers=N - 1 popups open, each with its page loaded and its renderer
// running. CEF runs once per process, so each count is a run of its own.
#include <windows.h>

#include <string>
#include <vector>

#include "bench_figures.h"
#include "bench_host_window.h"
#include "bench_kit_session.h"
#include "cefsim/control_page.h"
#include "cefsim/control_web.h"

namespace orvbench {
namespace {

constexpr char kPopupUrl[] = "https://app.example/popup";

int Run(int argc, char** argv) {
  const int browsers = IntArgument(argc, argv, "browsers", 1);

  BenchHostWindow host;
  KitSession session;
  if (!session.Start(host.hwnd()))
    return 1;
  cefsim_web_serve(kPopupUrl, 200, "Popup", "<p>popup</p>");
  std::vector<int> open = {session.main_browser()};
  while (static_cast<int>(open.size()) < browsers) {
    const int popup =
        cefsim_page_open_popup(session.main_browser(), session.main_frame(),
                               kPopupUrl, 0, 0, 0, 0, 400, 1, 300, 1)
            ? WaitForNewBrowser(open.data(), static_cast<int>(open.size()))
            : 0;
    if (!popup || !cefsim_page_sync(popup, kWaitTimeoutMs)) {
      PrintError("popup " + std::to_string(open.size()) + " did not open");
      return 1;
    }
    open.push_back(popup);
  }

  const double start = NowUs();
  session.Terminate();
  const double end = NowUs();

  const int status = ExitStatus(cefsim_live_browser_count() == 0,
                                "browsers were left open after OrvCefTerm");
  PrintFigure("shutdown." + std::to_string(browsers) + "_browsers",
              (end - start) / 1000, "ms");
  return status;
}

}  // namespace
}  // namespace orvbench

int main(int argc, char** argv) {
  return orvbench::Run(argc, argv);
}
