// The C exports of cefsim/control_network.h.
#include <windows.h>

#include <chrono>
#include <cstring>
#include <functional>
#include <map>
#include <string>
#include <vector>

#include "auth/auth_demands.h"
#include "auth/auth_records.h"
#include "browser/download_manager.h"
#include "browser/request_context_proxy.h"
#include "cefsim/control_network.h"
#include "downloads/download_message_box.h"
#include "downloads/save_dialog.h"
#include "preferences/preference_records.h"

namespace {

using namespace cefsim::browser;

int CopyText(const std::string& text, char* buffer, int size) {
  if (buffer && size > 0) {
    const size_t count = text.size() < static_cast<size_t>(size - 1)
                             ? text.size()
                             : static_cast<size_t>(size - 1);
    memcpy(buffer, text.data(), count);
    buffer[count] = '\0';
  }
  return static_cast<int>(text.size());
}

std::string Text(const char* text) {
  return text ? text : std::string();
}

// Polls |condition| until it holds or |timeout_ms| ran out.
bool WaitFor(const std::function<bool()>& condition, int timeout_ms) {
  const auto deadline =
      std::chrono::steady_clock::now() + std::chrono::milliseconds(timeout_ms);
  while (!condition()) {
    if (std::chrono::steady_clock::now() >= deadline)
      return false;
    Sleep(5);
  }
  return true;
}

// A field of a record by its name; -1 (or 0 for int getters) when unknown.
template <class Record, class Value>
bool Field(
    const std::map<std::string, std::function<Value(const Record&)>>& fields,
    const char* name,
    const Record& record,
    Value* value) {
  auto it = fields.find(Text(name));
  if (it == fields.end())
    return false;
  *value = it->second(record);
  return true;
}

// Entry |index| of |records|; false for a bad index.
template <class Record>
bool At(const std::vector<Record>& records, int index, Record* record) {
  if (index < 0 || index >= static_cast<int>(records.size()))
    return false;
  *record = records[index];
  return true;
}

bool ReadPreferenceSet(int index, PreferenceSetRecord* record) {
  return At(PreferenceSetRecords(), index, record);
}

bool ReadNetworkRequest(int index, NetworkRequestRecord* record) {
  return At(NetworkRequestRecords(), index, record);
}

bool ReadAuthRecord(int index, AuthRecord* record) {
  return At(AuthRecords(), index, record);
}

// The message box owned by |owner|, waiting for one to show; null when
// none came.
HWND WaitForMessageBox(void* owner, int timeout_ms) {
  HWND box = nullptr;
  WaitFor(
      [&] {
        box = FindOwnedMessageBox(static_cast<HWND>(owner));
        return box != nullptr;
      },
      timeout_ms);
  return box;
}

AuthDemand MakeDemand(const char* realm,
                      const char* scheme,
                      const char* username,
                      const char* password,
                      int max_challenges) {
  AuthDemand demand;
  demand.realm = Text(realm);
  demand.scheme = Text(scheme);
  demand.any_credentials = username == nullptr;
  demand.username = Text(username);
  demand.password = Text(password);
  demand.max_challenges = max_challenges < 1 ? 1 : max_challenges;
  return demand;
}

int AuthOutcomeCode(AuthOutcome outcome) {
  switch (outcome) {
    case AuthOutcome::kPending:
      return CEFSIM_AUTH_PENDING;
    case AuthOutcome::kContinued:
      return CEFSIM_AUTH_CONTINUED;
    case AuthOutcome::kCanceled:
      return CEFSIM_AUTH_CANCELED;
  }
  return CEFSIM_AUTH_PENDING;
}

// DownloadPhase is declared in the order of the CEFSIM_DOWNLOAD_* codes.
int PhaseCode(DownloadPhase phase) {
  return static_cast<int>(phase);
}

}  // namespace

// --- Preferences ------------------------------------------------------------

