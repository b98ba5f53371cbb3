// URLs made from other URLs or from their parts: GURL::Resolve as it works
// in a Windows build of Chromium 109 (for CefResolveURL), and the URL
// CefCreateURL assembles from cef_urlparts_t.

#ifndef CEFSIM_RUNTIME_TEXT_URL_BUILD_H_
#define CEFSIM_RUNTIME_TEXT_URL_BUILD_H_

#include <string>
#include <string_view>

#include "text/url_canon.h"

namespace cefsim::text {

// Resolves |relative| (UTF-8) against |base| into the canonical spec of the
// result. False when |base| is not a valid URL, when |relative| cannot be
// resolved against it (anything but a fragment against an opaque URL such
// as "about:blank" or "data:"), or when the result is not valid.
//
// A relative path that climbs above the root stays at the root; a relative
// with a scheme of its own, or with the base's scheme and two slashes, is
// absolute; Windows drive letters and UNC paths ("C:\x", "\\server\x")
// become file URLs, and against a file URL a path keeps the base's drive.
// Dot segments are resolved in the paths of standard URLs only.
bool ResolveUrl(std::string_view base,
                std::string_view relative,
                std::string* resolved);

// CEF's assembly: |parts.spec| when it is not empty; otherwise, with a
// scheme and a host, scheme://[username[:password]@]host[:port]path
// [?query][#fragment] (the path is taken as it is, so it should start with
// "/"). The result must canonicalize; |parts.origin| is ignored.
bool CreateUrl(const UrlParts& parts, std::string* spec);

}  // namespace cefsim::text

#endif  // CEFSIM_RUNTIME_TEXT_URL_BUILD_H_
