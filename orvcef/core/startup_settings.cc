#include "orvcef/core/startup_settings.h"

#include "orvcef/core/data_folder.h"

namespace orvcef {

namespace {

// CEF's LOGSEVERITY_DISABLE.
constexpr int kLogSeverityDisable = 99;

}  // namespace

StartupSettings MakeStartupSettings(const std::wstring& runtime_folder,
                                    const std::wstring& data_folder,
                                    bool debug) {
  StartupSettings startup;
  startup.browser_subprocess_path = JoinPath(runtime_folder, L"orvbrowser.exe");
  // The locale files sit directly in the runtime folder, not in "locales".
  startup.resources_dir_path = runtime_folder;
  startup.locales_dir_path = runtime_folder;
  startup.cache_path = JoinPath(data_folder, L"cache\\cef");
  if (debug) {
    startup.log_file = JoinPath(startup.cache_path, L"debug.log");
    startup.remote_debugging_port = 9229;
  } else {
    startup.log_severity = kLogSeverityDisable;
  }
  return startup;
}

}  // namespace orvcef
