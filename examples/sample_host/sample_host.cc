// A small Win32 host application for orvcef.dll, written the way a real host
// would use the kit:
//
//  - a main window with three host views (class "CefCont"), one per route of
//    the web application, switched from the View menu or with Ctrl+1..3;
//  - a message window that answers the page's cefQuery requests;
//  - Page menu items that run script in the page and reload it;
//  - an optional proxy server from the command line;
//  - the two-step shutdown (OrvCefPrevTerm, then OrvCefTerm) on exit.
//
// Command line (all optional):
//   --url=<start URL>          the web application (default below)
//   --hosts=<a,b,...>          host names whose pages may query the host
//   --proxy=<server>           proxy server, e.g. proxy.corp:8080
//   --proxy-user=<name>        proxy credentials
//   --proxy-password=<secret>
//   --tour                     show each view in turn, run a script, then
//                              quit on its own
//   --debug                    CEF writes debug.log and opens port 9229
//
// The host prints one line per event to standard output, so a run can be
// followed from a console.
#include <windows.h>

#include <shellapi.h>
#include <time.h>

#include <string>
#include <vector>

#include "orvcef/include/orvcef.h"

namespace {

constexpr wchar_t kMainClass[] = L"OrvCefSampleHost";
constexpr wchar_t kMessageClass[] = L"OrvCefSampleHostMessages";
// Host views must use the kit's window class and the instance handle the kit
// was started with.
constexpr wchar_t kHostViewClass[] = L"CefCont";
constexpr wchar_t kDefaultUrl[] = L"https://app.example/";
constexpr wchar_t kDefaultHosts[] = L"app.example";

enum Command : UINT {
  kShowHome = 100,
  kShowOrders,
  kShowSettings,
  kRunScript,
  kReloadPage,
  kQuit,
};

constexpr UINT_PTR kTourTimer = 1;
constexpr UINT kTourStepMs = 1500;
// The kit reports no title changes; the caption follows the browser
// window's text, which carries the page title.
constexpr UINT_PTR kTitleTimer = 2;
constexpr UINT kTitleCheckMs = 250;
constexpr wchar_t kMainTitle[] = L"orvcef sample host";

// One host view: a route of the web application and the window that shows
// it. The route text must stay valid while the window's "uri" property
// points at it, so it lives here for the life of the program.
struct HostView {
  const wchar_t* title;
  std::wstring route;
  HWND window = nullptr;
};

struct Options {
  std::wstring url = kDefaultUrl;
  std::wstring hosts = kDefaultHosts;  // Comma-separated.
  std::wstring proxy_server;
  std::wstring proxy_user;
  std::wstring proxy_password;
  bool tour = false;
  bool debug = false;
};

HINSTANCE g_instance = nullptr;
HWND g_main_window = nullptr;
HWND g_browser_window = nullptr;  // Owned by the kit; we only show it.
std::vector<HostView> g_views = {{L"Home", L"/home"},
                                 {L"Orders", L"/orders"},
                                 {L"Settings", L"/settings"}};
size_t g_current_view = 0;
size_t g_tour_step = 0;
std::wstring g_page_title;

// --- Output ---------------------------------------------------------------

std::string ToUtf8(const std::wstring& text) {
  if (text.empty())
    return std::string();
  const int size = WideCharToMultiByte(CP_UTF8, 0, text.data(),
                                       static_cast<int>(text.size()), nullptr,
                                       0, nullptr, nullptr);
  std::string utf8(size, '\0');
  WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()),
                      &utf8[0], size, nullptr, nullptr);
  return utf8;
}

// One write per line: the simulated runtime prints its "page:" lines to the
// same output from its own threads, and a line written in pieces could be
// cut in two by one of them.
void Say(const std::string& line) {
  const std::string text = "host: " + line + "\n";
  DWORD written = 0;
  WriteFile(GetStdHandle(STD_OUTPUT_HANDLE), text.data(),
            static_cast<DWORD>(text.size()), &written, nullptr);
}

// --- The message window: the page's requests -------------------------------

// Writes |reply| with its terminator into the kit's reply buffer.
void WriteReply(const std::string& reply, char* buffer) {
  const size_t length = reply.size() < ORVCEF_REPLY_BUFFER_SIZE - 1
                            ? reply.size()
                            : ORVCEF_REPLY_BUFFER_SIZE - 1;
  memcpy(buffer, reply.data(), length);
  buffer[length] = '\0';
}

