// The frames that cross the pipe between the browser process and a renderer
// process. Each frame starts with its kind byte; the fields follow in the
// order listed (FrameWriter encodings: i32, i64, bool, UTF-8 string). A
// "message" field is a process message in its own wire format
// (values/message_wire_format.h), carried as a string.
#ifndef CEFSIM_RUNTIME_IPC_WIRE_PROTOCOL_H_
#define CEFSIM_RUNTIME_IPC_WIRE_PROTOCOL_H_

#include <stdint.h>

namespace cefsim {
namespace ipc {

// Browser process to renderer.
enum class ToRenderer : uint8_t {
  // browser_id, is_popup
  kCreateBrowser = 1,
  // browser_id
  kDestroyBrowser,
  // browser_id, frame_id (i64), parent_id (i64), is_main, url
  kCommitNavigation,
  // browser_id, frame_id
  kDetachFrame,
  // browser_id, frame_id, message
  kProcessMessage,
  // browser_id, frame_id, code, script_url, start_line
  kExecuteJavaScript,
  // browser_id, frame_id, page_query_id, request, persistent
  kRunPageQuery,
  // browser_id, frame_id, page_query_id
  kRunPageQueryCancel,
  // request_id
  kSync,
};

// Renderer to browser process.
enum class ToBrowser : uint8_t {
  // browser_id, frame_id, message
  kProcessMessage = 101,
  // browser_id, page_query_id, success, response, error_code, error_message
  kPageQueryOutcome,
  // request_id
  kSynced,
  // tag (empty for a violation), text: a record the renderer made.
  kRecord,
};

}  // namespace ipc
}  // namespace cefsim

#endif  // CEFSIM_RUNTIME_IPC_WIRE_PROTOCOL_H_
