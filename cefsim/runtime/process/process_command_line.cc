#include "process/process_command_line.h"

// windows.h must come first: shellapi.h relies on its macros.
#include <windows.h>

#include <shellapi.h>

namespace cefsim {
namespace renderer {

std::wstring SwitchValue(const std::wstring& command_line,
                         const std::wstring& name) {
  int count = 0;
  LPWSTR* argv = CommandLineToArgvW(command_line.c_str(), &count);
  if (!argv)
    return std::wstring();
  const std::wstring prefix = L"--" + name + L"=";
  std::wstring value;
  // argv[0] is the program; switches stop at a bare "--", as in CEF.
  for (int i = 1; i < count; ++i) {
    const std::wstring arg = argv[i];
    if (arg == L"--")
      break;
    if (arg.compare(0, prefix.size(), prefix) == 0) {
      value = arg.substr(prefix.size());
      break;
    }
  }
  LocalFree(argv);
  return value;
}

}  // namespace renderer
}  // namespace cefsim
