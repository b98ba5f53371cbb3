#include "text/url_parse.h"

#include <cstdlib>

namespace cefsim::text {

namespace {

void TrimUrl(std::string_view spec, int* begin, int* end) {
  while (*begin < *end && ShouldTrimFromUrl(spec[*begin]))
    ++*begin;
  while (*end > *begin && ShouldTrimFromUrl(spec[*end - 1]))
    --*end;
}

// Splits [path.begin, path.end()) into path, query ('?') and ref ('#').
void ParsePath(std::string_view spec,
               const Component& path,
               Component* filepath,
               Component* query,
               Component* ref) {
  if (!path.is_valid()) {
    filepath->reset();
    query->reset();
    ref->reset();
    return;
  }
  int query_separator = -1;
  int ref_separator = -1;
  for (int i = path.begin; i < path.end(); ++i) {
    if (spec[i] == '?' && query_separator < 0 && ref_separator < 0)
      query_separator = i;
    else if (spec[i] == '#' && ref_separator < 0)
      ref_separator = i;
  }
  int file_end = path.end();
  int query_end = path.end();
  if (ref_separator >= 0) {
    file_end = query_end = ref_separator;
    *ref = MakeRange(ref_separator + 1, path.end());
  } else {
    ref->reset();
  }
  if (query_separator >= 0) {
    file_end = query_separator;
    *query = MakeRange(query_separator + 1, query_end);
  } else {
    query->reset();
  }
  if (file_end != path.begin)
    *filepath = MakeRange(path.begin, file_end);
  else
    filepath->reset();
}

void ParseUserInfo(std::string_view spec,
                   const Component& user,
                   Component* username,
                   Component* password) {
  int colon = 0;
  while (colon < user.len && spec[user.begin + colon] != ':')
    ++colon;
  if (colon < user.len) {
    *username = Component(user.begin, colon);
    *password = MakeRange(user.begin + colon + 1, user.end());
  } else {
    *username = user;
    password->reset();
  }
}

void ParseServerInfo(std::string_view spec,
                     const Component& server,
                     Component* host,
                     Component* port) {
  if (server.len == 0) {
    host->reset();
    port->reset();
    return;
  }
  // A leading '[' makes everything an IPv6 literal unless a ']' ends it
  // earlier; only a colon after that literal starts the port.
  int ipv6_end = spec[server.begin] == '[' ? server.end() : -1;
  int colon = -1;
  for (int i = server.begin; i < server.end(); ++i) {
    if (spec[i] == ']')
      ipv6_end = i;
    else if (spec[i] == ':')
      colon = i;
  }
  if (colon > ipv6_end) {
    *host = MakeRange(server.begin, colon);
    if (host->len == 0)
      host->reset();
    *port = MakeRange(colon + 1, server.end());
  } else {
    *host = server;
    port->reset();
  }
}

void ParseAuthority(std::string_view spec,
                    const Component& auth,
                    Parsed* parsed) {
  if (auth.len == 0) {
    parsed->username.reset();
    parsed->password.reset();
    parsed->host.reset();
    parsed->port.reset();
    return;
  }
  // The last '@' separates user info from the server.
  int i = auth.end() - 1;
  while (i > auth.begin && spec[i] != '@')
    --i;
  if (spec[i] == '@') {
    ParseUserInfo(spec, Component(auth.begin, i - auth.begin),
                  &parsed->username, &parsed->password);
    ParseServerInfo(spec, MakeRange(i + 1, auth.end()), &parsed->host,
                    &parsed->port);
  } else {
    parsed->username.reset();
    parsed->password.reset();
    ParseServerInfo(spec, auth, &parsed->host, &parsed->port);
  }
}

void ParseAfterScheme(std::string_view spec,
                      int end,
                      int after_scheme,
                      Parsed* parsed) {
  // However many slashes there are, what follows them is the authority.
  const int after_slashes =
      after_scheme + CountConsecutiveSlashes(spec, after_scheme, end);
  int end_auth = after_slashes;
  while (end_auth < end && !IsUrlSlash(spec[end_auth]) &&
         spec[end_auth] != '?' && spec[end_auth] != '#')
    ++end_auth;
  ParseAuthority(spec, MakeRange(after_slashes, end_auth), parsed);
  Component full_path;
  if (end_auth != end)
    full_path = MakeRange(end_auth, end);
  ParsePath(spec, full_path, &parsed->path, &parsed->query, &parsed->ref);
}

int FindNextSlash(std::string_view spec, int begin, int end) {
  int i = begin;
  while (i < end && !IsUrlSlash(spec[i]))
    ++i;
  return i;
}

}  // namespace

int CountConsecutiveSlashes(std::string_view spec, int begin, int end) {
  int count = 0;
  while (begin + count < end && IsUrlSlash(spec[begin + count]))
    ++count;
  return count;
}

bool ExtractScheme(std::string_view spec, Component* scheme) {
  int begin = 0;
  const int len = static_cast<int>(spec.size());
  while (begin < len && ShouldTrimFromUrl(spec[begin]))
    ++begin;
  for (int i = begin; i < len; ++i) {
    if (spec[i] == ':') {
      *scheme = MakeRange(begin, i);
      return true;
    }
  }
  return false;
}

bool DoesBeginWindowsDriveSpec(std::string_view spec, int offset) {
  if (offset < 0 || static_cast<size_t>(offset) + 2 > spec.size())
    return false;
  const char letter = spec[offset];
  const char separator = spec[offset + 1];
  const bool is_letter =
      (letter >= 'a' && letter <= 'z') || (letter >= 'A' && letter <= 'Z');
  return is_letter && (separator == ':' || separator == '|');
}

bool DoesBeginUncPath(std::string_view spec, int offset) {
  if (offset < 0 || static_cast<size_t>(offset) + 2 > spec.size())
    return false;
  return IsUrlSlash(spec[offset]) && IsUrlSlash(spec[offset + 1]);
}

void ParseStandardUrl(std::string_view spec, Parsed* parsed) {
  *parsed = Parsed();
  int begin = 0;
  int end = static_cast<int>(spec.size());
  TrimUrl(spec, &begin, &end);
  int after_scheme;
  if (ExtractScheme(spec.substr(0, static_cast<size_t>(end)),
                    &parsed->scheme)) {
    after_scheme = parsed->scheme.end() + 1;
  } else {
    parsed->scheme.reset();
    after_scheme = begin;
  }
  ParseAfterScheme(spec, end, after_scheme, parsed);
}

void ParsePathUrl(std::string_view spec, Parsed* parsed) {
  *parsed = Parsed();
  int begin = 0;
  int end = static_cast<int>(spec.size());
  TrimUrl(spec, &begin, &end);
  if (begin == end)
    return;
  int path_begin;
  if (ExtractScheme(spec.substr(0, static_cast<size_t>(end)),
                    &parsed->scheme)) {
    path_begin = parsed->scheme.end() + 1;
  } else {
    parsed->scheme.reset();
    path_begin = begin;
  }
  if (path_begin == end)
    return;
  ParsePath(spec, MakeRange(path_begin, end), &parsed->path, &parsed->query,
            &parsed->ref);
}

void ParseMailtoUrl(std::string_view spec, Parsed* parsed) {
  *parsed = Parsed();
  int begin = 0;
  int end = static_cast<int>(spec.size());
  TrimUrl(spec, &begin, &end);
  if (begin == end)
    return;
  int path_begin = -1;
  int path_end = -1;
  if (ExtractScheme(spec.substr(0, static_cast<size_t>(end)),
                    &parsed->scheme)) {
    if (parsed->scheme.end() != end - 1) {
      path_begin = parsed->scheme.end() + 1;
      path_end = end;
    }
  } else {
    parsed->scheme.reset();
    path_begin = begin;
    path_end = end;
  }
  // mailto: has no fragment; the first '?' starts the query.
  for (int i = path_begin; i >= 0 && i < path_end; ++i) {
    if (spec[i] == '?') {
      parsed->query = MakeRange(i + 1, path_end);
      path_end = i;
      break;
    }
  }
  if (path_begin == path_end)
    parsed->path.reset();
  else
    parsed->path = MakeRange(path_begin, path_end);
}

void ParseFileUrl(std::string_view spec, Parsed* parsed) {
  *parsed = Parsed();
  int begin = 0;
  int end = static_cast<int>(spec.size());
  TrimUrl(spec, &begin, &end);
  std::string_view trimmed = spec.substr(0, static_cast<size_t>(end));

  int num_slashes = CountConsecutiveSlashes(spec, begin, end);
  int after_scheme;
  if (DoesBeginWindowsDriveSpec(trimmed, begin + num_slashes)) {
    // "c:\foo", "/c:/foo": a path without a scheme.
    after_scheme = begin + num_slashes;
  } else if (DoesBeginUncPath(trimmed, begin)) {
    // "\\server\share": keep the slashes.
    after_scheme = begin;
  } else if (num_slashes == 0 && ExtractScheme(trimmed, &parsed->scheme)) {
    after_scheme = parsed->scheme.end() + 1;
  } else {
    parsed->scheme.reset();
    after_scheme = begin;
  }
  if (after_scheme == end)
    return;

  num_slashes = CountConsecutiveSlashes(spec, after_scheme, end);
  const int after_slashes = after_scheme + num_slashes;
  if (!DoesBeginWindowsDriveSpec(trimmed, after_slashes) && num_slashes != 3) {
    // Windows reads everything but a drive path or exactly three slashes as
    // UNC: the first segment is the server.
    const int next_slash = FindNextSlash(spec, after_slashes, end);
    if (after_slashes < next_slash)
      parsed->host = MakeRange(after_slashes, next_slash);
    if (next_slash < end) {
      ParsePath(spec, MakeRange(next_slash, end), &parsed->path, &parsed->query,
                &parsed->ref);
    }
    return;
  }
  // A local file; the path keeps the last slash before it.
  const int path_begin =
      num_slashes > 0 ? after_scheme + num_slashes - 1 : after_scheme;
  ParsePath(spec, MakeRange(path_begin, end), &parsed->path, &parsed->query,
            &parsed->ref);
}

int ParsePort(std::string_view spec, const Component& port) {
  constexpr int kMaxDigits = 5;
  if (port.is_empty())
    return kPortUnspecified;
  int first = port.end();
  for (int i = port.begin; i < port.end(); ++i) {
    if (spec[i] != '0') {
      first = i;
      break;
    }
  }
  if (first == port.end())
    return 0;
  if (port.end() - first > kMaxDigits)
    return kPortInvalid;
  int value = 0;
  for (int i = first; i < port.end(); ++i) {
    if (spec[i] < '0' || spec[i] > '9')
      return kPortInvalid;
    value = value * 10 + (spec[i] - '0');
  }
  return value > 65535 ? kPortInvalid : value;
}

}  // namespace cefsim::text
