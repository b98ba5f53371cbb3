// orvcef.dll as a module: what it exports, how it reaches libcef.dll, and
// that it loads and fails cleanly where no libcef.dll can be found.
#include <windows.h>

#include <set>
#include <string>

#include "gtest/gtest.h"
#include "kit_library.h"
#include "pe_image.h"

namespace {

std::wstring BinFolder() {
  wchar_t path[MAX_PATH];
  GetModuleFileNameW(nullptr, path, MAX_PATH);
  std::wstring folder(path);
  return folder.substr(0, folder.find_last_of(L'\\') + 1);
}

TEST(ModuleTest, ExportsExactlyTheTenPlainNames) {
  orvtest::KitLibrary kit;
  ASSERT_EQ("", kit.Load()) << "missing export";
  const std::set<std::string> expected = {"OrvCefStart",
                                          "OrvCefTerm",
                                          "OrvCefPrevTerm",
                                          "OrvCefInitialized",
                                          "OrvCefGetMainWindowHandle",
                                          "OrvCefSetMsgWnd",
                                          "OrvCefReloadMainBrowser",
                                          "OrvCefRunJs",
                                          "OrvCefSetErrorPage",
                                          "OrvCefSetProxy"};
  EXPECT_EQ(expected, orvtest::ExportedNames(kit.module));
}

// mingw's delay-load library keeps its descriptors in the module's own data
// rather than in the PE delay-import directory, so what counts is that the
// loader never binds libcef.dll itself; LoadsWithoutLibcefAndStartReturnsFalse
// shows the lazy binding.
TEST(ModuleTest, LeavesLibcefOutOfTheImportTable) {
  HMODULE module = LoadLibraryW(L"orvcef.dll");
  ASSERT_TRUE(module);
  const std::set<std::string> imports = orvtest::ImportedDlls(module);
  EXPECT_EQ(0u, imports.count("libcef.dll"));
  // The C and C++ runtimes are linked in: no mingw DLL is needed.
  for (const char* mingw_dll : {"libstdc++-6.dll", "libgcc_s_dw2-1.dll",
                                "libgcc_s_sjlj-1.dll", "libwinpthread-1.dll"}) {
    EXPECT_EQ(0u, imports.count(mingw_dll)) << mingw_dll;
  }
}

TEST(ModuleTest, LoadsWithoutLibcefAndStartReturnsFalse) {
  const std::wstring folder = BinFolder() + L"orvcef_lazy\\";
  std::wstring command = L"\"" + folder + L"orvcef_lazy_host.exe\"";
  STARTUPINFOW startup = {sizeof(startup)};
  PROCESS_INFORMATION process = {};
  // Its current folder is its own, so bin\libcef.dll stays out of reach.
  ASSERT_TRUE(CreateProcessW(nullptr, &command[0], nullptr, nullptr, FALSE, 0,
                             nullptr, folder.c_str(), &startup, &process));
  ASSERT_EQ(WAIT_OBJECT_0, WaitForSingleObject(process.hProcess, 30000));
  DWORD code = 99;
  GetExitCodeProcess(process.hProcess, &code);
  CloseHandle(process.hThread);
  CloseHandle(process.hProcess);
  EXPECT_EQ(0u, code) << "first step that failed: " << code;
}

}  // namespace