// The requests this host understands. "ok:" starts a success; any other
// text is a failure the page receives with code 1; an empty reply is a
// failure "Unknown".
std::string Answer(const std::wstring& request) {
  if (request == L"time") {
    char text[32];
    const time_t now = time(nullptr);
    strftime(text, sizeof(text), "%H:%M:%S", localtime(&now));
    return std::string("ok:") + text;
  }
  if (request.compare(0, 5, L"echo:") == 0)
    return "ok:" + ToUtf8(request.substr(5));
  if (request == L"fail")
    return "the host refused this request";
  return std::string();
}

LRESULT CALLBACK MessageWindowProc(HWND window,
                                   UINT message,
                                   WPARAM wparam,
                                   LPARAM lparam) {
  if (message != WM_HOST_QUERY)
    return DefWindowProcW(window, message, wparam, lparam);
  // The kit's UI thread waits for this answer: reply at once and never wait
  // here for anything that needs the browser.
  if (lparam == 0) {
    Say("the user clicked in the browser");
    return 0;
  }
  const std::wstring request =
      wparam ? reinterpret_cast<const wchar_t*>(wparam) : L"";
  const std::string reply = Answer(request);
  Say("query \"" + ToUtf8(request) + "\" -> \"" + reply + "\"");
  WriteReply(reply, reinterpret_cast<char*>(lparam));
  return 0;
}

// --- Host views ------------------------------------------------------------

void LayoutViews() {
  RECT client;
  GetClientRect(g_main_window, &client);
  for (const HostView& view : g_views) {
    if (view.window)
      MoveWindow(view.window, 0, 0, client.right, client.bottom, TRUE);
  }
}

// Creates the views once the kit has made its browser window: each view
// holds the browser window in its user data and its route in "uri".
void CreateViews() {
  for (HostView& view : g_views) {
    view.window = CreateWindowExW(0, kHostViewClass, view.title,
                                  WS_CHILD | WS_CLIPCHILDREN, 0, 0, 0, 0,
                                  g_main_window, nullptr, g_instance, nullptr);
    SetWindowLongPtrW(view.window, GWLP_USERDATA,
                      reinterpret_cast<LONG_PTR>(g_browser_window));
    SetPropA(
        view.window, "uri",
        reinterpret_cast<HANDLE>(const_cast<wchar_t*>(view.route.c_str())));
  }
  LayoutViews();
}

// Hide the old view first, then show the new one: showing moves the browser
// in and tells the page the view's route.
void ShowView(size_t index) {
  if (index >= g_views.size() || !g_views[index].window)
    return;
  if (g_views[g_current_view].window && g_current_view != index)
    ShowWindow(g_views[g_current_view].window, SW_HIDE);
  g_current_view = index;
  Say("showing view " + ToUtf8(g_views[index].route));
  ShowWindow(g_views[index].window, SW_SHOW);
}

// --- Page title ------------------------------------------------------------

// Puts the page title into the caption when it changed.
void FollowPageTitle() {
  wchar_t text[256] = {};
  GetWindowTextW(g_browser_window, text, ARRAYSIZE(text));
  if (g_page_title == text)
    return;
  g_page_title = text;
  const std::wstring caption =
      g_page_title.empty() ? kMainTitle : g_page_title + L" - " + kMainTitle;
  SetWindowTextW(g_main_window, caption.c_str());
  Say("page title \"" + ToUtf8(g_page_title) + "\"");
}

// --- Main window -----------------------------------------------------------

