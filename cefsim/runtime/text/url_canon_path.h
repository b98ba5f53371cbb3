// Path canonicalization of standard and file URLs.

#ifndef CEFSIM_RUNTIME_TEXT_URL_CANON_PATH_H_
#define CEFSIM_RUNTIME_TEXT_URL_CANON_PATH_H_

#include <cstddef>
#include <string>
#include <string_view>

namespace cefsim::text {

// Appends the canonical path: a leading '/' when |path| has none (or is
// empty), backslashes as slashes, "." and ".." segments (also spelled %2e)
// resolved, characters GURL escapes in paths escaped, escapes of unreserved
// characters decoded.
bool CanonicalizePath(std::string_view path, std::string* out);

// As above for a path that continues output already written: ".." never
// climbs above |path_begin_in_output|, and no slash is added.
bool CanonicalizePartialPath(std::string_view path,
                             size_t path_begin_in_output,
                             std::string* out);

}  // namespace cefsim::text

#endif  // CEFSIM_RUNTIME_TEXT_URL_CANON_PATH_H_