int cefsim_preference_set_count(void) {
  return static_cast<int>(PreferenceSetRecords().size());
}

int cefsim_preference_set_name(int index, char* buffer, int size) {
  PreferenceSetRecord record;
  return ReadPreferenceSet(index, &record) ? CopyText(record.name, buffer, size)
                                           : -1;
}

int cefsim_preference_set_value(int index, char* buffer, int size) {
  PreferenceSetRecord record;
  return ReadPreferenceSet(index, &record)
             ? CopyText(record.value, buffer, size)
             : -1;
}

int cefsim_preference_set_flags(int index,
                                int* context_id,
                                int* on_ui_thread,
                                int* succeeded) {
  PreferenceSetRecord record;
  if (!ReadPreferenceSet(index, &record))
    return 0;
  *context_id = record.manager_id;
  *on_ui_thread = record.on_ui_thread;
  *succeeded = record.succeeded;
  return 1;
}

// --- Proxies ----------------------------------------------------------------

void cefsim_system_proxy(const char* server) {
  SetSystemProxy(Text(server));
}

int cefsim_network_request_count(void) {
  return static_cast<int>(NetworkRequestRecords().size());
}

int cefsim_network_request_url(int index, char* buffer, int size) {
  NetworkRequestRecord record;
  return ReadNetworkRequest(index, &record) ? CopyText(record.url, buffer, size)
                                            : -1;
}

int cefsim_network_request_browser(int index) {
  NetworkRequestRecord record;
  return ReadNetworkRequest(index, &record) ? record.browser_id : 0;
}

int cefsim_network_request_proxy(int index,
                                 char* mode,
                                 int mode_size,
                                 char* server,
                                 int server_size) {
  NetworkRequestRecord record;
  if (!ReadNetworkRequest(index, &record))
    return 0;
  CopyText(record.proxy.mode, mode, mode_size);
  CopyText(record.proxy.server, server, server_size);
  return 1;
}

// --- Authentication ---------------------------------------------------------

void cefsim_web_require_auth(const char* url,
                             const char* realm,
                             const char* scheme,
                             const char* username,
                             const char* password,
                             int max_challenges) {
  DemandServerAuth(
      Text(url), MakeDemand(realm, scheme, username, password, max_challenges));
}

void cefsim_proxy_require_auth(const char* server,
                               const char* realm,
                               const char* scheme,
                               const char* username,
                               const char* password,
                               int max_challenges) {
  DemandProxyAuth(Text(server), MakeDemand(realm, scheme, username, password,
                                           max_challenges));
}

int cefsim_auth_wait_challenges(int count, int timeout_ms) {
  WaitFor([count] { return static_cast<int>(AuthRecords().size()) >= count; },
          timeout_ms);
  return static_cast<int>(AuthRecords().size());
}

int cefsim_auth_wait_outcome(int index, int timeout_ms) {
  AuthRecord record;
  if (!ReadAuthRecord(index, &record))
    return -1;
  WaitFor(
      [&] {
        ReadAuthRecord(index, &record);
        return record.outcome != AuthOutcome::kPending;
      },
      timeout_ms);
  return AuthOutcomeCode(record.outcome);
}

int cefsim_auth_challenge_text(int index,
                               const char* field,
                               char* buffer,
                               int size) {
  static const auto* fields =
      new std::map<std::string, std::function<std::string(const AuthRecord&)>>{
          {"url", [](const AuthRecord& r) { return r.challenge.url; }},
          {"origin_url",
           [](const AuthRecord& r) { return r.challenge.origin_url; }},
          {"host", [](const AuthRecord& r) { return r.challenge.host; }},
          {"realm", [](const AuthRecord& r) { return r.challenge.realm; }},
          {"scheme", [](const AuthRecord& r) { return r.challenge.scheme; }},
          {"username", [](const AuthRecord& r) { return r.username; }},
          {"password", [](const AuthRecord& r) { return r.password; }},
      };
  AuthRecord record;
  std::string text;
  if (!ReadAuthRecord(index, &record) ||
      !Field(*fields, field, record, &text)) {
    return -1;
  }
  return CopyText(text, buffer, size);
}

