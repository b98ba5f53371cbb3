// A host's message window for tests: a real window on a thread of its own
// with its own message loop, serving WM_HOST_QUERY as a host does and
// recording what reached it.
#ifndef TESTS_ORVCEF_HOST_HOST_MESSAGE_WINDOW_H_
#define TESTS_ORVCEF_HOST_HOST_MESSAGE_WINDOW_H_

#include <windows.h>

#include <functional>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

namespace orvtest {

// One WM_HOST_QUERY as the window saw it.
struct HostMessage {
  bool is_notification = false;   // wParam and lParam both 0.
  bool request_was_null = false;  // wParam 0 with a reply buffer.
  std::wstring request;
  bool sent_from_other_thread = false;  // A cross-thread SendMessageW.
};

class HostMessageWindow {
 public:
  // Writes the reply for |request| into |buffer| of |size| bytes; called on
  // the window's thread. The default answers "ok:" + the request in UTF-8.
  using ReplyWriter = std::function<
      void(const std::wstring& request, char* buffer, size_t size)>;

  HostMessageWindow();
  ~HostMessageWindow();
  HostMessageWindow(const HostMessageWindow&) = delete;
  HostMessageWindow& operator=(const HostMessageWindow&) = delete;

  HWND hwnd() const { return hwnd_; }
  DWORD thread_id() const { return thread_id_; }

  // Replaces the reply writer; any thread.
  void set_reply_writer(ReplyWriter writer);
  // Copies of what arrived so far, in order; any thread.
  std::vector<HostMessage> messages() const;
  size_t message_count() const;

  // Writes |text| (UTF-8 bytes) with its terminator, as a host replies.
  static void WriteReply(const std::string& text, char* buffer, size_t size);

 private:
  static LRESULT CALLBACK WindowProc(HWND hwnd,
                                     UINT message,
                                     WPARAM wparam,
                                     LPARAM lparam);
  void ThreadMain(HANDLE ready);
  void OnHostQuery(WPARAM wparam, LPARAM lparam);

  std::thread thread_;
  HWND hwnd_ = nullptr;  // Owned by |thread_|, destroyed when it ends.
  DWORD thread_id_ = 0;
  mutable std::mutex lock_;
  ReplyWriter reply_writer_;           // Guarded by |lock_|.
  std::vector<HostMessage> messages_;  // Guarded by |lock_|.
};

}  // namespace orvtest

#endif  // TESTS_ORVCEF_HOST_HOST_MESSAGE_WINDOW_H_
