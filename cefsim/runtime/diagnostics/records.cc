#include "diagnostics/records.h"

#include <windows.h>

#include <algorithm>
#include <atomic>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <mutex>
#include <utility>
#include <vector>

#include "cefsim/control.h"

namespace cefsim {
namespace {

struct Records {
  std::mutex lock;
  std::vector<std::string> violations;                     // Guarded by |lock|.
  std::vector<std::pair<std::string, std::string>> notes;  // Guarded by |lock|.
};

// Leaked on purpose: records may be written by threads that outlive static
// destruction at process exit.
Records& GetRecords() {
  static Records* records = new Records();
  return *records;
}

std::atomic<RecordForwarder> g_forwarder{nullptr};

bool ViolationsAreFatal() {
  const char* value = std::getenv("CEFSIM_FATAL");
  return value && std::strcmp(value, "1") == 0;
}

}  // namespace

void ReportViolation(const std::string& text) {
  std::fprintf(stderr, "cefsim: violation: %s\n", text.c_str());
  std::fflush(stderr);
  if (RecordForwarder forwarder = g_forwarder.load())
    forwarder(std::string(), text);
  if (ViolationsAreFatal())
    ExitProcess(3);
  Records& records = GetRecords();
  std::lock_guard<std::mutex> guard(records.lock);
  records.violations.push_back(text);
}

void RecordNote(const std::string& tag, const std::string& detail) {
  if (RecordForwarder forwarder = g_forwarder.load())
    forwarder(tag, detail);
  Records& records = GetRecords();
  std::lock_guard<std::mutex> guard(records.lock);
  records.notes.emplace_back(tag, detail);
}

void SetRecordForwarder(RecordForwarder forwarder) {
  g_forwarder = forwarder;
}

}  // namespace cefsim

int cefsim_violation_count(void) {
  cefsim::Records& records = cefsim::GetRecords();
  std::lock_guard<std::mutex> guard(records.lock);
  return static_cast<int>(records.violations.size());
}

int cefsim_violation_text(int index, char* buffer, int size) {
  cefsim::Records& records = cefsim::GetRecords();
  std::lock_guard<std::mutex> guard(records.lock);
  if (index < 0 || index >= static_cast<int>(records.violations.size()))
    return -1;
  const std::string& text = records.violations[index];
  if (buffer && size > 0) {
    size_t count = std::min(text.size(), static_cast<size_t>(size - 1));
    std::memcpy(buffer, text.data(), count);
    buffer[count] = '\0';
  }
  return static_cast<int>(text.size());
}

int cefsim_note_count(const char* tag) {
  cefsim::Records& records = cefsim::GetRecords();
  std::lock_guard<std::mutex> guard(records.lock);
  if (!tag)
    return static_cast<int>(records.notes.size());
  int count = 0;
  for (const auto& note : records.notes) {
    if (note.first == tag)
      ++count;
  }
  return count;
}

void cefsim_clear_records(void) {
  cefsim::Records& records = cefsim::GetRecords();
  std::lock_guard<std::mutex> guard(records.lock);
  records.violations.clear();
  records.notes.clear();
}

void cefsim_test_force_violation(const char* text) {
  cefsim::ReportViolation(text ? text : "");
}
