// Filling CEF's settings structure for CefInitialize.
#ifndef ORVCEF_CORE_CEF_SETTINGS_H_
#define ORVCEF_CORE_CEF_SETTINGS_H_

// CEF's string wrappers use strlen without including its header.
#include <cstring>

#include "include/internal/cef_types_wrappers.h"
#include "orvcef/core/startup_settings.h"

namespace orvcef {

// Writes |startup| and the fixed settings into |settings|, leaving every
// other field at CEF's default.
void FillCefSettings(const StartupSettings& startup, CefSettings* settings);

}  // namespace orvcef

#endif  // ORVCEF_CORE_CEF_SETTINGS_H_
