#include "orvcef/core/cef_settings.h"

namespace orvcef {

void FillCefSettings(const StartupSettings& startup, CefSettings* settings) {
  settings->no_sandbox = 1;
  settings->command_line_args_disabled = 0;
  settings->multi_threaded_message_loop = 1;
  CefString(&settings->locale) = "zh-CN";
  CefString(&settings->javascript_flags) = "--max_old_space_size=2000";
  CefString(&settings->browser_subprocess_path) =
      startup.browser_subprocess_path;
  CefString(&settings->resources_dir_path) = startup.resources_dir_path;
  CefString(&settings->locales_dir_path) = startup.locales_dir_path;
  CefString(&settings->cache_path) = startup.cache_path;
  if (!startup.log_file.empty())
    CefString(&settings->log_file) = startup.log_file;
  settings->log_severity =
      static_cast<cef_log_severity_t>(startup.log_severity);
  settings->remote_debugging_port = startup.remote_debugging_port;
}

}  // namespace orvcef
