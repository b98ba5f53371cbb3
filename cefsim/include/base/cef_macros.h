// cefsim: the copy-control macros of CEF 109.

#ifndef CEF_INCLUDE_BASE_CEF_MACROS_H_
#define CEF_INCLUDE_BASE_CEF_MACROS_H_
#pragma once

// Deletes the copy constructor of TypeName.
#define DISALLOW_COPY(TypeName) TypeName(const TypeName&) = delete

// Deletes the copy assignment operator of TypeName.
#define DISALLOW_ASSIGN(TypeName) TypeName& operator=(const TypeName&) = delete

// Deletes both; place in the private section of a class.
#define DISALLOW_COPY_AND_ASSIGN(TypeName) \
  DISALLOW_COPY(TypeName);                 \
  DISALLOW_ASSIGN(TypeName)

// Also deletes the default constructor, for classes of static members only.
#define DISALLOW_IMPLICIT_CONSTRUCTORS(TypeName) \
  TypeName() = delete;                           \
  DISALLOW_COPY_AND_ASSIGN(TypeName)

#endif  // CEF_INCLUDE_BASE_CEF_MACROS_H_
