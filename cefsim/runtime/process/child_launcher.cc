#include "process/child_launcher.h"

#include <vector>

#include "process/process_command_line.h"

namespace cefsim {
namespace process {

std::wstring RendererProgram(const std::wstring& subprocess_path) {
  if (!subprocess_path.empty())
    return subprocess_path;
  std::vector<wchar_t> buffer(MAX_PATH);
  for (;;) {
    const DWORD length = GetModuleFileNameW(nullptr, buffer.data(),
                                            static_cast<DWORD>(buffer.size()));
    if (length == 0)
      return std::wstring();
    if (length < buffer.size())
      return std::wstring(buffer.data(), length);
    buffer.resize(buffer.size() * 2);
  }
}

std::wstring RendererCommandLine(const std::wstring& program,
                                 const std::wstring& pipe_name) {
  // A quoted program name keeps a path with spaces in one argument; the
  // switch values never hold spaces or quotes.
  return L"\"" + program + L"\" --" + renderer::kTypeSwitch + L"=renderer --" +
         renderer::kPipeSwitch + L"=" + pipe_name;
}

bool StartChildProcess(const std::wstring& program,
                       const std::wstring& command_line,
                       PROCESS_INFORMATION* info) {
  if (program.empty())
    return false;
  // CreateProcessW may write into its command-line buffer.
  std::vector<wchar_t> writable(command_line.begin(), command_line.end());
  writable.push_back(L'\0');
  STARTUPINFOW startup = {};
  startup.cb = sizeof(startup);
  *info = {};
  if (!CreateProcessW(program.c_str(), writable.data(), nullptr, nullptr, FALSE,
                      0, nullptr, nullptr, &startup, info)) {
    return false;
  }
  CloseHandle(info->hThread);
  info->hThread = nullptr;
  return true;
}

}  // namespace process
}  // namespace cefsim
