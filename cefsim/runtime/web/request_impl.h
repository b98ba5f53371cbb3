// CefRequest as CEF hands it to OnBeforeBrowse: a snapshot of the
// navigation's request, read-only to the handler.
#ifndef CEFSIM_RUNTIME_BROWSER_REQUEST_IMPL_H_
#define CEFSIM_RUNTIME_BROWSER_REQUEST_IMPL_H_

#include <mutex>
#include <string>

#include "include/cef_request.h"

namespace cefsim {
namespace browser {

class RequestImpl : public CefRequest {
 public:
  RequestImpl(const std::string& url,
              ResourceType resource_type,
              TransitionType transition_type,
              uint64 identifier);

  // Once set, every setter is refused as CEF refuses it.
  void MakeReadOnly();

  bool IsReadOnly() override;
  CefString GetURL() override;
  void SetURL(const CefString& url) override;
  CefString GetMethod() override;
  void SetMethod(const CefString& method) override;
  void SetReferrer(const CefString& referrer_url,
                   ReferrerPolicy policy) override;
  CefString GetReferrerURL() override;
  ReferrerPolicy GetReferrerPolicy() override;
  CefRefPtr<CefPostData> GetPostData() override;
  void SetPostData(CefRefPtr<CefPostData> postData) override;
  void GetHeaderMap(HeaderMap& headerMap) override;
  void SetHeaderMap(const HeaderMap& headerMap) override;
  CefString GetHeaderByName(const CefString& name) override;
  void SetHeaderByName(const CefString& name,
                       const CefString& value,
                       bool overwrite) override;
  void Set(const CefString& url,
           const CefString& method,
           CefRefPtr<CefPostData> postData,
           const HeaderMap& headerMap) override;
  int GetFlags() override;
  void SetFlags(int flags) override;
  CefString GetFirstPartyForCookies() override;
  void SetFirstPartyForCookies(const CefString& url) override;
  ResourceType GetResourceType() override;
  TransitionType GetTransitionType() override;
  uint64 GetIdentifier() override;

 private:
  // False (and a violation naming |what|) when read-only. Caller holds
  // |lock_|.
  bool Writable(const char* what);

  std::mutex lock_;
  bool read_only_ = false;  // Guarded by |lock_|, as every field below.
  std::string url_;
  std::string method_ = "GET";
  std::string referrer_url_;
  ReferrerPolicy referrer_policy_ = REFERRER_POLICY_DEFAULT;
  CefRefPtr<CefPostData> post_data_;
  HeaderMap headers_;
  int flags_ = 0;
  std::string first_party_;
  const ResourceType resource_type_;
  const TransitionType transition_type_;
  const uint64 identifier_;

  IMPLEMENT_REFCOUNTING(RequestImpl);
};

}  // namespace browser
}  // namespace cefsim

#endif  // CEFSIM_RUNTIME_BROWSER_REQUEST_IMPL_H_
