#include "web/request_impl.h"

#include "diagnostics/records.h"

namespace cefsim {
namespace browser {

RequestImpl::RequestImpl(const std::string& url,
                         ResourceType resource_type,
                         TransitionType transition_type,
                         uint64 identifier)
    : url_(url),
      resource_type_(resource_type),
      transition_type_(transition_type),
      identifier_(identifier) {}

void RequestImpl::MakeReadOnly() {
  std::lock_guard<std::mutex> guard(lock_);
  read_only_ = true;
}

bool RequestImpl::Writable(const char* what) {
  if (!read_only_)
    return true;
  ReportViolation(std::string("CefRequest::") + what + ": object is read only");
  return false;
}

bool RequestImpl::IsReadOnly() {
  std::lock_guard<std::mutex> guard(lock_);
  return read_only_;
}

CefString RequestImpl::GetURL() {
  std::lock_guard<std::mutex> guard(lock_);
  return url_;
}

void RequestImpl::SetURL(const CefString& url) {
  std::lock_guard<std::mutex> guard(lock_);
  if (Writable("SetURL"))
    url_ = url.ToString();
}

CefString RequestImpl::GetMethod() {
  std::lock_guard<std::mutex> guard(lock_);
  return method_;
}

void RequestImpl::SetMethod(const CefString& method) {
  std::lock_guard<std::mutex> guard(lock_);
  if (Writable("SetMethod"))
    method_ = method.ToString();
}

void RequestImpl::SetReferrer(const CefString& referrer_url,
                              ReferrerPolicy policy) {
  std::lock_guard<std::mutex> guard(lock_);
  if (!Writable("SetReferrer"))
    return;
  referrer_url_ = referrer_url.ToString();
  referrer_policy_ = policy;
}

CefString RequestImpl::GetReferrerURL() {
  std::lock_guard<std::mutex> guard(lock_);
  return referrer_url_;
}

CefRequest::ReferrerPolicy RequestImpl::GetReferrerPolicy() {
  std::lock_guard<std::mutex> guard(lock_);
  return referrer_policy_;
}

CefRefPtr<CefPostData> RequestImpl::GetPostData() {
  std::lock_guard<std::mutex> guard(lock_);
  return post_data_;
}

void RequestImpl::SetPostData(CefRefPtr<CefPostData> postData) {
  std::lock_guard<std::mutex> guard(lock_);
  if (Writable("SetPostData"))
    post_data_ = postData;
}

void RequestImpl::GetHeaderMap(HeaderMap& headerMap) {
  std::lock_guard<std::mutex> guard(lock_);
  headerMap = headers_;
}

void RequestImpl::SetHeaderMap(const HeaderMap& headerMap) {
  std::lock_guard<std::mutex> guard(lock_);
  if (Writable("SetHeaderMap"))
    headers_ = headerMap;
}

CefString RequestImpl::GetHeaderByName(const CefString& name) {
  std::lock_guard<std::mutex> guard(lock_);
  auto it = headers_.find(name);
  return it == headers_.end() ? CefString() : it->second;
}

void RequestImpl::SetHeaderByName(const CefString& name,
                                  const CefString& value,
                                  bool overwrite) {
  std::lock_guard<std::mutex> guard(lock_);
  if (!Writable("SetHeaderByName"))
    return;
  auto it = headers_.find(name);
  if (it == headers_.end())
    headers_.emplace(name, value);
  else if (overwrite)
    it->second = value;
}

void RequestImpl::Set(const CefString& url,
                      const CefString& method,
                      CefRefPtr<CefPostData> postData,
                      const HeaderMap& headerMap) {
  std::lock_guard<std::mutex> guard(lock_);
  if (!Writable("Set"))
    return;
  url_ = url.ToString();
  method_ = method.ToString();
  post_data_ = postData;
  headers_ = headerMap;
}

int RequestImpl::GetFlags() {
  std::lock_guard<std::mutex> guard(lock_);
  return flags_;
}

void RequestImpl::SetFlags(int flags) {
  std::lock_guard<std::mutex> guard(lock_);
  if (Writable("SetFlags"))
    flags_ = flags;
}

CefString RequestImpl::GetFirstPartyForCookies() {
  std::lock_guard<std::mutex> guard(lock_);
  return first_party_;
}

void RequestImpl::SetFirstPartyForCookies(const CefString& url) {
  std::lock_guard<std::mutex> guard(lock_);
  if (Writable("SetFirstPartyForCookies"))
    first_party_ = url.ToString();
}

CefRequest::ResourceType RequestImpl::GetResourceType() {
  return resource_type_;
}

CefRequest::TransitionType RequestImpl::GetTransitionType() {
  return transition_type_;
}

uint64 RequestImpl::GetIdentifier() {
  return identifier_;
}

}  // namespace browser
}  // namespace cefsim
