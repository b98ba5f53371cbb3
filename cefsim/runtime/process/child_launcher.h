// Starting a renderer process the way CEF starts its children on Windows:
// the sub-process program with CEF-style "--name=value" switches.
#ifndef CEFSIM_RUNTIME_PROCESS_CHILD_LAUNCHER_H_
#define CEFSIM_RUNTIME_PROCESS_CHILD_LAUNCHER_H_

#include <windows.h>

#include <string>

namespace cefsim {
namespace process {

// The program CEF starts for |subprocess_path|: the path itself, or the
// current executable when it is empty (CEF's default).
std::wstring RendererProgram(const std::wstring& subprocess_path);

// "<program>" --type=renderer --<pipe switch>=<pipe_name>
std::wstring RendererCommandLine(const std::wstring& program,
                                 const std::wstring& pipe_name);

// Starts |program| with |command_line|. On success the caller owns the
// process handle in |info| (the thread handle is already closed). False when
// the program cannot be started.
bool StartChildProcess(const std::wstring& program,
                       const std::wstring& command_line,
                       PROCESS_INFORMATION* info);

}  // namespace process
}  // namespace cefsim

#endif  // CEFSIM_RUNTIME_PROCESS_CHILD_LAUNCHER_H_
