// MIME types and file extensions as Chromium's net/base/mime_util.cc maps
// them, for CefGetMimeType and CefGetExtensionsForMimeType.

#ifndef CEFSIM_RUNTIME_TEXT_MIME_TYPES_H_
#define CEFSIM_RUNTIME_TEXT_MIME_TYPES_H_

#include <string>
#include <string_view>
#include <vector>

namespace cefsim::text {

// The MIME type of |extension| (without its dot, any case), empty when none
// is known. Chromium asks its fixed primary table, then the Windows registry,
// then its secondary table; the registry of a machine is no part of the
// simulation, so only the two tables answer.
std::string MimeTypeForExtension(std::string_view extension);

// The extensions both tables give |mime_type| (any case), each once; with
// "type/*" those of every MIME type of that top-level type, and none for "*"
// and "*/*". Chromium adds what the registry knows and returns them in no
// particular order; here they come in table order.
std::vector<std::string> ExtensionsForMimeType(std::string_view mime_type);

}  // namespace cefsim::text

#endif  // CEFSIM_RUNTIME_TEXT_MIME_TYPES_H_
