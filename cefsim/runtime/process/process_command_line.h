// The switches a child process reads from its own command line, the way CEF
// reads them on Windows (GetCommandLineW, "--name=value" switches).
#ifndef CEFSIM_RUNTIME_RENDERER_PROCESS_COMMAND_LINE_H_
#define CEFSIM_RUNTIME_RENDERER_PROCESS_COMMAND_LINE_H_

#include <string>

namespace cefsim {
namespace renderer {

// Switches the browser process passes to the children it starts.
constexpr wchar_t kTypeSwitch[] = L"type";
constexpr wchar_t kPipeSwitch[] = L"cefsim-pipe";

// The value of --|name|= in |command_line|, or empty when absent.
std::wstring SwitchValue(const std::wstring& command_line,
                         const std::wstring& name);

}  // namespace renderer
}  // namespace cefsim

#endif  // CEFSIM_RUNTIME_RENDERER_PROCESS_COMMAND_LINE_H_
