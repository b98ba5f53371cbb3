// CefRequestContext of the browser process: the global context every
// browser uses unless it was created with another, and contexts made by
// CreateContext. Each context's preferences belong to its browser context,
// which contexts made from another share, as in CEF 109.
#ifndef CEFSIM_RUNTIME_BROWSER_REQUEST_CONTEXT_IMPL_H_
#define CEFSIM_RUNTIME_BROWSER_REQUEST_CONTEXT_IMPL_H_

#include <memory>
#include <string>
#include <vector>

#include "diagnostics/object_counts.h"
#include "include/cef_request_context.h"
#include "include/cef_request_context_handler.h"
#include "preferences/preference_manager_impl.h"

namespace cefsim {
namespace browser {

class RequestContextImpl : public PreferenceManagerImpl<CefRequestContext> {
 public:
  // The singleton global context, made on first use. Any thread.
  static CefRefPtr<RequestContextImpl> Global();
  // CefRequestContext::CreateContext's two forms. Any thread.
  static CefRefPtr<RequestContextImpl> Create(
      const CefRequestContextSettings& settings,
      CefRefPtr<CefRequestContextHandler> handler);
  static CefRefPtr<RequestContextImpl> CreateShared(
      CefRefPtr<RequestContextImpl> other,
      CefRefPtr<CefRequestContextHandler> handler);
  // Every CefRequestContext in this process is one of ours; null stays
  // null.
  static RequestContextImpl* From(CefRefPtr<CefRequestContext> context);

  // CefRequestContext:
  bool IsSame(CefRefPtr<CefRequestContext> other) override;
  bool IsSharingWith(CefRefPtr<CefRequestContext> other) override;
  bool IsGlobal() override;
  CefRefPtr<CefRequestContextHandler> GetHandler() override;
  CefString GetCachePath() override;

  // Not simulated: each reports its use as a violation.
  CefRefPtr<CefCookieManager> GetCookieManager(
      CefRefPtr<CefCompletionCallback> callback) override;
  bool RegisterSchemeHandlerFactory(
      const CefString& scheme_name,
      const CefString& domain_name,
      CefRefPtr<CefSchemeHandlerFactory> factory) override;
  bool ClearSchemeHandlerFactories() override;
  void ClearCertificateExceptions(
      CefRefPtr<CefCompletionCallback> callback) override;
  void ClearHttpAuthCredentials(
      CefRefPtr<CefCompletionCallback> callback) override;
  void CloseAllConnections(CefRefPtr<CefCompletionCallback> callback) override;
  void ResolveHost(const CefString& origin,
                   CefRefPtr<CefResolveCallback> callback) override;
  void LoadExtension(const CefString& root_directory,
                     CefRefPtr<CefDictionaryValue> manifest,
                     CefRefPtr<CefExtensionHandler> handler) override;
  bool DidLoadExtension(const CefString& extension_id) override;
  bool HasExtension(const CefString& extension_id) override;
  bool GetExtensions(std::vector<CefString>& extension_ids) override;
  CefRefPtr<CefExtension> GetExtension(const CefString& extension_id) override;
  CefRefPtr<CefMediaRouter> GetMediaRouter(
      CefRefPtr<CefCompletionCallback> callback) override;

 private:
  RequestContextImpl(std::shared_ptr<PreferenceStore> preferences,
                     int id,
                     bool is_global,
                     const std::string& cache_path,
                     CefRefPtr<CefRequestContextHandler> handler);
  // Tells the handler, later on the UI thread, that the context is ready.
  void AnnounceInitialized();

  const bool is_global_;
  const std::string cache_path_;
  const CefRefPtr<CefRequestContextHandler> handler_;

  const LiveObjectCounter live_{CountedKind::kRequestContext};

  IMPLEMENT_REFCOUNTING(RequestContextImpl);
};

// CefPreferenceManager::GetGlobalPreferenceManager's object: the
// browser-wide local state. A new object each call over the one store.
CefRefPtr<CefPreferenceManager> NewLocalStatePreferenceManager();

}  // namespace browser
}  // namespace cefsim

#endif  // CEFSIM_RUNTIME_BROWSER_REQUEST_CONTEXT_IMPL_H_
