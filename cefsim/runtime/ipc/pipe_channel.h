// A duplex, message-framed channel over a Windows named pipe between the
// browser process and one renderer process.
//
// Frames are delivered in the order they were sent, on the channel's own
// reader thread. When the peer closes its end or dies, the reader reports
// the close once and stops. Sending only queues a frame: the channel's
// writer thread writes it, so a peer that reads slowly never blocks the
// sender (a browser's UI thread, say), as Chromium's IPC never does. Both
// ends use overlapped I/O, so a blocked read never holds up a write.
#ifndef CEFSIM_RUNTIME_IPC_PIPE_CHANNEL_H_
#define CEFSIM_RUNTIME_IPC_PIPE_CHANNEL_H_

#include <windows.h>

#include <deque>
#include <functional>
#include <memory>
#include <mutex>
#include <string>
#include <thread>

namespace cefsim {
namespace ipc {

class PipeChannel {
 public:
  // Both called on the reader thread.
  struct Callbacks {
    std::function<void(std::string frame)> on_frame;
    std::function<void()> on_closed;
  };

  // A pipe name no other channel uses, for Listen().
  static std::wstring UniqueName();

  // Creates the server end under |name|; the peer connects with Connect().
  // Null when the pipe cannot be created.
  static std::unique_ptr<PipeChannel> Listen(const std::wstring& name);
  // Opens the client end of |name|. Null when there is no such pipe.
  static std::unique_ptr<PipeChannel> Connect(const std::wstring& name);

  // Closes the pipe and joins the reader and writer threads; frames not
  // written yet are dropped. Must not be called on either thread.
  ~PipeChannel();

  // Server end only, before Start(): waits until the client has connected.
  // False when |abandon| (a process handle, say) is signalled first or
  // |timeout_ms| pass. Any thread.
  bool AwaitClient(HANDLE abandon, DWORD timeout_ms);

  // Starts the reader and writer threads. A server end first waits for its
  // client, up to |connect_timeout_ms|, unless AwaitClient() already saw it;
  // on_closed is reported when none comes. Frames sent before are written
  // then.
  void Start(Callbacks callbacks, DWORD connect_timeout_ms = 30000);

  // Queues one frame for the writer thread; callable from any thread, frames
  // from one thread keep their order. False once the channel is closed.
  bool Send(const std::string& frame);

  // Closes the pipe; the reader thread then reports on_closed. Callable from
  // any thread.
  void Close();

  // The pipe itself, owned by the channel; for queries about its peer.
  HANDLE pipe() const { return pipe_; }

 private:
  PipeChannel(HANDLE pipe, bool is_server);

  void ReadLoop(DWORD connect_timeout_ms);
  // Writes queued frames until the channel closes. Writer thread.
  void WriteLoop();
  bool WriteAll(const std::string& data);
  // Waits for the client of a server end; see AwaitClient().
  bool WaitForClient(HANDLE abandon, DWORD timeout_ms);
  // Waits for overlapped |request| on the pipe; false on failure or close.
  bool Finish(OVERLAPPED* request, BOOL started, DWORD* transferred);
  bool ReadExactly(void* buffer, DWORD size);

  HANDLE pipe_;        // Owned.
  HANDLE stop_event_;  // Owned; set by Close() to end a pending wait.
  HANDLE send_event_;  // Owned; set when frames are queued.
  const bool is_server_;
  bool connected_;  // Set before the reader starts, read by it.
  // Owned; set once the client is there. The writer waits for it.
  HANDLE connected_event_;
  Callbacks callbacks_;  // Used on the reader thread only.
  std::mutex queue_lock_;
  std::deque<std::string> outgoing_;  // Length-prefixed. Guarded by the lock.
  std::thread reader_;
  std::thread writer_;
};

}  // namespace ipc
}  // namespace cefsim

#endif  // CEFSIM_RUNTIME_IPC_PIPE_CHANNEL_H_
