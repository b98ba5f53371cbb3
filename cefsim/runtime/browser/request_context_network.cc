#include "browser/request_context_network.h"

#include <map>
#include <tuple>
#include <utility>

#include "auth/auth_demands.h"
#include "browser/auth_challenge.h"
#include "browser/browser_host_impl.h"
#include "browser/download_manager.h"
#include "browser/request_context_impl.h"
#include "browser/request_context_proxy.h"
#include "text/url_canon.h"

namespace cefsim {
namespace browser {
namespace {

// One request's way through the network, kept while a challenge is open.
struct Transaction {
  ProxyChoice proxy;
  int proxy_challenges = 0;
  bool proxy_passed = false;
  int server_challenges = 0;
  bool server_passed = false;
  int refused_status = 0;  // 401 or 407 once a challenge was given up.
};

using TransactionKey = std::tuple<int, uint64_t, std::string>;

// UI thread only, as the navigations.
std::map<TransactionKey, Transaction>& Transactions() {
  static auto* transactions = new std::map<TransactionKey, Transaction>();
  return *transactions;
}

int DefaultPort(const std::string& scheme) {
  return scheme == "https" ? 443 : 80;
}

// Puts one challenge of |demand| to the client. The answer either passes
// the stage (*passed) or, once the server gives up, refuses the request
// with |refused_status|; then the request goes on through |resume|.
void Challenge(BrowserHostImpl* browser,
               const TransactionKey& key,
               const AuthChallengeInfo& challenge,
               const AuthDemand& demand,
               bool Transaction::*passed,
               int Transaction::*challenges,
               int refused_status,
               std::function<void()> resume) {
  ++(Transactions()[key].*challenges);
  StartAuthChallenge(
      browser, challenge,
      [key, demand, passed, challenges, refused_status,
       resume](const AuthAnswer& answer) {
        auto it = Transactions().find(key);
        if (it == Transactions().end())
          return;
        Transaction& transaction = it->second;
        if (answer.canceled) {
          transaction.refused_status = refused_status;
        } else if (AcceptsCredentials(demand, answer.username,
                                      answer.password)) {
          transaction.*passed = true;
          if (passed == &Transaction::proxy_passed) {
            RememberProxyCredentials(transaction.proxy.server, answer.username,
                                     answer.password);
          }
        } else if (transaction.*challenges >= demand.max_challenges) {
          transaction.refused_status = refused_status;
        }
        resume();
      });
}

ServedPage RefusedPage(int status) {
  ServedPage page;
  page.http_status = status;
  return page;
}

}  // namespace

bool PassThroughNetwork(BrowserHostImpl* browser,
                        int64_t frame_id,
                        uint64_t serial,
                        const std::string& url,
                        ServedPage* page,
                        std::function<void()> resume) {
  text::UrlParts parts;
  if (!text::ParseUrl(url, &parts) ||
      (parts.scheme != "http" && parts.scheme != "https")) {
    return true;  // Not a network request.
  }
  const TransactionKey key(browser->id(), serial, url);
  auto found = Transactions().find(key);
  if (found == Transactions().end()) {
    RequestContextImpl* context =
        RequestContextImpl::From(browser->GetRequestContext());
    Transaction transaction;
    transaction.proxy = ChooseProxy(context, url);
    NetworkRequestRecord record;
    record.browser_id = browser->id();
    record.frame_id = frame_id;
    record.context_id = context->manager_id();
    record.url = url;
    record.proxy = transaction.proxy;
    RecordNetworkRequest(record);
    found = Transactions().emplace(key, transaction).first;
  }
  Transaction& transaction = found->second;

  AuthChallengeInfo challenge;
  challenge.browser_id = browser->id();
  challenge.url = url;
  challenge.origin_url = parts.origin;
  AuthDemand demand;
  if (transaction.refused_status == 0 && !transaction.proxy_passed) {
    if (!transaction.proxy.server.empty() &&
        FindProxyAuthDemand(transaction.proxy.server, &demand) &&
        !CachedProxyCredentialsPass(transaction.proxy.server, demand)) {
      challenge.is_proxy = true;
      ProxyHostPort(transaction.proxy.server, &challenge.host, &challenge.port);
      challenge.realm = demand.realm;
      challenge.scheme = demand.scheme;
      Challenge(browser, key, challenge, demand, &Transaction::proxy_passed,
                &Transaction::proxy_challenges, 407, resume);
      return false;
    }
    transaction.proxy_passed = true;
  }
  if (transaction.refused_status == 0 && !transaction.server_passed) {
    if (FindServerAuthDemand(url, &demand)) {
      challenge.host = parts.host;
      challenge.port = parts.port.empty() ? DefaultPort(parts.scheme)
                                          : atoi(parts.port.c_str());
      challenge.realm = demand.realm;
      challenge.scheme = demand.scheme;
      Challenge(browser, key, challenge, demand, &Transaction::server_passed,
                &Transaction::server_challenges, 401, resume);
      return false;
    }
    transaction.server_passed = true;
  }
  const int refused_status = transaction.refused_status;
  Transactions().erase(found);
  if (refused_status != 0) {
    // A cancelled challenge: the 401 or 407 response itself is the page.
    *page = RefusedPage(refused_status);
    return true;
  }
  DownloadRequest download;
  if (FindServedDownload(url, &download)) {
    // The response becomes a download; the navigation ends unfinished.
    StartResponseDownload(browser->id(), download);
    *page = ServedPage();
    page->net_error = ERR_ABORTED;
  }
  return true;
}

}  // namespace browser
}  // namespace cefsim
