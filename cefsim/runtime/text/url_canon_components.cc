#include "text/url_canon_components.h"

#include "text/url_canon_escape.h"
#include "text/url_parse.h"

namespace cefsim::text {

namespace {

char CanonicalSchemeChar(unsigned char c, bool first) {
  if (c >= 'A' && c <= 'Z')
    return static_cast<char>(c - 'A' + 'a');
  if (c >= 'a' && c <= 'z')
    return static_cast<char>(c);
  if (first)
    return 0;
  if ((c >= '0' && c <= '9') || c == '+' || c == '-' || c == '.')
    return static_cast<char>(c);
  return 0;
}

bool ShouldEscapeInFragment(unsigned char c) {
  return c < 0x20 || c == ' ' || c == '"' || c == '<' || c == '>' || c == '`' ||
         c == 0x7F;
}

}  // namespace

bool CanonicalizeScheme(std::string_view spec,
                        const Component& scheme,
                        std::string* out,
                        Component* out_scheme) {
  if (scheme.is_empty()) {
    *out_scheme = Component(static_cast<int>(out->size()), 0);
    out->push_back(':');
    return false;
  }
  out_scheme->begin = static_cast<int>(out->size());
  bool ok = true;
  const std::string_view text = scheme.in(spec);
  for (size_t i = 0; i < text.size(); ++i) {
    const unsigned char c = static_cast<unsigned char>(text[i]);
    const char canonical = c < 0x80 ? CanonicalSchemeChar(c, i == 0) : 0;
    if (canonical) {
      out->push_back(canonical);
    } else if (c == '%') {
      ok = false;
      out->push_back('%');
    } else {
      ok = false;
      if (c < 0x80)
        AppendEscapedByte(c, out);
      else
        AppendUtf8EscapedChar(text, &i, out);
    }
  }
  out_scheme->len = static_cast<int>(out->size()) - out_scheme->begin;
  out->push_back(':');
  return ok;
}

bool CanonicalizeUserInfo(std::string_view spec,
                          const Component& username,
                          const Component& password,
                          std::string* out,
                          Component* out_username,
                          Component* out_password) {
  if (username.is_empty() && password.is_empty()) {
    out_username->reset();
    out_password->reset();
    return true;
  }
  out_username->begin = static_cast<int>(out->size());
  AppendStringOfClass(username.in(spec), kCharUserInfo, out);
  out_username->len = static_cast<int>(out->size()) - out_username->begin;
  if (password.is_nonempty()) {
    out->push_back(':');
    out_password->begin = static_cast<int>(out->size());
    AppendStringOfClass(password.in(spec), kCharUserInfo, out);
    out_password->len = static_cast<int>(out->size()) - out_password->begin;
  } else {
    out_password->reset();
  }
  out->push_back('@');
  return true;
}

bool CanonicalizePort(std::string_view spec,
                      const Component& port,
                      int default_port,
                      std::string* out,
                      Component* out_port) {
  const int number = ParsePort(spec, port);
  if (number == kPortUnspecified || number == default_port) {
    out_port->reset();
    return true;
  }
  out->push_back(':');
  out_port->begin = static_cast<int>(out->size());
  if (number == kPortInvalid) {
    out->append(port.in(spec));
    out_port->len = static_cast<int>(out->size()) - out_port->begin;
    return false;
  }
  out->append(std::to_string(number));
  out_port->len = static_cast<int>(out->size()) - out_port->begin;
  return true;
}

void CanonicalizeQuery(std::string_view spec,
                       const Component& query,
                       std::string* out,
                       Component* out_query) {
  if (!query.is_valid()) {
    out_query->reset();
    return;
  }
  out->push_back('?');
  out_query->begin = static_cast<int>(out->size());
  AppendStringOfClass(query.in(spec), kCharQuery, out);
  out_query->len = static_cast<int>(out->size()) - out_query->begin;
}

void CanonicalizeRef(std::string_view spec,
                     const Component& ref,
                     std::string* out,
                     Component* out_ref) {
  if (!ref.is_valid()) {
    out_ref->reset();
    return;
  }
  out->push_back('#');
  out_ref->begin = static_cast<int>(out->size());
  const std::string_view text = ref.in(spec);
  for (size_t i = 0; i < text.size(); ++i) {
    const unsigned char c = static_cast<unsigned char>(text[i]);
    if (c >= 0x80)
      AppendUtf8EscapedChar(text, &i, out);
    else if (ShouldEscapeInFragment(c))
      AppendEscapedByte(c, out);
    else
      out->push_back(static_cast<char>(c));
  }
  out_ref->len = static_cast<int>(out->size()) - out_ref->begin;
}

}  // namespace cefsim::text