int cefsim_auth_challenge_int(int index, const char* field, int* value) {
  static const auto* fields =
      new std::map<std::string, std::function<int(const AuthRecord&)>>{
          {"browser_id",
           [](const AuthRecord& r) { return r.challenge.browser_id; }},
          {"is_proxy",
           [](const AuthRecord& r) { return r.challenge.is_proxy ? 1 : 0; }},
          {"port", [](const AuthRecord& r) { return r.challenge.port; }},
          {"on_io_thread",
           [](const AuthRecord& r) { return r.asked_on_io_thread ? 1 : 0; }},
          {"handled", [](const AuthRecord& r) { return r.handled ? 1 : 0; }},
          {"outcome",
           [](const AuthRecord& r) { return AuthOutcomeCode(r.outcome); }},
      };
  AuthRecord record;
  return ReadAuthRecord(index, &record) && Field(*fields, field, record, value)
             ? 1
             : 0;
}

// --- Downloads --------------------------------------------------------------

int cefsim_page_download(int browser_id,
                         const char* url,
                         const char* file_name,
                         int64_t total_bytes,
                         int hold) {
  DownloadRequest request;
  request.url = Text(url);
  request.file_name = Text(file_name);
  request.total_bytes = total_bytes;
  request.hold = hold != 0;
  return StartPageDownload(browser_id, request);
}

void cefsim_web_serve_download(const char* url,
                               const char* file_name,
                               const char* mime_type,
                               int64_t total_bytes) {
  DownloadRequest request;
  request.file_name = Text(file_name);
  request.mime_type = Text(mime_type);
  request.total_bytes = total_bytes;
  ServeDownload(Text(url), request);
}

int cefsim_download_count(void) {
  return DownloadCount();
}

int cefsim_download_phase(int download_id) {
  DownloadRecord record;
  return ReadDownloadRecord(download_id, &record) ? PhaseCode(record.phase)
                                                  : -1;
}

int cefsim_download_wait_phase(int download_id, int phase, int timeout_ms) {
  return WaitFor([&] { return cefsim_download_phase(download_id) == phase; },
                 timeout_ms)
             ? 1
             : 0;
}

int cefsim_download_int(int download_id, const char* field, int64_t* value) {
  static const auto* fields =
      new std::map<std::string, std::function<int64_t(const DownloadRecord&)>>{
          {"browser_id",
           [](const DownloadRecord& r) -> int64_t { return r.browser_id; }},
          {"item_id",
           [](const DownloadRecord& r) -> int64_t { return r.item.id; }},
          {"received_bytes",
           [](const DownloadRecord& r) { return r.item.received_bytes; }},
          {"total_bytes",
           [](const DownloadRecord& r) { return r.item.total_bytes; }},
          {"can_download_calls",
           [](const DownloadRecord& r) -> int64_t {
             return r.can_download_calls;
           }},
          {"before_download_calls",
           [](const DownloadRecord& r) -> int64_t {
             return r.before_download_calls;
           }},
          {"updated_calls",
           [](const DownloadRecord& r) -> int64_t { return r.updated_calls; }},
          {"continue_calls",
           [](const DownloadRecord& r) -> int64_t { return r.continue_calls; }},
          {"continue_show_dialog",
           [](const DownloadRecord& r) -> int64_t {
             return r.continue_show_dialog ? 1 : 0;
           }},
      };
  DownloadRecord record;
  return ReadDownloadRecord(download_id, &record) &&
                 Field(*fields, field, record, value)
             ? 1
             : 0;
}

