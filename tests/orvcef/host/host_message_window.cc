#include "host_message_window.h"

#include <string.h>

#include "orvcef/include/orvcef.h"

namespace orvtest {

namespace {

constexpr wchar_t kClassName[] = L"OrvTestHostMessageWindow";

std::string ToUtf8(const std::wstring& text) {
  if (text.empty())
    return std::string();
  const int size = WideCharToMultiByte(CP_UTF8, 0, text.data(),
                                       static_cast<int>(text.size()), nullptr,
                                       0, nullptr, nullptr);
  std::string out(size, '\0');
  WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()),
                      &out[0], size, nullptr, nullptr);
  return out;
}

}  // namespace

HostMessageWindow::HostMessageWindow()
    : reply_writer_([](const std::wstring& request, char* buffer, size_t size) {
        WriteReply("ok:" + ToUtf8(request), buffer, size);
      }) {
  HANDLE ready = CreateEventW(nullptr, TRUE, FALSE, nullptr);
  thread_ = std::thread(&HostMessageWindow::ThreadMain, this, ready);
  WaitForSingleObject(ready, INFINITE);
  CloseHandle(ready);
}

HostMessageWindow::~HostMessageWindow() {
  if (thread_id_)
    PostThreadMessageW(thread_id_, WM_QUIT, 0, 0);
  if (thread_.joinable())
    thread_.join();
}

void HostMessageWindow::set_reply_writer(ReplyWriter writer) {
  std::lock_guard<std::mutex> guard(lock_);
  reply_writer_ = std::move(writer);
}

std::vector<HostMessage> HostMessageWindow::messages() const {
  std::lock_guard<std::mutex> guard(lock_);
  return messages_;
}

size_t HostMessageWindow::message_count() const {
  std::lock_guard<std::mutex> guard(lock_);
  return messages_.size();
}

void HostMessageWindow::WriteReply(const std::string& text,
                                   char* buffer,
                                   size_t size) {
  const size_t length = text.size() < size ? text.size() : size - 1;
  memcpy(buffer, text.data(), length);
  buffer[length] = '\0';
}

void HostMessageWindow::ThreadMain(HANDLE ready) {
  WNDCLASSEXW window_class = {sizeof(window_class)};
  window_class.lpfnWndProc = WindowProc;
  window_class.hInstance = GetModuleHandleW(nullptr);
  window_class.lpszClassName = kClassName;
  RegisterClassExW(&window_class);  // Fails harmlessly when registered.
  hwnd_ = CreateWindowExW(0, kClassName, L"host", 0, 0, 0, 0, 0, HWND_MESSAGE,
                          nullptr, window_class.hInstance, nullptr);
  SetWindowLongPtrW(hwnd_, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
  thread_id_ = GetCurrentThreadId();
  SetEvent(ready);

  MSG message;
  while (GetMessageW(&message, nullptr, 0, 0) > 0) {
    TranslateMessage(&message);
    DispatchMessageW(&message);
  }
  DestroyWindow(hwnd_);
}

LRESULT CALLBACK HostMessageWindow::WindowProc(HWND hwnd,
                                               UINT message,
                                               WPARAM wparam,
                                               LPARAM lparam) {
  auto* self = reinterpret_cast<HostMessageWindow*>(
      GetWindowLongPtrW(hwnd, GWLP_USERDATA));
  if (self && message == WM_HOST_QUERY) {
    self->OnHostQuery(wparam, lparam);
    return 0;
  }
  return DefWindowProcW(hwnd, message, wparam, lparam);
}

void HostMessageWindow::OnHostQuery(WPARAM wparam, LPARAM lparam) {
  HostMessage seen;
  seen.is_notification = wparam == 0 && lparam == 0;
  seen.request_was_null = wparam == 0 && lparam != 0;
  if (wparam)
    seen.request = reinterpret_cast<const wchar_t*>(wparam);
  seen.sent_from_other_thread =
      (InSendMessageEx(nullptr) & (ISMEX_SEND | ISMEX_REPLIED)) == ISMEX_SEND;

  ReplyWriter writer;
  {
    std::lock_guard<std::mutex> guard(lock_);
    messages_.push_back(seen);
    writer = reply_writer_;
  }
  if (!seen.is_notification && lparam)
    writer(seen.request, reinterpret_cast<char*>(lparam),
           ORVCEF_REPLY_BUFFER_SIZE);
}

}  // namespace orvtest
