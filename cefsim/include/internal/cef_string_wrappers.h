// cefsim: CefStringBase, the C++ wrapper around CEF's C string structures,
// and the traits that bind it to the wide, UTF-8 and UTF-16 C functions.
//
// A CefStringBase either owns its structure (allocated on first write) or
// refers to a structure owned elsewhere (constructed from a struct pointer or
// attached); writes then go to that structure, which is what makes
// `CefString(&settings.cache_path) = path;` fill a settings field.

#ifndef CEF_INCLUDE_INTERNAL_CEF_STRING_WRAPPERS_H_
#define CEF_INCLUDE_INTERNAL_CEF_STRING_WRAPPERS_H_
#pragma once

#include <memory.h>
#include <string.h>

#include <string>
#include <utility>

#include "include/internal/cef_string_types.h"

namespace cefsim_string_detail {

// Converts |s| with the C function |convert| into a temporary structure of
// type |Out| and returns its contents as a standard string of type |Str|.
template <typename Str, typename Out, typename In, typename Convert,
          typename Clear>
inline Str ConvertToStd(const In* s, Convert convert, Clear clear_out) {
  Out converted;
  memset(&converted, 0, sizeof(converted));
  convert(s->str, s->length, &converted);
  Str result;
  if (converted.length > 0) {
    result.assign(
        reinterpret_cast<const typename Str::value_type*>(converted.str),
        converted.length);
  }
  clear_out(&converted);
  return result;
}

}  // namespace cefsim_string_detail

// Binds CefStringBase to cef_string_wide_t.
struct CefStringTraitsWide {
  typedef wchar_t char_type;
  typedef cef_string_wide_t struct_type;
  typedef cef_string_userfree_wide_t userfree_struct_type;

  static inline void clear(struct_type* s) { cef_string_wide_clear(s); }
  static inline int set(const char_type* src,
                        size_t src_size,
                        struct_type* output,
                        int copy) {
    return cef_string_wide_set(src, src_size, output, copy);
  }
  static inline int compare(const struct_type* s1, const struct_type* s2) {
    return cef_string_wide_cmp(s1, s2);
  }
  static inline userfree_struct_type userfree_alloc() {
    return cef_string_userfree_wide_alloc();
  }
  static inline void userfree_free(userfree_struct_type ufs) {
    cef_string_userfree_wide_free(ufs);
  }
  static inline bool from_ascii(const char* str, size_t len, struct_type* s) {
    return cef_string_ascii_to_wide(str, len, s) != 0;
  }
  static inline std::string to_string(const struct_type* s) {
    return cefsim_string_detail::ConvertToStd<std::string, cef_string_utf8_t>(
        s, cef_string_wide_to_utf8, cef_string_utf8_clear);
  }
  static inline bool from_string(const std::string::value_type* data,
                                 size_t length,
                                 struct_type* s) {
    return cef_string_utf8_to_wide(data, length, s) != 0;
  }
  static inline bool from_string(const std::string& str, struct_type* s) {
    return from_string(str.data(), str.length(), s);
  }
  static inline std::wstring to_wstring(const struct_type* s) {
    return std::wstring(s->str, s->length);
  }
  static inline bool from_wstring(const std::wstring::value_type* data,
                                  size_t length,
                                  struct_type* s) {
    return cef_string_wide_set(data, length, s, true) != 0;
  }
  static inline bool from_wstring(const std::wstring& str, struct_type* s) {
    return from_wstring(str.data(), str.length(), s);
  }
  // wchar_t is UTF-16 on Windows: the code units carry over unchanged.
  static inline std::u16string to_string16(const struct_type* s) {
    return std::u16string(
        reinterpret_cast<const std::u16string::value_type*>(s->str), s->length);
  }
  static inline bool from_string16(const std::u16string::value_type* data,
                                   size_t length,
                                   struct_type* s) {
    return cef_string_wide_set(reinterpret_cast<const wchar_t*>(data), length,
                               s, true) != 0;
  }
  static inline bool from_string16(const std::u16string& str, struct_type* s) {
    return from_string16(str.data(), str.length(), s);
  }
};

// Binds CefStringBase to cef_string_utf8_t.
struct CefStringTraitsUTF8 {
  typedef char char_type;
  typedef cef_string_utf8_t struct_type;
  typedef cef_string_userfree_utf8_t userfree_struct_type;

