// The control exports of control_web.h.
#include <algorithm>
#include <cstring>
#include <map>
#include <string>

#include "browser/browser_host_impl.h"
#include "browser/context.h"
#include "browser/observations.h"
#include "cefsim/control_web.h"
#include "diagnostics/object_counts.h"
#include "web/simulated_web.h"

namespace {

using cefsim::browser::BrowserRecord;
using cefsim::browser::FrameRecord;

int CopyOut(const std::string& text, char* buffer, int size) {
  if (buffer && size > 0) {
    const size_t count = std::min(text.size(), static_cast<size_t>(size - 1));
    std::memcpy(buffer, text.data(), count);
    buffer[count] = '\0';
  }
  return static_cast<int>(text.size());
}

std::string Text(const char* text) {
  return text ? text : "";
}

BrowserRecord Browser(int browser_id) {
  BrowserRecord record;
  cefsim::browser::ReadBrowserRecord(browser_id, &record);
  return record;
}

bool Frame(int64_t frame_id, FrameRecord* record) {
  return cefsim::browser::ReadFrameRecord(frame_id, record);
}

// The text fields of cef_settings_t by name.
const std::map<std::string, cef_string_t cef_settings_t::*>& TextFields() {
  static const auto* fields =
      new std::map<std::string, cef_string_t cef_settings_t::*>{
          {"browser_subprocess_path", &cef_settings_t::browser_subprocess_path},
          {"framework_dir_path", &cef_settings_t::framework_dir_path},
          {"main_bundle_path", &cef_settings_t::main_bundle_path},
          {"cache_path", &cef_settings_t::cache_path},
          {"root_cache_path", &cef_settings_t::root_cache_path},
          {"user_data_path", &cef_settings_t::user_data_path},
          {"user_agent", &cef_settings_t::user_agent},
          {"user_agent_product", &cef_settings_t::user_agent_product},
          {"locale", &cef_settings_t::locale},
          {"log_file", &cef_settings_t::log_file},
          {"javascript_flags", &cef_settings_t::javascript_flags},
          {"resources_dir_path", &cef_settings_t::resources_dir_path},
          {"locales_dir_path", &cef_settings_t::locales_dir_path},
          {"accept_language_list", &cef_settings_t::accept_language_list},
          {"cookieable_schemes_list", &cef_settings_t::cookieable_schemes_list},
      };
  return *fields;
}

bool IntField(const cef_settings_t& settings,
              const std::string& field,
              int* value) {
  const std::map<std::string, int> fields = {
      {"no_sandbox", settings.no_sandbox},
      {"chrome_runtime", settings.chrome_runtime},
      {"multi_threaded_message_loop", settings.multi_threaded_message_loop},
      {"external_message_pump", settings.external_message_pump},
      {"windowless_rendering_enabled", settings.windowless_rendering_enabled},
      {"command_line_args_disabled", settings.command_line_args_disabled},
      {"persist_session_cookies", settings.persist_session_cookies},
      {"persist_user_preferences", settings.persist_user_preferences},
      {"log_severity", static_cast<int>(settings.log_severity)},
      {"pack_loading_disabled", settings.pack_loading_disabled},
      {"remote_debugging_port", settings.remote_debugging_port},
      {"uncaught_exception_stack_size", settings.uncaught_exception_stack_size},
      {"background_color", static_cast<int>(settings.background_color)},
      {"cookieable_schemes_exclude_defaults",
       settings.cookieable_schemes_exclude_defaults},
  };
  auto it = fields.find(field);
  if (it == fields.end())
    return false;
  *value = it->second;
  return true;
}

}  // namespace

void cefsim_fail_next_initialize(void) {
  cefsim::browser::FailNextInitialize();
}

void cefsim_delay_next_context_initialized(int delay_ms) {
  cefsim::browser::DelayNextContextInitialized(delay_ms);
}

int cefsim_settings_text(const char* field, char* buffer, int size) {
  CefSettings settings;
  if (!field || !cefsim::browser::GetReceivedSettings(&settings))
    return -1;
  auto it = TextFields().find(field);
  if (it == TextFields().end())
    return -1;
  return CopyOut(CefString(&(settings.*(it->second))).ToString(), buffer, size);
}

int cefsim_settings_int(const char* field, int* value) {
  CefSettings settings;
  if (!field || !value || !cefsim::browser::GetReceivedSettings(&settings))
    return 0;
  return IntField(settings, field, value) ? 1 : 0;
}

void cefsim_web_serve(const char* url,
                      int status,
                      const char* title,
                      const char* html) {
  cefsim::browser::ServedPage page;
  page.http_status = status;
  page.has_title = title != nullptr;
  page.title = Text(title);
  page.html = Text(html);
  cefsim::browser::ServePage(Text(url), page);
}

void cefsim_web_add_subframe(const char* url, const char* subframe_url) {
  const std::string child = Text(subframe_url);
  cefsim::browser::EditServedPage(Text(url),
                                  [&](cefsim::browser::ServedPage* page) {
                                    page->subframe_urls.push_back(child);
                                  });
}

void cefsim_web_redirect(const char* url, const char* target) {
  const std::string to = Text(target);
  cefsim::browser::EditServedPage(
      Text(url),
      [&](cefsim::browser::ServedPage* page) { page->redirect_url = to; });
}

