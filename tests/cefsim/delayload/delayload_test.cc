// Lazy binding of libcef.dll through the delay-load import library.
#include <windows.h>

#include <string>

#include "gtest/gtest.h"

namespace {

std::wstring BinFolder() {
  wchar_t path[MAX_PATH];
  GetModuleFileNameW(nullptr, path, MAX_PATH);
  std::wstring folder(path);
  return folder.substr(0, folder.find_last_of(L'\\') + 1);
}

}  // namespace

TEST(DelayLoadTest, ProbeLoadsWithoutEngineAndBindsAfterLoadLibrary) {
  const std::wstring folder = BinFolder() + L"delayload\\";
  std::wstring command = L"\"" + folder + L"delayload_host.exe\"";
  STARTUPINFOW startup = {sizeof(startup)};
  PROCESS_INFORMATION process = {};
  // The child's current folder is its own, so the current-folder step of
  // the DLL search cannot find bin\libcef.dll either.
  ASSERT_TRUE(CreateProcessW(nullptr, &command[0], nullptr, nullptr, FALSE, 0,
                             nullptr, folder.c_str(), &startup, &process));
  ASSERT_EQ(WAIT_OBJECT_0, WaitForSingleObject(process.hProcess, 30000));
  DWORD code = 99;
  GetExitCodeProcess(process.hProcess, &code);
  CloseHandle(process.hThread);
  CloseHandle(process.hProcess);
  EXPECT_EQ(0u, code) << "first step that failed: " << code;
}