  static inline void clear(struct_type* s) { cef_string_utf8_clear(s); }
  static inline int set(const char_type* src,
                        size_t src_size,
                        struct_type* output,
                        int copy) {
    return cef_string_utf8_set(src, src_size, output, copy);
  }
  static inline int compare(const struct_type* s1, const struct_type* s2) {
    return cef_string_utf8_cmp(s1, s2);
  }
  static inline userfree_struct_type userfree_alloc() {
    return cef_string_userfree_utf8_alloc();
  }
  static inline void userfree_free(userfree_struct_type ufs) {
    cef_string_userfree_utf8_free(ufs);
  }
  static inline bool from_ascii(const char* str, size_t len, struct_type* s) {
    return cef_string_utf8_copy(str, len, s) != 0;
  }
  static inline std::string to_string(const struct_type* s) {
    return std::string(s->str, s->length);
  }
  static inline bool from_string(const std::string::value_type* data,
                                 size_t length,
                                 struct_type* s) {
    return cef_string_utf8_copy(data, length, s) != 0;
  }
  static inline bool from_string(const std::string& str, struct_type* s) {
    return from_string(str.c_str(), str.length(), s);
  }
  static inline std::wstring to_wstring(const struct_type* s) {
    return cefsim_string_detail::ConvertToStd<std::wstring, cef_string_wide_t>(
        s, cef_string_utf8_to_wide, cef_string_wide_clear);
  }
  static inline bool from_wstring(const std::wstring::value_type* data,
                                  size_t length,
                                  struct_type* s) {
    return cef_string_wide_to_utf8(data, length, s) != 0;
  }
  static inline bool from_wstring(const std::wstring& str, struct_type* s) {
    return from_wstring(str.data(), str.length(), s);
  }
  static inline std::u16string to_string16(const struct_type* s) {
    return cefsim_string_detail::ConvertToStd<std::u16string,
                                              cef_string_utf16_t>(
        s, cef_string_utf8_to_utf16, cef_string_utf16_clear);
  }
  static inline bool from_string16(const std::u16string::value_type* data,
                                   size_t length,
                                   struct_type* s) {
    return cef_string_utf16_to_utf8(reinterpret_cast<const char16*>(data),
                                    length, s) != 0;
  }
  static inline bool from_string16(const std::u16string& str, struct_type* s) {
    return from_string16(str.data(), str.length(), s);
  }
};

// Binds CefStringBase to cef_string_utf16_t, CEF's string type.
struct CefStringTraitsUTF16 {
  typedef char16 char_type;
  typedef cef_string_utf16_t struct_type;
  typedef cef_string_userfree_utf16_t userfree_struct_type;

  static inline void clear(struct_type* s) { cef_string_utf16_clear(s); }
  static inline int set(const char_type* src,
                        size_t src_size,
                        struct_type* output,
                        int copy) {
    return cef_string_utf16_set(src, src_size, output, copy);
  }
  static inline int compare(const struct_type* s1, const struct_type* s2) {
    return cef_string_utf16_cmp(s1, s2);
  }
  static inline userfree_struct_type userfree_alloc() {
    return cef_string_userfree_utf16_alloc();
  }
  static inline void userfree_free(userfree_struct_type ufs) {
    cef_string_userfree_utf16_free(ufs);
  }
  static inline bool from_ascii(const char* str, size_t len, struct_type* s) {
    return cef_string_ascii_to_utf16(str, len, s) != 0;
  }
  static inline std::string to_string(const struct_type* s) {
    return cefsim_string_detail::ConvertToStd<std::string, cef_string_utf8_t>(
        s, cef_string_utf16_to_utf8, cef_string_utf8_clear);
  }
  static inline bool from_string(const std::string::value_type* data,
                                 size_t length,
                                 struct_type* s) {
    return cef_string_utf8_to_utf16(data, length, s) != 0;
  }
  static inline bool from_string(const std::string& str, struct_type* s) {
    return from_string(str.data(), str.length(), s);
  }
  // char16 is wchar_t on Windows, so wide strings copy straight in and out.
  static inline std::wstring to_wstring(const struct_type* s) {
    return std::wstring(s->str, s->length);
  }
  static inline bool from_wstring(const std::wstring::value_type* data,
                                  size_t length,
                                  struct_type* s) {
    return cef_string_utf16_set(data, length, s, true) != 0;
  }
  static inline bool from_wstring(const std::wstring& str, struct_type* s) {
    return from_wstring(str.data(), str.length(), s);
  }
  static inline std::u16string to_string16(const struct_type* s) {
    return std::u16string(
        reinterpret_cast<const std::u16string::value_type*>(s->str), s->length);
  }
  static inline bool from_string16(const std::u16string::value_type* data,
                                   size_t length,
                                   struct_type* s) {
    return cef_string_utf16_set(reinterpret_cast<const char16*>(data), length,
                                s, true) != 0;
  }
  static inline bool from_string16(const std::u16string& str, struct_type* s) {
    return from_string16(str.data(), str.length(), s);
  }
};

