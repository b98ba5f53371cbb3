// OrvCefHandler as download handler: every download goes through CEF's save
// dialog, and a finished one is offered to be opened.
#include <windows.h>

#include <shellapi.h>

#include "include/cef_browser.h"
#include "include/cef_download_item.h"
#include "orvcef/base/no_throw.h"
#include "orvcef/base/thread_checks.h"
#include "orvcef/handler/client_handler.h"

namespace orvcef {

namespace {

constexpr wchar_t kOpenQuestion[] =
    L"\u4e0b\u8f7d\u6210\u529f\uff0c\u662f\u5426\u7acb\u5373\u6253\u5f00"
    L"\u6587\u4ef6\uff1f";  // "Download succeeded; open the file now?"
constexpr wchar_t kOpenFailed[] =
    L"\u6253\u5f00\u5931\u8d25\uff01";  // "Opening failed!"

}  // namespace

void OrvCefHandler::OnBeforeDownload(
    CefRefPtr<CefBrowser> browser,
    CefRefPtr<CefDownloadItem> download_item,
    const CefString& suggested_name,
    CefRefPtr<CefBeforeDownloadCallback> callback) {
  ORVCEF_REQUIRE_UI_THREAD();
  // The user picks the place in CEF's dialog, starting from the server's
  // suggested name.
  CallWithoutThrowing([&] { callback->Continue(suggested_name, true); });
}

void OrvCefHandler::OnDownloadUpdated(
    CefRefPtr<CefBrowser> browser,
    CefRefPtr<CefDownloadItem> download_item,
    CefRefPtr<CefDownloadItemCallback> callback) {
  ORVCEF_REQUIRE_UI_THREAD();
  if (!download_item->IsComplete() || download_item->IsCanceled())
    return;
  CallWithoutThrowing([&] { OfferToOpen(browser, download_item); });
}

void OrvCefHandler::OfferToOpen(CefRefPtr<CefBrowser> browser,
                                CefRefPtr<CefDownloadItem> download_item) {
  const std::wstring path = download_item->GetFullPath().ToWString();
  const HWND owner = browser->GetHost()->GetWindowHandle();
  // Modal: this callback returns once the user has answered.
  if (MessageBoxW(owner, kOpenQuestion, L"",
                  MB_YESNO | MB_ICONINFORMATION | MB_DEFBUTTON2) != IDYES) {
    return;
  }
  const HINSTANCE result = ShellExecuteW(nullptr, L"open", path.c_str(),
                                         nullptr, nullptr, SW_SHOWDEFAULT);
  if (reinterpret_cast<INT_PTR>(result) <= 32)
    MessageBoxW(owner, kOpenFailed, L"", MB_OK);
}

}  // namespace orvcef
