// CEF's "Save As" dialog for downloads, simulated: it never shows a window;
// a test answers it through the control interface, either in advance
// (answers queued for the next dialogs) or while it is open.
#ifndef CEFSIM_RUNTIME_BROWSER_SAVE_DIALOG_H_
#define CEFSIM_RUNTIME_BROWSER_SAVE_DIALOG_H_

#include <functional>
#include <string>
#include <vector>

namespace cefsim {
namespace browser {

struct SaveDialogRecord {
  int id = 0;
  int browser_id = 0;
  std::string default_file_name;
  std::vector<std::string> accept_types;  // ".zip" for "name.zip".
  bool answered = false;
  bool canceled = false;
  std::string path;  // The chosen path when answered and not cancelled.
};

// Opens a dialog. |done| runs once, later, on the UI thread, with the
// chosen path or an empty one when the dialog was cancelled. UI thread.
void RunSaveDialog(int browser_id,
                   const std::string& default_file_name,
                   std::function<void(const std::string& path)> done);

// Control, any thread. An answer queued for the next dialog that opens:
// |path|, or a cancellation when |cancel|.
void QueueSaveDialogAnswer(bool cancel, const std::string& path);
// Answers open dialog |id|; false when it is not open.
bool AnswerSaveDialog(int id, bool cancel, const std::string& path);
// The oldest dialog still open, waiting up to |timeout_ms|; 0 when none.
int WaitForOpenSaveDialog(int timeout_ms);
bool ReadSaveDialogRecord(int id, SaveDialogRecord* record);
int SaveDialogCount();

}  // namespace browser
}  // namespace cefsim

#endif  // CEFSIM_RUNTIME_BROWSER_SAVE_DIALOG_H_