template <class traits>
class CefStringBase {
 public:
  typedef typename traits::char_type char_type;
  typedef typename traits::struct_type struct_type;
  typedef typename traits::userfree_struct_type userfree_struct_type;

  CefStringBase() : string_(NULL), owner_(false) {}

  // Deep copy.
  CefStringBase(const CefStringBase& str) : string_(NULL), owner_(false) {
    FromString(str.c_str(), str.length(), true);
  }

  // From UTF-8.
  CefStringBase(const std::string& src) : string_(NULL), owner_(false) {
    FromString(src);
  }
  CefStringBase(const char* src, size_t length = 0)
      : string_(NULL), owner_(false) {
    if (src)
      FromString(src, length);
  }

  // From wide (UTF-16 on Windows).
  CefStringBase(const std::wstring& src) : string_(NULL), owner_(false) {
    FromWString(src);
  }
  CefStringBase(const wchar_t* src, size_t length = 0)
      : string_(NULL), owner_(false) {
    if (src)
      FromWString(src, length);
  }

  // From UTF-16.
  CefStringBase(const std::u16string& src) : string_(NULL), owner_(false) {
    FromString16(src);
  }
  CefStringBase(const std::u16string::value_type* src, size_t length = 0)
      : string_(NULL), owner_(false) {
    if (src)
      FromString16(src, length);
  }

  // From raw characters of the native type; |copy| false keeps a reference.
  CefStringBase(const char_type* src, size_t src_len, bool copy)
      : string_(NULL), owner_(false) {
    if (src && src_len > 0)
      FromString(src, src_len, copy);
  }

  // Refers to |src| without taking ownership: reads and writes go to it.
  CefStringBase(const struct_type* src) : string_(NULL), owner_(false) {
    if (src)
      Attach(const_cast<struct_type*>(src), false);
  }

  virtual ~CefStringBase() { ClearAndFree(); }

  const char_type* c_str() const { return string_ ? string_->str : NULL; }

  size_t length() const { return string_ ? string_->length : 0; }

  inline size_t size() const { return length(); }

  bool empty() const { return string_ == NULL || string_->length == 0; }

  // Empty strings sort before every other string.
  int compare(const CefStringBase& str) const {
    const bool this_empty = empty();
    const bool other_empty = str.empty();
    if (this_empty || other_empty)
      return this_empty == other_empty ? 0 : (this_empty ? -1 : 1);
    return traits::compare(string_, str.GetStruct());
  }

  // Empties the contents; the structure (owned or not) stays in place.
  void clear() {
    if (string_)
      traits::clear(string_);
  }

  void swap(CefStringBase& str) {
    std::swap(string_, str.string_);
    std::swap(owner_, str.owner_);
  }

  bool IsOwner() const { return owner_; }

  const struct_type* GetStruct() const { return string_; }

  struct_type* GetWritableStruct() {
    AllocIfNeeded();
    return string_;
  }

  // Frees the structure if owned and forgets it either way.
  void ClearAndFree() {
    if (!string_)
      return;
    if (owner_) {
      clear();
      delete string_;
    }
    string_ = NULL;
    owner_ = false;
  }

  // Starts referring to |str|; |owner| says whether this object frees it.
  void Attach(struct_type* str, bool owner) {
    ClearAndFree();
    string_ = str;
    owner_ = owner;
  }

  // Takes over the contents of a user-free structure and frees the shell.
  void AttachToUserFree(userfree_struct_type str) {
    ClearAndFree();
    if (!str)
      return;
    AllocIfNeeded();
    owner_ = true;
    memcpy(string_, str, sizeof(struct_type));
    memset(str, 0, sizeof(struct_type));
    traits::userfree_free(str);
  }

  // Forgets the structure without freeing it.
  void Detach() {
    string_ = NULL;
    owner_ = false;
  }

  // Hands the contents over in a newly allocated user-free structure (NULL
  // when empty); the caller frees it.
  userfree_struct_type DetachToUserFree() {
    if (empty())
      return NULL;
    userfree_struct_type result = traits::userfree_alloc();
    if (owner_) {
      memcpy(result, string_, sizeof(struct_type));
      memset(string_, 0, sizeof(struct_type));
    } else {
      traits::set(string_->str, string_->length, result, true);
    }
    ClearAndFree();
    return result;
  }

