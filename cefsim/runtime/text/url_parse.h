// Splitting a URL string into its components, before canonicalization. The
// rules are those of Chromium's url/ parser on Windows.

#ifndef CEFSIM_RUNTIME_TEXT_URL_PARSE_H_
#define CEFSIM_RUNTIME_TEXT_URL_PARSE_H_

#include <string_view>

#include "text/url_component.h"

namespace cefsim::text {

// Control characters and space are trimmed from both ends of a URL.
inline bool ShouldTrimFromUrl(char c) {
  return static_cast<unsigned char>(c) <= ' ';
}

inline bool IsUrlSlash(char c) {
  return c == '/' || c == '\\';
}

int CountConsecutiveSlashes(std::string_view spec, int begin, int end);

// Finds the scheme: everything before the first colon, after leading
// whitespace. False when there is no colon.
bool ExtractScheme(std::string_view spec, Component* scheme);

// "c:" or "c|" at |offset|.
bool DoesBeginWindowsDriveSpec(std::string_view spec, int offset);
// Two slashes (either kind) at |offset|.
bool DoesBeginUncPath(std::string_view spec, int offset);

void ParseStandardUrl(std::string_view spec, Parsed* parsed);
void ParsePathUrl(std::string_view spec, Parsed* parsed);
void ParseMailtoUrl(std::string_view spec, Parsed* parsed);
void ParseFileUrl(std::string_view spec, Parsed* parsed);

constexpr int kPortUnspecified = -1;
constexpr int kPortInvalid = -2;

// Port number of |port| in |spec|, kPortUnspecified for an absent or empty
// port, kPortInvalid for anything but up to five digits below 65536 (leading
// zeros do not count).
int ParsePort(std::string_view spec, const Component& port);

}  // namespace cefsim::text

#endif  // CEFSIM_RUNTIME_TEXT_URL_PARSE_H_
