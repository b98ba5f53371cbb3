#include "web/data_url.h"

#include <algorithm>
#include <cctype>

#include "text/base64.h"
#include "text/uri_encode.h"

namespace cefsim {
namespace browser {
namespace {

std::string Lower(std::string text) {
  std::transform(text.begin(), text.end(), text.begin(),
                 [](unsigned char c) { return std::tolower(c); });
  return text;
}

bool IsHtmlSpace(char c) {
  return c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\f';
}

}  // namespace

bool DecodeDataUrl(const std::string& url, std::string* body) {
  if (Lower(url.substr(0, 5)) != "data:")
    return false;
  const size_t comma = url.find(',', 5);
  if (comma == std::string::npos)
    return false;
  const std::string header = Lower(url.substr(5, comma - 5));
  std::string data = text::UnescapeBinaryUrlComponent(url.substr(comma + 1));
  const std::string marker = ";base64";
  const bool base64 =
      header.size() >= marker.size() &&
      header.compare(header.size() - marker.size(), marker.size(), marker) == 0;
  if (!base64) {
    *body = data;
    return true;
  }
  data.erase(std::remove_if(data.begin(), data.end(), IsHtmlSpace), data.end());
  return text::Base64Decode(data, body);
}

bool FindHtmlTitle(const std::string& html, std::string* title) {
  const std::string lower = Lower(html);
  size_t open = lower.find("<title");
  while (open != std::string::npos) {
    const char next = open + 6 < lower.size() ? lower[open + 6] : '\0';
    if (next == '>' || IsHtmlSpace(next))
      break;
    open = lower.find("<title", open + 6);
  }
  if (open == std::string::npos)
    return false;
  const size_t start = lower.find('>', open);
  if (start == std::string::npos)
    return false;
  size_t end = lower.find("</title", start + 1);
  if (end == std::string::npos)
    end = html.size();
  size_t first = start + 1;
  while (first < end && IsHtmlSpace(html[first]))
    ++first;
  size_t last = end;
  while (last > first && IsHtmlSpace(html[last - 1]))
    --last;
  *title = html.substr(first, last - first);
  return true;
}

}  // namespace browser
}  // namespace cefsim
