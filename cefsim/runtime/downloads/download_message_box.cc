#include "downloads/download_message_box.h"

namespace cefsim {
namespace browser {
namespace {

// The static control that holds a message box's text.
constexpr int kMessageTextId = 0xFFFF;

struct Search {
  HWND owner = nullptr;
  HWND root = nullptr;
  HWND found = nullptr;
};

BOOL CALLBACK MatchBox(HWND window, LPARAM param) {
  Search* search = reinterpret_cast<Search*>(param);
  wchar_t class_name[16] = {};
  GetClassNameW(window, class_name, 16);
  const HWND window_owner = GetWindow(window, GW_OWNER);
  if (wcscmp(class_name, L"#32770") != 0 || !IsWindowVisible(window) ||
      (window_owner != search->owner && window_owner != search->root)) {
    return TRUE;
  }
  search->found = window;
  return FALSE;
}

std::string Utf8(const std::wstring& text) {
  const int size = WideCharToMultiByte(CP_UTF8, 0, text.c_str(), -1, nullptr, 0,
                                       nullptr, nullptr);
  std::string utf8(size > 0 ? size - 1 : 0, '\0');
  if (size > 1) {
    WideCharToMultiByte(CP_UTF8, 0, text.c_str(), -1, &utf8[0], size, nullptr,
                        nullptr);
  }
  return utf8;
}

std::wstring WindowText(HWND window) {
  const int length = GetWindowTextLengthW(window);
  std::wstring text(length + 1, L'\0');
  GetWindowTextW(window, &text[0], length + 1);
  text.resize(length);
  return text;
}

BOOL CALLBACK FindTextStatic(HWND child, LPARAM param) {
  wchar_t class_name[16] = {};
  GetClassNameW(child, class_name, 16);
  if (_wcsicmp(class_name, L"Static") != 0 || WindowText(child).empty())
    return TRUE;
  *reinterpret_cast<HWND*>(param) = child;
  return FALSE;
}

}  // namespace

HWND FindOwnedMessageBox(HWND owner) {
  if (!owner)
    return nullptr;
  Search search;
  search.owner = owner;
  search.root = GetAncestor(owner, GA_ROOT);
  EnumWindows(MatchBox, reinterpret_cast<LPARAM>(&search));
  return search.found;
}

std::string MessageBoxText(HWND box) {
  HWND text = GetDlgItem(box, kMessageTextId);
  if (!text)  // Not every system numbers it so: the first static with text.
    EnumChildWindows(box, FindTextStatic, reinterpret_cast<LPARAM>(&text));
  return text ? Utf8(WindowText(text)) : std::string();
}

bool PressMessageBoxButton(HWND box, int button_id) {
  return PostMessageW(box, WM_COMMAND, MAKEWPARAM(button_id, BN_CLICKED),
                      reinterpret_cast<LPARAM>(GetDlgItem(box, button_id))) !=
         FALSE;
}

}  // namespace browser
}  // namespace cefsim
