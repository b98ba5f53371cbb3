// cefsim: base::RefCounted and base::RefCountedThreadSafe, the reference
// counting base classes of CEF 109's base library (used, for example, by the
// message router classes). Simplified to an std::atomic count; the public
// surface matches CEF's.

#ifndef CEF_INCLUDE_BASE_CEF_REF_COUNTED_H_
#define CEF_INCLUDE_BASE_CEF_REF_COUNTED_H_
#pragma once

#include <atomic>
#include <cassert>

#include "include/base/cef_scoped_refptr.h"

namespace base {
namespace cef_subtle {

// Count shared by both flavours; |ref_count_| starts at 0 or 1 according to
// the derived type's kRefCountPreference.
class RefCountedCountBase {
 public:
  RefCountedCountBase(const RefCountedCountBase&) = delete;
  RefCountedCountBase& operator=(const RefCountedCountBase&) = delete;

  bool HasOneRef() const {
    return ref_count_.load(std::memory_order_acquire) == 1;
  }
  bool HasAtLeastOneRef() const {
    return ref_count_.load(std::memory_order_acquire) > 0;
  }

 protected:
  explicit RefCountedCountBase(StartRefCountFromZeroTag) : ref_count_(0) {}
  explicit RefCountedCountBase(StartRefCountFromOneTag) : ref_count_(1) {}
  ~RefCountedCountBase() = default;

  void AddRef() const { ref_count_.fetch_add(1, std::memory_order_relaxed); }

  // True when this call dropped the last reference.
  bool Release() const {
    return ref_count_.fetch_sub(1, std::memory_order_acq_rel) == 1;
  }

  template <typename U>
  friend scoped_refptr<U> base::AdoptRef(U*);

  void Adopted() const {}

 private:
  mutable std::atomic<int> ref_count_;
};

using RefCountedBase = RefCountedCountBase;
using RefCountedThreadSafeBase = RefCountedCountBase;

}  // namespace cef_subtle

// Declares, in a class derived from RefCounted(ThreadSafe), that its count
// starts at one so that it must be wrapped with AdoptRef/MakeRefCounted.
#define REQUIRE_ADOPTION_FOR_REFCOUNTED_TYPE()                 \
  static constexpr ::base::cef_subtle::StartRefCountFromOneTag \
      kRefCountPreference = ::base::cef_subtle::kStartRefCountFromOneTag

template <class T, typename Traits>
class RefCounted;

// Deletes the object when its last reference goes.
template <typename T>
struct DefaultRefCountedTraits {
  static void Destruct(const T* x) {
    RefCounted<T, DefaultRefCountedTraits>::DeleteInternal(x);
  }
};

// Reference counting for objects used on one thread at a time.
template <class T, typename Traits = DefaultRefCountedTraits<T>>
class RefCounted : public cef_subtle::RefCountedBase {
 public:
  static constexpr cef_subtle::StartRefCountFromZeroTag kRefCountPreference =
      cef_subtle::kStartRefCountFromZeroTag;

  RefCounted() : cef_subtle::RefCountedBase(T::kRefCountPreference) {}

  RefCounted(const RefCounted&) = delete;
  RefCounted& operator=(const RefCounted&) = delete;

  void AddRef() const { cef_subtle::RefCountedBase::AddRef(); }

  void Release() const {
    if (cef_subtle::RefCountedBase::Release())
      Traits::Destruct(static_cast<const T*>(this));
  }

 protected:
  ~RefCounted() = default;

 private:
  friend struct DefaultRefCountedTraits<T>;
  template <typename U>
  static void DeleteInternal(const U* x) {
    delete x;
  }
};

template <class T, typename Traits>
class RefCountedThreadSafe;

// Deletes the object when its last reference goes, on whichever thread.
template <typename T>
struct DefaultRefCountedThreadSafeTraits {
  static void Destruct(const T* x) {
    RefCountedThreadSafe<T, DefaultRefCountedThreadSafeTraits>::DeleteInternal(
        x);
  }
};

// Reference counting safe to use from several threads.
template <class T, typename Traits = DefaultRefCountedThreadSafeTraits<T>>
class RefCountedThreadSafe : public cef_subtle::RefCountedThreadSafeBase {
 public:
  static constexpr cef_subtle::StartRefCountFromZeroTag kRefCountPreference =
      cef_subtle::kStartRefCountFromZeroTag;

  explicit RefCountedThreadSafe()
      : cef_subtle::RefCountedThreadSafeBase(T::kRefCountPreference) {}

  RefCountedThreadSafe(const RefCountedThreadSafe&) = delete;
  RefCountedThreadSafe& operator=(const RefCountedThreadSafe&) = delete;

  void AddRef() const { cef_subtle::RefCountedThreadSafeBase::AddRef(); }

  void Release() const {
    if (cef_subtle::RefCountedThreadSafeBase::Release())
      Traits::Destruct(static_cast<const T*>(this));
  }

 protected:
  ~RefCountedThreadSafe() = default;

 private:
  friend struct DefaultRefCountedThreadSafeTraits<T>;
  template <typename U>
  static void DeleteInternal(const U* x) {
    delete x;
  }
};

// A thread-safe reference-counted holder of one value.
template <typename T>
class RefCountedData
    : public base::RefCountedThreadSafe<base::RefCountedData<T>> {
 public:
  RefCountedData() : data() {}
  RefCountedData(const T& in_value) : data(in_value) {}
  RefCountedData(T&& in_value) : data(std::move(in_value)) {}
  template <typename... Args>
  explicit RefCountedData(std::in_place_t, Args&&... args)
      : data(std::forward<Args>(args)...) {}

  T data;

 private:
  friend class base::RefCountedThreadSafe<base::RefCountedData<T>>;
  ~RefCountedData() = default;
};

}  // namespace base

#endif  // CEF_INCLUDE_BASE_CEF_REF_COUNTED_H_
