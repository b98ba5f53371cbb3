// orvcef.dll started the way a host starts it, on the simulated runtime,
// serving one page of an allowed host, for the benchmarks that measure the
// kit as a whole.
#ifndef TESTS_BENCH_BENCH_KIT_SESSION_H_
#define TESTS_BENCH_BENCH_KIT_SESSION_H_

#include <windows.h>

#include <stdint.h>

#include "kit_library.h"

namespace orvbench {

// How long a benchmark waits for any one thing before it gives up.
constexpr int kWaitTimeoutMs = 20000;

class KitSession {
 public:
  // The page every benchmark serves and queries from.
  static constexpr char kAppUrl[] = "https://app.example/";

  KitSession() = default;
  ~KitSession();
  KitSession(const KitSession&) = delete;
  KitSession& operator=(const KitSession&) = delete;

  // Loads the kit, starts it with |message_window| and waits for the main
  // browser, its first page and its renderer. Prints why on failure.
  bool Start(HWND message_window);
  // OrvCefPrevTerm, then OrvCefTerm, as a host ends; once.
  void Terminate();

  orvtest::KitLibrary& kit() { return kit_; }
  int main_browser() const { return main_browser_; }
  int64_t main_frame() const { return main_frame_; }

 private:
  orvtest::KitLibrary kit_;
  bool started_ = false;
  int main_browser_ = 0;
  int64_t main_frame_ = 0;
};

// The newest live browser other than those in |known| (|count| ids), after
// waiting for one to appear; 0 when none did.
int WaitForNewBrowser(const int* known, int count);

}  // namespace orvbench

#endif  // TESTS_BENCH_BENCH_KIT_SESSION_H_
