// cefsim: C++ wrappers of CEF 109 over the C structures of cef_types.h:
// CefStructBase (structures holding strings, with traits that say how to
// initialise, copy and clear them) and small value classes for geometry and
// events.

#ifndef CEF_INCLUDE_INTERNAL_CEF_TYPES_WRAPPERS_H_
#define CEF_INCLUDE_INTERNAL_CEF_TYPES_WRAPPERS_H_
#pragma once

#include <string.h>

#include "include/internal/cef_string.h"
#include "include/internal/cef_string_list.h"
#include "include/internal/cef_types.h"

// Wraps traits::struct_type. Owns the strings of its own copy unless it is
// attached to an external structure, whose strings then stay with that
// structure's owner.
template <class traits>
class CefStructBase : public traits::struct_type {
 public:
  using struct_type = typename traits::struct_type;

  CefStructBase() : attached_to_(NULL) { Init(); }
  virtual ~CefStructBase() {
    // An attached structure's strings belong to it, not to us.
    if (!attached_to_)
      Clear(this);
  }

  CefStructBase(const CefStructBase& r) {
    Init();
    *this = r;
  }
  CefStructBase(const struct_type& r) {
    Init();
    *this = r;
  }

  // Takes a shallow copy of |source|, which keeps ownership of its strings.
  void AttachTo(struct_type& source) {
    if (!attached_to_)
      Clear(this);
    attached_to_ = &source;
    memcpy(static_cast<struct_type*>(this), &source, sizeof(struct_type));
  }

  // Moves the contents into |target| (clearing what |target| held unless it
  // is the attached structure) and resets this object.
  void DetachTo(struct_type& target) {
    if (attached_to_ != &target)
      Clear(&target);
    memcpy(&target, static_cast<struct_type*>(this), sizeof(struct_type));
    Init();
  }

  // Copies |source| in; |copy| false shares its string buffers.
  void Set(const struct_type& source, bool copy) {
    traits::set(&source, this, copy);
  }

  CefStructBase& operator=(const CefStructBase& s) {
    return operator=(static_cast<const struct_type&>(s));
  }

  CefStructBase& operator=(const struct_type& s) {
    Set(s, true);
    return *this;
  }

 protected:
  void Init() {
    memset(static_cast<struct_type*>(this), 0, sizeof(struct_type));
    attached_to_ = NULL;
    traits::init(this);
  }

  static void Clear(struct_type* s) { traits::clear(s); }

  struct_type* attached_to_;  // Not owned; NULL unless AttachTo was called.
};

// A point in device-independent pixels.
class CefPoint : public cef_point_t {
 public:
  CefPoint() : cef_point_t{} {}
  CefPoint(const cef_point_t& r) : cef_point_t(r) {}
  CefPoint(int x, int y) : cef_point_t{x, y} {}

  bool IsEmpty() const { return x <= 0 && y <= 0; }
  void Set(int x_val, int y_val) {
    x = x_val;
    y = y_val;
  }
};

inline bool operator==(const CefPoint& a, const CefPoint& b) {
  return a.x == b.x && a.y == b.y;
}

inline bool operator!=(const CefPoint& a, const CefPoint& b) {
  return !(a == b);
}

// A rectangle: origin plus size.
class CefRect : public cef_rect_t {
 public:
  CefRect() : cef_rect_t{} {}
  CefRect(const cef_rect_t& r) : cef_rect_t(r) {}
  CefRect(int x, int y, int width, int height)
      : cef_rect_t{x, y, width, height} {}

  bool IsEmpty() const { return width <= 0 || height <= 0; }
  void Set(int x_val, int y_val, int width_val, int height_val) {
    x = x_val;
    y = y_val;
    width = width_val;
    height = height_val;
  }

  // Right and bottom edges are exclusive.
  bool Contains(int point_x, int point_y) const {
    return point_x >= x && point_x < x + width && point_y >= y &&
           point_y < y + height;
  }
  bool Contains(const CefPoint& point) const {
    return Contains(point.x, point.y);
  }
};

