#include "bench_host_window.h"

#include <string.h>

#include <future>

#include "orvcef/include/orvcef.h"

namespace orvbench {

namespace {

constexpr wchar_t kClassName[] = L"OrvBenchHostMessageWindow";

// "ok:" and the request, converted into |buffer|, zero-terminated.
void WriteEcho(const wchar_t* request, char* buffer) {
  memcpy(buffer, "ok:", 3);
  const int room = ORVCEF_REPLY_BUFFER_SIZE - 4;
  const int length =
      request ? WideCharToMultiByte(CP_UTF8, 0, request, -1, buffer + 3, room,
                                    nullptr, nullptr)
              : 0;
  // With -1 the count includes the terminator, which is already written.
  if (length == 0)
    buffer[3] = '\0';
}

}  // namespace

BenchHostWindow::BenchHostWindow() {
  std::promise<void> created;
  std::future<void> ready = created.get_future();
  thread_ = std::thread([this, &created] { ThreadMain(&created); });
  ready.wait();
}

BenchHostWindow::~BenchHostWindow() {
  PostThreadMessageW(thread_id_, WM_QUIT, 0, 0);
  thread_.join();
}

void BenchHostWindow::ThreadMain(std::promise<void>* created) {
  const HINSTANCE instance = GetModuleHandleW(nullptr);
  WNDCLASSEXW window_class = {sizeof(window_class)};
  window_class.lpfnWndProc = WindowProc;
  window_class.hInstance = instance;
  window_class.lpszClassName = kClassName;
  RegisterClassExW(&window_class);
  hwnd_ = CreateWindowExW(0, kClassName, L"bench host", 0, 0, 0, 0, 0,
                          HWND_MESSAGE, nullptr, instance, nullptr);
  SetWindowLongPtrW(hwnd_, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
  // The thread has its message queue once it owns a window, so WM_QUIT
  // posted from now on arrives.
  thread_id_ = GetCurrentThreadId();
  created->set_value();

  MSG message;
  while (GetMessageW(&message, nullptr, 0, 0) > 0)
    DispatchMessageW(&message);
  DestroyWindow(hwnd_);
  UnregisterClassW(kClassName, instance);
}

LRESULT CALLBACK BenchHostWindow::WindowProc(HWND hwnd,
                                             UINT message,
                                             WPARAM wparam,
                                             LPARAM lparam) {
  if (message != WM_HOST_QUERY)
    return DefWindowProcW(hwnd, message, wparam, lparam);
  auto* self = reinterpret_cast<BenchHostWindow*>(
      GetWindowLongPtrW(hwnd, GWLP_USERDATA));
  if (self && lparam) {
    WriteEcho(reinterpret_cast<const wchar_t*>(wparam),
              reinterpret_cast<char*>(lparam));
    ++self->queries_;
  }
  return 0;
}

}  // namespace orvbench
