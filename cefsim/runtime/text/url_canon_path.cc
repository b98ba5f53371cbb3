#include "text/url_canon_path.h"

#include "text/url_canon_escape.h"
#include "text/url_parse.h"

namespace cefsim::text {

namespace {

// What a path byte needs, whether it appears raw or escaped:
//   kPass: kept as written (raw stays raw, escaped stays escaped);
//   kEscape: escaped when raw (kept as written when already escaped);
//   kUnescape: decoded when escaped (unreserved characters).
// Everything from 0x80 up is escaped byte by byte.
enum PathAction : unsigned char { kPass, kEscape, kUnescape };
constexpr unsigned char P = kPass;
constexpr unsigned char E = kEscape;
constexpr unsigned char U = kUnescape;
// clang-format off
constexpr unsigned char kPathActions[0x80] = {
  E, E, E, E, E, E, E, E, E, E, E, E, E, E, E, E,
  E, E, E, E, E, E, E, E, E, E, E, E, E, E, E, E,
  // ' ' !  "  #  $  %  &  '  (  )  *  +  ,  -  .  /
     E, P, E, E, P, E, P, P, P, P, P, P, P, U, P, P,
  // 0 - 9                         :  ;  <  =  >  ?
     U, U, U, U, U, U, U, U, U, U, P, P, E, P, E, E,
  // @  A - O
     P, U, U, U, U, U, U, U, U, U, U, U, U, U, U, U,
  // P - Z                               [  \  ]  ^  _
     U, U, U, U, U, U, U, U, U, U, U, P, E, P, E, U,
  // `  a - o
     E, U, U, U, U, U, U, U, U, U, U, U, U, U, U, U,
  // p - z                               {  |  }  ~  DEL
     U, U, U, U, U, U, U, U, U, U, U, E, E, E, U, E,
};
// clang-format on

// Length of a dot at |i|: 1 for '.', 3 for "%2e"/"%2E", 0 otherwise.
size_t DotLength(std::string_view s, size_t i) {
  if (s[i] == '.')
    return 1;
  if (s[i] == '%' && i + 3 <= s.size() && s[i + 1] == '2' &&
      (s[i + 2] == 'e' || s[i + 2] == 'E'))
    return 3;
  return 0;
}

enum class DotKind { kNotSegment, kCurrent, kParent };

// Classifies what follows a dot that opens a segment; |*consumed| gets the
// length of the rest of the segment including its closing slash.
DotKind ClassifyAfterDot(std::string_view s, size_t after, size_t* consumed) {
  if (after == s.size()) {
    *consumed = 0;
    return DotKind::kCurrent;
  }
  if (IsUrlSlash(s[after])) {
    *consumed = 1;
    return DotKind::kCurrent;
  }
  const size_t second = DotLength(s, after);
  if (second) {
    const size_t after_second = after + second;
    if (after_second == s.size()) {
      *consumed = second;
      return DotKind::kParent;
    }
    if (IsUrlSlash(s[after_second])) {
      *consumed = second + 1;
      return DotKind::kParent;
    }
  }
  *consumed = 0;
  return DotKind::kNotSegment;
}

// Drops the last segment; |out| ends in '/' before and after.
void BackUpToPreviousSlash(size_t path_begin, std::string* out) {
  size_t i = out->size() - 1;
  if (i == path_begin)
    return;
  --i;
  while (i > path_begin && (*out)[i] != '/')
    --i;
  out->resize(i + 1);
}

// An invalid escape such as "%%30" must not turn into a valid one ("%0")
// once its inner escape is decoded; if it would, the first '%' becomes
// "%25".
void CheckForNestedEscapes(std::string_view s,
                           size_t next_index,
                           size_t last_invalid_percent,
                           std::string* out) {
  const size_t length = out->size();
  const char last_unescaped = (*out)[length - 1];
  const bool append_next = last_invalid_percent == length - 2;
  if (append_next) {
    if (next_index == s.size() ||
        static_cast<unsigned char>(s[next_index]) >= 0x80)
      return;
    out->push_back(s[next_index]);
  }
  size_t begin = last_invalid_percent;
  unsigned char ignored;
  if (DecodeEscaped(out->data(), out->size(), &begin, &ignored)) {
    if (!append_next)
      out->push_back((*out)[last_invalid_percent + 1]);
    (*out)[last_invalid_percent + 1] = '2';
    (*out)[last_invalid_percent + 2] = '5';
    out->push_back(last_unescaped);
  } else if (append_next) {
    out->resize(length);
  }
}

}  // namespace

bool CanonicalizePartialPath(std::string_view s,
                             size_t path_begin,
                             std::string* out) {
  constexpr size_t kNone = static_cast<size_t>(-1);
  size_t last_invalid_percent = kNone;
  for (size_t i = 0; i < s.size(); ++i) {
    const unsigned char c = static_cast<unsigned char>(s[i]);
    const size_t dot = DotLength(s, i);
    if (dot) {
      if (out->size() > path_begin && out->back() == '/') {
        size_t consumed;
        switch (ClassifyAfterDot(s, i + dot, &consumed)) {
          case DotKind::kNotSegment:
            out->push_back('.');
            i += dot - 1;
            break;
          case DotKind::kCurrent:
            i += dot + consumed - 1;
            break;
          case DotKind::kParent:
            BackUpToPreviousSlash(path_begin, out);
            i += dot + consumed - 1;
            break;
        }
      } else {
        out->push_back('.');
        i += dot - 1;
      }
      continue;
    }
    if (c == '\\') {
      out->push_back('/');
      continue;
    }
    if (c == '%') {
      unsigned char value;
      if (DecodeEscaped(s.data(), s.size(), &i, &value)) {
        if (value < 0x80 && kPathActions[value] == kUnescape) {
          out->push_back(static_cast<char>(value));
          if (last_invalid_percent != kNone &&
              last_invalid_percent + 3 >= out->size()) {
            CheckForNestedEscapes(s, i + 1, last_invalid_percent, out);
          }
        } else {
          // Keep the escape exactly, hex case included.
          out->push_back('%');
          out->push_back(s[i - 1]);
          out->push_back(s[i]);
        }
      } else {
        last_invalid_percent = out->size();
        out->push_back('%');
      }
      continue;
    }
    if (c >= 0x80 || kPathActions[c] == kEscape)
      AppendEscapedByte(c, out);
    else
      out->push_back(static_cast<char>(c));
  }
  return true;
}

bool CanonicalizePath(std::string_view path, std::string* out) {
  const size_t begin = out->size();
  if (path.empty() || !IsUrlSlash(path[0]))
    out->push_back('/');
  if (path.empty())
    return true;
  return CanonicalizePartialPath(path, begin, out);
}

}  // namespace cefsim::text
