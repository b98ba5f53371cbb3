#include "browser/request_context_impl.h"

#include <atomic>
#include <map>
#include <mutex>

#include "browser/context.h"
#include "diagnostics/records.h"

namespace cefsim {
namespace browser {
namespace {

constexpr int kGlobalContextId = 1;

struct Contexts {
  std::mutex lock;
  CefRefPtr<RequestContextImpl> global;  // Guarded by |lock|.
  // Browser contexts with a cache path, so a second context on the same
  // path shares the first one's, as CefBrowserContext::FromCachePath finds
  // it. Guarded by |lock|.
  std::map<std::string, std::weak_ptr<PreferenceStore>> by_cache_path;
  std::atomic<int> last_id{kGlobalContextId};
};

// Leaked on purpose: the global context lives as long as the process.
Contexts& GetContexts() {
  static Contexts* contexts = new Contexts();
  return *contexts;
}

class LocalStatePreferenceManager
    : public PreferenceManagerImpl<CefPreferenceManager> {
 public:
  LocalStatePreferenceManager()
      : PreferenceManagerImpl(Store(), 0, "CefPreferenceManager") {}

 private:
  static std::shared_ptr<PreferenceStore> Store() {
    static std::shared_ptr<PreferenceStore>* store =
        new std::shared_ptr<PreferenceStore>(std::make_shared<PreferenceStore>(
            PreferenceStore::Kind::kLocalState));
    return *store;
  }

  IMPLEMENT_REFCOUNTING(LocalStatePreferenceManager);
};

void ReportNotSimulated(const char* method) {
  ReportViolation(std::string("CefRequestContext::") + method +
                  " is not simulated");
}

}  // namespace

// static
CefRefPtr<RequestContextImpl> RequestContextImpl::Global() {
  Contexts& contexts = GetContexts();
  std::lock_guard<std::mutex> guard(contexts.lock);
  if (!contexts.global) {
    CefSettings settings;
    GetReceivedSettings(&settings);
    const std::string cache_path = CefString(&settings.cache_path).ToString();
    auto preferences =
        std::make_shared<PreferenceStore>(PreferenceStore::Kind::kProfile);
    if (!cache_path.empty())
      contexts.by_cache_path[cache_path] = preferences;
    contexts.global = new RequestContextImpl(preferences, kGlobalContextId,
                                             true, cache_path, nullptr);
  }
  return contexts.global;
}

// static
CefRefPtr<RequestContextImpl> RequestContextImpl::Create(
    const CefRequestContextSettings& settings,
    CefRefPtr<CefRequestContextHandler> handler) {
  Global();  // The global context claims its cache path first.
  Contexts& contexts = GetContexts();
  const std::string cache_path = CefString(&settings.cache_path).ToString();
  std::shared_ptr<PreferenceStore> preferences;
  {
    std::lock_guard<std::mutex> guard(contexts.lock);
    if (!cache_path.empty())
      preferences = contexts.by_cache_path[cache_path].lock();
    if (!preferences) {
      // Without a cache path the context is an isolated, incognito one.
      preferences =
          std::make_shared<PreferenceStore>(PreferenceStore::Kind::kProfile);
      if (!cache_path.empty())
        contexts.by_cache_path[cache_path] = preferences;
    }
  }
  CefRefPtr<RequestContextImpl> context = new RequestContextImpl(
      preferences, ++contexts.last_id, false, cache_path, handler);
  context->AnnounceInitialized();
  return context;
}

// static
CefRefPtr<RequestContextImpl> RequestContextImpl::CreateShared(
    CefRefPtr<RequestContextImpl> other,
    CefRefPtr<CefRequestContextHandler> handler) {
  if (!other)
    return nullptr;
  // Sharing the global context without a handler of its own is the global
  // context itself.
  if (other->IsGlobal() && !handler)
    return Global();
  CefRefPtr<RequestContextImpl> context = new RequestContextImpl(
      other->shared_preferences(), ++GetContexts().last_id, false,
      other->cache_path_, handler);
  context->AnnounceInitialized();
  return context;
}

// static
RequestContextImpl* RequestContextImpl::From(
    CefRefPtr<CefRequestContext> context) {
  return static_cast<RequestContextImpl*>(context.get());
}

RequestContextImpl::RequestContextImpl(
    std::shared_ptr<PreferenceStore> preferences,
    int id,
    bool is_global,
    const std::string& cache_path,
    CefRefPtr<CefRequestContextHandler> handler)
    : PreferenceManagerImpl(std::move(preferences), id, "CefRequestContext"),
      is_global_(is_global),
      cache_path_(cache_path),
      handler_(handler) {}

void RequestContextImpl::AnnounceInitialized() {
  if (!handler_)
    return;
  CefRefPtr<RequestContextImpl> self(this);
  PostTask(TID_UI,
           [self] { self->handler_->OnRequestContextInitialized(self.get()); });
}

bool RequestContextImpl::IsSame(CefRefPtr<CefRequestContext> other) {
  RequestContextImpl* that = From(other);
  if (!that)
    return false;
  if (is_global_ && that->is_global_)
    return true;
  // Contexts are the same when they use the same browser context.
  return preferences() == that->preferences();
}

bool RequestContextImpl::IsSharingWith(CefRefPtr<CefRequestContext> other) {
  return IsSame(other);
}

bool RequestContextImpl::IsGlobal() {
  return is_global_;
}

CefRefPtr<CefRequestContextHandler> RequestContextImpl::GetHandler() {
  return handler_;
}

CefString RequestContextImpl::GetCachePath() {
  return cache_path_;
}

CefRefPtr<CefCookieManager> RequestContextImpl::GetCookieManager(
    CefRefPtr<CefCompletionCallback> callback) {
  ReportNotSimulated("GetCookieManager");
  return nullptr;
}

bool RequestContextImpl::RegisterSchemeHandlerFactory(
    const CefString& scheme_name,
    const CefString& domain_name,
    CefRefPtr<CefSchemeHandlerFactory> factory) {
  ReportNotSimulated("RegisterSchemeHandlerFactory");
  return false;
}

bool RequestContextImpl::ClearSchemeHandlerFactories() {
  ReportNotSimulated("ClearSchemeHandlerFactories");
  return false;
}

void RequestContextImpl::ClearCertificateExceptions(
    CefRefPtr<CefCompletionCallback> callback) {
  ReportNotSimulated("ClearCertificateExceptions");
}

void RequestContextImpl::ClearHttpAuthCredentials(
    CefRefPtr<CefCompletionCallback> callback) {
  ReportNotSimulated("ClearHttpAuthCredentials");
}

void RequestContextImpl::CloseAllConnections(
    CefRefPtr<CefCompletionCallback> callback) {
  ReportNotSimulated("CloseAllConnections");
}

void RequestContextImpl::ResolveHost(const CefString& origin,
                                     CefRefPtr<CefResolveCallback> callback) {
  ReportNotSimulated("ResolveHost");
}

void RequestContextImpl::LoadExtension(const CefString& root_directory,
                                       CefRefPtr<CefDictionaryValue> manifest,
                                       CefRefPtr<CefExtensionHandler> handler) {
  ReportNotSimulated("LoadExtension");
}

bool RequestContextImpl::DidLoadExtension(const CefString& extension_id) {
  ReportNotSimulated("DidLoadExtension");
  return false;
}

bool RequestContextImpl::HasExtension(const CefString& extension_id) {
  ReportNotSimulated("HasExtension");
  return false;
}

bool RequestContextImpl::GetExtensions(std::vector<CefString>& extension_ids) {
  ReportNotSimulated("GetExtensions");
  return false;
}

CefRefPtr<CefExtension> RequestContextImpl::GetExtension(
    const CefString& extension_id) {
  ReportNotSimulated("GetExtension");
  return nullptr;
}

CefRefPtr<CefMediaRouter> RequestContextImpl::GetMediaRouter(
    CefRefPtr<CefCompletionCallback> callback) {
  ReportNotSimulated("GetMediaRouter");
  return nullptr;
}

CefRefPtr<CefPreferenceManager> NewLocalStatePreferenceManager() {
  return new LocalStatePreferenceManager();
}

}  // namespace browser
}  // namespace cefsim
