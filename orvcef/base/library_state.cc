#include "orvcef/base/library_state.h"

#include <utility>

#include "orvcef/base/proxy_settings.h"

namespace orvcef {

// A white page with the heading "网络异常, " and a link "重新加载" that loads
// the failed URL again.
const wchar_t kDefaultErrorPage[] =
    L"<html><body bgcolor=\"white\"><h3>\u7f51\u7edc\u5f02\u5e38, "
    L"<a href=\"javascript:void(0);\" "
    L"onclick=\"location.href=unescape('%URL%')\">"
    L"\u91cd\u65b0\u52a0\u8f7d</a></h3></body></html>";

LibraryState::LibraryState() : error_page_(kDefaultErrorPage) {}

LibraryState::~LibraryState() = default;

CefRefPtr<CefApp> LibraryState::app() const {
  std::lock_guard<std::mutex> guard(lock_);
  return app_;
}

void LibraryState::set_app(CefRefPtr<CefApp> app) {
  CefRefPtr<CefApp> previous;
  {
    std::lock_guard<std::mutex> guard(lock_);
    previous = std::move(app_);
    app_ = std::move(app);
  }
  // |previous| goes here, outside the lock: its destruction may release a
  // client handler and with it CEF objects.
}

CefRefPtr<CefApp> LibraryState::TakeApp() {
  std::lock_guard<std::mutex> guard(lock_);
  CefRefPtr<CefApp> app = std::move(app_);
  app_ = nullptr;
  return app;
}

StartUrl LibraryState::start_url() const {
  std::lock_guard<std::mutex> guard(lock_);
  return start_url_;
}

void LibraryState::set_start_url(std::wstring url) {
  std::lock_guard<std::mutex> guard(lock_);
  start_url_.url = std::move(url);
  ++start_url_.serial;
}

std::set<std::wstring> LibraryState::allowed_hosts() const {
  std::lock_guard<std::mutex> guard(lock_);
  return allowed_hosts_;
}

void LibraryState::set_allowed_hosts(std::set<std::wstring> hosts) {
  std::lock_guard<std::mutex> guard(lock_);
  allowed_hosts_ = std::move(hosts);
}

bool LibraryState::IsAllowedHost(const std::wstring& host) const {
  std::lock_guard<std::mutex> guard(lock_);
  return allowed_hosts_.count(host) != 0;
}

std::wstring LibraryState::current_route() const {
  std::lock_guard<std::mutex> guard(lock_);
  return current_route_;
}

void LibraryState::set_current_route(std::wstring route) {
  std::lock_guard<std::mutex> guard(lock_);
  current_route_ = std::move(route);
}

std::wstring LibraryState::error_page() const {
  std::lock_guard<std::mutex> guard(lock_);
  return error_page_;
}

void LibraryState::set_error_page(std::wstring html) {
  std::lock_guard<std::mutex> guard(lock_);
  error_page_ = std::move(html);
}

ProxySettings LibraryState::proxy() const {
  std::lock_guard<std::mutex> guard(lock_);
  return proxy_;
}

bool LibraryState::UpdateProxy(const wchar_t* server,
                               const wchar_t* user,
                               const wchar_t* password) {
  std::lock_guard<std::mutex> guard(lock_);
  if (!MergeProxyArguments(server, user, password, &proxy_))
    return false;
  ++proxy_.generation;
  return true;
}

LibraryState& State() {
  static LibraryState state;
  return state;
}

}  // namespace orvcef
