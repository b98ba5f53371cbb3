// orvbrowser.exe as a program: what starting it by hand does, and what its
// executable image promises CEF.
#include <windows.h>

#include <string>
#include <vector>

#include "gtest/gtest.h"
#include "orvbrowser_path.h"
#include "wait.h"

namespace {

struct WindowSearch {
  DWORD process_id;
  bool found;
};

BOOL CALLBACK FindProcessWindow(HWND window, LPARAM param) {
  auto* search = reinterpret_cast<WindowSearch*>(param);
  DWORD owner = 0;
  GetWindowThreadProcessId(window, &owner);
  if (owner == search->process_id)
    search->found = true;
  return TRUE;
}

TEST(OrvbrowserProgram, WithoutProcessTypeExitsAtOnceWithMinusOneAndNoWindow) {
  const std::wstring program = orvtest::OrvbrowserPath();
  std::wstring command_line = L"\"" + program + L"\"";
  STARTUPINFOW startup = {sizeof(startup)};
  PROCESS_INFORMATION info = {};
  ASSERT_TRUE(CreateProcessW(program.c_str(), &command_line[0], nullptr,
                             nullptr, FALSE, 0, nullptr, nullptr, &startup,
                             &info));
  CloseHandle(info.hThread);
  WindowSearch search = {info.dwProcessId, false};
  const bool ended = orvtest::WaitUntil([&] {
    EnumWindows(&FindProcessWindow, reinterpret_cast<LPARAM>(&search));
    return WaitForSingleObject(info.hProcess, 0) == WAIT_OBJECT_0;
  });
  DWORD exit_code = 0;
  GetExitCodeProcess(info.hProcess, &exit_code);
  if (!ended)
    TerminateProcess(info.hProcess, 1);
  CloseHandle(info.hProcess);
  ASSERT_TRUE(ended);
  EXPECT_EQ(static_cast<DWORD>(-1), exit_code);
  EXPECT_FALSE(search.found);
}

// The whole file, or nothing when it cannot be read.
std::vector<char> ReadFile(const std::wstring& path) {
  HANDLE file = CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ,
                            nullptr, OPEN_EXISTING, 0, nullptr);
  if (file == INVALID_HANDLE_VALUE)
    return {};
  std::vector<char> bytes(GetFileSize(file, nullptr));
  DWORD read = 0;
  if (!::ReadFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &read,
                  nullptr)) {
    read = 0;
  }
  CloseHandle(file);
  bytes.resize(read);
  return bytes;
}

TEST(OrvbrowserProgram, ImageIsA32BitGuiProgramWithCefsMainThreadStack) {
  const std::vector<char> image = ReadFile(orvtest::OrvbrowserPath());
  ASSERT_GE(image.size(), sizeof(IMAGE_DOS_HEADER));
  const auto* dos = reinterpret_cast<const IMAGE_DOS_HEADER*>(image.data());
  ASSERT_EQ(IMAGE_DOS_SIGNATURE, dos->e_magic);
  ASSERT_GE(image.size(), dos->e_lfanew + sizeof(IMAGE_NT_HEADERS32));
  const auto* nt =
      reinterpret_cast<const IMAGE_NT_HEADERS32*>(image.data() + dos->e_lfanew);
  ASSERT_EQ(IMAGE_NT_SIGNATURE, nt->Signature);
  EXPECT_EQ(IMAGE_FILE_MACHINE_I386, nt->FileHeader.Machine);
  ASSERT_EQ(IMAGE_NT_OPTIONAL_HDR32_MAGIC, nt->OptionalHeader.Magic);
  EXPECT_EQ(IMAGE_SUBSYSTEM_WINDOWS_GUI, nt->OptionalHeader.Subsystem);
  // 32-bit CEF's main thread needs at least 1.5 MiB (cef_win.h).
  EXPECT_GE(nt->OptionalHeader.SizeOfStackReserve, 1536u * 1024);
}

}  // namespace
