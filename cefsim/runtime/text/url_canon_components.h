// Canonicalizers for the small URL components: scheme, user info, port,
// query and fragment. Each appends to |out| (with its separator) and returns
// false when the component makes the URL invalid.

#ifndef CEFSIM_RUNTIME_TEXT_URL_CANON_COMPONENTS_H_
#define CEFSIM_RUNTIME_TEXT_URL_CANON_COMPONENTS_H_

#include <string>
#include <string_view>

#include "text/url_component.h"

namespace cefsim::text {

// Lower-cases the scheme and appends it with its ':'. A scheme must start
// with a letter and hold only letters, digits, '+', '-' and '.'.
bool CanonicalizeScheme(std::string_view spec,
                        const Component& scheme,
                        std::string* out,
                        Component* out_scheme);

// Appends "user:pass@"; empty user and password are dropped altogether.
bool CanonicalizeUserInfo(std::string_view spec,
                          const Component& username,
                          const Component& password,
                          std::string* out,
                          Component* out_username,
                          Component* out_password);

// Appends ":port" unless the port is absent, empty or the scheme's default.
bool CanonicalizePort(std::string_view spec,
                      const Component& port,
                      int default_port,
                      std::string* out,
                      Component* out_port);

// Query of a standard or opaque URL: "?..." with the characters outside the
// query class escaped.
void CanonicalizeQuery(std::string_view spec,
                       const Component& query,
                       std::string* out,
                       Component* out_query);

// Fragment: "#..." with controls, space, '"', '<', '>', '`' and DEL escaped.
void CanonicalizeRef(std::string_view spec,
                     const Component& ref,
                     std::string* out,
                     Component* out_ref);

}  // namespace cefsim::text

#endif  // CEFSIM_RUNTIME_TEXT_URL_CANON_COMPONENTS_H_