HMENU CreateMainMenu() {
  HMENU view_menu = CreatePopupMenu();
  AppendMenuW(view_menu, MF_STRING, kShowHome, L"&Home\tCtrl+1");
  AppendMenuW(view_menu, MF_STRING, kShowOrders, L"&Orders\tCtrl+2");
  AppendMenuW(view_menu, MF_STRING, kShowSettings, L"&Settings\tCtrl+3");
  AppendMenuW(view_menu, MF_SEPARATOR, 0, nullptr);
  AppendMenuW(view_menu, MF_STRING, kQuit, L"E&xit");
  HMENU page_menu = CreatePopupMenu();
  AppendMenuW(page_menu, MF_STRING, kRunScript, L"&Run script\tCtrl+R");
  AppendMenuW(page_menu, MF_STRING, kReloadPage, L"Re&load\tF5");
  HMENU menu = CreateMenu();
  AppendMenuW(menu, MF_POPUP, reinterpret_cast<UINT_PTR>(view_menu), L"&View");
  AppendMenuW(menu, MF_POPUP, reinterpret_cast<UINT_PTR>(page_menu), L"&Page");
  return menu;
}

HACCEL CreateShortcuts() {
  ACCEL keys[] = {
      {FCONTROL | FVIRTKEY, '1', kShowHome},
      {FCONTROL | FVIRTKEY, '2', kShowOrders},
      {FCONTROL | FVIRTKEY, '3', kShowSettings},
      {FCONTROL | FVIRTKEY, 'R', kRunScript},
      {FVIRTKEY, VK_F5, kReloadPage},
  };
  return CreateAcceleratorTableW(keys, ARRAYSIZE(keys));
}

void OnCommand(UINT command) {
  switch (command) {
    case kShowHome:
    case kShowOrders:
    case kShowSettings:
      ShowView(command - kShowHome);
      break;
    case kRunScript:
      Say("running script in the page");
      OrvCefRunJs(L"document.body.style.background = '#eef';");
      break;
    case kReloadPage:
      Say("reloading the page");
      OrvCefReloadMainBrowser();
      break;
    case kQuit:
      SendMessageW(g_main_window, WM_CLOSE, 0, 0);
      break;
  }
}

// The unattended tour: from the first view on to each other one and back to
// the first, a script, then quit.
void OnTourStep() {
  if (g_tour_step < g_views.size()) {
    ShowView((g_tour_step + 1) % g_views.size());
  } else if (g_tour_step == g_views.size()) {
    OnCommand(kRunScript);
  } else {
    KillTimer(g_main_window, kTourTimer);
    OnCommand(kQuit);
  }
  ++g_tour_step;
}

LRESULT CALLBACK MainWindowProc(HWND window,
                                UINT message,
                                WPARAM wparam,
                                LPARAM lparam) {
  switch (message) {
    case WM_SIZE:
      LayoutViews();
      return 0;
    case WM_COMMAND:
      OnCommand(LOWORD(wparam));
      return 0;
    case WM_TIMER:
      if (wparam == kTourTimer)
        OnTourStep();
      else if (wparam == kTitleTimer)
        FollowPageTitle();
      return 0;
    case WM_CLOSE:
      // Detach before our windows go: the browser returns to the kit's own
      // window instead of being destroyed with a host view, and no query
      // reaches the host any more.
      OrvCefPrevTerm();
      DestroyWindow(window);
      return 0;
    case WM_DESTROY:
      PostQuitMessage(0);
      return 0;
  }
  return DefWindowProcW(window, message, wparam, lparam);
}

// --- Start-up --------------------------------------------------------------

// "--name=value" options; anything unknown is ignored.
Options ParseOptions() {
  Options options;
  int count = 0;
  LPWSTR* args = CommandLineToArgvW(GetCommandLineW(), &count);
  for (int i = 1; i < count; ++i) {
    const std::wstring arg = args[i];
    auto value = [&arg](const wchar_t* name, std::wstring* out) {
      const std::wstring prefix = std::wstring(name) + L"=";
      if (arg.compare(0, prefix.size(), prefix) != 0)
        return false;
      *out = arg.substr(prefix.size());
      return true;
    };
    if (value(L"--url", &options.url) || value(L"--hosts", &options.hosts) ||
        value(L"--proxy", &options.proxy_server) ||
        value(L"--proxy-user", &options.proxy_user) ||
        value(L"--proxy-password", &options.proxy_password)) {
      continue;
    }
    if (arg == L"--tour")
      options.tour = true;
    else if (arg == L"--debug")
      options.debug = true;
  }
  LocalFree(args);
  return options;
}

