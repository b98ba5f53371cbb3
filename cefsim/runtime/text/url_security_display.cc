#include "text/url_security_display.h"

#include "text/uri_encode.h"
#include "text/url_canon.h"
#include "text/url_component.h"
#include "text/utf_convert.h"

namespace cefsim::text {

namespace {

// url_formatter::FormatUrl's view of a URL without authority: the scheme,
// then path, query and fragment with spaces and UTF-8 unescaped.
std::u16string FormatOpaqueUrl(std::string_view spec, const Parsed& parsed) {
  std::u16string shown =
      Utf8ToUtf16(spec.substr(0, static_cast<size_t>(parsed.scheme.end()) + 1));
  shown +=
      UnescapeAndDecodeUtf8UrlComponent(parsed.path.in(spec), kUnescapeSpaces);
  if (parsed.query.is_valid()) {
    shown += u'?';
    shown += UnescapeAndDecodeUtf8UrlComponent(parsed.query.in(spec),
                                               kUnescapeSpaces);
  }
  if (parsed.ref.is_valid()) {
    shown += u'#';
    shown +=
        UnescapeAndDecodeUtf8UrlComponent(parsed.ref.in(spec), kUnescapeSpaces);
  }
  return shown;
}

}  // namespace

std::u16string FormatUrlForSecurityDisplay(std::string_view url) {
  std::string spec;
  Parsed parsed;
  bool is_standard;
  if (!CanonicalizeUrl(url, &spec, &parsed, &is_standard))
    return Utf8ToUtf16(spec);
  if (!is_standard)
    return FormatOpaqueUrl(spec, parsed);
  const std::string_view scheme = parsed.scheme.in(spec);
  if (scheme == "file")
    return u"file://" + Utf8ToUtf16(parsed.path.in(spec));
  // The canonical spec carries a port only when it is not the default one.
  std::string origin =
      std::string(scheme) + "://" + std::string(parsed.host.in(spec));
  if (parsed.port.is_nonempty())
    origin += ":" + std::string(parsed.port.in(spec));
  return Utf8ToUtf16(origin);
}

}  // namespace cefsim::text
