// A host's message window for the benchmarks: a message-only window on a
// thread of its own that answers WM_HOST_QUERY with "ok:" and the request
// in UTF-8, written straight into the reply buffer. It keeps no record, so
// a long run costs it no memory.
#ifndef TESTS_BENCH_BENCH_HOST_WINDOW_H_
#define TESTS_BENCH_BENCH_HOST_WINDOW_H_

#include <windows.h>

#include <atomic>
#include <future>
#include <thread>

namespace orvbench {

class BenchHostWindow {
 public:
  BenchHostWindow();
  ~BenchHostWindow();
  BenchHostWindow(const BenchHostWindow&) = delete;
  BenchHostWindow& operator=(const BenchHostWindow&) = delete;

  HWND hwnd() const { return hwnd_; }
  // Queries answered so far; any thread.
  long queries() const { return queries_; }

 private:
  static LRESULT CALLBACK WindowProc(HWND hwnd,
                                     UINT message,
                                     WPARAM wparam,
                                     LPARAM lparam);
  void ThreadMain(std::promise<void>* created);

  std::thread thread_;
  HWND hwnd_ = nullptr;  // Owned by |thread_|.
  DWORD thread_id_ = 0;
  std::atomic<long> queries_{0};
};

}  // namespace orvbench

#endif  // TESTS_BENCH_BENCH_HOST_WINDOW_H_
