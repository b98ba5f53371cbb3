# cefsim_find_cef_source_tree(<found-var>)
#
# Looks for CEF 109's sources laid out as CEF's distribution tools lay them
# out: <root>/distribution (include/ and the wrapper's libcef_dll/, whose
# base/ the library side needs too) and <root>/library-side/libcef_dll (the
# exported C functions and the library-side translation layer). <root> is
# CEFSIM_CEF_SOURCE_DIR, by default ../shared/cef109 beside the project.
# Sets <found-var>, CEFSIM_CEF_INCLUDE_ROOT and CEFSIM_CEF_LIBRARY_ROOT in
# the caller's scope; when nothing fits, says why in one line.
set(CEFSIM_CEF_SOURCE_DIR "${CMAKE_SOURCE_DIR}/../shared/cef109"
    CACHE PATH "CEF 109 sources (distribution/ and library-side/) for the C-API build of libcef.dll")

function(cefsim_find_cef_source_tree found_var)
  get_filename_component(root "${CEFSIM_CEF_SOURCE_DIR}" ABSOLUTE)
  set(include_root ${root}/distribution)
  set(library_root ${root}/library-side)
  set(version_header ${include_root}/include/cef_version.h)
  set(reason "")
  if(NOT EXISTS ${library_root}/libcef_dll/libcef_dll.cc
     OR NOT EXISTS ${include_root}/libcef_dll/base/cef_logging.cc
     OR NOT EXISTS ${version_header})
    set(reason "no CEF source tree at ${root}")
  else()
    file(STRINGS ${version_header} major REGEX "^#define CEF_VERSION_MAJOR ")
    if(NOT major MATCHES " 109$")
      set(reason "the CEF sources at ${root} are not CEF 109")
    endif()
  endif()
  if(reason)
    message(STATUS "cefsim: C-API libcef.dll not built: ${reason} "
                   "(set CEFSIM_CEF_SOURCE_DIR)")
    set(${found_var} FALSE PARENT_SCOPE)
    return()
  endif()
  set(CEFSIM_CEF_INCLUDE_ROOT ${include_root} PARENT_SCOPE)
  set(CEFSIM_CEF_LIBRARY_ROOT ${library_root} PARENT_SCOPE)
  set(${found_var} TRUE PARENT_SCOPE)
endfunction()
