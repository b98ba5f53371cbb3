// A browser's tie to its renderer process: owns the RendererHost and
// carries its reports, which arrive on the pipe's thread, over to the UI
// thread.
#ifndef CEFSIM_RUNTIME_BROWSER_RENDERER_LINK_H_
#define CEFSIM_RUNTIME_BROWSER_RENDERER_LINK_H_

#include <memory>
#include <string>

#include "process/renderer_host.h"

namespace cefsim {
namespace browser {

class BrowserHostImpl;

class RendererLink : public process::RendererHost::Delegate {
 public:
  // Starts a renderer process from the settings' sub-process path (this
  // executable when empty) and tells it of the browser. Null, with a
  // violation, when it cannot be started. UI thread.
  static std::unique_ptr<RendererLink> Launch(BrowserHostImpl* browser,
                                              bool is_popup);

  // Closes the pipe; the process then ends on its own. UI thread.
  ~RendererLink() override;

  process::RendererHost* host() { return host_.get(); }
  // Tells links apart even when one is made where an old one was.
  int serial() const { return serial_; }

  // RendererHost::Delegate, on the pipe's thread:
  void OnRendererMessage(int browser_id,
                         int64_t frame_id,
                         CefRefPtr<CefProcessMessage> message) override;
  void OnPageQueryOutcome(int browser_id,
                          const process::PageQueryOutcome& outcome) override;
  void OnRendererSynced(int request_id) override;
  void OnRendererGone(process::TerminationStatus status) override;

 private:
  explicit RendererLink(BrowserHostImpl* browser);

  // Not owned: the browser owns this link and destroys it before it goes.
  BrowserHostImpl* const browser_;
  const int serial_;
  std::unique_ptr<process::RendererHost> host_;
};

}  // namespace browser
}  // namespace cefsim

#endif  // CEFSIM_RUNTIME_BROWSER_RENDERER_LINK_H_
