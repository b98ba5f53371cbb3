// The page a frame shows instead of a failed load: the host's template with
// the failed URL filled in, loaded as a Base64 data: URL.
#ifndef ORVCEF_BRIDGE_ERROR_PAGE_H_
#define ORVCEF_BRIDGE_ERROR_PAGE_H_

#include <string>

#include "include/cef_frame.h"

namespace orvcef {

// The MIME type the page is declared with, so non-ASCII text arrives intact.
extern const char kErrorPageMimeType[];

// Replaces every "%URL%" in |page_template| with |url|, left to right,
// never searching the text it inserted.
std::wstring FillErrorPageTemplate(const std::wstring& page_template,
                                   const std::wstring& url);

// |failed_url| percent-encoded for a query value, apostrophes included: the
// default page quotes the URL with apostrophes inside an attribute, and its
// unescape() turns %27 back into the apostrophe.
std::wstring EncodeFailedUrl(const std::wstring& failed_url);

// "data:" + |mime_type| + ";base64," + the URI-encoded Base64 of |data|.
std::string MakeDataUrl(const std::string& data, const std::string& mime_type);

// Builds the page for |failed_url| from the current template and loads it
// into |frame|. CEF's UI thread.
void LoadErrorPage(CefRefPtr<CefFrame> frame, const CefString& failed_url);

}  // namespace orvcef

#endif  // ORVCEF_BRIDGE_ERROR_PAGE_H_
