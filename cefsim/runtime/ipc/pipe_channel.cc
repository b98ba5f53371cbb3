#include "ipc/pipe_channel.h"

#include <atomic>

namespace cefsim {
namespace ipc {
namespace {

// A frame is its u32 length and its bytes; this bounds what a corrupt
// length could make the reader allocate.
constexpr uint32_t kMaxFrameSize = 256u * 1024 * 1024;

}  // namespace

// static
std::wstring PipeChannel::UniqueName() {
  static std::atomic<unsigned> counter{0};
  return L"\\\\.\\pipe\\cefsim-" + std::to_wstring(GetCurrentProcessId()) +
         L"-" + std::to_wstring(++counter) + L"-" +
         std::to_wstring(GetTickCount());
}

// static
std::unique_ptr<PipeChannel> PipeChannel::Listen(const std::wstring& name) {
  HANDLE pipe = CreateNamedPipeW(
      name.c_str(),
      PIPE_ACCESS_DUPLEX | FILE_FLAG_OVERLAPPED | FILE_FLAG_FIRST_PIPE_INSTANCE,
      PIPE_TYPE_BYTE | PIPE_READMODE_BYTE | PIPE_WAIT, 1, 64 * 1024, 64 * 1024,
      0, nullptr);
  if (pipe == INVALID_HANDLE_VALUE)
    return nullptr;
  return std::unique_ptr<PipeChannel>(new PipeChannel(pipe, true));
}

// static
std::unique_ptr<PipeChannel> PipeChannel::Connect(const std::wstring& name) {
  HANDLE pipe =
      CreateFileW(name.c_str(), GENERIC_READ | GENERIC_WRITE, 0, nullptr,
                  OPEN_EXISTING, FILE_FLAG_OVERLAPPED, nullptr);
  if (pipe == INVALID_HANDLE_VALUE)
    return nullptr;
  return std::unique_ptr<PipeChannel>(new PipeChannel(pipe, false));
}

PipeChannel::PipeChannel(HANDLE pipe, bool is_server)
    : pipe_(pipe),
      stop_event_(CreateEventW(nullptr, TRUE, FALSE, nullptr)),
      send_event_(CreateEventW(nullptr, FALSE, FALSE, nullptr)),
      is_server_(is_server),
      connected_(!is_server),
      connected_event_(CreateEventW(nullptr, TRUE, !is_server, nullptr)) {}

PipeChannel::~PipeChannel() {
  Close();
  if (reader_.joinable())
    reader_.join();
  if (writer_.joinable())
    writer_.join();
  CloseHandle(pipe_);
  CloseHandle(stop_event_);
  CloseHandle(send_event_);
  CloseHandle(connected_event_);
}

void PipeChannel::Start(Callbacks callbacks, DWORD connect_timeout_ms) {
  callbacks_ = std::move(callbacks);
  reader_ = std::thread(&PipeChannel::ReadLoop, this, connect_timeout_ms);
  writer_ = std::thread(&PipeChannel::WriteLoop, this);
}

void PipeChannel::Close() {
  SetEvent(stop_event_);
}

bool PipeChannel::Finish(OVERLAPPED* request,
                         BOOL started,
                         DWORD* transferred) {
  if (!started && GetLastError() != ERROR_IO_PENDING)
    return false;
  HANDLE waits[] = {request->hEvent, stop_event_};
  if (WaitForMultipleObjects(2, waits, FALSE, INFINITE) != WAIT_OBJECT_0) {
    CancelIo(pipe_);
    GetOverlappedResult(pipe_, request, transferred, TRUE);
    return false;
  }
  return GetOverlappedResult(pipe_, request, transferred, FALSE) != 0;
}

bool PipeChannel::ReadExactly(void* buffer, DWORD size) {
  char* cursor = static_cast<char*>(buffer);
  while (size > 0) {
    OVERLAPPED request = {};
    request.hEvent = CreateEventW(nullptr, TRUE, FALSE, nullptr);
    DWORD read = 0;
    const BOOL started = ReadFile(pipe_, cursor, size, &read, &request);
    const bool ok = Finish(&request, started, &read);
    CloseHandle(request.hEvent);
    if (!ok || read == 0)
      return false;
    cursor += read;
    size -= read;
  }
  return true;
}

bool PipeChannel::Send(const std::string& frame) {
  if (WaitForSingleObject(stop_event_, 0) == WAIT_OBJECT_0)
    return false;
  std::string data(sizeof(uint32_t), '\0');
  const uint32_t size = static_cast<uint32_t>(frame.size());
  memcpy(&data[0], &size, sizeof(size));
  data += frame;
  {
    std::lock_guard<std::mutex> guard(queue_lock_);
    outgoing_.push_back(std::move(data));
  }
  SetEvent(send_event_);
  return true;
}

// Writer thread.
void PipeChannel::WriteLoop() {
  HANDLE connected[] = {connected_event_, stop_event_};
  if (WaitForMultipleObjects(2, connected, FALSE, INFINITE) != WAIT_OBJECT_0)
    return;
  HANDLE waits[] = {send_event_, stop_event_};
  for (;;) {
    std::deque<std::string> frames;
    {
      std::lock_guard<std::mutex> guard(queue_lock_);
      frames.swap(outgoing_);
    }
    for (const std::string& data : frames) {
      if (!WriteAll(data))
        return;
    }
    if (WaitForMultipleObjects(2, waits, FALSE, INFINITE) != WAIT_OBJECT_0)
      return;
  }
}

// Writer thread.
bool PipeChannel::WriteAll(const std::string& data) {
  size_t offset = 0;
  while (offset < data.size()) {
    OVERLAPPED request = {};
    request.hEvent = CreateEventW(nullptr, TRUE, FALSE, nullptr);
    DWORD written = 0;
    const BOOL started =
        WriteFile(pipe_, data.data() + offset,
                  static_cast<DWORD>(data.size() - offset), &written, &request);
    const bool ok = Finish(&request, started, &written);
    CloseHandle(request.hEvent);
    if (!ok)
      return false;
    offset += written;
  }
  return true;
}

bool PipeChannel::AwaitClient(HANDLE abandon, DWORD timeout_ms) {
  if (!connected_)
    connected_ = WaitForClient(abandon, timeout_ms);
  return connected_;
}

bool PipeChannel::WaitForClient(HANDLE abandon, DWORD timeout_ms) {
  OVERLAPPED request = {};
  request.hEvent = CreateEventW(nullptr, TRUE, FALSE, nullptr);
  const BOOL started = ConnectNamedPipe(pipe_, &request);
  bool connected = started != 0;
  if (!started && GetLastError() == ERROR_PIPE_CONNECTED) {
    connected = true;
  } else if (!started && GetLastError() == ERROR_IO_PENDING) {
    HANDLE waits[] = {request.hEvent, abandon ? abandon : stop_event_};
    connected =
        WaitForMultipleObjects(2, waits, FALSE, timeout_ms) == WAIT_OBJECT_0;
    if (!connected) {
      CancelIo(pipe_);
      DWORD ignored;
      GetOverlappedResult(pipe_, &request, &ignored, TRUE);
    }
  }
  CloseHandle(request.hEvent);
  if (connected)
    SetEvent(connected_event_);
  return connected;
}

// Runs on the reader thread.
void PipeChannel::ReadLoop(DWORD connect_timeout_ms) {
  bool connected = connected_;
  if (!connected)
    connected = WaitForClient(stop_event_, connect_timeout_ms);
  while (connected) {
    uint32_t size = 0;
    if (!ReadExactly(&size, sizeof(size)) || size > kMaxFrameSize)
      break;
    std::string frame(size, '\0');
    if (size > 0 && !ReadExactly(&frame[0], size))
      break;
    if (callbacks_.on_frame)
      callbacks_.on_frame(std::move(frame));
  }
  // From here on, sends fail fast instead of writing into a dead pipe.
  SetEvent(stop_event_);
  if (callbacks_.on_closed)
    callbacks_.on_closed();
}

}  // namespace ipc
}  // namespace cefsim
