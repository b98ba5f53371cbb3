# The test configuration of a CEF distribution without binaries: the kit,
# built with CEF's own headers and wrapper, runs on the simulated runtime's
# C-API build of libcef.dll (cefsim/capi), which speaks CEF 109's C API and
# nothing else but the control interface (cefsim_* C functions) that the
# tests use. Nothing here is installed.
#
# The DLL is built here, or taken from another build folder that built it
# already (ORVCEF_SIMULATED_CAPI_FROM): the default build makes the same
# DLL from the same sources, so the test script builds it only once.
set(ORVCEF_SIMULATED_CAPI_FROM "" CACHE PATH
    "Build folder whose C-API libcef.dll (capi/bin/libcef.dll) the tests run on (empty: build it here)")

set(sim_dll_copy ${CMAKE_RUNTIME_OUTPUT_DIRECTORY}/libcef.dll)
if(ORVCEF_SIMULATED_CAPI_FROM)
  set(sim_dll ${ORVCEF_SIMULATED_CAPI_FROM}/capi/bin/libcef.dll)
  if(NOT EXISTS ${sim_dll})
    message(FATAL_ERROR "ORVCEF_SIMULATED_CAPI_FROM: ${sim_dll} was not "
                        "built; build that folder first")
  endif()
  add_custom_command(
    OUTPUT ${sim_dll_copy}
    COMMAND ${CMAKE_COMMAND} -E copy ${sim_dll} ${sim_dll_copy}
    DEPENDS ${sim_dll}
    COMMENT "Placing the C-API libcef.dll beside the binaries")
else()
  add_subdirectory(${CMAKE_SOURCE_DIR}/cefsim/capi
                   ${CMAKE_BINARY_DIR}/cefsim-capi)
  if(NOT TARGET cefsim_capi_libcef)
    message(FATAL_ERROR "the simulated runtime's C-API libcef.dll cannot "
                        "be built here (see the cefsim: line above)")
  endif()
  add_custom_command(
    OUTPUT ${sim_dll_copy}
    COMMAND ${CMAKE_COMMAND} -E copy $<TARGET_FILE:cefsim_capi_libcef>
            ${sim_dll_copy}
    DEPENDS cefsim_capi_libcef
    COMMENT "Placing the C-API libcef.dll beside the binaries")
endif()
add_custom_target(orv_sim_dll ALL DEPENDS ${sim_dll_copy})

# orv_sim_libcef: libcef.dll as the test programs link it, CEF's C API and
# the control interface, with the control headers on the include path. Its
# import library comes from the declarations, as the product's does.
set(sim_def ${CMAKE_BINARY_DIR}/cef/libcef_sim.def)
file(GLOB sim_control_headers
     ${CMAKE_SOURCE_DIR}/cefsim/control/include/cefsim/*.h)
orv_write_export_def(OUTPUT ${sim_def} DLL libcef.dll
                     MACRO "(CEF_EXPORT|CEFSIM_EXPORT)"
                     HEADERS ${cef_api_headers} ${sim_control_headers})
orv_add_def_import_library(NAME orv_sim_libcef DEF ${sim_def} DLL libcef.dll)
add_dependencies(orv_sim_libcef orv_sim_dll)
target_include_directories(orv_sim_libcef INTERFACE
                           ${CMAKE_SOURCE_DIR}/cefsim/control/include)