void cefsim_web_fail(const char* url, int net_error, int after_commit) {
  cefsim::browser::EditServedPage(Text(url),
                                  [&](cefsim::browser::ServedPage* page) {
                                    if (after_commit)
                                      page->net_error_after_commit = net_error;
                                    else
                                      page->net_error = net_error;
                                  });
}

void cefsim_web_clear(void) {
  cefsim::browser::ClearSimulatedWeb();
}

int cefsim_live_browser_count(void) {
  return static_cast<int>(cefsim::browser::LiveBrowserIds().size());
}

int cefsim_browser_object_count(void) {
  return cefsim::browser::BrowserHostImpl::object_count();
}

int cefsim_object_count(const char* kind) {
  cefsim::CountedKind counted;
  if (!kind || !cefsim::CountedKindNamed(kind, &counted))
    return -1;
  return cefsim::LiveObjectCount(counted);
}

int cefsim_live_frame_count(void) {
  return cefsim::browser::LiveFrameCount();
}

int cefsim_live_browser_ids(int* ids, int max) {
  const std::vector<int> live = cefsim::browser::LiveBrowserIds();
  for (int i = 0; ids && i < max && i < static_cast<int>(live.size()); ++i)
    ids[i] = live[i];
  return static_cast<int>(live.size());
}

void* cefsim_browser_window(int browser_id) {
  return Browser(browser_id).window;
}

int cefsim_browser_is_popup(int browser_id) {
  return Browser(browser_id).is_popup ? 1 : 0;
}

int cefsim_browser_opener(int browser_id) {
  return Browser(browser_id).opener_id;
}

int cefsim_browser_renderer_launches(int browser_id) {
  return Browser(browser_id).renderer_launches;
}

int cefsim_browser_renderer_ends(int browser_id) {
  return Browser(browser_id).renderer_ends;
}

int cefsim_browser_is_loading(int browser_id) {
  return Browser(browser_id).loading ? 1 : 0;
}

int cefsim_browser_title(int browser_id, char* buffer, int size) {
  BrowserRecord record;
  if (!cefsim::browser::ReadBrowserRecord(browser_id, &record))
    return -1;
  return CopyOut(record.title, buffer, size);
}

int cefsim_browser_frame_ids(int browser_id, int64_t* ids, int max) {
  const BrowserRecord record = Browser(browser_id);
  const int count = static_cast<int>(record.frame_ids.size());
  for (int i = 0; ids && i < max && i < count; ++i)
    ids[i] = record.frame_ids[i];
  return count;
}

int64_t cefsim_main_frame_id(int browser_id) {
  const BrowserRecord record = Browser(browser_id);
  return record.frame_ids.empty() ? 0 : record.frame_ids.front();
}

int cefsim_frame_is_live(int64_t frame_id) {
  FrameRecord record;
  return Frame(frame_id, &record) && record.live ? 1 : 0;
}

int64_t cefsim_frame_parent(int64_t frame_id) {
  FrameRecord record;
  return Frame(frame_id, &record) ? record.parent_id : 0;
}

int cefsim_frame_url(int64_t frame_id, char* buffer, int size) {
  FrameRecord record;
  return Frame(frame_id, &record) ? CopyOut(record.url, buffer, size) : -1;
}

int cefsim_frame_html(int64_t frame_id, char* buffer, int size) {
  FrameRecord record;
  return Frame(frame_id, &record) ? CopyOut(record.html, buffer, size) : -1;
}

int cefsim_frame_navigation_count(int64_t frame_id) {
  FrameRecord record;
  return Frame(frame_id, &record) ? static_cast<int>(record.navigations.size())
                                  : 0;
}

int cefsim_frame_navigation_url(int64_t frame_id,
                                int index,
                                char* buffer,
                                int size) {
  FrameRecord record;
  if (!Frame(frame_id, &record) || index < 0 ||
      index >= static_cast<int>(record.navigations.size())) {
    return -1;
  }
  return CopyOut(record.navigations[index], buffer, size);
}

int cefsim_frame_script_count(int64_t frame_id) {
  FrameRecord record;
  return Frame(frame_id, &record) ? static_cast<int>(record.scripts.size()) : 0;
}

namespace {

const cefsim::browser::ScriptRecord* Script(const FrameRecord& record,
                                            int index) {
  if (index < 0 || index >= static_cast<int>(record.scripts.size()))
    return nullptr;
  return &record.scripts[index];
}

}  // namespace

int cefsim_frame_script(int64_t frame_id, int index, char* buffer, int size) {
  FrameRecord record;
  if (!Frame(frame_id, &record) || !Script(record, index))
    return -1;
  return CopyOut(Script(record, index)->code, buffer, size);
}

int cefsim_frame_script_url(int64_t frame_id,
                            int index,
                            char* buffer,
                            int size) {
  FrameRecord record;
  if (!Frame(frame_id, &record) || !Script(record, index))
    return -1;
  return CopyOut(Script(record, index)->script_url, buffer, size);
}

int cefsim_frame_script_line(int64_t frame_id, int index) {
  FrameRecord record;
  if (!Frame(frame_id, &record) || !Script(record, index))
    return 0;
  return Script(record, index)->start_line;
}
