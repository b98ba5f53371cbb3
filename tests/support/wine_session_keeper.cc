// orv_wine_session.exe: starts the Wine session of a prefix and keeps it up
// while other programs run there (scripts/wine-session starts it).
//
// Wine starts a session's own programs (wineboot, services.exe, explorer.exe
// for the desktop) from the first program that runs in an idle prefix, and
// they inherit its Unix stderr. They live until no program has run for a
// moment, so a test that happened to start the session keeps its output pipe
// open, and CTest counts it as running until the whole prefix goes idle. This
// program starts the session itself, with output of its own, and ends once
// only the session's programs have been left for a while.
//
//   orv_wine_session.exe READY_FILE
// READY_FILE is created once the session and its desktop are up, and deleted
// when the keeper ends.
#include <windows.h>

// Needs windows.h first.
#include <tlhelp32.h>

#include <string>

namespace {

// How long the prefix stays idle before the keeper ends: longer than any
// pause between the programs of one test run.
constexpr ULONGLONG kIdleEndMs = 30000;
constexpr DWORD kPollMs = 500;
// A program the runner has just started may take this long to appear.
constexpr DWORD kLastLookDelayMs = 3000;

// Wine's own programs live in the system folder; everything else (tests,
// hosts, renderers) is a program that keeps the session busy.
bool IsSessionProgram(DWORD process_id, const std::wstring& system_folder) {
  HANDLE process =
      OpenProcess(PROCESS_QUERY_LIMITED_INFORMATION, FALSE, process_id);
  if (!process)
    return false;  // Counted as busy: it cannot be told apart.
  wchar_t path[MAX_PATH] = {};
  DWORD size = MAX_PATH;
  const bool named = QueryFullProcessImageNameW(process, 0, path, &size) != 0;
  CloseHandle(process);
  return named && size > system_folder.size() &&
         CompareStringOrdinal(path, static_cast<int>(system_folder.size()),
                              system_folder.c_str(),
                              static_cast<int>(system_folder.size()),
                              TRUE) == CSTR_EQUAL &&
         path[system_folder.size()] == L'\\';
}

// True when a process other than this one and the session's own runs.
bool OtherProgramsRun(const std::wstring& system_folder) {
  HANDLE snapshot = CreateToolhelp32Snapshot(TH32CS_SNAPPROCESS, 0);
  if (snapshot == INVALID_HANDLE_VALUE)
    return true;
  const DWORD self = GetCurrentProcessId();
  bool busy = false;
  PROCESSENTRY32W entry = {};
  entry.dwSize = sizeof(entry);
  for (BOOL more = Process32FirstW(snapshot, &entry); more && !busy;
       more = Process32NextW(snapshot, &entry)) {
    if (entry.th32ProcessID != self && entry.th32ProcessID != 0 &&
        !IsSessionProgram(entry.th32ProcessID, system_folder)) {
      busy = true;
    }
  }
  CloseHandle(snapshot);
  return busy;
}

bool WriteReadyFile(const wchar_t* path) {
  HANDLE file = CreateFileW(path, GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                            FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE)
    return false;
  CloseHandle(file);
  return true;
}

// Waits until no other program has run for kIdleEndMs.
void WaitForIdle(const std::wstring& system_folder) {
  ULONGLONG idle_since = GetTickCount64();
  for (;;) {
    Sleep(kPollMs);
    if (OtherProgramsRun(system_folder)) {
      idle_since = GetTickCount64();
    } else if (GetTickCount64() - idle_since >= kIdleEndMs) {
      return;
    }
  }
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
  if (argc != 2)
    return 2;
  wchar_t system_folder[MAX_PATH] = {};
  GetSystemDirectoryW(system_folder, MAX_PATH);
  // Starts the desktop's explorer.exe from here and waits until it runs.
  if (!GetDesktopWindow())
    return 1;
  if (!WriteReadyFile(argv[1]))
    return 1;
  for (;;) {
    WaitForIdle(system_folder);
    // Callers stop trusting the session first; one that was already on its
    // way shows up in the last look and keeps the session.
    DeleteFileW(argv[1]);
    Sleep(kLastLookDelayMs);
    if (!OtherProgramsRun(system_folder))
      return 0;
    if (!WriteReadyFile(argv[1]))
      return 1;
  }
}
