// CEF's time conversions. cef_basetime_t counts microseconds since
// 1601-01-01 UTC, as Chromium's base::Time does on Windows; cef_time_t is
// that instant broken into UTC fields. Any thread.
#include <windows.h>

#include <cstdint>

#include "include/internal/cef_time.h"

namespace {

constexpr int64_t kMicrosecondsPerSecond = 1000000;
// From 1601-01-01 to 1970-01-01.
constexpr int64_t kUnixEpochMicroseconds = 11644473600LL * 1000000;

bool ToMicroseconds(const cef_time_t* time, int64_t* microseconds) {
  if (!time)
    return false;
  SYSTEMTIME system = {};
  system.wYear = static_cast<WORD>(time->year);
  system.wMonth = static_cast<WORD>(time->month);
  system.wDay = static_cast<WORD>(time->day_of_month);
  system.wHour = static_cast<WORD>(time->hour);
  system.wMinute = static_cast<WORD>(time->minute);
  system.wSecond = static_cast<WORD>(time->second);
  system.wMilliseconds = static_cast<WORD>(time->millisecond);
  FILETIME file;
  if (time->year < 1601 || time->year > 30827 ||
      !SystemTimeToFileTime(&system, &file)) {
    return false;
  }
  ULARGE_INTEGER ticks;
  ticks.LowPart = file.dwLowDateTime;
  ticks.HighPart = file.dwHighDateTime;
  *microseconds = static_cast<int64_t>(ticks.QuadPart / 10);
  return true;
}

bool FromMicroseconds(int64_t microseconds, cef_time_t* time) {
  if (!time || microseconds < 0)
    return false;
  ULARGE_INTEGER ticks;
  ticks.QuadPart = static_cast<ULONGLONG>(microseconds) * 10;
  FILETIME file;
  file.dwLowDateTime = ticks.LowPart;
  file.dwHighDateTime = ticks.HighPart;
  SYSTEMTIME system;
  if (!FileTimeToSystemTime(&file, &system))
    return false;
  time->year = system.wYear;
  time->month = system.wMonth;
  time->day_of_week = system.wDayOfWeek;
  time->day_of_month = system.wDay;
  time->hour = system.wHour;
  time->minute = system.wMinute;
  time->second = system.wSecond;
  time->millisecond = system.wMilliseconds;
  return true;
}

int64_t NowMicroseconds() {
  FILETIME file;
  GetSystemTimeAsFileTime(&file);
  ULARGE_INTEGER ticks;
  ticks.LowPart = file.dwLowDateTime;
  ticks.HighPart = file.dwHighDateTime;
  return static_cast<int64_t>(ticks.QuadPart / 10);
}

}  // namespace

int cef_time_to_timet(const cef_time_t* cef_time, time_t* time) {
  int64_t microseconds;
  if (!time || !ToMicroseconds(cef_time, &microseconds))
    return 0;
  *time = static_cast<time_t>((microseconds - kUnixEpochMicroseconds) /
                              kMicrosecondsPerSecond);
  return 1;
}

int cef_time_from_timet(time_t time, cef_time_t* cef_time) {
  return FromMicroseconds(kUnixEpochMicroseconds + static_cast<int64_t>(time) *
                                                       kMicrosecondsPerSecond,
                          cef_time)
             ? 1
             : 0;
}

int cef_time_to_doublet(const cef_time_t* cef_time, double* time) {
  int64_t microseconds;
  if (!time || !ToMicroseconds(cef_time, &microseconds))
    return 0;
  *time = static_cast<double>(microseconds - kUnixEpochMicroseconds) /
          kMicrosecondsPerSecond;
  return 1;
}

int cef_time_from_doublet(double time, cef_time_t* cef_time) {
  return FromMicroseconds(
             kUnixEpochMicroseconds +
                 static_cast<int64_t>(time * kMicrosecondsPerSecond),
             cef_time)
             ? 1
             : 0;
}

int cef_time_now(cef_time_t* cef_time) {
  return FromMicroseconds(NowMicroseconds(), cef_time) ? 1 : 0;
}

cef_basetime_t cef_basetime_now() {
  cef_basetime_t now;
  now.val = NowMicroseconds();
  return now;
}

int cef_time_delta(const cef_time_t* cef_time1,
                   const cef_time_t* cef_time2,
                   long long* delta) {
  int64_t first, second;
  if (!delta || !ToMicroseconds(cef_time1, &first) ||
      !ToMicroseconds(cef_time2, &second)) {
    return 0;
  }
  *delta = (second - first) / 1000;
  return 1;
}

int cef_time_to_basetime(const cef_time_t* from, cef_basetime_t* to) {
  int64_t microseconds;
  if (!to || !ToMicroseconds(from, &microseconds))
    return 0;
  to->val = microseconds;
  return 1;
}

int cef_time_from_basetime(const cef_basetime_t from, cef_time_t* to) {
  return FromMicroseconds(from.val, to) ? 1 : 0;
}