// "a,b" becomes the kit's list form: "a\0b\0\0".
std::wstring HostList(const std::wstring& comma_separated) {
  std::wstring list;
  size_t start = 0;
  while (start <= comma_separated.size()) {
    size_t end = comma_separated.find(L',', start);
    if (end == std::wstring::npos)
      end = comma_separated.size();
    if (end > start) {
      list.append(comma_separated, start, end - start);
      list.push_back(L'\0');
    }
    start = end + 1;
  }
  list.push_back(L'\0');
  return list;
}

bool RegisterWindowClass(const wchar_t* name, WNDPROC procedure) {
  WNDCLASSEXW window_class = {sizeof(window_class)};
  window_class.lpfnWndProc = procedure;
  window_class.hInstance = g_instance;
  window_class.hCursor = LoadCursorW(nullptr, IDC_ARROW);
  window_class.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1);
  window_class.lpszClassName = name;
  return RegisterClassExW(&window_class) != 0;
}

// The browser window appears some time after OrvCefStart returns, made on
// the kit's own thread. Keep the UI alive while waiting for it.
HWND WaitForBrowserWindow(DWORD timeout_ms) {
  const DWORD start = GetTickCount();
  while (GetTickCount() - start < timeout_ms) {
    if (HWND browser = OrvCefGetMainWindowHandle())
      return browser;
    MsgWaitForMultipleObjects(0, nullptr, FALSE, 50, QS_ALLINPUT);
    MSG message;
    while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
      TranslateMessage(&message);
      DispatchMessageW(&message);
    }
  }
  return nullptr;
}

}  // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, LPWSTR, int show_command) {
  g_instance = instance;
  const Options options = ParseOptions();
  RegisterWindowClass(kMainClass, MainWindowProc);
  RegisterWindowClass(kMessageClass, MessageWindowProc);

  // The message window may be registered before the start; so may the
  // proxy, which then applies to the very first navigation.
  HWND message_window =
      CreateWindowExW(0, kMessageClass, nullptr, 0, 0, 0, 0, 0, HWND_MESSAGE,
                      nullptr, instance, nullptr);
  OrvCefSetMsgWnd(message_window);
  if (!options.proxy_server.empty()) {
    OrvCefSetProxy(options.proxy_server.c_str(), options.proxy_user.c_str(),
                   options.proxy_password.c_str());
    Say("proxy " + ToUtf8(options.proxy_server));
  }

  // CEF's files and orvbrowser.exe sit beside this program (NULL module).
  const std::wstring hosts = HostList(options.hosts);
  if (!OrvCefStart(instance, nullptr, options.url.c_str(), hosts.c_str(),
                   options.debug ? ORVCEF_FLAG_DEBUG : 0)) {
    Say("the kit could not start");
    MessageBoxW(nullptr, L"The browser could not be started.",
                L"orvcef sample host", MB_ICONERROR);
    OrvCefTerm();
    return 1;
  }
  Say("started with " + ToUtf8(options.url));

  g_main_window = CreateWindowExW(0, kMainClass, kMainTitle,
                                  WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN,
                                  CW_USEDEFAULT, CW_USEDEFAULT, 960, 640,
                                  nullptr, CreateMainMenu(), instance, nullptr);
  ShowWindow(g_main_window, show_command);

  g_browser_window = WaitForBrowserWindow(30000);
  int exit_code = 0;
  if (!g_browser_window) {
    Say("no browser window appeared");
    exit_code = 1;
    DestroyWindow(g_main_window);
  } else {
    Say("browser window ready");
    CreateViews();
    ShowView(0);
    SetTimer(g_main_window, kTitleTimer, kTitleCheckMs, nullptr);
    if (options.tour)
      SetTimer(g_main_window, kTourTimer, kTourStepMs, nullptr);
  }

  HACCEL shortcuts = CreateShortcuts();
  MSG message;
  while (GetMessageW(&message, nullptr, 0, 0) > 0) {
    if (TranslateAcceleratorW(g_main_window, shortcuts, &message))
      continue;
    TranslateMessage(&message);
    DispatchMessageW(&message);
  }
  DestroyAcceleratorTable(shortcuts);

  // The windows are gone and the kit detached (WM_CLOSE); close every
  // browser and shut CEF down, on the thread that started it.
  OrvCefPrevTerm();
  OrvCefTerm();
  DestroyWindow(message_window);
  Say("shut down");
  return exit_code;
}