inline bool operator==(const CefRect& a, const CefRect& b) {
  return a.x == b.x && a.y == b.y && a.width == b.width && a.height == b.height;
}

inline bool operator!=(const CefRect& a, const CefRect& b) {
  return !(a == b);
}

// A width and height.
class CefSize : public cef_size_t {
 public:
  CefSize() : cef_size_t{} {}
  CefSize(const cef_size_t& r) : cef_size_t(r) {}
  CefSize(int width, int height) : cef_size_t{width, height} {}

  bool IsEmpty() const { return width <= 0 || height <= 0; }
  void Set(int width_val, int height_val) {
    width = width_val;
    height = height_val;
  }
};

inline bool operator==(const CefSize& a, const CefSize& b) {
  return a.width == b.width && a.height == b.height;
}

inline bool operator!=(const CefSize& a, const CefSize& b) {
  return !(a == b);
}

// A half-open range [from, to).
class CefRange : public cef_range_t {
 public:
  CefRange() : cef_range_t{} {}
  CefRange(const cef_range_t& r) : cef_range_t(r) {}
  CefRange(int from, int to) : cef_range_t{from, to} {}

  void Set(int from_val, int to_val) {
    from = from_val;
    to = to_val;
  }
};

inline bool operator==(const CefRange& a, const CefRange& b) {
  return a.from == b.from && a.to == b.to;
}

inline bool operator!=(const CefRange& a, const CefRange& b) {
  return !(a == b);
}

// Insets on each side of a rectangle.
class CefInsets : public cef_insets_t {
 public:
  CefInsets() : cef_insets_t{} {}
  CefInsets(const cef_insets_t& r) : cef_insets_t(r) {}
  CefInsets(int top, int left, int bottom, int right)
      : cef_insets_t{top, left, bottom, right} {}

  void Set(int top_val, int left_val, int bottom_val, int right_val) {
    top = top_val;
    left = left_val;
    bottom = bottom_val;
    right = right_val;
  }
};

inline bool operator==(const CefInsets& a, const CefInsets& b) {
  return a.top == b.top && a.left == b.left && a.bottom == b.bottom &&
         a.right == b.right;
}

inline bool operator!=(const CefInsets& a, const CefInsets& b) {
  return !(a == b);
}

// A region of a window that drags the window (or not).
class CefDraggableRegion : public cef_draggable_region_t {
 public:
  CefDraggableRegion() : cef_draggable_region_t{} {}
  CefDraggableRegion(const cef_draggable_region_t& r)
      : cef_draggable_region_t(r) {}
  CefDraggableRegion(const cef_rect_t& bounds, bool draggable)
      : cef_draggable_region_t{bounds, draggable} {}

  void Set(const CefRect& bounds_val, bool draggable_val) {
    bounds = bounds_val;
    draggable = draggable_val;
  }
};

inline bool operator==(const CefDraggableRegion& a,
                       const CefDraggableRegion& b) {
  return a.bounds == b.bounds && a.draggable == b.draggable;
}

inline bool operator!=(const CefDraggableRegion& a,
                       const CefDraggableRegion& b) {
  return !(a == b);
}

// What a windowless browser is told about its screen.
class CefScreenInfo : public cef_screen_info_t {
 public:
  CefScreenInfo() : cef_screen_info_t{} {}
  CefScreenInfo(const cef_screen_info_t& r) : cef_screen_info_t(r) {}
  CefScreenInfo(float device_scale_factor,
                int depth,
                int depth_per_component,
                bool is_monochrome,
                const cef_rect_t& rect,
                const cef_rect_t& available_rect)
      : cef_screen_info_t{device_scale_factor, depth, depth_per_component,
                          is_monochrome,       rect,  available_rect} {}

  void Set(float device_scale_factor_val,
           int depth_val,
           int depth_per_component_val,
           bool is_monochrome_val,
           const CefRect& rect_val,
           const CefRect& available_rect_val) {
    device_scale_factor = device_scale_factor_val;
    depth = depth_val;
    depth_per_component = depth_per_component_val;
    is_monochrome = is_monochrome_val;
    rect = rect_val;
    available_rect = available_rect_val;
  }
};

