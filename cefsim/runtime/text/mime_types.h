// The MIME type of a file extension as Chromium's net/base/mime_util.cc
// finds it, for CefGetMimeType.

#ifndef CEFSIM_RUNTIME_TEXT_MIME_TYPES_H_
#define CEFSIM_RUNTIME_TEXT_MIME_TYPES_H_

#include <string>
#include <string_view>

namespace cefsim::text {

// The MIME type of |extension| (without its dot, any case), empty when none
// is known. Chromium asks its fixed primary table, then the Windows registry,
// then its secondary table; the registry of a machine is no part of the
// simulation, so only the two tables answer.
std::string MimeTypeForExtension(std::string_view extension);

}  // namespace cefsim::text

#endif  // CEFSIM_RUNTIME_TEXT_MIME_TYPES_H_
