// Where the tests find orvbrowser.exe: beside the test program.
#ifndef TESTS_ORVBROWSER_ORVBROWSER_PATH_H_
#define TESTS_ORVBROWSER_ORVBROWSER_PATH_H_

#include <windows.h>

#include <string>

namespace orvtest {

inline std::wstring OrvbrowserPath() {
  wchar_t buffer[MAX_PATH];
  const DWORD length = GetModuleFileNameW(nullptr, buffer, MAX_PATH);
  std::wstring path(buffer, length);
  return path.substr(0, path.find_last_of(L"\\/") + 1) + L"orvbrowser.exe";
}

}  // namespace orvtest

#endif  // TESTS_ORVBROWSER_ORVBROWSER_PATH_H_