// A keyboard event.
class CefKeyEvent : public cef_key_event_t {
 public:
  CefKeyEvent() : cef_key_event_t{} {}
  CefKeyEvent(const cef_key_event_t& r) : cef_key_event_t(r) {}
};

// A mouse event.
class CefMouseEvent : public cef_mouse_event_t {
 public:
  CefMouseEvent() : cef_mouse_event_t{} {}
  CefMouseEvent(const cef_mouse_event_t& r) : cef_mouse_event_t(r) {}
};

// A touch event.
class CefTouchEvent : public cef_touch_event_t {
 public:
  CefTouchEvent() : cef_touch_event_t{} {}
  CefTouchEvent(const cef_touch_event_t& r) : cef_touch_event_t(r) {}
};

// The window features a script asked for when opening a popup.
class CefPopupFeatures : public cef_popup_features_t {
 public:
  CefPopupFeatures() : cef_popup_features_t{} {}
  CefPopupFeatures(const cef_popup_features_t& r) : cef_popup_features_t(r) {}
};

namespace cefsim_struct_detail {

// Copies (or, with |copy| false, shares) one string field.
inline void SetString(const cef_string_t& src,
                      cef_string_t* target,
                      bool copy) {
  cef_string_set(src.str, src.length, target, copy);
}

}  // namespace cefsim_struct_detail

// Traits of CefSettings: the global settings passed to CefInitialize.
struct CefSettingsTraits {
  using struct_type = cef_settings_t;

  static inline void init(struct_type* s) { s->size = sizeof(struct_type); }

  static inline void clear(struct_type* s) {
    cef_string_clear(&s->browser_subprocess_path);
    cef_string_clear(&s->framework_dir_path);
    cef_string_clear(&s->main_bundle_path);
    cef_string_clear(&s->cache_path);
    cef_string_clear(&s->root_cache_path);
    cef_string_clear(&s->user_data_path);
    cef_string_clear(&s->user_agent);
    cef_string_clear(&s->user_agent_product);
    cef_string_clear(&s->locale);
    cef_string_clear(&s->log_file);
    cef_string_clear(&s->javascript_flags);
    cef_string_clear(&s->resources_dir_path);
    cef_string_clear(&s->locales_dir_path);
    cef_string_clear(&s->accept_language_list);
    cef_string_clear(&s->cookieable_schemes_list);
  }

  // Copies every field but |size|; strings are copied or shared per |copy|.
  static inline void set(const struct_type* src,
                         struct_type* target,
                         bool copy) {
    target->no_sandbox = src->no_sandbox;
    cefsim_struct_detail::SetString(src->browser_subprocess_path,
                                    &target->browser_subprocess_path, copy);
    cefsim_struct_detail::SetString(src->framework_dir_path,
                                    &target->framework_dir_path, copy);
    cefsim_struct_detail::SetString(src->main_bundle_path,
                                    &target->main_bundle_path, copy);
    target->chrome_runtime = src->chrome_runtime;
    target->multi_threaded_message_loop = src->multi_threaded_message_loop;
    target->external_message_pump = src->external_message_pump;
    target->windowless_rendering_enabled = src->windowless_rendering_enabled;
    target->command_line_args_disabled = src->command_line_args_disabled;
    cefsim_struct_detail::SetString(src->cache_path, &target->cache_path, copy);
    cefsim_struct_detail::SetString(src->root_cache_path,
                                    &target->root_cache_path, copy);
    cefsim_struct_detail::SetString(src->user_data_path,
                                    &target->user_data_path, copy);
    target->persist_session_cookies = src->persist_session_cookies;
    target->persist_user_preferences = src->persist_user_preferences;
    cefsim_struct_detail::SetString(src->user_agent, &target->user_agent, copy);
    cefsim_struct_detail::SetString(src->user_agent_product,
                                    &target->user_agent_product, copy);
    cefsim_struct_detail::SetString(src->locale, &target->locale, copy);
    cefsim_struct_detail::SetString(src->log_file, &target->log_file, copy);
    target->log_severity = src->log_severity;
    cefsim_struct_detail::SetString(src->javascript_flags,
                                    &target->javascript_flags, copy);
    cefsim_struct_detail::SetString(src->resources_dir_path,
                                    &target->resources_dir_path, copy);
    cefsim_struct_detail::SetString(src->locales_dir_path,
                                    &target->locales_dir_path, copy);
    target->pack_loading_disabled = src->pack_loading_disabled;
    target->remote_debugging_port = src->remote_debugging_port;
    target->uncaught_exception_stack_size = src->uncaught_exception_stack_size;
    target->background_color = src->background_color;
    cefsim_struct_detail::SetString(src->accept_language_list,
                                    &target->accept_language_list, copy);
    cefsim_struct_detail::SetString(src->cookieable_schemes_list,
                                    &target->cookieable_schemes_list, copy);
    target->cookieable_schemes_exclude_defaults =
        src->cookieable_schemes_exclude_defaults;
  }
};

