#include "renderer/request_dispatcher.h"

#include "diagnostics/records.h"
#include "ipc/frame_codec.h"
#include "ipc/wire_protocol.h"
#include "renderer/page_query.h"
#include "renderer/render_process.h"
#include "values/message_wire_format.h"

namespace cefsim {
namespace renderer {

RequestDispatcher::RequestDispatcher(RenderProcess* process,
                                     CefRenderProcessHandler* handler)
    : process_(process), registry_(handler) {}

RequestDispatcher::~RequestDispatcher() = default;

void RequestDispatcher::Dispatch(const std::string& frame) {
  ipc::FrameReader reader(frame);
  bool well_formed = false;
  switch (static_cast<ipc::ToRenderer>(reader.kind())) {
    case ipc::ToRenderer::kCreateBrowser: {
      const int browser_id = reader.Int32();
      const bool is_popup = reader.Bool();
      well_formed = reader.Done();
      if (well_formed)
        registry_.CreateBrowser(browser_id, is_popup);
      break;
    }
    case ipc::ToRenderer::kDestroyBrowser: {
      const int browser_id = reader.Int32();
      well_formed = reader.Done();
      if (well_formed)
        registry_.DestroyBrowser(browser_id);
      break;
    }
    case ipc::ToRenderer::kCommitNavigation:
      well_formed = CommitNavigation(reader);
      break;
    case ipc::ToRenderer::kDetachFrame: {
      const int browser_id = reader.Int32();
      const int64_t frame_id = reader.Int64();
      well_formed = reader.Done();
      if (well_formed)
        registry_.DetachFrame(browser_id, frame_id);
      break;
    }
    case ipc::ToRenderer::kProcessMessage:
      well_formed = DeliverMessage(reader);
      break;
    case ipc::ToRenderer::kExecuteJavaScript:
      well_formed = ExecuteJavaScript(reader);
      break;
    case ipc::ToRenderer::kRunPageQuery:
      well_formed = RunPageQuery(reader);
      break;
    case ipc::ToRenderer::kRunPageQueryCancel:
      well_formed = RunPageQueryCancel(reader);
      break;
    case ipc::ToRenderer::kSync:
      well_formed = Sync(reader);
      break;
  }
  if (!well_formed) {
    ReportViolation("browser process sent a malformed frame (kind " +
                    std::to_string(reader.kind()) + ")");
  }
}

void RequestDispatcher::Shutdown() {
  registry_.DropAll();
}

bool RequestDispatcher::CommitNavigation(ipc::FrameReader& reader) {
  const int browser_id = reader.Int32();
  const int64_t frame_id = reader.Int64();
  const int64_t parent_id = reader.Int64();
  const bool is_main = reader.Bool();
  const std::string url = reader.String();
  if (!reader.Done())
    return false;
  registry_.CommitNavigation(browser_id, frame_id, parent_id, is_main, url);
  return true;
}

bool RequestDispatcher::DeliverMessage(ipc::FrameReader& reader) {
  const int browser_id = reader.Int32();
  const int64_t frame_id = reader.Int64();
  CefRefPtr<CefProcessMessage> message =
      values::DecodeProcessMessage(reader.String());
  if (!reader.Done() || !message)
    return false;
  registry_.DeliverMessage(browser_id, frame_id, message);
  return true;
}

bool RequestDispatcher::ExecuteJavaScript(ipc::FrameReader& reader) {
  const int browser_id = reader.Int32();
  const int64_t frame_id = reader.Int64();
  ScriptRecord script;
  script.code = reader.String();
  script.script_url = reader.String();
  script.start_line = reader.Int32();
  if (!reader.Done())
    return false;
  // Script for a frame the renderer no longer has is lost, as in CEF.
  if (CefRefPtr<FrameImpl> frame = registry_.FindFrame(browser_id, frame_id))
    frame->RecordScript(std::move(script));
  return true;
}

bool RequestDispatcher::RunPageQuery(ipc::FrameReader& reader) {
  const int browser_id = reader.Int32();
  const int64_t frame_id = reader.Int64();
  const int page_query_id = reader.Int32();
  const std::string request = reader.String();
  const bool persistent = reader.Bool();
  if (!reader.Done())
    return false;
  CefRefPtr<FrameImpl> frame = registry_.FindFrame(browser_id, frame_id);
  renderer::RunPageQuery(browser_id, frame.get(), page_query_id, request,
                         persistent);
  return true;
}

bool RequestDispatcher::RunPageQueryCancel(ipc::FrameReader& reader) {
  const int browser_id = reader.Int32();
  const int64_t frame_id = reader.Int64();
  const int page_query_id = reader.Int32();
  if (!reader.Done())
    return false;
  CefRefPtr<FrameImpl> frame = registry_.FindFrame(browser_id, frame_id);
  renderer::RunPageQueryCancel(frame.get(), page_query_id);
  return true;
}

bool RequestDispatcher::Sync(ipc::FrameReader& reader) {
  const int request_id = reader.Int32();
  if (!reader.Done())
    return false;
  // Requests run in order on this thread, so everything sent before has
  // been handled by now.
  process_->SendToBrowser(
      ipc::FrameWriter(static_cast<uint8_t>(ipc::ToBrowser::kSynced))
          .Int32(request_id));
  return true;
}

}  // namespace renderer
}  // namespace cefsim
