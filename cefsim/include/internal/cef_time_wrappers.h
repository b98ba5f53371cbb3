// cefsim: CefBaseTime and CefTime, the C++ wrappers of CEF 109 over
// cef_basetime_t (microseconds since the Windows epoch) and cef_time_t
// (broken-down UTC time).

#ifndef CEF_INCLUDE_INTERNAL_CEF_TIME_WRAPPERS_H_
#define CEF_INCLUDE_INTERNAL_CEF_TIME_WRAPPERS_H_
#pragma once

#include "include/internal/cef_time.h"

class CefBaseTime : public cef_basetime_t {
 public:
  CefBaseTime() : cef_basetime_t{} {}
  CefBaseTime(const cef_basetime_t& value) : cef_basetime_t(value) {}

  static CefBaseTime Now() { return cef_basetime_now(); }
};

class CefTime : public cef_time_t {
 public:
  CefTime() : cef_time_t{} {}
  CefTime(const cef_time_t& r) : cef_time_t(r) {}
  explicit CefTime(time_t r) { SetTimeT(r); }
  explicit CefTime(double r) { SetDoubleT(r); }

  // Seconds since the Unix epoch.
  void SetTimeT(time_t r) { cef_time_from_timet(r, this); }
  time_t GetTimeT() const {
    time_t seconds = 0;
    cef_time_to_timet(this, &seconds);
    return seconds;
  }

  // Seconds since the Unix epoch, with a fraction.
  void SetDoubleT(double r) { cef_time_from_doublet(r, this); }
  double GetDoubleT() const {
    double seconds = 0;
    cef_time_to_doublet(this, &seconds);
    return seconds;
  }

  void Now() { cef_time_now(this); }

  // Milliseconds between this time and |other| (see cef_time_delta).
  long long Delta(const CefTime& other) {
    long long delta = 0;
    cef_time_delta(this, &other, &delta);
    return delta;
  }
};

#endif  // CEF_INCLUDE_INTERNAL_CEF_TIME_WRAPPERS_H_
