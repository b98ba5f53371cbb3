#include "text/mime_types.h"

#include <algorithm>
#include <vector>

namespace cefsim::text {

namespace {

struct MimeMapping {
  const char* mime_type;
  // Comma-separated, the preferred one first.
  const char* extensions;
};

// Mappings the platform cannot override. Earlier entries win for an
// extension listed twice.
constexpr MimeMapping kPrimaryMappings[] = {
    {"video/webm", "webm"},
    {"audio/mpeg", "mp3"},
    {"application/wasm", "wasm"},
    {"application/x-chrome-extension", "crx"},
    {"application/xhtml+xml", "xhtml,xht,xhtm"},
    {"audio/flac", "flac"},
    {"audio/mp3", "mp3"},
    {"audio/ogg", "ogg,oga,opus"},
    {"audio/wav", "wav"},
    {"audio/webm", "webm"},
    {"audio/x-m4a", "m4a"},
    {"image/avif", "avif"},
    {"image/gif", "gif"},
    {"image/jpeg", "jpeg,jpg"},
    {"image/jxl", "jxl"},
    {"image/png", "png"},
    {"image/apng", "png"},
    {"image/webp", "webp"},
    {"multipart/related", "mht,mhtml"},
    {"text/css", "css"},
    {"text/html", "html,htm,shtml,shtm"},
    {"text/javascript", "js,mjs"},
    {"text/xml", "xml"},
    {"video/mp4", "mp4,m4v"},
    {"video/ogg", "ogv,ogm"},
};

// Mappings the platform may override.
constexpr MimeMapping kSecondaryMappings[] = {
    {"image/x-icon", "ico"},
    {"application/epub+zip", "epub"},
    {"application/font-woff", "woff"},
    {"application/gzip", "gz,tgz"},
    {"application/javascript", "js"},
    {"application/json", "json"},
    {"application/octet-stream", "bin,exe,com"},
    {"application/pdf", "pdf"},
    {"application/pkcs7-mime", "p7m,p7c,p7z"},
    {"application/pkcs7-signature", "p7s"},
    {"application/postscript", "ps,eps,ai"},
    {"application/rdf+xml", "rdf"},
    {"application/rss+xml", "rss"},
    {"application/vnd.android.package-archive", "apk"},
    {"application/vnd.mozilla.xul+xml", "xul"},
    {"application/vnd.ms-excel", "xls"},
    {"application/vnd.openxmlformats-officedocument.spreadsheetml.sheet",
     "xlsx"},
    {"application/x-gzip", "gz,tgz"},
    {"application/x-mpegurl", "m3u8"},
    {"application/x-shockwave-flash", "swf,swl"},
    {"application/x-tar", "tar"},
    {"application/x-x509-ca-cert", "cer,crt"},
    {"application/zip", "zip"},
    {"audio/webm", "weba"},
    {"image/bmp", "bmp"},
    {"image/jpeg", "jfif,pjpeg,pjp"},
    {"image/svg+xml", "svg,svgz"},
    {"image/tiff", "tiff,tif"},
    {"image/vnd.microsoft.icon", "ico"},
    {"image/x-png", "png"},
    {"image/x-xbitmap", "xbm"},
    {"message/rfc822", "eml"},
    {"text/calendar", "ics"},
    {"text/html", "ehtml"},
    {"text/plain", "txt,text"},
    {"text/x-sh", "sh"},
    {"text/xml", "xsl,xbl,xslt"},
    {"video/mpeg", "mpeg,mpg"},
};

char LowerAscii(char c) {
  return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

bool EqualsIgnoringAsciiCase(std::string_view a, std::string_view b) {
  return a.size() == b.size() &&
         std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
           return LowerAscii(x) == LowerAscii(y);
         });
}

std::vector<std::string_view> SplitExtensions(const char* extensions) {
  std::vector<std::string_view> list;
  std::string_view rest(extensions);
  while (true) {
    const size_t comma = rest.find(',');
    list.push_back(rest.substr(0, comma));
    if (comma == std::string_view::npos)
      return list;
    rest.remove_prefix(comma + 1);
  }
}

template <size_t N>
const char* FindMimeType(const MimeMapping (&mappings)[N],
                         std::string_view extension) {
  for (const MimeMapping& mapping : mappings) {
    for (std::string_view known : SplitExtensions(mapping.extensions)) {
      if (EqualsIgnoringAsciiCase(known, extension))
        return mapping.mime_type;
    }
  }
  return nullptr;
}

// Adds the extensions of the types equal to |mime_type|, or starting with it
// when |prefix| is set, that |extensions| does not hold yet.
template <size_t N>
void AddExtensions(const MimeMapping (&mappings)[N],
                   std::string_view mime_type,
                   bool prefix,
                   std::vector<std::string>* extensions) {
  for (const MimeMapping& mapping : mappings) {
    std::string_view type(mapping.mime_type);
    if (prefix)
      type = type.substr(0, mime_type.size());
    if (!EqualsIgnoringAsciiCase(type, mime_type))
      continue;
    for (std::string_view known : SplitExtensions(mapping.extensions)) {
      if (std::find(extensions->begin(), extensions->end(), known) ==
          extensions->end()) {
        extensions->emplace_back(known);
      }
    }
  }
}

}  // namespace

std::string MimeTypeForExtension(std::string_view extension) {
  // Chromium refuses over-long names and names with a NUL outright.
  if (extension.size() > 65536 ||
      extension.find('\0') != std::string_view::npos) {
    return std::string();
  }
  const char* found = FindMimeType(kPrimaryMappings, extension);
  if (!found)
    found = FindMimeType(kSecondaryMappings, extension);
  return found ? found : std::string();
}

std::vector<std::string> ExtensionsForMimeType(std::string_view mime_type) {
  std::vector<std::string> extensions;
  if (mime_type == "*" || mime_type == "*/*")
    return extensions;
  const bool prefix =
      mime_type.size() >= 2 && mime_type.substr(mime_type.size() - 2) == "/*";
  if (prefix)
    mime_type.remove_suffix(1);  // "image/*" matches "image/...".
  AddExtensions(kPrimaryMappings, mime_type, prefix, &extensions);
  AddExtensions(kSecondaryMappings, mime_type, prefix, &extensions);
  return extensions;
}

}  // namespace cefsim::text
