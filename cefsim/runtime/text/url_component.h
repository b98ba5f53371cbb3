// Ranges of a URL string that hold its parts, as the URL parser finds them.

#ifndef CEFSIM_RUNTIME_TEXT_URL_COMPONENT_H_
#define CEFSIM_RUNTIME_TEXT_URL_COMPONENT_H_

#include <string>
#include <string_view>

namespace cefsim::text {

// A part of a string: |len| is -1 when the part is absent, which differs
// from present but empty (a '?' with nothing after it).
struct Component {
  Component() = default;
  Component(int b, int l) : begin(b), len(l) {}

  int end() const { return begin + len; }
  bool is_valid() const { return len >= 0; }
  bool is_nonempty() const { return len > 0; }
  bool is_empty() const { return len <= 0; }
  void reset() {
    begin = 0;
    len = -1;
  }
  std::string_view in(std::string_view s) const {
    return is_valid()
               ? s.substr(static_cast<size_t>(begin), static_cast<size_t>(len))
               : std::string_view();
  }

  int begin = 0;
  int len = -1;
};

inline Component MakeRange(int begin, int end) {
  return Component(begin, end - begin);
}

struct Parsed {
  Component scheme;
  Component username;
  Component password;
  Component host;
  Component port;
  Component path;
  Component query;
  Component ref;
};

}  // namespace cefsim::text

#endif  // CEFSIM_RUNTIME_TEXT_URL_COMPONENT_H_
