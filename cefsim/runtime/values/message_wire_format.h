// How a process message crosses the pipe between browser and renderer.
//
// Layout (little-endian): kind byte (0 = argument list, 1 = shared memory),
// the name as a u32 count of UTF-16 units and the units, then either the
// argument list as a tagged node or the region's u32 size and the u32 value
// of a mapping handle already duplicated into the receiving process. A node
// is its cef_value_type_t byte and its payload: bool as a byte, int as i32,
// double as 8 bytes, string as u32 units count and units, binary as u32 size
// and bytes, dictionary as u32 count and (key string, node) pairs, list as
// u32 count and nodes.
#ifndef CEFSIM_RUNTIME_VALUES_MESSAGE_WIRE_FORMAT_H_
#define CEFSIM_RUNTIME_VALUES_MESSAGE_WIRE_FORMAT_H_

#include <windows.h>

#include <string>

#include "include/cef_process_message.h"

namespace cefsim {
namespace values {

// Encodes |message| into |out| and takes its payload, so the message is
// invalid afterwards, as CEF leaves a sent message. A shared-memory handle
// is duplicated into |target_process|. False, with nothing taken, for an
// invalid or foreign message.
bool EncodeProcessMessage(CefProcessMessage* message,
                          HANDLE target_process,
                          std::string* out);

// The message that |data| encodes, read-only as CEF delivers it; null when
// |data| is malformed.
CefRefPtr<CefProcessMessage> DecodeProcessMessage(const std::string& data);

}  // namespace values
}  // namespace cefsim

#endif  // CEFSIM_RUNTIME_VALUES_MESSAGE_WIRE_FORMAT_H_
