#include "text/url_canon.h"

#include <utility>

#include "text/url_canon_components.h"
#include "text/url_canon_escape.h"
#include "text/url_canon_host.h"
#include "text/url_canon_path.h"
#include "text/url_component.h"
#include "text/url_parse.h"
#include "text/url_schemes.h"

namespace cefsim::text {

std::string RemoveUrlWhitespace(std::string_view input) {
  std::string out;
  out.reserve(input.size());
  for (char c : input) {
    if (c != '\t' && c != '\n' && c != '\r')
      out.push_back(c);
  }
  return out;
}

namespace {

std::string LowerAscii(std::string_view s) {
  std::string out(s);
  for (char& c : out) {
    if (c >= 'A' && c <= 'Z')
      c = static_cast<char>(c - 'A' + 'a');
  }
  return out;
}

bool CanonicalizeStandard(std::string_view spec,
                          const Parsed& parsed,
                          SchemeType type,
                          std::string* out,
                          Parsed* result) {
  bool ok = CanonicalizeScheme(spec, parsed.scheme, out, &result->scheme);
  const bool user_info = type == SchemeType::kWithHostPortAndUserInfo;
  const bool ports = type == SchemeType::kWithHostPortAndUserInfo;

  const bool have_authority =
      (user_info &&
       (parsed.username.is_valid() || parsed.password.is_valid())) ||
      parsed.host.is_nonempty() || (ports && parsed.port.is_valid());
  if (have_authority) {
    if (parsed.scheme.is_valid())
      out->append("//");
    if (user_info) {
      ok &= CanonicalizeUserInfo(spec, parsed.username, parsed.password, out,
                                 &result->username, &result->password);
    }
    result->host.begin = static_cast<int>(out->size());
    ok &= CanonicalizeHost(parsed.host.in(spec), out);
    result->host.len = static_cast<int>(out->size()) - result->host.begin;
    if (parsed.host.is_empty())
      ok = false;
    if (ports) {
      const int default_port =
          DefaultPortForScheme(std::string_view(*out).substr(
              static_cast<size_t>(result->scheme.begin),
              static_cast<size_t>(result->scheme.len)));
      ok &=
          CanonicalizePort(spec, parsed.port, default_port, out, &result->port);
    }
  } else {
    // A standard URL needs an authority.
    ok = false;
  }

  result->path.begin = static_cast<int>(out->size());
  if (parsed.path.is_valid()) {
    ok &= CanonicalizePath(parsed.path.in(spec), out);
    result->path.len = static_cast<int>(out->size()) - result->path.begin;
  } else if (have_authority || parsed.query.is_valid() ||
             parsed.ref.is_valid()) {
    out->push_back('/');
    result->path.len = 1;
  }
  CanonicalizeQuery(spec, parsed.query, out, &result->query);
  CanonicalizeRef(spec, parsed.ref, out, &result->ref);
  return ok;
}

// Index just past a drive letter ("c:", "/c|") at the start of |path|, or
// npos. The drive is written as "/C:".
size_t AppendDriveSpec(std::string_view path, std::string* out) {
  const int slashes =
      CountConsecutiveSlashes(path, 0, static_cast<int>(path.size()));
  if (!DoesBeginWindowsDriveSpec(path, slashes))
    return std::string_view::npos;
  out->push_back('/');
  char letter = path[static_cast<size_t>(slashes)];
  if (letter >= 'a' && letter <= 'z')
    letter = static_cast<char>(letter - 'a' + 'A');
  out->push_back(letter);
  out->push_back(':');
  return static_cast<size_t>(slashes) + 2;
}

bool CanonicalizeFile(std::string_view spec,
                      const Parsed& parsed,
                      std::string* out,
                      Parsed* result) {
  result->scheme = Component(0, 4);
  out->append("file://");
  std::string_view path = parsed.path.in(spec);

  // "file://localhost/C:/x" loses the host.
  std::string_view host = parsed.host.in(spec);
  if (host == "localhost" && parsed.path.is_valid()) {
    std::string probe;
    if (AppendDriveSpec(path, &probe) != std::string_view::npos)
      host = std::string_view();
  }
  result->host.begin = static_cast<int>(out->size());
  bool ok = CanonicalizeHost(host, out);
  result->host.len = static_cast<int>(out->size()) - result->host.begin;

  result->path.begin = static_cast<int>(out->size());
  size_t rest = parsed.path.is_valid() ? AppendDriveSpec(path, out)
                                       : std::string_view::npos;
  if (rest == std::string_view::npos)
    rest = 0;
  if (rest < path.size()) {
    ok &= CanonicalizePath(path.substr(rest), out);
  } else {
    out->push_back('/');
  }
  result->path.len = static_cast<int>(out->size()) - result->path.begin;
  CanonicalizeQuery(spec, parsed.query, out, &result->query);
  CanonicalizeRef(spec, parsed.ref, out, &result->ref);
  return ok;
}

bool CanonicalizeMailto(std::string_view spec,
                        const Parsed& parsed,
                        std::string* out,
                        Parsed* result) {
  result->scheme = Component(0, 6);
  out->append("mailto:");
  bool ok = true;
  if (parsed.path.is_valid()) {
    result->path.begin = static_cast<int>(out->size());
    const std::string_view path = parsed.path.in(spec);
    for (size_t i = 0; i < path.size(); ++i) {
      const unsigned char c = static_cast<unsigned char>(path[i]);
      if (c < 0x21 || c > 0x7E || c == '"') {
        if (c < 0x80)
          AppendEscapedByte(c, out);
        else
          ok &= AppendUtf8EscapedChar(path, &i, out);
      } else {
        out->push_back(static_cast<char>(c));
      }
    }
    result->path.len = static_cast<int>(out->size()) - result->path.begin;
  }
  CanonicalizeQuery(spec, parsed.query, out, &result->query);
  return ok;
}

// Opaque paths keep everything but controls and non-ASCII, which are
// escaped; query and fragment follow the usual rules.
bool CanonicalizePathUrl(std::string_view spec,
                         const Parsed& parsed,
                         std::string* out,
                         Parsed* result) {
  const bool ok = CanonicalizeScheme(spec, parsed.scheme, out, &result->scheme);
  if (parsed.path.is_valid()) {
    result->path.begin = static_cast<int>(out->size());
    const std::string_view path = parsed.path.in(spec);
    for (size_t i = 0; i < path.size(); ++i) {
      const unsigned char c = static_cast<unsigned char>(path[i]);
      if (c < 0x20 || c > 0x7E) {
        if (c < 0x80)
          AppendEscapedByte(c, out);
        else
          AppendUtf8EscapedChar(path, &i, out);
      } else {
        out->push_back(static_cast<char>(c));
      }
    }
    result->path.len = static_cast<int>(out->size()) - result->path.begin;
  }
  CanonicalizeQuery(spec, parsed.query, out, &result->query);
  CanonicalizeRef(spec, parsed.ref, out, &result->ref);
  return ok;
}

bool Canonicalize(std::string_view input,
                  std::string* out,
                  Parsed* result,
                  bool* is_standard) {
  const std::string spec = RemoveUrlWhitespace(input);
  Parsed parsed;
  *result = Parsed();
  out->clear();
  *is_standard = true;

  // Windows paths become file URLs, as on Chromium for Windows.
  if (DoesBeginUncPath(spec, 0) || DoesBeginWindowsDriveSpec(spec, 0)) {
    ParseFileUrl(spec, &parsed);
    return CanonicalizeFile(spec, parsed, out, result);
  }

  Component scheme;
  if (!ExtractScheme(spec, &scheme))
    return false;
  const std::string lower = LowerAscii(scheme.in(spec));
  SchemeType type;
  if (lower == "file") {
    ParseFileUrl(spec, &parsed);
    return CanonicalizeFile(spec, parsed, out, result);
  }
  if (lower == "filesystem")
    return false;
  if (IsStandardScheme(lower, &type)) {
    ParseStandardUrl(spec, &parsed);
    return CanonicalizeStandard(spec, parsed, type, out, result);
  }
  *is_standard = false;
  if (lower == "mailto") {
    ParseMailtoUrl(spec, &parsed);
    return CanonicalizeMailto(spec, parsed, out, result);
  }
  ParsePathUrl(spec, &parsed);
  return CanonicalizePathUrl(spec, parsed, out, result);
}

}  // namespace

bool ParseUrl(std::string_view input, UrlParts* parts) {
  std::string spec;
  Parsed parsed;
  bool is_standard;
  if (!Canonicalize(input, &spec, &parsed, &is_standard) || spec.empty())
    return false;
  UrlParts result;
  auto text = [&spec](const Component& c) { return std::string(c.in(spec)); };
  result.spec = spec;
  result.scheme = text(parsed.scheme);
  result.username = text(parsed.username);
  result.password = text(parsed.password);
  result.host = text(parsed.host);
  result.port = text(parsed.port);
  result.path = text(parsed.path);
  result.query = text(parsed.query);
  result.fragment = text(parsed.ref);
  if (is_standard) {
    // The URL with user info, path, query and fragment cleared; an empty
    // path canonicalizes to "/".
    result.origin = result.scheme + "://" + result.host;
    if (!result.port.empty())
      result.origin += ":" + result.port;
    result.origin += "/";
  }
  *parts = std::move(result);
  return true;
}

bool CanonicalizeUrl(std::string_view input,
                     std::string* spec,
                     Parsed* parsed,
                     bool* is_standard) {
  std::string out;
  Parsed result;
  bool standard;
  const bool valid =
      Canonicalize(input, &out, &result, &standard) && !out.empty();
  *spec = std::move(out);
  if (!valid)
    return false;
  *parsed = result;
  *is_standard = standard;
  return true;
}

bool CanonicalizeUrl(std::string_view input, std::string* spec) {
  UrlParts parts;
  if (!ParseUrl(input, &parts))
    return false;
  *spec = parts.spec;
  return true;
}

}  // namespace cefsim::text
