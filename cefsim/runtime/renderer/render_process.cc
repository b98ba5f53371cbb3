#include "renderer/render_process.h"

#include "diagnostics/records.h"
#include "ipc/frame_codec.h"
#include "ipc/wire_protocol.h"
#include "renderer/render_task_target.h"
#include "renderer/request_dispatcher.h"

namespace cefsim {
namespace renderer {
namespace {

// Set while a RenderProcess exists; one per process.
RenderProcess* g_render_process = nullptr;

// Sends a record of this process to the browser process. Any thread: the
// channel's sends are. Only set while |g_render_process| lives.
void ForwardRecord(const std::string& tag, const std::string& text) {
  g_render_process->SendRecord(tag, text);
}

// The process at the server end of |channel|'s pipe.
HANDLE OpenBrowserProcess(HANDLE pipe) {
  ULONG server_id = 0;
  if (!GetNamedPipeServerProcessId(pipe, &server_id))
    return nullptr;
  return OpenProcess(PROCESS_DUP_HANDLE, FALSE, server_id);
}

}  // namespace

RenderProcess::RenderProcess(std::unique_ptr<ipc::PipeChannel> channel,
                             CefRefPtr<CefRenderProcessHandler> handler)
    : channel_(std::move(channel)),
      handler_(handler),
      browser_process_(OpenBrowserProcess(channel_->pipe())) {
  g_render_process = this;
  browser::SetTaskTarget(TID_RENDERER,
                         std::make_shared<RenderTaskTarget>(&render_thread_));
  dispatcher_ = std::make_unique<RequestDispatcher>(this, handler_.get());
  SetRecordForwarder(&ForwardRecord);
}

RenderProcess::~RenderProcess() {
  SetRecordForwarder(nullptr);
  // Stop the reader before the dispatcher it posts to goes away.
  channel_.reset();
  dispatcher_.reset();
  if (browser_process_)
    CloseHandle(browser_process_);
  browser::SetTaskTarget(TID_RENDERER, nullptr);
  g_render_process = nullptr;
}

// static
RenderProcess* RenderProcess::Get() {
  return g_render_process;
}

int RenderProcess::Run() {
  if (!render_thread_.IsCurrent()) {
    ReportViolation("RenderProcess::Run called off the render thread");
    return 1;
  }
  if (handler_)
    handler_->OnWebKitInitialized();

  ipc::PipeChannel::Callbacks callbacks;
  // Reader thread: each request runs on the render thread, in order.
  callbacks.on_frame = [this](std::string frame) {
    render_thread_.Post(
        [this, frame = std::move(frame)] { dispatcher_->Dispatch(frame); });
  };
  callbacks.on_closed = [this] { render_thread_.Quit(); };
  channel_->Start(std::move(callbacks));
  render_thread_.Run();
  dispatcher_->Shutdown();
  return 0;
}

const BrowserRegistry& RenderProcess::registry() const {
  return dispatcher_->registry();
}

void RenderProcess::SendRecord(const std::string& tag,
                               const std::string& text) {
  channel_->Send(ipc::FrameWriter(static_cast<uint8_t>(ipc::ToBrowser::kRecord))
                     .String(tag)
                     .String(text)
                     .frame());
}

void RenderProcess::SendToBrowser(const ipc::FrameWriter& writer) {
  if (!render_thread_.IsCurrent()) {
    ReportViolation("renderer report sent off the render thread");
    return;
  }
  channel_->Send(writer.frame());
}

}  // namespace renderer
}  // namespace cefsim
