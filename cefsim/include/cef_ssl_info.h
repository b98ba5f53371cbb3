// cefsim: the CEF 109 declarations of CefSSLInfo.
// Declarations only: clients implement the handler interfaces, the
// simulated libcef.dll and wrapper library implement the rest.

#ifndef CEF_INCLUDE_CEF_SSL_INFO_H_
#define CEF_INCLUDE_CEF_SSL_INFO_H_
#pragma once

#include "include/cef_base.h"
#include "include/cef_values.h"

#include "include/cef_x509_certificate.h"

class CefSSLInfo : public virtual CefBaseRefCounted {
 public:
  virtual cef_cert_status_t GetCertStatus() = 0;

  virtual CefRefPtr<CefX509Certificate> GetX509Certificate() = 0;
};

bool CefIsCertStatusError(cef_cert_status_t status);

#endif  // CEF_INCLUDE_CEF_SSL_INFO_H_