using CefSettings = CefStructBase<CefSettingsTraits>;

// Traits of CefRequestContextSettings: the settings of a request context.
struct CefRequestContextSettingsTraits {
  using struct_type = cef_request_context_settings_t;

  static inline void init(struct_type* s) { s->size = sizeof(struct_type); }

  static inline void clear(struct_type* s) {
    cef_string_clear(&s->cache_path);
    cef_string_clear(&s->accept_language_list);
    cef_string_clear(&s->cookieable_schemes_list);
  }

  // Copies every field but |size|; strings are copied or shared per |copy|.
  static inline void set(const struct_type* src,
                         struct_type* target,
                         bool copy) {
    cefsim_struct_detail::SetString(src->cache_path, &target->cache_path, copy);
    target->persist_session_cookies = src->persist_session_cookies;
    target->persist_user_preferences = src->persist_user_preferences;
    cefsim_struct_detail::SetString(src->accept_language_list,
                                    &target->accept_language_list, copy);
    cefsim_struct_detail::SetString(src->cookieable_schemes_list,
                                    &target->cookieable_schemes_list, copy);
    target->cookieable_schemes_exclude_defaults =
        src->cookieable_schemes_exclude_defaults;
  }
};

using CefRequestContextSettings =
    CefStructBase<CefRequestContextSettingsTraits>;

// Traits of CefBrowserSettings: the settings of one browser.
struct CefBrowserSettingsTraits {
  using struct_type = cef_browser_settings_t;

  static inline void init(struct_type* s) { s->size = sizeof(struct_type); }

  static inline void clear(struct_type* s) {
    cef_string_clear(&s->standard_font_family);
    cef_string_clear(&s->fixed_font_family);
    cef_string_clear(&s->serif_font_family);
    cef_string_clear(&s->sans_serif_font_family);
    cef_string_clear(&s->cursive_font_family);
    cef_string_clear(&s->fantasy_font_family);
    cef_string_clear(&s->default_encoding);
    cef_string_clear(&s->accept_language_list);
  }