int cefsim_download_text(int download_id,
                         const char* field,
                         char* buffer,
                         int size) {
  static const auto* fields = new std::map<
      std::string, std::function<std::string(const DownloadRecord&)>>{
      {"full_path", [](const DownloadRecord& r) { return r.item.full_path; }},
      {"continue_path",
       [](const DownloadRecord& r) { return r.continue_path; }},
      {"url", [](const DownloadRecord& r) { return r.item.url; }},
      {"content_disposition",
       [](const DownloadRecord& r) { return r.item.content_disposition; }},
      {"mime_type", [](const DownloadRecord& r) { return r.item.mime_type; }},
  };
  DownloadRecord record;
  std::string text;
  if (!ReadDownloadRecord(download_id, &record) ||
      !Field(*fields, field, record, &text)) {
    return -1;
  }
  return CopyText(text, buffer, size);
}

int cefsim_download_finish(int download_id) {
  return FinishHeldDownload(download_id) ? 1 : 0;
}

int cefsim_download_cancel(int download_id) {
  return CancelDownload(download_id) ? 1 : 0;
}

int cefsim_download_repeat_update(int download_id) {
  return RepeatDownloadUpdate(download_id) ? 1 : 0;
}

// --- The save dialog --------------------------------------------------------

void cefsim_save_dialog_queue_answer(const char* path) {
  QueueSaveDialogAnswer(path == nullptr, Text(path));
}

int cefsim_save_dialog_wait(int timeout_ms) {
  return WaitForOpenSaveDialog(timeout_ms);
}

int cefsim_save_dialog_answer(int dialog_id, const char* path) {
  return AnswerSaveDialog(dialog_id, path == nullptr, Text(path)) ? 1 : 0;
}

int cefsim_save_dialog_count(void) {
  return SaveDialogCount();
}

int cefsim_save_dialog_text(int dialog_id,
                            const char* field,
                            char* buffer,
                            int size) {
  static const auto* fields =
      new std::map<std::string,
                   std::function<std::string(const SaveDialogRecord&)>>{
          {"default_file_name",
           [](const SaveDialogRecord& r) { return r.default_file_name; }},
          {"accept_type",
           [](const SaveDialogRecord& r) {
             return r.accept_types.empty() ? std::string() : r.accept_types[0];
           }},
          {"path", [](const SaveDialogRecord& r) { return r.path; }},
      };
  SaveDialogRecord record;
  std::string text;
  if (!ReadSaveDialogRecord(dialog_id, &record) ||
      !Field(*fields, field, record, &text)) {
    return -1;
  }
  return CopyText(text, buffer, size);
}

int cefsim_save_dialog_int(int dialog_id, const char* field, int* value) {
  static const auto* fields =
      new std::map<std::string, std::function<int(const SaveDialogRecord&)>>{
          {"browser_id",
           [](const SaveDialogRecord& r) { return r.browser_id; }},
          {"answered",
           [](const SaveDialogRecord& r) { return r.answered ? 1 : 0; }},
          {"canceled",
           [](const SaveDialogRecord& r) { return r.canceled ? 1 : 0; }},
      };
  SaveDialogRecord record;
  return ReadSaveDialogRecord(dialog_id, &record) &&
                 Field(*fields, field, record, value)
             ? 1
             : 0;
}

// --- Message boxes ----------------------------------------------------------

int cefsim_message_box_wait(void* owner, int timeout_ms, char* text, int size) {
  HWND box = WaitForMessageBox(owner, timeout_ms);
  if (!box)
    return 0;
  CopyText(MessageBoxText(box), text, size);
  return 1;
}

int cefsim_message_box_answer(void* owner, int button_id, int timeout_ms) {
  HWND box = WaitForMessageBox(owner, timeout_ms);
  if (!box || !PressMessageBoxButton(box, button_id))
    return 0;
  // Returns once the box is gone, so a box found next is a new one.
  return WaitFor([box] { return !IsWindow(box); }, timeout_ms) ? 1 : 0;
}