  bool FromString(const char_type* src, size_t src_len, bool copy) {
    if (src == NULL || src_len == 0) {
      clear();
      return true;
    }
    AllocIfNeeded();
    return traits::set(src, src_len, string_, copy) != 0;
  }

  // From a NUL-terminated ASCII string.
  bool FromASCII(const char* str) {
    const size_t len = str ? strlen(str) : 0;
    if (len == 0) {
      clear();
      return true;
    }
    AllocIfNeeded();
    return traits::from_ascii(str, len, string_);
  }

  // UTF-8.
  std::string ToString() const {
    return empty() ? std::string() : traits::to_string(string_);
  }

  bool FromString(const std::string& str) {
    if (str.empty()) {
      clear();
      return true;
    }
    AllocIfNeeded();
    return traits::from_string(str, string_);
  }

  bool FromString(const std::string::value_type* data, size_t length = 0) {
    if (data && length == 0)
      length = std::char_traits<std::string::value_type>::length(data);
    if (!data || length == 0) {
      clear();
      return true;
    }
    AllocIfNeeded();
    return traits::from_string(data, length, string_);
  }

  // Wide.
  std::wstring ToWString() const {
    return empty() ? std::wstring() : traits::to_wstring(string_);
  }

  bool FromWString(const std::wstring& str) {
    if (str.empty()) {
      clear();
      return true;
    }
    AllocIfNeeded();
    return traits::from_wstring(str, string_);
  }

  bool FromWString(const std::wstring::value_type* data, size_t length = 0) {
    if (data && length == 0)
      length = std::char_traits<std::wstring::value_type>::length(data);
    if (!data || length == 0) {
      clear();
      return true;
    }
    AllocIfNeeded();
    return traits::from_wstring(data, length, string_);
  }

  // UTF-16.
  std::u16string ToString16() const {
    return empty() ? std::u16string() : traits::to_string16(string_);
  }

  bool FromString16(const std::u16string& str) {
    if (str.empty()) {
      clear();
      return true;
    }
    AllocIfNeeded();
    return traits::from_string16(str, string_);
  }

  bool FromString16(const std::u16string::value_type* data, size_t length = 0) {
    if (data && length == 0)
      length = std::char_traits<std::u16string::value_type>::length(data);
    if (!data || length == 0) {
      clear();
      return true;
    }
    AllocIfNeeded();
    return traits::from_string16(data, length, string_);
  }

  bool operator<(const CefStringBase& str) const { return compare(str) < 0; }
  bool operator<=(const CefStringBase& str) const { return compare(str) <= 0; }
  bool operator>(const CefStringBase& str) const { return compare(str) > 0; }
  bool operator>=(const CefStringBase& str) const { return compare(str) >= 0; }
  bool operator==(const CefStringBase& str) const { return compare(str) == 0; }
  bool operator!=(const CefStringBase& str) const { return compare(str) != 0; }

  // Assignment copies the text into the current structure (which may belong
  // to someone else, see the struct-pointer constructor).
  CefStringBase& operator=(const CefStringBase& str) {
    FromString(str.c_str(), str.length(), true);
    return *this;
  }
  operator std::string() const { return ToString(); }
  CefStringBase& operator=(const std::string& str) {
    FromString(str);
    return *this;
  }
  CefStringBase& operator=(const std::string::value_type* str) {
    FromString(str);
    return *this;
  }
  operator std::wstring() const { return ToWString(); }
  CefStringBase& operator=(const std::wstring& str) {
    FromWString(str);
    return *this;
  }
  CefStringBase& operator=(const std::wstring::value_type* str) {
    FromWString(str);
    return *this;
  }
  operator std::u16string() const { return ToString16(); }
  CefStringBase& operator=(const std::u16string& str) {
    FromString16(str);
    return *this;
  }
  CefStringBase& operator=(const std::u16string::value_type* str) {
    FromString16(str);
    return *this;
  }

 private:
  // Gives this object a zeroed structure of its own if it has none.
  void AllocIfNeeded() {
    if (string_ == NULL) {
      string_ = new struct_type;
      memset(string_, 0, sizeof(struct_type));
      owner_ = true;
    }
  }

  struct_type* string_;  // Owned when |owner_|; may be NULL.
  bool owner_;
};

typedef CefStringBase<CefStringTraitsWide> CefStringWide;
typedef CefStringBase<CefStringTraitsUTF8> CefStringUTF8;
typedef CefStringBase<CefStringTraitsUTF16> CefStringUTF16;

#endif  // CEF_INCLUDE_INTERNAL_CEF_STRING_WRAPPERS_H_
