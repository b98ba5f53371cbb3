#include "process_counters.h"

#include <windows.h>

#include <psapi.h>
#include <tlhelp32.h>

#include <algorithm>
#include <map>

#include "bench_figures.h"

namespace orvbench {

namespace {

BOOL CALLBACK CountChild(HWND window, LPARAM count) {
  ++*reinterpret_cast<double*>(count);
  return TRUE;
}

BOOL CALLBACK CountIfOurs(HWND window, LPARAM count) {
  DWORD process = 0;
  GetWindowThreadProcessId(window, &process);
  if (process == GetCurrentProcessId()) {
    ++*reinterpret_cast<double*>(count);
    EnumChildWindows(window, CountChild, count);
  }
  return TRUE;
}

double CountWindows() {
  double count = 0;
  EnumWindows(CountIfOurs, reinterpret_cast<LPARAM>(&count));
  // Message-only windows are not top-level windows of the desktop.
  HWND window = nullptr;
  while ((window = FindWindowExW(HWND_MESSAGE, window, nullptr, nullptr)))
    CountIfOurs(window, reinterpret_cast<LPARAM>(&count));
  return count;
}

double CountHeapBytes() {
  HANDLE heaps[256];
  const DWORD count = GetProcessHeaps(256, heaps);
  double bytes = 0;
  for (DWORD i = 0; i < count && i < 256; ++i) {
    if (!HeapLock(heaps[i]))
      continue;
    PROCESS_HEAP_ENTRY entry = {};
    while (HeapWalk(heaps[i], &entry)) {
      if (entry.wFlags & PROCESS_HEAP_ENTRY_BUSY)
        bytes += entry.cbData;
    }
    HeapUnlock(heaps[i]);
  }
  return bytes;
}

// Handle values are multiples of four from four up, given out lowest free
// first; every open one answers GetHandleInformation.
std::vector<uintptr_t> ProbeHandles() {
  std::vector<uintptr_t> open;
  for (uintptr_t value = 4; value < 0x10000; value += 4) {
    DWORD flags = 0;
    if (GetHandleInformation(reinterpret_cast<HANDLE>(value), &flags))
      open.push_back(value);
  }
  return open;
}

// The object type of |handle| ("Event", "File", ...), from ntdll's
// NtQueryObject; "unknown" when it will not say.
std::string HandleType(uintptr_t handle) {
  using QueryObject = LONG(WINAPI*)(HANDLE, int, void*, ULONG, ULONG*);
  static const auto query =
      reinterpret_cast<QueryObject>(reinterpret_cast<void*>(
          GetProcAddress(GetModuleHandleW(L"ntdll.dll"), "NtQueryObject")));
  constexpr int kObjectTypeInformation = 2;
  // Starts with the type's name as a UNICODE_STRING.
  struct TypeName {
    USHORT length;
    USHORT maximum_length;
    const wchar_t* buffer;
  };
  alignas(8) char info[1024] = {};
  ULONG size = 0;
  if (!query || query(reinterpret_cast<HANDLE>(handle), kObjectTypeInformation,
                      info, sizeof(info), &size) < 0) {
    return "unknown";
  }
  const auto* name = reinterpret_cast<const TypeName*>(info);
  std::string type;
  for (USHORT i = 0; name->buffer && i < name->length / 2; ++i)
    type.push_back(static_cast<char>(name->buffer[i]));
  return type.empty() ? "unknown" : type;
}

double CountThreads() {
  HANDLE snapshot = CreateToolhelp32Snapshot(TH32CS_SNAPTHREAD, 0);
  if (snapshot == INVALID_HANDLE_VALUE)
    return -1;
  double count = 0;
  THREADENTRY32 entry = {sizeof(entry)};
  for (BOOL more = Thread32First(snapshot, &entry); more;
       more = Thread32Next(snapshot, &entry)) {
    if (entry.th32OwnerProcessID == GetCurrentProcessId())
      ++count;
  }
  CloseHandle(snapshot);
  return count;
}

}  // namespace

ProcessCounters ReadProcessCounters() {
  ProcessCounters counters;
  PROCESS_MEMORY_COUNTERS_EX memory = {sizeof(memory)};
  if (GetProcessMemoryInfo(GetCurrentProcess(),
                           reinterpret_cast<PROCESS_MEMORY_COUNTERS*>(&memory),
                           sizeof(memory))) {
    counters.private_bytes = static_cast<double>(memory.PrivateUsage);
  }
  counters.heap_bytes = CountHeapBytes();
  counters.open_handles = ProbeHandles();
  DWORD handles = 0;
  if (GetProcessHandleCount(GetCurrentProcess(), &handles) && handles)
    counters.handles = handles;
  else
    counters.handles = static_cast<double>(counters.open_handles.size());
  counters.user_objects = GetGuiResources(GetCurrentProcess(), GR_USEROBJECTS);
  counters.gdi_objects = GetGuiResources(GetCurrentProcess(), GR_GDIOBJECTS);
  counters.threads = CountThreads();
  counters.windows = CountWindows();
  return counters;
}

void PrintCounterGrowth(const std::string& name,
                        const ProcessCounters& before,
                        const ProcessCounters& after) {
  struct Row {
    const char* counter;
    double ProcessCounters::*field;
    const char* unit;
  };
  static const Row kRows[] = {
      {"private_bytes", &ProcessCounters::private_bytes, "bytes"},
      {"heap_bytes", &ProcessCounters::heap_bytes, "bytes"},
      {"handles", &ProcessCounters::handles, "handles"},
      {"user_objects", &ProcessCounters::user_objects, "objects"},
      {"gdi_objects", &ProcessCounters::gdi_objects, "objects"},
      {"threads", &ProcessCounters::threads, "threads"},
      {"windows", &ProcessCounters::windows, "windows"},
  };
  for (const Row& row : kRows) {
    const std::string prefix = name + "." + row.counter;
    PrintFigure(prefix + ".before", before.*row.field, row.unit);
    PrintFigure(prefix + ".after", after.*row.field, row.unit);
    PrintFigure(prefix + ".growth", after.*row.field - before.*row.field,
                row.unit);
  }
  std::map<std::string, int> new_handles;
  for (uintptr_t handle : after.open_handles) {
    if (!std::binary_search(before.open_handles.begin(),
                            before.open_handles.end(), handle)) {
      ++new_handles[HandleType(handle)];
    }
  }
  for (const auto& type : new_handles)
    PrintFigure(name + ".new_handles." + type.first, type.second, "handles");
}

}  // namespace orvbench
