// cef_execute_process: what a child process started by the browser process
// does with itself.
#include <windows.h>

#include <memory>
#include <string>

#include "include/cef_app.h"
#include "ipc/pipe_channel.h"
#include "process/process_command_line.h"
#include "renderer/render_process.h"
#include "wrapper/renderer_exports.h"

namespace cefsim {
namespace renderer {
namespace {

// A process type that could not reach its browser process ends with this.
constexpr int kNoBrowserProcessExitCode = 1;

// Runs the render thread until the browser process closes the channel.
// Only renderer processes ask the application for its render-process
// handler, as in CEF.
int RunChild(CefApp* application,
             const std::wstring& type,
             const std::wstring& pipe_name) {
  std::unique_ptr<ipc::PipeChannel> channel =
      ipc::PipeChannel::Connect(pipe_name);
  if (!channel)
    return kNoBrowserProcessExitCode;

  CefRefPtr<CefRenderProcessHandler> handler;
  if (type == L"renderer" && application)
    handler = application->GetRenderProcessHandler();
  RenderProcess process(std::move(channel), handler);
  return process.Run();
}

}  // namespace
}  // namespace renderer
}  // namespace cefsim

int cef_execute_process(const cef_main_args_t* args,
                        CefApp* application,
                        void* windows_sandbox_info) {
  // As on Windows in CEF, the switches come from the process's own command
  // line, not from |args|.
  const std::wstring command_line = GetCommandLineW();
  const std::wstring type = cefsim::renderer::SwitchValue(
      command_line, cefsim::renderer::kTypeSwitch);
  if (type.empty())
    return -1;
  return cefsim::renderer::RunChild(
      application, type,
      cefsim::renderer::SwitchValue(command_line,
                                    cefsim::renderer::kPipeSwitch));
}
