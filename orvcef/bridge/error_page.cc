#include "orvcef/bridge/error_page.h"

#include "orvcef/base/library_state.h"
#include "orvcef/base/thread_checks.h"

namespace orvcef {

void LoadErrorPage(CefRefPtr<CefFrame> frame, const CefString& failed_url) {
  ORVCEF_REQUIRE_UI_THREAD();
  const std::wstring page = FillErrorPageTemplate(
      State().error_page(), EncodeFailedUrl(failed_url.ToWString()));
  // CefString converts to UTF-8 as CEF does.
  const std::string page_utf8 = CefString(page).ToString();
  frame->LoadURL(MakeDataUrl(page_utf8, kErrorPageMimeType));
}

}  // namespace orvcef
