#include "downloads/save_dialog.h"

#include <chrono>
#include <condition_variable>
#include <deque>
#include <map>
#include <mutex>
#include <utility>

#include "threads/threads.h"

namespace cefsim {
namespace browser {
namespace {

struct QueuedAnswer {
  bool cancel = false;
  std::string path;
};

struct Dialogs {
  std::mutex lock;
  std::condition_variable opened;  // Signalled when a dialog opens.
  // Every dialog so far, by id; guarded by |lock|.
  std::map<int, SaveDialogRecord> records;
  // |done| of each open dialog; guarded by |lock|.
  std::map<int, std::function<void(const std::string&)>> open;
  std::deque<QueuedAnswer> queued;  // Guarded by |lock|.
};

// Leaked on purpose: answered from test threads until the process ends.
Dialogs& GetDialogs() {
  static Dialogs* dialogs = new Dialogs();
  return *dialogs;
}

// The file chooser's accept type: the default name's extension, if any.
std::vector<std::string> AcceptTypesFor(const std::string& file_name) {
  const size_t dot = file_name.rfind('.');
  const size_t separator = file_name.find_last_of("\\/");
  if (dot == std::string::npos || dot + 1 == file_name.size() ||
      (separator != std::string::npos && dot < separator)) {
    return {};
  }
  return {file_name.substr(dot)};
}

// Closes dialog |id| with the answer; the caller holds |dialogs.lock|.
// Returns what to run on the UI thread, or null when it was not open.
std::function<void()> CloseLocked(Dialogs& dialogs,
                                  int id,
                                  bool cancel,
                                  const std::string& path) {
  auto it = dialogs.open.find(id);
  if (it == dialogs.open.end())
    return nullptr;
  std::function<void(const std::string&)> done = std::move(it->second);
  dialogs.open.erase(it);
  SaveDialogRecord& record = dialogs.records[id];
  record.answered = true;
  record.canceled = cancel || path.empty();
  record.path = record.canceled ? std::string() : path;
  const std::string chosen = record.path;
  return [done, chosen] { done(chosen); };
}

}  // namespace

void RunSaveDialog(int browser_id,
                   const std::string& default_file_name,
                   std::function<void(const std::string& path)> done) {
  RequireUiThread("RunSaveDialog");
  Dialogs& dialogs = GetDialogs();
  std::function<void()> answer;
  {
    std::lock_guard<std::mutex> guard(dialogs.lock);
    SaveDialogRecord record;
    record.id = static_cast<int>(dialogs.records.size()) + 1;
    record.browser_id = browser_id;
    record.default_file_name = default_file_name;
    record.accept_types = AcceptTypesFor(default_file_name);
    dialogs.records[record.id] = record;
    dialogs.open[record.id] = std::move(done);
    if (!dialogs.queued.empty()) {
      const QueuedAnswer queued = dialogs.queued.front();
      dialogs.queued.pop_front();
      answer = CloseLocked(dialogs, record.id, queued.cancel, queued.path);
    }
  }
  dialogs.opened.notify_all();
  // The dialog runs on a thread of its own; its answer always comes later.
  if (answer)
    PostTask(TID_UI, answer);
}

void QueueSaveDialogAnswer(bool cancel, const std::string& path) {
  Dialogs& dialogs = GetDialogs();
  std::lock_guard<std::mutex> guard(dialogs.lock);
  dialogs.queued.push_back({cancel, path});
}

bool AnswerSaveDialog(int id, bool cancel, const std::string& path) {
  Dialogs& dialogs = GetDialogs();
  std::function<void()> answer;
  {
    std::lock_guard<std::mutex> guard(dialogs.lock);
    answer = CloseLocked(dialogs, id, cancel, path);
  }
  return answer && PostTask(TID_UI, answer);
}

int WaitForOpenSaveDialog(int timeout_ms) {
  Dialogs& dialogs = GetDialogs();
  std::unique_lock<std::mutex> guard(dialogs.lock);
  dialogs.opened.wait_for(guard, std::chrono::milliseconds(timeout_ms),
                          [&] { return !dialogs.open.empty(); });
  return dialogs.open.empty() ? 0 : dialogs.open.begin()->first;
}

bool ReadSaveDialogRecord(int id, SaveDialogRecord* record) {
  Dialogs& dialogs = GetDialogs();
  std::lock_guard<std::mutex> guard(dialogs.lock);
  auto it = dialogs.records.find(id);
  if (it == dialogs.records.end())
    return false;
  *record = it->second;
  return true;
}

int SaveDialogCount() {
  Dialogs& dialogs = GetDialogs();
  std::lock_guard<std::mutex> guard(dialogs.lock);
  return static_cast<int>(dialogs.records.size());
}

}  // namespace browser
}  // namespace cefsim