  // Copies every field but |size|; strings are copied or shared per |copy|.
  static inline void set(const struct_type* src,
                         struct_type* target,
                         bool copy) {
    target->windowless_frame_rate = src->windowless_frame_rate;
    cefsim_struct_detail::SetString(src->standard_font_family,
                                    &target->standard_font_family, copy);
    cefsim_struct_detail::SetString(src->fixed_font_family,
                                    &target->fixed_font_family, copy);
    cefsim_struct_detail::SetString(src->serif_font_family,
                                    &target->serif_font_family, copy);
    cefsim_struct_detail::SetString(src->sans_serif_font_family,
                                    &target->sans_serif_font_family, copy);
    cefsim_struct_detail::SetString(src->cursive_font_family,
                                    &target->cursive_font_family, copy);
    cefsim_struct_detail::SetString(src->fantasy_font_family,
                                    &target->fantasy_font_family, copy);
    target->default_font_size = src->default_font_size;
    target->default_fixed_font_size = src->default_fixed_font_size;
    target->minimum_font_size = src->minimum_font_size;
    target->minimum_logical_font_size = src->minimum_logical_font_size;
    cefsim_struct_detail::SetString(src->default_encoding,
                                    &target->default_encoding, copy);
    target->remote_fonts = src->remote_fonts;
    target->javascript = src->javascript;
    target->javascript_close_windows = src->javascript_close_windows;
    target->javascript_access_clipboard = src->javascript_access_clipboard;
    target->javascript_dom_paste = src->javascript_dom_paste;
    target->image_loading = src->image_loading;
    target->image_shrink_standalone_to_fit =
        src->image_shrink_standalone_to_fit;
    target->text_area_resize = src->text_area_resize;
    target->tab_to_links = src->tab_to_links;
    target->local_storage = src->local_storage;
    target->databases = src->databases;
    target->webgl = src->webgl;
    target->background_color = src->background_color;
    cefsim_struct_detail::SetString(src->accept_language_list,
                                    &target->accept_language_list, copy);
    target->chrome_status_bubble = src->chrome_status_bubble;
  }
};

using CefBrowserSettings = CefStructBase<CefBrowserSettingsTraits>;

// Traits of CefURLParts: a URL split into its components.
struct CefURLPartsTraits {
  using struct_type = cef_urlparts_t;

  static inline void init(struct_type*) {}

  static inline void clear(struct_type* s) {
    cef_string_clear(&s->spec);
    cef_string_clear(&s->scheme);
    cef_string_clear(&s->username);
    cef_string_clear(&s->password);
    cef_string_clear(&s->host);
    cef_string_clear(&s->port);
    cef_string_clear(&s->origin);
    cef_string_clear(&s->path);
    cef_string_clear(&s->query);
    cef_string_clear(&s->fragment);
  }

  // Copies every field but |size|; strings are copied or shared per |copy|.
  static inline void set(const struct_type* src,
                         struct_type* target,
                         bool copy) {
    cefsim_struct_detail::SetString(src->spec, &target->spec, copy);
    cefsim_struct_detail::SetString(src->scheme, &target->scheme, copy);
    cefsim_struct_detail::SetString(src->username, &target->username, copy);
    cefsim_struct_detail::SetString(src->password, &target->password, copy);
    cefsim_struct_detail::SetString(src->host, &target->host, copy);
    cefsim_struct_detail::SetString(src->port, &target->port, copy);
    cefsim_struct_detail::SetString(src->origin, &target->origin, copy);
    cefsim_struct_detail::SetString(src->path, &target->path, copy);
    cefsim_struct_detail::SetString(src->query, &target->query, copy);
    cefsim_struct_detail::SetString(src->fragment, &target->fragment, copy);
  }
};

using CefURLParts = CefStructBase<CefURLPartsTraits>;

// The state of a touch selection handle.
class CefTouchHandleState : public cef_touch_handle_state_t {
 public:
  CefTouchHandleState() : cef_touch_handle_state_t{} {}
  CefTouchHandleState(const cef_touch_handle_state_t& r)
      : cef_touch_handle_state_t(r) {}
};

// Traits of CefCookie: one cookie.
struct CefCookieTraits {
  using struct_type = cef_cookie_t;

  static inline void init(struct_type*) {}

  static inline void clear(struct_type* s) {
    cef_string_clear(&s->name);
    cef_string_clear(&s->value);
    cef_string_clear(&s->domain);
    cef_string_clear(&s->path);
  }

  // Copies every field but |size|; strings are copied or shared per |copy|.
  static inline void set(const struct_type* src,
                         struct_type* target,
                         bool copy) {
    cefsim_struct_detail::SetString(src->name, &target->name, copy);
    cefsim_struct_detail::SetString(src->value, &target->value, copy);
    cefsim_struct_detail::SetString(src->domain, &target->domain, copy);
    cefsim_struct_detail::SetString(src->path, &target->path, copy);
    target->secure = src->secure;
    target->httponly = src->httponly;
    target->creation = src->creation;
    target->last_access = src->last_access;
    target->has_expires = src->has_expires;
    target->expires = src->expires;
    target->same_site = src->same_site;
    target->priority = src->priority;
  }
};

