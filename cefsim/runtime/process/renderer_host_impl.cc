#include "process/renderer_host_impl.h"

#include "diagnostics/records.h"
#include "ipc/frame_codec.h"
#include "ipc/wire_protocol.h"
#include "process/child_launcher.h"
#include "process/termination_status.h"
#include "values/message_wire_format.h"

namespace cefsim {
namespace process {
namespace {

// How long a started child may take to open its end of the pipe. A cold
// Wine prefix can take a few seconds to start a process.
constexpr DWORD kConnectTimeoutMs = 20000;
// How long a child whose pipe broke may take to end before it counts as
// hung and is ended.
constexpr DWORD kExitTimeoutMs = 5000;

ipc::FrameWriter Request(ipc::ToRenderer kind) {
  return ipc::FrameWriter(static_cast<uint8_t>(kind));
}

}  // namespace

// static
std::unique_ptr<RendererHost> RendererHost::Launch(
    const std::wstring& subprocess_path,
    Delegate* delegate) {
  const std::wstring name = ipc::PipeChannel::UniqueName();
  std::unique_ptr<ipc::PipeChannel> channel = ipc::PipeChannel::Listen(name);
  if (!channel)
    return nullptr;
  const std::wstring program = RendererProgram(subprocess_path);
  PROCESS_INFORMATION info;
  if (!StartChildProcess(program, RendererCommandLine(program, name), &info))
    return nullptr;
  // A program that is no renderer of ours ends (or idles) without ever
  // connecting: that is a launch failure too.
  if (!channel->AwaitClient(info.hProcess, kConnectTimeoutMs)) {
    TerminateProcess(info.hProcess, kKilledExitCode);
    CloseHandle(info.hProcess);
    return nullptr;
  }
  auto host = std::make_unique<RendererHostImpl>(
      delegate, info.hProcess, info.dwProcessId, std::move(channel));
  host->Start();
  return host;
}

RendererHostImpl::RendererHostImpl(Delegate* delegate,
                                   HANDLE process,
                                   DWORD process_id,
                                   std::unique_ptr<ipc::PipeChannel> channel)
    : delegate_(delegate),
      process_(process),
      process_id_(process_id),
      owner_thread_id_(GetCurrentThreadId()),
      closing_event_(CreateEventW(nullptr, TRUE, FALSE, nullptr)),
      channel_(std::move(channel)) {}

RendererHostImpl::~RendererHostImpl() {
  CheckOwnerThread("~RendererHost");
  // A deliberate close is no renderer death: nothing more is reported.
  closing_ = true;
  SetEvent(closing_event_);
  channel_.reset();
  CloseHandle(process_);
  CloseHandle(closing_event_);
}

void RendererHostImpl::Start() {
  ipc::PipeChannel::Callbacks callbacks;
  callbacks.on_frame = [this](std::string frame) { OnFrame(frame); };
  callbacks.on_closed = [this] { OnClosed(); };
  channel_->Start(std::move(callbacks));
}

bool RendererHostImpl::CheckOwnerThread(const char* method) const {
  if (GetCurrentThreadId() == owner_thread_id_)
    return true;
  ReportViolation(std::string(method) + " called off the UI thread");
  return false;
}

void RendererHostImpl::Send(const ipc::FrameWriter& writer) {
  channel_->Send(writer.frame());
}

void RendererHostImpl::CreateBrowser(int browser_id, bool is_popup) {
  if (!CheckOwnerThread("RendererHost::CreateBrowser"))
    return;
  Send(Request(ipc::ToRenderer::kCreateBrowser)
           .Int32(browser_id)
           .Bool(is_popup));
}

void RendererHostImpl::DestroyBrowser(int browser_id) {
  if (!CheckOwnerThread("RendererHost::DestroyBrowser"))
    return;
  Send(Request(ipc::ToRenderer::kDestroyBrowser).Int32(browser_id));
}

void RendererHostImpl::CommitNavigation(int browser_id,
                                        int64_t frame_id,
                                        int64_t parent_id,
                                        bool is_main,
                                        const std::string& url) {
  if (!CheckOwnerThread("RendererHost::CommitNavigation"))
    return;
  Send(Request(ipc::ToRenderer::kCommitNavigation)
           .Int32(browser_id)
           .Int64(frame_id)
           .Int64(parent_id)
           .Bool(is_main)
           .String(url));
}

void RendererHostImpl::DetachFrame(int browser_id, int64_t frame_id) {
  if (!CheckOwnerThread("RendererHost::DetachFrame"))
    return;
  Send(
      Request(ipc::ToRenderer::kDetachFrame).Int32(browser_id).Int64(frame_id));
}

void RendererHostImpl::SendProcessMessage(
    int browser_id,
    int64_t frame_id,
    CefRefPtr<CefProcessMessage> message) {
  if (!CheckOwnerThread("RendererHost::SendProcessMessage"))
    return;
  // The caller has already checked the message as CEF's frame does; an
  // invalid one encodes to nothing and is dropped.
  std::string encoded;
  if (!message ||
      !values::EncodeProcessMessage(message.get(), process_, &encoded)) {
    return;
  }
  Send(Request(ipc::ToRenderer::kProcessMessage)
           .Int32(browser_id)
           .Int64(frame_id)
           .String(encoded));
}

void RendererHostImpl::ExecuteJavaScript(int browser_id,
                                         int64_t frame_id,
                                         const std::string& code,
                                         const std::string& script_url,
                                         int start_line) {
  if (!CheckOwnerThread("RendererHost::ExecuteJavaScript"))
    return;
  Send(Request(ipc::ToRenderer::kExecuteJavaScript)
           .Int32(browser_id)
           .Int64(frame_id)
           .String(code)
           .String(script_url)
           .Int32(start_line));
}

void RendererHostImpl::RunPageQuery(int browser_id,
                                    int64_t frame_id,
                                    int page_query_id,
                                    const std::string& request,
                                    bool persistent) {
  if (!CheckOwnerThread("RendererHost::RunPageQuery"))
    return;
  Send(Request(ipc::ToRenderer::kRunPageQuery)
           .Int32(browser_id)
           .Int64(frame_id)
           .Int32(page_query_id)
           .String(request)
           .Bool(persistent));
}

void RendererHostImpl::RunPageQueryCancel(int browser_id,
                                          int64_t frame_id,
                                          int page_query_id) {
  if (!CheckOwnerThread("RendererHost::RunPageQueryCancel"))
    return;
  Send(Request(ipc::ToRenderer::kRunPageQueryCancel)
           .Int32(browser_id)
           .Int64(frame_id)
           .Int32(page_query_id));
}

void RendererHostImpl::Sync(int request_id) {
  if (!CheckOwnerThread("RendererHost::Sync"))
    return;
  Send(Request(ipc::ToRenderer::kSync).Int32(request_id));
}

void RendererHostImpl::Kill() {
  killed_ = true;
  TerminateProcess(process_, kKilledExitCode);
}

void RendererHostImpl::EndWithExitCode(unsigned long exit_code) {
  TerminateProcess(process_, exit_code);
}

// Reader thread.
void RendererHostImpl::OnFrame(const std::string& frame) {
  ipc::FrameReader reader(frame);
  switch (static_cast<ipc::ToBrowser>(reader.kind())) {
    case ipc::ToBrowser::kProcessMessage: {
      const int browser_id = reader.Int32();
      const int64_t frame_id = reader.Int64();
      CefRefPtr<CefProcessMessage> message =
          values::DecodeProcessMessage(reader.String());
      if (!reader.Done() || !message)
        break;
      delegate_->OnRendererMessage(browser_id, frame_id, message);
      return;
    }
    case ipc::ToBrowser::kPageQueryOutcome: {
      const int browser_id = reader.Int32();
      PageQueryOutcome outcome;
      outcome.page_query_id = reader.Int32();
      outcome.success = reader.Bool();
      outcome.response = reader.String();
      outcome.error_code = reader.Int32();
      outcome.error_message = reader.String();
      if (!reader.Done())
        break;
      delegate_->OnPageQueryOutcome(browser_id, outcome);
      return;
    }
    case ipc::ToBrowser::kRecord: {
      const std::string tag = reader.String();
      const std::string text = reader.String();
      if (!reader.Done())
        break;
      // The renderer's misuse fails the browser process's tests too.
      if (tag.empty())
        ReportViolation("renderer: " + text);
      else
        RecordNote(tag, text);
      return;
    }
    case ipc::ToBrowser::kSynced: {
      const int request_id = reader.Int32();
      if (!reader.Done())
        break;
      delegate_->OnRendererSynced(request_id);
      return;
    }
  }
  ReportViolation("renderer sent a malformed frame (kind " +
                  std::to_string(reader.kind()) + ")");
}

// Reader thread: the pipe broke or was closed.
void RendererHostImpl::OnClosed() {
  if (closing_)
    return;
  const TerminationStatus status = WaitForEnd();
  if (closing_)
    return;
  delegate_->OnRendererGone(status);
}

// Reader thread.
TerminationStatus RendererHostImpl::WaitForEnd() {
  HANDLE waits[] = {process_, closing_event_};
  const DWORD waited = WaitForMultipleObjects(2, waits, FALSE, kExitTimeoutMs);
  if (waited == WAIT_TIMEOUT) {
    // The child dropped its pipe but lives on: end it, as a browser process
    // does with a renderer it can no longer reach.
    TerminateProcess(process_, kKilledExitCode);
    WaitForSingleObject(process_, kExitTimeoutMs);
    return TerminationStatus::kAbnormalTermination;
  }
  if (killed_)
    return TerminationStatus::kProcessWasKilled;
  DWORD exit_code = 0;
  if (!GetExitCodeProcess(process_, &exit_code)) {
    // Chromium assumes a normal end when it cannot read the exit code.
    return TerminationStatus::kNormalTermination;
  }
  return TerminationStatusFromExitCode(exit_code);
}

}  // namespace process
}  // namespace cefsim
