// Starting the kit as a host does: the settings CEF receives, the data
// folder beside the host, the main browser in the hidden container window,
// and repeated starts that only move the main browser.
#include <windows.h>

#include <shlwapi.h>
#include <stdio.h>

#include "cefsim/control_web.h"
#include "kit_host.h"
#include "violations.h"
#include "wait.h"

namespace orvtest {
namespace {

class StartupTest : public KitHostTest {};

std::string Setting(const char* field) {
  return ControlText(cefsim_settings_text, field);
}

int IntSetting(const char* field) {
  int value = -12345;
  cefsim_settings_int(field, &value);
  return value;
}

TEST_F(StartupTest, HandsCefTheFixedSettings) {
  ASSERT_TRUE(Start());
  EXPECT_TRUE(kit_.Initialized());
  const std::string folder = Narrow(ExeFolder());
  EXPECT_EQ(folder + "orvbrowser.exe", Setting("browser_subprocess_path"));
  EXPECT_EQ(folder + "cache\\cef", Setting("cache_path"));
  EXPECT_EQ(folder, Setting("resources_dir_path"));
  EXPECT_EQ(folder, Setting("locales_dir_path"));
  EXPECT_EQ("zh-CN", Setting("locale"));
  EXPECT_EQ("--max_old_space_size=2000", Setting("javascript_flags"));
  EXPECT_EQ("", Setting("log_file"));
  EXPECT_EQ("", Setting("root_cache_path"));
  EXPECT_EQ(1, IntSetting("no_sandbox"));
  EXPECT_EQ(0, IntSetting("command_line_args_disabled"));
  EXPECT_EQ(1, IntSetting("multi_threaded_message_loop"));
  EXPECT_EQ(99, IntSetting("log_severity"));
  EXPECT_EQ(0, IntSetting("remote_debugging_port"));
  WaitForMainBrowser();
}

TEST_F(StartupTest, DebugFlagLogsInCacheAndOpensDebuggingPort) {
  ASSERT_TRUE(Start(L"https://app.example/", L"app.example\0", 0x3));
  EXPECT_EQ(Narrow(ExeFolder()) + "cache\\cef\\debug.log", Setting("log_file"));
  EXPECT_EQ(0, IntSetting("log_severity"));
  EXPECT_EQ(9229, IntSetting("remote_debugging_port"));
  WaitForMainBrowser();
}

TEST_F(StartupTest, PreparesDataFolderBesideTheHost) {
  ASSERT_TRUE(Start());
  const std::wstring cache = ExeFolder() + L"cache";
  EXPECT_TRUE(PathIsDirectoryW(cache.c_str()));
  EXPECT_TRUE(PathIsDirectoryW((cache + L"\\preload").c_str()));
  EXPECT_TRUE(PathIsDirectoryW((cache + L"\\temp").c_str()));
  FILE* file = _wfopen((cache + L"\\temp\\.data").c_str(), L"rb");
  ASSERT_TRUE(file);
  char bytes[8] = {};
  const size_t read = fread(bytes, 1, sizeof(bytes), file);
  fclose(file);
  EXPECT_EQ("test", std::string(bytes, read));
  WaitForMainBrowser();
}

TEST_F(StartupTest, MainBrowserIsOneByOneChildOfHiddenContainer) {
  ASSERT_TRUE(Start());
  const HWND browser = WaitForMainBrowser();
  ASSERT_TRUE(browser);
  EXPECT_EQ(browser, cefsim_browser_window(MainBrowserId()));
  const HWND container = GetParent(browser);
  ASSERT_TRUE(container);
  wchar_t class_name[32] = {};
  GetClassNameW(container, class_name, 32);
  EXPECT_STREQ(L"CefCont", class_name);
  EXPECT_FALSE(IsWindowVisible(container));
  RECT rect = {};
  GetClientRect(browser, &rect);
  EXPECT_EQ(1, rect.right - rect.left);
  EXPECT_EQ(1, rect.bottom - rect.top);
  EXPECT_EQ(kAppUrl, ControlText(cefsim_frame_url, MainFrameId()));
}

TEST_F(StartupTest, RepeatedStartNavigatesMainBrowserOnly) {
  cefsim_web_serve("https://app.example/second", 200, "Second", "<p>2</p>");
  ASSERT_TRUE(Start());
  WaitForMainBrowser();
  const int64_t frame = MainFrameId();
  // Flags, instance and module are not looked at again.
  EXPECT_TRUE(kit_.Start(nullptr, nullptr, L"https://app.example/second",
                         nullptr, 0x1));
  EXPECT_TRUE(WaitUntil([&] {
    return ControlText(cefsim_frame_url, frame) == "https://app.example/second";
  }));
  EXPECT_EQ(99, IntSetting("log_severity"));
  EXPECT_EQ(1, cefsim_live_browser_count());
}

TEST_F(StartupTest, RepeatedStartBeforeBrowserExistsEndsOnLatestUrl) {
  cefsim_web_serve("https://app.example/latest", 200, "Latest", "<p>3</p>");
  ASSERT_TRUE(Start());
  // No waiting: the main browser is still being created on CEF's thread.
  EXPECT_TRUE(
      kit_.Start(nullptr, nullptr, L"https://app.example/latest", nullptr, 0));
  WaitForMainBrowser();
  EXPECT_TRUE(WaitUntil([&] {
    return ControlText(cefsim_frame_url, MainFrameId()) ==
           "https://app.example/latest";
  }));
}

TEST_F(StartupTest, FailedInitializeReportsFalseButStaysInitialized) {
  cefsim_fail_next_initialize();
  EXPECT_FALSE(Start());
  EXPECT_TRUE(kit_.Initialized());
  // No browser can ever take a new URL now.
  EXPECT_FALSE(
      kit_.Start(nullptr, nullptr, L"https://app.example/x", nullptr, 0));
  Terminate();
  EXPECT_FALSE(kit_.Initialized());
}

// The runtime module names the folder orvbrowser.exe is started from; one
// without it makes every renderer fail to start, visibly.
TEST_F(StartupTest, RuntimeFolderWithoutOrvbrowserIsAVisibleFailure) {
  const std::wstring elsewhere = ExeFolder() + L"orvcef_lazy\\orvcef.dll";
  // A module loaded from another folder: the copy of the kit kept there.
  HMODULE module = LoadLibraryW(elsewhere.c_str());
  ASSERT_TRUE(module);
  kit_.SetMsgWnd(host_->hwnd());
  ASSERT_TRUE(kit_.Start(GetModuleHandleW(nullptr), module,
                         L"https://app.example/", L"app.example\0", 0));
  EXPECT_EQ(Narrow(ExeFolder()) + "orvcef_lazy\\orvbrowser.exe",
            Setting("browser_subprocess_path"));
  EXPECT_TRUE(WaitUntil([] { return orvtest::Violations().size() > 0; }));
  EXPECT_GE(orvtest::TakeViolations("renderer process could not be started"),
            1);
  Terminate();
  orvtest::TakeViolations("renderer");
  FreeLibrary(module);
}

TEST_F(StartupTest, NullUrlCountsAsEmptyText) {
  ASSERT_TRUE(Start(nullptr));
  EXPECT_TRUE(WaitUntil([&] { return MainBrowserId() != 0; }));
}

}  // namespace
}  // namespace orvtest
