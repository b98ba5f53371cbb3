// Finding and answering the message box a download handler shows from
// OnDownloadUpdated, as a user would answer it. Any thread.
#ifndef CEFSIM_RUNTIME_BROWSER_DOWNLOAD_MESSAGE_BOX_H_
#define CEFSIM_RUNTIME_BROWSER_DOWNLOAD_MESSAGE_BOX_H_

#include <windows.h>

#include <string>

namespace cefsim {
namespace browser {

// The visible message box owned by |owner| (or by its top-level ancestor,
// which Windows makes the owner when given a child window); null if none.
HWND FindOwnedMessageBox(HWND owner);
// The box's message text, UTF-8.
std::string MessageBoxText(HWND box);
// Presses button |button_id| as a click would.
bool PressMessageBoxButton(HWND box, int button_id);

}  // namespace browser
}  // namespace cefsim

#endif  // CEFSIM_RUNTIME_BROWSER_DOWNLOAD_MESSAGE_BOX_H_
