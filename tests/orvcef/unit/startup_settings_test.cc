// The folder- and flag-dependent CEF settings.
#include "orvcef/core/startup_settings.h"

#include "gtest/gtest.h"

namespace orvcef {
namespace {

TEST(StartupSettingsTest, DebugFlagClearDisablesLogging) {
  const StartupSettings settings =
      MakeStartupSettings(L"C:\\runtime\\", L"C:\\data\\", false);
  EXPECT_EQ(L"C:\\runtime\\orvbrowser.exe", settings.browser_subprocess_path);
  EXPECT_EQ(L"C:\\runtime\\", settings.resources_dir_path);
  EXPECT_EQ(L"C:\\runtime\\", settings.locales_dir_path);
  EXPECT_EQ(L"C:\\data\\cache\\cef", settings.cache_path);
  EXPECT_EQ(L"", settings.log_file);
  EXPECT_EQ(99, settings.log_severity);
  EXPECT_EQ(0, settings.remote_debugging_port);
}

TEST(StartupSettingsTest, DebugFlagSetLogsBesideCacheAndOpensDebugPort) {
  const StartupSettings settings = MakeStartupSettings(
      L"C:\\runtime\\", L"C:\\Users\\u\\Local\\TradeHarbor", true);
  // A fallback folder has no trailing backslash; the join adds one.
  EXPECT_EQ(L"C:\\Users\\u\\Local\\TradeHarbor\\cache\\cef",
            settings.cache_path);
  EXPECT_EQ(L"C:\\Users\\u\\Local\\TradeHarbor\\cache\\cef\\debug.log",
            settings.log_file);
  EXPECT_EQ(0, settings.log_severity);
  EXPECT_EQ(9229, settings.remote_debugging_port);
}

}  // namespace
}  // namespace orvcef
