#include "text/url_build.h"

#include "text/url_component.h"
#include "text/url_parse.h"

namespace cefsim::text {

namespace {

bool IsAsciiAlpha(char c) {
  return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
}

bool IsSchemeChar(char c) {
  return IsAsciiAlpha(c) || (c >= '0' && c <= '9') || c == '+' || c == '-' ||
         c == '.';
}

bool IsValidScheme(std::string_view scheme) {
  if (scheme.empty() || !IsAsciiAlpha(scheme[0]))
    return false;
  for (char c : scheme.substr(1)) {
    if (!IsSchemeChar(c))
      return false;
  }
  return true;
}

bool SameScheme(std::string_view canonical, std::string_view other) {
  if (canonical.size() != other.size())
    return false;
  for (size_t i = 0; i < other.size(); ++i) {
    char c = other[i];
    if (c >= 'A' && c <= 'Z')
      c = static_cast<char>(c - 'A' + 'a');
    if (c != canonical[i])
      return false;
  }
  return true;
}

// Controls and spaces go from both ends.
std::string_view TrimUrl(std::string_view text) {
  while (!text.empty() && ShouldTrimFromUrl(text.front()))
    text.remove_prefix(1);
  while (!text.empty() && ShouldTrimFromUrl(text.back()))
    text.remove_suffix(1);
  return text;
}

// Two backslashes, or with |strict| false two slashes of either kind.
bool BeginsUncPath(std::string_view text, bool strict) {
  if (text.size() < 2)
    return false;
  if (strict)
    return text[0] == '\\' && text[1] == '\\';
  return IsUrlSlash(text[0]) && IsUrlSlash(text[1]);
}

int SlashesAt(std::string_view text, size_t begin) {
  return CountConsecutiveSlashes(text, static_cast<int>(begin),
                                 static_cast<int>(text.size()));
}

enum class Reference { kAbsolute, kRelative, kUnresolvable };

// Whether |relative| is resolved against the base, as Chromium decides it;
// for a relative one, |*part| is what is resolved (after "scheme:" when the
// base's scheme is repeated).
Reference Classify(std::string_view base_scheme,
                   bool base_hierarchical,
                   std::string_view relative,
                   std::string_view* part) {
  *part = relative;
  if (relative.empty())
    return base_hierarchical ? Reference::kRelative : Reference::kUnresolvable;
  // Windows paths name files, whatever the base.
  if (DoesBeginWindowsDriveSpec(relative, 0) || BeginsUncPath(relative, true))
    return Reference::kAbsolute;
  Component scheme;
  if (!ExtractScheme(relative, &scheme) || scheme.len == 0 ||
      !IsValidScheme(scheme.in(relative))) {
    // A fragment resolves against any base; the rest needs a hierarchy.
    if (relative[0] == '#' || base_hierarchical)
      return Reference::kRelative;
    return Reference::kUnresolvable;
  }
  if (!SameScheme(base_scheme, scheme.in(relative)) || !base_hierarchical ||
      base_scheme == "filesystem") {
    return Reference::kAbsolute;
  }
  // "http:page" and "http:/page" are relative to an http base.
  const size_t after_colon = static_cast<size_t>(scheme.end()) + 1;
  if (SlashesAt(relative, after_colon) >= 2)
    return Reference::kAbsolute;
  *part = relative.substr(after_colon);
  return Reference::kRelative;
}

// The text a relative reference makes with the base, before
// canonicalization. |base| is canonical, |parsed| its components.
std::string Combine(std::string_view base,
                    const Parsed& parsed,
                    bool base_is_file,
                    std::string_view relative) {
  const std::string_view scheme = parsed.scheme.in(base);
  if (relative.empty()) {
    // The base without its fragment.
    return std::string(base.substr(
        0, parsed.ref.is_valid() ? static_cast<size_t>(parsed.ref.begin - 1)
                                 : base.size()));
  }
  const int slashes = SlashesAt(relative, 0);
  if (BeginsUncPath(relative, !base_is_file) ||
      ((slashes == 0 || base_is_file) &&
       DoesBeginWindowsDriveSpec(relative, slashes))) {
    return "file:" + std::string(relative);
  }
  if (slashes >= 2)
    return std::string(scheme) + ":" + std::string(relative);

  // Same authority: path, query and fragment of the reference.
  const size_t hash = relative.find('#');
  const std::string_view before_ref = relative.substr(0, hash);
  const size_t question = before_ref.find('?');
  const std::string_view path = before_ref.substr(0, question);
  const std::string_view tail = relative.substr(path.size());
  const std::string_view base_path = parsed.path.in(base);
  std::string combined(base.substr(0, static_cast<size_t>(parsed.path.begin)));
  if (!path.empty()) {
    if (IsUrlSlash(path[0])) {
      // A file URL keeps its drive.
      if (base_is_file && DoesBeginWindowsDriveSpec(base_path, 1) &&
          !DoesBeginWindowsDriveSpec(path, slashes)) {
        combined.append(base_path.substr(0, 3));
      }
    } else {
      combined.append(base_path.substr(0, base_path.rfind('/') + 1));
    }
    combined.append(path);
    combined.append(tail);
    return combined;
  }
  combined.append(base_path);
  if (question == std::string_view::npos && parsed.query.is_valid()) {
    // Only a fragment: the base's query stays.
    combined.append("?");
    combined.append(parsed.query.in(base));
  }
  combined.append(tail);
  return combined;
}

}  // namespace

bool ResolveUrl(std::string_view base,
                std::string_view relative,
                std::string* resolved) {
  std::string base_spec;
  Parsed parsed;
  bool is_standard;
  if (!CanonicalizeUrl(base, &base_spec, &parsed, &is_standard))
    return false;
  const std::string_view scheme = parsed.scheme.in(base_spec);
  const int base_slashes = SlashesAt(base_spec, scheme.size() + 1);
  const bool hierarchical = is_standard || base_slashes > 0;

  const std::string cleaned = RemoveUrlWhitespace(relative);
  std::string_view part;
  switch (Classify(scheme, hierarchical, TrimUrl(cleaned), &part)) {
    case Reference::kUnresolvable:
      return false;
    case Reference::kAbsolute:
      return CanonicalizeUrl(TrimUrl(cleaned), resolved);
    case Reference::kRelative:
      break;
  }
  if (!is_standard && base_slashes > 1) {
    // A URL of another scheme with an authority resolves as if standard.
    Parsed authority;
    ParseStandardUrl(base_spec, &authority);
    if (authority.host.is_nonempty())
      parsed = authority;
  }
  if (parsed.path.len <= 0)
    return false;
  return CanonicalizeUrl(Combine(base_spec, parsed, scheme == "file", part),
                         resolved);
}

bool CreateUrl(const UrlParts& parts, std::string* spec) {
  if (!parts.spec.empty())
    return CanonicalizeUrl(parts.spec, spec);
  if (parts.scheme.empty() || parts.host.empty())
    return false;
  std::string url = parts.scheme + "://";
  if (!parts.username.empty()) {
    url += parts.username;
    if (!parts.password.empty())
      url += ":" + parts.password;
    url += "@";
  }
  url += parts.host;
  if (!parts.port.empty())
    url += ":" + parts.port;
  url += parts.path;
  if (!parts.query.empty())
    url += "?" + parts.query;
  if (!parts.fragment.empty())
    url += "#" + parts.fragment;
  return CanonicalizeUrl(url, spec);
}

}  // namespace cefsim::text
