// cefsim: the CEF 109 declarations of CefMediaRouter, CefMediaObserver,
// CefMediaRoute, CefMediaRouteCreateCallback, CefMediaSink,
// CefMediaSinkDeviceInfoCallback, CefMediaSource.
// Declarations only: clients implement the handler interfaces, the
// simulated libcef.dll and wrapper library implement the rest.

#ifndef CEF_INCLUDE_CEF_MEDIA_ROUTER_H_
#define CEF_INCLUDE_CEF_MEDIA_ROUTER_H_
#pragma once

#include <vector>
#include "include/cef_base.h"
#include "include/cef_callback.h"
#include "include/cef_registration.h"

class CefMediaObserver;
class CefMediaRoute;
class CefMediaRouteCreateCallback;
class CefMediaSink;
class CefMediaSinkDeviceInfoCallback;
class CefMediaSource;

class CefMediaRouter : public virtual CefBaseRefCounted {
 public:
  static CefRefPtr<CefMediaRouter> GetGlobalMediaRouter(
      CefRefPtr<CefCompletionCallback> callback);

  virtual CefRefPtr<CefRegistration> AddObserver(
      CefRefPtr<CefMediaObserver> observer) = 0;

  virtual CefRefPtr<CefMediaSource> GetSource(const CefString& urn) = 0;

  virtual void NotifyCurrentSinks() = 0;

  virtual void CreateRoute(CefRefPtr<CefMediaSource> source,
                           CefRefPtr<CefMediaSink> sink,
                           CefRefPtr<CefMediaRouteCreateCallback> callback) = 0;

  virtual void NotifyCurrentRoutes() = 0;
};

class CefMediaObserver : public virtual CefBaseRefCounted {
 public:
  typedef cef_media_route_connection_state_t ConnectionState;

  virtual void OnSinks(const std::vector<CefRefPtr<CefMediaSink>>& sinks) = 0;

  virtual void OnRoutes(
      const std::vector<CefRefPtr<CefMediaRoute>>& routes) = 0;

  virtual void OnRouteStateChanged(CefRefPtr<CefMediaRoute> route,
                                   ConnectionState state) = 0;

  virtual void OnRouteMessageReceived(CefRefPtr<CefMediaRoute> route,
                                      const void* message,
                                      size_t message_size) = 0;
};

class CefMediaRoute : public virtual CefBaseRefCounted {
 public:
  virtual CefString GetId() = 0;

  virtual CefRefPtr<CefMediaSource> GetSource() = 0;

  virtual CefRefPtr<CefMediaSink> GetSink() = 0;

  virtual void SendRouteMessage(const void* message, size_t message_size) = 0;

  virtual void Terminate() = 0;
};

class CefMediaRouteCreateCallback : public virtual CefBaseRefCounted {
 public:
  typedef cef_media_route_create_result_t RouteCreateResult;

  virtual void OnMediaRouteCreateFinished(RouteCreateResult result,
                                          const CefString& error,
                                          CefRefPtr<CefMediaRoute> route) = 0;
};

class CefMediaSink : public virtual CefBaseRefCounted {
 public:
  typedef cef_media_sink_icon_type_t IconType;

  virtual CefString GetId() = 0;

  virtual CefString GetName() = 0;

  virtual CefString GetDescription() = 0;

  virtual IconType GetIconType() = 0;

  virtual void GetDeviceInfo(
      CefRefPtr<CefMediaSinkDeviceInfoCallback> callback) = 0;

  virtual bool IsCastSink() = 0;

  virtual bool IsDialSink() = 0;

  virtual bool IsCompatibleWith(CefRefPtr<CefMediaSource> source) = 0;
};

class CefMediaSinkDeviceInfoCallback : public virtual CefBaseRefCounted {
 public:
  virtual void OnMediaSinkDeviceInfo(
      const CefMediaSinkDeviceInfo& device_info) = 0;
};

class CefMediaSource : public virtual CefBaseRefCounted {
 public:
  virtual CefString GetId() = 0;

  virtual bool IsCastSource() = 0;

  virtual bool IsDialSource() = 0;
};

#endif  // CEF_INCLUDE_CEF_MEDIA_ROUTER_H_
