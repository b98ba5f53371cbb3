// cefsim: the root of CEF 109's C++ object model: CefBaseRefCounted (every
// interface shared across the API), CefBaseScoped (interfaces with a single
// owner), CefRefCount and the IMPLEMENT_REFCOUNTING macro that client classes
// use to implement CefBaseRefCounted.

#ifndef CEF_INCLUDE_CEF_BASE_H_
#define CEF_INCLUDE_CEF_BASE_H_
#pragma once

#include <atomic>

#include "include/base/cef_build.h"
#include "include/base/cef_macros.h"
#include "include/internal/cef_ptr.h"
#include "include/internal/cef_time_wrappers.h"
#include "include/internal/cef_types_wrappers.h"
#include "include/internal/cef_win.h"

// Reference counting interface of all shared CEF objects.
class CefBaseRefCounted {
 public:
  // Takes a reference.
  virtual void AddRef() const = 0;

  // Drops a reference; true when that was the last one and the object is
  // gone.
  virtual bool Release() const = 0;

  // True when exactly one reference is held.
  virtual bool HasOneRef() const = 0;

  // True when any reference is held.
  virtual bool HasAtLeastOneRef() const = 0;

 protected:
  virtual ~CefBaseRefCounted() {}
};

// Base of objects with a single owner (CefOwnPtr / CefRawPtr).
class CefBaseScoped {
 public:
  virtual ~CefBaseScoped() {}
};

// A thread-safe reference count starting at zero.
class CefRefCount {
 public:
  CefRefCount() = default;

  CefRefCount(const CefRefCount&) = delete;
  CefRefCount& operator=(const CefRefCount&) = delete;

  void AddRef() const { count_.fetch_add(1, std::memory_order_relaxed); }

  // True when the count dropped to zero.
  bool Release() const {
    return count_.fetch_sub(1, std::memory_order_acq_rel) == 1;
  }

  bool HasOneRef() const { return count_.load(std::memory_order_acquire) == 1; }

  bool HasAtLeastOneRef() const {
    return count_.load(std::memory_order_acquire) != 0;
  }

 private:
  mutable std::atomic<int> count_{0};
};

// Implements CefBaseRefCounted in ClassName: the object deletes itself when
// its last reference is released. Place at the end of the class declaration.
#define IMPLEMENT_REFCOUNTING(ClassName)                             \
 public:                                                             \
  void AddRef() const override { ref_count_.AddRef(); }              \
  bool Release() const override {                                    \
    if (!ref_count_.Release())                                       \
      return false;                                                  \
    delete static_cast<const ClassName*>(this);                      \
    return true;                                                     \
  }                                                                  \
  bool HasOneRef() const override { return ref_count_.HasOneRef(); } \
  bool HasAtLeastOneRef() const override {                           \
    return ref_count_.HasAtLeastOneRef();                            \
  }                                                                  \
                                                                     \
 private:                                                            \
  CefRefCount ref_count_

#endif  // CEF_INCLUDE_CEF_BASE_H_
