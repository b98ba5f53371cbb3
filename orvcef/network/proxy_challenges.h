// Which proxies have been offered the host's credentials, so that a proxy
// that turns them down is not offered the same pair again and again.
#ifndef ORVCEF_NETWORK_PROXY_CHALLENGES_H_
#define ORVCEF_NETWORK_PROXY_CHALLENGES_H_

#include <cstddef>
#include <cstdint>
#include <deque>
#include <mutex>
#include <string>

namespace orvcef {

// A wrong password would otherwise loop: each 407 is answered with the same
// pair, the page never settles and the proxy account may be locked out. A
// proxy gets the stored pair once; if it challenges again before any page
// has loaded, the pair was refused and the challenge is cancelled, so the
// 407 shows. A new pair (a new |generation| of the stored credentials) or a
// successful load in between makes the next challenge worth answering.
//
// Challenges arrive on CEF's IO thread and loads end on its UI thread, so
// every method may be called from any thread.
class ProxyChallenges {
 public:
  // How many proxies are remembered at once; the oldest is forgotten first.
  static constexpr size_t kMaxProxies = 8;

  ProxyChallenges();
  ProxyChallenges(const ProxyChallenges&) = delete;
  ProxyChallenges& operator=(const ProxyChallenges&) = delete;

  // True when the credentials of |generation| should be offered to the
  // proxy at |host|:|port|, and records the offer; false when that proxy
  // already had this pair since the last successful load.
  bool ShouldOffer(const std::wstring& host, int port, uint64_t generation);
  // A page loaded: every proxy may be asked again.
  void OnSuccessfulLoad();

 private:
  struct Offer {
    std::wstring host;
    int port;
    uint64_t generation;
  };

  std::mutex lock_;
  // Guarded by |lock_|; never longer than kMaxProxies.
  std::deque<Offer> offers_;
};

}  // namespace orvcef

#endif  // ORVCEF_NETWORK_PROXY_CHALLENGES_H_