using CefCookie = CefStructBase<CefCookieTraits>;

// A custom cursor image.
class CefCursorInfo : public cef_cursor_info_t {
 public:
  CefCursorInfo() : cef_cursor_info_t{} {}
  CefCursorInfo(const cef_cursor_info_t& r) : cef_cursor_info_t(r) {}
};

// Traits of CefPdfPrintSettings: the settings of a PDF print job.
struct CefPdfPrintSettingsTraits {
  using struct_type = cef_pdf_print_settings_t;

  static inline void init(struct_type*) {}

  static inline void clear(struct_type* s) {
    cef_string_clear(&s->page_ranges);
    cef_string_clear(&s->header_template);
    cef_string_clear(&s->footer_template);
  }

  // Copies every field but |size|; strings are copied or shared per |copy|.
  static inline void set(const struct_type* src,
                         struct_type* target,
                         bool copy) {
    target->landscape = src->landscape;
    target->print_background = src->print_background;
    target->scale = src->scale;
    target->paper_width = src->paper_width;
    target->paper_height = src->paper_height;
    target->prefer_css_page_size = src->prefer_css_page_size;
    target->margin_type = src->margin_type;
    target->margin_top = src->margin_top;
    target->margin_right = src->margin_right;
    target->margin_bottom = src->margin_bottom;
    target->margin_left = src->margin_left;
    cefsim_struct_detail::SetString(src->page_ranges, &target->page_ranges,
                                    copy);
    target->display_header_footer = src->display_header_footer;
    cefsim_struct_detail::SetString(src->header_template,
                                    &target->header_template, copy);
    cefsim_struct_detail::SetString(src->footer_template,
                                    &target->footer_template, copy);
  }
};

using CefPdfPrintSettings = CefStructBase<CefPdfPrintSettingsTraits>;

// Layout settings of a views box layout.
class CefBoxLayoutSettings : public cef_box_layout_settings_t {
 public:
  CefBoxLayoutSettings() : cef_box_layout_settings_t{} {}
  CefBoxLayoutSettings(const cef_box_layout_settings_t& r)
      : cef_box_layout_settings_t(r) {}
};

// An IME composition underline.
class CefCompositionUnderline : public cef_composition_underline_t {
 public:
  CefCompositionUnderline() : cef_composition_underline_t{} {}
  CefCompositionUnderline(const cef_composition_underline_t& r)
      : cef_composition_underline_t(r) {}
};

// The format of an audio stream.
class CefAudioParameters : public cef_audio_parameters_t {
 public:
  CefAudioParameters() : cef_audio_parameters_t{} {}
  CefAudioParameters(const cef_audio_parameters_t& r)
      : cef_audio_parameters_t(r) {}
};

// Traits of CefMediaSinkDeviceInfo: the device information of a media sink.
struct CefMediaSinkDeviceInfoTraits {
  using struct_type = cef_media_sink_device_info_t;

  static inline void init(struct_type*) {}

  static inline void clear(struct_type* s) {
    cef_string_clear(&s->ip_address);
    cef_string_clear(&s->model_name);
  }

  // Copies every field but |size|; strings are copied or shared per |copy|.
  static inline void set(const struct_type* src,
                         struct_type* target,
                         bool copy) {
    cefsim_struct_detail::SetString(src->ip_address, &target->ip_address, copy);
    target->port = src->port;
    cefsim_struct_detail::SetString(src->model_name, &target->model_name, copy);
  }
};

using CefMediaSinkDeviceInfo = CefStructBase<CefMediaSinkDeviceInfoTraits>;

#endif  // CEF_INCLUDE_INTERNAL_CEF_TYPES_WRAPPERS_H_
