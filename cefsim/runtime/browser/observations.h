// What the browser runtime did, kept for tests to read through the control
// interface: browsers, frames, navigations, scripts. Records outlive the
// objects they describe. Every function is callable from any thread.
#ifndef CEFSIM_RUNTIME_BROWSER_OBSERVATIONS_H_
#define CEFSIM_RUNTIME_BROWSER_OBSERVATIONS_H_

#include <stdint.h>
#include <windows.h>

#include <functional>
#include <string>
#include <vector>

namespace cefsim {
namespace browser {

struct ScriptRecord {
  std::string code;
  std::string script_url;
  int start_line = 0;
};

struct FrameRecord {
  int browser_id = 0;
  int64_t frame_id = 0;
  int64_t parent_id = 0;  // 0 for the main frame.
  bool is_main = false;
  bool live = true;
  std::string url;   // Current URL, as CefFrame::GetURL gives it.
  std::string html;  // The document the frame shows.
  std::vector<std::string> navigations;  // URL of each navigation started.
  std::vector<ScriptRecord> scripts;     // In the order they were run.
};

struct BrowserRecord {
  int browser_id = 0;
  bool live = true;
  bool is_popup = false;
  int opener_id = 0;
  HWND window = nullptr;
  std::string title;  // Last title reported through OnTitleChange.
  // A navigation is under way: set as one starts, cleared once the last
  // one has ended, so it is never seen clear between a navigation's record
  // and its end.
  bool loading = false;
  int renderer_launches = 0;
  int renderer_ends = 0;           // Ends the browser has handled.
  std::vector<int64_t> frame_ids;  // Every frame it ever had, in order.
};

void ObserveBrowser(const BrowserRecord& record);
void ObserveFrame(const FrameRecord& record);

// Changes the record of a browser or frame; nothing when it is unknown.
void UpdateBrowserRecord(int browser_id,
                         const std::function<void(BrowserRecord*)>& edit);
void UpdateFrameRecord(int64_t frame_id,
                       const std::function<void(FrameRecord*)>& edit);

// Copies of records; false when unknown.
bool ReadBrowserRecord(int browser_id, BrowserRecord* record);
bool ReadFrameRecord(int64_t frame_id, FrameRecord* record);
// Ids of live browsers, oldest first.
std::vector<int> LiveBrowserIds();
int LiveFrameCount();
// Drops the records of browsers and frames that are gone; returns how many
// records went.
int ForgetClosedRecords();

}  // namespace browser
}  // namespace cefsim

#endif  // CEFSIM_RUNTIME_BROWSER_OBSERVATIONS_H_
