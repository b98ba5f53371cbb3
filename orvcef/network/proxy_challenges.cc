#include "orvcef/network/proxy_challenges.h"

namespace orvcef {

ProxyChallenges::ProxyChallenges() = default;

bool ProxyChallenges::ShouldOffer(const std::wstring& host,
                                  int port,
                                  uint64_t generation) {
  std::lock_guard<std::mutex> guard(lock_);
  for (Offer& offer : offers_) {
    if (offer.host != host || offer.port != port)
      continue;
    if (offer.generation == generation)
      return false;
    offer.generation = generation;
    return true;
  }
  if (offers_.size() == kMaxProxies)
    offers_.pop_front();
  offers_.push_back(Offer{host, port, generation});
  return true;
}

void ProxyChallenges::OnSuccessfulLoad() {
  std::lock_guard<std::mutex> guard(lock_);
  offers_.clear();
}

}  // namespace orvcef
