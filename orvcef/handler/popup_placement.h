// Where a popup goes: centred on the window of the browser that opens it.
#ifndef ORVCEF_HANDLER_POPUP_PLACEMENT_H_
#define ORVCEF_HANDLER_POPUP_PLACEMENT_H_

#include <windows.h>

namespace orvcef {

// Sets |x| and |y| so that a |width| by |height| popup is centred on
// |opener| (screen coordinates), dividing with truncation toward zero.
// Returns false and leaves both alone when the popup has no requested size
// (CW_USEDEFAULT in either): CEF then places it by its own rules.
bool CenterPopupOn(const RECT& opener, int width, int height, int* x, int* y);

}  // namespace orvcef

#endif  // ORVCEF_HANDLER_POPUP_PLACEMENT_H_
