# Which CEF the product is built against. Everything in orvcef/, orvbrowser/
# and examples/ links these four targets and nothing else of CEF:
#   orv_cef_headers  CEF's include tree (include paths "include/cef_*.h")
#   orv_cef_wrapper  CEF's static wrapper library (C++ classes, the router)
#   orv_cef_delay    libcef.dll bound lazily, for orvcef.dll
#   orv_cef_libcef   libcef.dll bound at load time, for orvbrowser.exe
#
# By default they come from the simulated runtime in cefsim/. With
# ORVCEF_CEF_ROOT set to a CEF 109 Windows 32-bit binary distribution they
# come from that distribution instead (see docs/genuine-cef.md); the tests,
# which need the simulated runtime, are then left out. A distribution
# without binaries is built for testing (ORVCEF_TEST_WITH_SIMULATED_CAPI):
# CEF's own headers and wrapper, run on the simulated runtime's C-API build
# of libcef.dll.
#
# The test programs link one more:
#   orv_sim_libcef   libcef.dll with the simulated runtime's control
#                    interface (cefsim_* C functions) and its headers
set(ORVCEF_CEF_ROOT "" CACHE PATH
    "CEF 109 Windows 32-bit binary distribution to build against (empty: the simulated runtime)")

if(NOT ORVCEF_CEF_ROOT)
  add_subdirectory(${CMAKE_SOURCE_DIR}/cefsim ${CMAKE_BINARY_DIR}/cefsim)
  add_library(orv_cef_headers INTERFACE)
  target_link_libraries(orv_cef_headers INTERFACE cefsim_headers)
  foreach(part wrapper delay libcef)
    add_library(orv_cef_${part} INTERFACE)
  endforeach()
  target_link_libraries(orv_cef_wrapper INTERFACE orv_cef_headers)
  if(TARGET cefsim_wrapper)
    target_link_libraries(orv_cef_wrapper INTERFACE cefsim_wrapper)
  endif()
  if(TARGET cefsim_libcef_delay)
    target_link_libraries(orv_cef_delay INTERFACE cefsim_libcef_delay)
  endif()
  if(TARGET libcef)
    target_link_libraries(orv_cef_libcef INTERFACE libcef)
    add_library(orv_sim_libcef INTERFACE)
    target_link_libraries(orv_sim_libcef INTERFACE libcef)
    target_include_directories(orv_sim_libcef INTERFACE
                               ${CMAKE_SOURCE_DIR}/cefsim/control/include)
  endif()
  set(ORVCEF_SIMULATED_RUNTIME ON)
  return()
endif()

set(ORVCEF_SIMULATED_RUNTIME OFF)
include(${CMAKE_CURRENT_LIST_DIR}/OrvCefGenuine.cmake)
