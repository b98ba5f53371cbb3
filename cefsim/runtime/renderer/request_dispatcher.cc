#include "renderer/request_dispatcher.h"

#include "diagnostics/records.h"
#include "ipc/frame_codec.h"
#include "ipc/wire_protocol.h"
#include "renderer/render_process.h"

namespace cefsim {
namespace renderer {

RequestDispatcher::RequestDispatcher(RenderProcess* process)
    : process_(process) {}

RequestDispatcher::~RequestDispatcher() = default;

void RequestDispatcher::Dispatch(const std::string& frame) {
  ipc::FrameReader reader(frame);
  switch (static_cast<ipc::ToRenderer>(reader.kind())) {
    case ipc::ToRenderer::kSync: {
      const int request_id = reader.Int32();
      if (!reader.Done())
        break;
      // Requests run in order on this thread, so everything sent before
      // has been handled by now.
      process_->SendToBrowser(
          ipc::FrameWriter(static_cast<uint8_t>(ipc::ToBrowser::kSynced))
              .Int32(request_id));
      return;
    }
    default:
      // Browsers and frames are not modelled yet.
      return;
  }
  ReportViolation("browser process sent a malformed frame (kind " +
                  std::to_string(reader.kind()) + ")");
}

void RequestDispatcher::Shutdown() {}

}  // namespace renderer
}  // namespace cefsim
