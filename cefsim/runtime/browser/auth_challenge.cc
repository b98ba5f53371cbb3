#include "browser/auth_challenge.h"

#include <atomic>
#include <memory>
#include <utility>

#include "browser/browser_host_impl.h"
#include "diagnostics/object_counts.h"
#include "diagnostics/records.h"
#include "include/cef_auth_callback.h"
#include "threads/threads.h"

namespace cefsim {
namespace browser {
namespace {

// The callback handed to the client. It is bound to the UI thread, where
// the challenge was started: answers from elsewhere are moved there. Only
// the first answer counts; one released unanswered cancels.
class AuthCallbackImpl : public CefAuthCallback {
 public:
  AuthCallbackImpl(std::function<void(const AuthAnswer&)> done, int record)
      : done_(std::move(done)), record_(record) {}

  void Continue(const CefString& username, const CefString& password) override {
    AuthAnswer answer;
    answer.canceled = false;
    answer.username = username.ToString();
    answer.password = password.ToString();
    Answer(answer);
  }

  void Cancel() override { Answer(AuthAnswer()); }

 private:
  ~AuthCallbackImpl() override {
    if (answered_)
      return;
    RecordNote("auth-callback-released",
               "CefAuthCallback released without an answer");
    std::function<void(const AuthAnswer&)> done = std::move(done_);
    const int record = record_;
    PostTask(TID_UI, [done, record] {
      SetAuthOutcome(record, AuthOutcome::kCanceled, std::string(),
                     std::string());
      done(AuthAnswer());
    });
  }

  void Answer(const AuthAnswer& answer) {
    if (!CurrentlyOn(TID_UI)) {
      CefRefPtr<AuthCallbackImpl> self(this);
      PostTask(TID_UI, [self, answer] { self->Answer(answer); });
      return;
    }
    if (answered_) {
      RecordNote("auth-callback-again",
                 "CefAuthCallback answered more than once");
      return;
    }
    answered_ = true;
    SetAuthOutcome(
        record_,
        answer.canceled ? AuthOutcome::kCanceled : AuthOutcome::kContinued,
        answer.username, answer.password);
    done_(answer);
    done_ = nullptr;
  }

  std::function<void(const AuthAnswer&)> done_;  // UI thread.
  const int record_;
  // Written on the UI thread; read by the destructor on whichever thread
  // releases the last reference.
  std::atomic<bool> answered_{false};

  const LiveObjectCounter live_{CountedKind::kAuthCallback};

  IMPLEMENT_REFCOUNTING(AuthCallbackImpl);
};

// On the IO thread, as CEF keeps the old network delegate's thread for it.
void AskClient(CefRefPtr<BrowserHostImpl> browser,
               const AuthChallengeInfo& challenge,
               int record,
               CefRefPtr<AuthCallbackImpl> callback) {
  bool handled = false;
  CefRefPtr<CefClient> client = browser->client();
  if (CefRefPtr<CefRequestHandler> handler =
          client ? client->GetRequestHandler() : nullptr) {
    handled = handler->GetAuthCredentials(
        browser.get(), challenge.origin_url, challenge.is_proxy, challenge.host,
        challenge.port, challenge.realm, challenge.scheme, callback.get());
  }
  UpdateAuthRecord(record, CurrentlyOn(TID_IO), handled);
  if (!handled)
    callback->Cancel();
}

}  // namespace

void StartAuthChallenge(CefRefPtr<BrowserHostImpl> browser,
                        const AuthChallengeInfo& challenge,
                        std::function<void(const AuthAnswer&)> done) {
  RequireUiThread("StartAuthChallenge");
  const int record = AddAuthRecord(challenge);
  // The login delegate starts asynchronously, then asks on the IO thread.
  PostTask(TID_UI, [browser, challenge, record, done] {
    CefRefPtr<AuthCallbackImpl> callback = new AuthCallbackImpl(done, record);
    PostTask(TID_IO, [browser, challenge, record, callback] {
      AskClient(browser, challenge, record, callback);
    });
  });
}

}  // namespace browser
}  // namespace cefsim
