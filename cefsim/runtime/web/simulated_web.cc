#include "web/simulated_web.h"

#include <map>
#include <mutex>

#include "include/internal/cef_types.h"
#include "text/url_canon.h"
#include "web/data_url.h"

namespace cefsim {
namespace browser {
namespace {

struct Web {
  std::mutex lock;
  std::map<std::string, ServedPage> pages;  // By canonical URL; |lock|.
};

Web& GetWeb() {
  static Web* web = new Web();
  return *web;
}

// The URL without its fragment: a server never sees the fragment.
std::string WithoutFragment(const std::string& url) {
  const size_t hash = url.find('#');
  return hash == std::string::npos ? url : url.substr(0, hash);
}

ServedPage Failure(int net_error) {
  ServedPage page;
  page.net_error = net_error;
  page.http_status = 0;
  return page;
}

}  // namespace

std::string CanonicalUrl(const std::string& url) {
  std::string spec;
  return text::CanonicalizeUrl(url, &spec) ? spec : url;
}

ServedPage ServeUrl(const std::string& url) {
  text::UrlParts parts;
  if (!text::ParseUrl(url, &parts))
    return Failure(ERR_INVALID_URL);
  const std::string key = WithoutFragment(parts.spec);
  {
    Web& web = GetWeb();
    std::lock_guard<std::mutex> guard(web.lock);
    auto it = web.pages.find(key);
    if (it != web.pages.end())
      return it->second;
    if (parts.scheme == "http" || parts.scheme == "https") {
      for (const auto& entry : web.pages) {
        text::UrlParts served;
        if (text::ParseUrl(entry.first, &served) &&
            served.scheme == parts.scheme && served.host == parts.host &&
            served.port == parts.port) {
          ServedPage missing;
          missing.http_status = 404;
          return missing;
        }
      }
      return Failure(ERR_NAME_NOT_RESOLVED);
    }
  }
  if (parts.scheme == "data") {
    ServedPage page;
    if (!DecodeDataUrl(parts.spec, &page.html))
      return Failure(ERR_INVALID_URL);
    page.has_title = FindHtmlTitle(page.html, &page.title);
    return page;
  }
  if (parts.scheme == "about") {
    // about:blank has no network response, so no HTTP status.
    ServedPage page;
    page.http_status = 0;
    return page;
  }
  if (parts.scheme == "file")
    return Failure(ERR_FILE_NOT_FOUND);
  return Failure(ERR_UNKNOWN_URL_SCHEME);
}

void ServePage(const std::string& url, const ServedPage& page) {
  Web& web = GetWeb();
  std::lock_guard<std::mutex> guard(web.lock);
  web.pages[WithoutFragment(CanonicalUrl(url))] = page;
}

void EditServedPage(const std::string& url,
                    const std::function<void(ServedPage*)>& edit) {
  Web& web = GetWeb();
  std::lock_guard<std::mutex> guard(web.lock);
  edit(&web.pages[WithoutFragment(CanonicalUrl(url))]);
}

void ClearSimulatedWeb() {
  Web& web = GetWeb();
  std::lock_guard<std::mutex> guard(web.lock);
  web.pages.clear();
}

}  // namespace browser
}  // namespace cefsim
