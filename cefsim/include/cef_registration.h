// cefsim: the CEF 109 declarations of CefRegistration.
// Declarations only: clients implement the handler interfaces, the
// simulated libcef.dll and wrapper library implement the rest.

#ifndef CEF_INCLUDE_CEF_REGISTRATION_H_
#define CEF_INCLUDE_CEF_REGISTRATION_H_
#pragma once

#include "include/cef_base.h"

class CefRegistration : public virtual CefBaseRefCounted {};

#endif  // CEF_INCLUDE_CEF_REGISTRATION_H_
