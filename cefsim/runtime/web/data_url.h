// Decoding data: URLs, so a frame that shows one holds its document.
#ifndef CEFSIM_RUNTIME_BROWSER_DATA_URL_H_
#define CEFSIM_RUNTIME_BROWSER_DATA_URL_H_

#include <string>

namespace cefsim {
namespace browser {

// The body of |url| ("data:[<type>][;base64],<data>"): percent-decoded, then
// Base64-decoded when marked so. False when it is no data: URL or its
// Base64 is malformed.
bool DecodeDataUrl(const std::string& url, std::string* body);

// The text of the document's first <title> element (tag names in any case),
// trimmed of white space at both ends; false when there is none.
bool FindHtmlTitle(const std::string& html, std::string* title);

}  // namespace browser
}  // namespace cefsim

#endif  // CEFSIM_RUNTIME_BROWSER_DATA_URL_H_
