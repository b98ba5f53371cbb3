// The simulated web: what each URL serves. Tests script it through the
// control interface; the navigation code asks it, in one place, what a
// navigation gets.
#ifndef CEFSIM_RUNTIME_BROWSER_SIMULATED_WEB_H_
#define CEFSIM_RUNTIME_BROWSER_SIMULATED_WEB_H_

#include <functional>
#include <string>
#include <vector>

namespace cefsim {
namespace browser {

struct ServedPage {
  // Non-zero: the load fails with this net error before it commits.
  int net_error = 0;
  // Non-empty: the server answers with a redirect to this URL.
  std::string redirect_url;
  int http_status = 200;
  bool has_title = false;
  std::string title;
  std::string html;
  // Each becomes a sub-frame of the page, loaded after the page commits.
  std::vector<std::string> subframe_urls;
  // Non-zero: the load fails with this net error after it committed.
  int net_error_after_commit = 0;
};

// What a navigation to |url| (canonical) gets: a served entry; a data: URL
// decoded; about:blank; 404 for an unknown path on a served host;
// ERR_NAME_NOT_RESOLVED for an unknown host, ERR_FILE_NOT_FOUND for an
// unknown file, ERR_UNKNOWN_URL_SCHEME for other schemes. Any thread.
ServedPage ServeUrl(const std::string& url);

// Control of the table. Any thread. |url| is canonicalised first.
void ServePage(const std::string& url, const ServedPage& page);
// Changes an entry, creating a 200 page without title when none exists.
void EditServedPage(const std::string& url,
                    const std::function<void(ServedPage*)>& edit);
void ClearSimulatedWeb();

// Canonical form of |url| as GURL gives it; |url| itself when GURL finds it
// invalid.
std::string CanonicalUrl(const std::string& url);

}  // namespace browser
}  // namespace cefsim

#endif  // CEFSIM_RUNTIME_BROWSER_SIMULATED_WEB_H_
