// The CEF settings that depend on the folders and the debug flag.
#ifndef ORVCEF_CORE_STARTUP_SETTINGS_H_
#define ORVCEF_CORE_STARTUP_SETTINGS_H_

#include <string>

namespace orvcef {

struct StartupSettings {
  std::wstring browser_subprocess_path;
  std::wstring resources_dir_path;
  std::wstring locales_dir_path;
  std::wstring cache_path;
  std::wstring log_file;
  int log_severity = 0;
  int remote_debugging_port = 0;
};

// |runtime_folder| holds CEF's resource and locale files and orvbrowser.exe;
// the cache lies in "cache\cef" below |data_folder|.
StartupSettings MakeStartupSettings(const std::wstring& runtime_folder,
                                    const std::wstring& data_folder,
                                    bool debug);

}  // namespace orvcef

#endif  // ORVCEF_CORE_STARTUP_SETTINGS_H_
