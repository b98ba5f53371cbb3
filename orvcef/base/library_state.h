// The library state: everything orvcef.dll remembers between calls, one
// instance per process.
//
// Host threads write it through the exports while CEF's UI thread reads it
// (the query bridge, the main browser's creation). Handles and flags are
// atomics; the texts and the allowed-host set sit behind one lock and are
// handed out as copies, so no reader ever sees a value half written.
#ifndef ORVCEF_BASE_LIBRARY_STATE_H_
#define ORVCEF_BASE_LIBRARY_STATE_H_

#include <windows.h>

#include <atomic>
#include <cstdint>
#include <mutex>
#include <set>
#include <string>

#include "include/cef_app.h"

namespace orvcef {

// The start URL together with a number that grows with every store, so a
// reader can tell whether a later start replaced the URL it used.
struct StartUrl {
  std::wstring url;
  uint64_t serial = 0;
};

struct ProxySettings {
  std::wstring server;
  std::wstring user;
  std::wstring password;
  // Grows whenever the host changes any of the three values, so that a
  // reader can tell a new pair from one it has offered before.
  uint64_t generation = 0;
};

class LibraryState {
 public:
  LibraryState();
  ~LibraryState();
  LibraryState(const LibraryState&) = delete;
  LibraryState& operator=(const LibraryState&) = delete;

  HINSTANCE instance() const { return instance_; }
  void set_instance(HINSTANCE instance) { instance_ = instance; }
  HMODULE cef_library() const { return cef_library_; }
  void set_cef_library(HMODULE library) { cef_library_ = library; }
  bool initialized() const { return initialized_; }
  void set_initialized(bool initialized) { initialized_ = initialized; }
  HWND message_window() const { return message_window_; }
  void set_message_window(HWND window) { message_window_ = window; }

  // CefInitialize has been called in this process. CEF cannot be started a
  // second time: after CefShutdown Chromium does not come up again, and after
  // a failed CefInitialize CEF keeps a dead context that makes a second call
  // report success without starting anything.
  bool cef_started_once() const { return cef_started_once_; }
  void set_cef_started_once() { cef_started_once_ = true; }
  // The CefInitialize of the current start returned false: no CEF context
  // exists and no browser will ever be created.
  bool context_failed() const { return context_failed_; }
  void set_context_failed(bool failed) { context_failed_ = failed; }
  // OrvCefTerm is under way: from its first step until it has finished, the
  // host's views no longer move the browser and no start is accepted.
  bool terminating() const { return terminating_; }
  void set_terminating(bool terminating) { terminating_ = terminating; }
  // The host thread that called CefInitialize; CefShutdown must run there.
  DWORD start_thread() const { return start_thread_; }
  void set_start_thread(DWORD thread_id) { start_thread_ = thread_id; }

  // The application object. Only the library's own OrvCefApp is ever
  // stored; the lifecycle code reads it back as such. Readers get their own
  // reference.
  CefRefPtr<CefApp> app() const;
  // Replaces the object held, releasing the previous one after the lock.
  void set_app(CefRefPtr<CefApp> app);
  // Empties the application object and hands its reference to the caller.
  CefRefPtr<CefApp> TakeApp();

  StartUrl start_url() const;
  void set_start_url(std::wstring url);

  std::set<std::wstring> allowed_hosts() const;
  void set_allowed_hosts(std::set<std::wstring> hosts);
  // Exact, case-sensitive membership.
  bool IsAllowedHost(const std::wstring& host) const;

  std::wstring current_route() const;
  void set_current_route(std::wstring route);

  std::wstring error_page() const;
  void set_error_page(std::wstring html);

  ProxySettings proxy() const;
  // Merges the host's three proxy arguments (see MergeProxyArguments) in one
  // step; true when any value changed.
  bool UpdateProxy(const wchar_t* server,
                   const wchar_t* user,
                   const wchar_t* password);

 private:
  // Declared first so that it goes last at unload: an OrvCefApp still held
  // then (the host never called OrvCefTerm) is released after every other
  // item. Guarded by |lock_|.
  CefRefPtr<CefApp> app_;

  std::atomic<HINSTANCE> instance_{nullptr};
  std::atomic<HMODULE> cef_library_{nullptr};
  std::atomic<bool> initialized_{false};
  std::atomic<bool> cef_started_once_{false};
  std::atomic<bool> context_failed_{false};
  std::atomic<bool> terminating_{false};
  std::atomic<DWORD> start_thread_{0};
  std::atomic<HWND> message_window_{nullptr};

  mutable std::mutex lock_;
  // Guarded by |lock_|.
  StartUrl start_url_;
  std::set<std::wstring> allowed_hosts_;
  std::wstring current_route_;
  std::wstring error_page_;
  ProxySettings proxy_;
};

// The process's one library state, built when the library loads.
LibraryState& State();

// The error page the library uses until the host sets its own; "%URL%"
// stands for the URL that failed.
extern const wchar_t kDefaultErrorPage[];

}  // namespace orvcef

#endif  // ORVCEF_BASE_LIBRARY_STATE_H_
