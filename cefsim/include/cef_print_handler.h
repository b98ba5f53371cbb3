// cefsim: the CEF 109 declarations of CefPrintDialogCallback,
// CefPrintJobCallback, CefPrintHandler.
// Declarations only: clients implement the handler interfaces, the
// simulated libcef.dll and wrapper library implement the rest.

#ifndef CEF_INCLUDE_CEF_PRINT_HANDLER_H_
#define CEF_INCLUDE_CEF_PRINT_HANDLER_H_
#pragma once

#include "include/cef_base.h"
#include "include/cef_browser.h"
#include "include/cef_print_settings.h"

class CefPrintDialogCallback : public virtual CefBaseRefCounted {
 public:
  virtual void Continue(CefRefPtr<CefPrintSettings> settings) = 0;

  virtual void Cancel() = 0;
};

class CefPrintJobCallback : public virtual CefBaseRefCounted {
 public:
  virtual void Continue() = 0;
};

class CefPrintHandler : public virtual CefBaseRefCounted {
 public:
  virtual void OnPrintStart(CefRefPtr<CefBrowser> browser) = 0;

  virtual void OnPrintSettings(CefRefPtr<CefBrowser> browser,
                               CefRefPtr<CefPrintSettings> settings,
                               bool get_defaults) = 0;

  virtual bool OnPrintDialog(CefRefPtr<CefBrowser> browser,
                             bool has_selection,
                             CefRefPtr<CefPrintDialogCallback> callback) = 0;

  virtual bool OnPrintJob(CefRefPtr<CefBrowser> browser,
                          const CefString& document_name,
                          const CefString& pdf_file_path,
                          CefRefPtr<CefPrintJobCallback> callback) = 0;

  virtual void OnPrintReset(CefRefPtr<CefBrowser> browser) = 0;

  virtual CefSize GetPdfPaperSize(CefRefPtr<CefBrowser> browser,
                                  int device_units_per_inch) {
    return CefSize();
  }
};

#endif  // CEF_INCLUDE_CEF_PRINT_HANDLER_H_
