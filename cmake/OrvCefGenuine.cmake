# The four CEF targets of OrvCef.cmake from a genuine CEF 109 distribution
# (the "cef_binary_109.*_windows32" archive unpacked):
#   <root>/include/...         headers
#   <root>/libcef_dll/...      the wrapper library's sources
#   <root>/Release/libcef.dll, libcef.lib and the other runtime binaries
#   <root>/Resources/...       .pak files, icudtl.dat, locales/
# MSVC builds the wrapper with the distribution's own CMake files; mingw
# builds it from the same sources with flags of ours.
#
# A distribution without Release/ (CEF's headers and wrapper sources only,
# as ../shared/cef109/distribution) is built for testing: libcef.dll is then
# the simulated runtime's C-API build (OrvCefSimulatedCApi.cmake), which
# exports CEF 109's C API, and the Wine suite runs on it.
include(${CMAKE_CURRENT_LIST_DIR}/OrvCefExportNames.cmake)

set(cef_root ${ORVCEF_CEF_ROOT})
foreach(required include/cef_version.h libcef_dll)
  if(NOT EXISTS ${cef_root}/${required})
    message(FATAL_ERROR "ORVCEF_CEF_ROOT=${cef_root} is no CEF distribution: "
                        "${required} is missing")
  endif()
endforeach()
file(STRINGS ${cef_root}/include/cef_version.h cef_version_line
     REGEX "#define CEF_VERSION_MAJOR")
if(NOT cef_version_line MATCHES "CEF_VERSION_MAJOR 109")
  message(FATAL_ERROR "ORVCEF_CEF_ROOT must hold CEF 109 (${cef_version_line})")
endif()

set(simulated_capi_default OFF)
if(NOT EXISTS ${cef_root}/Release/libcef.dll)
  set(simulated_capi_default ON)
endif()
option(ORVCEF_TEST_WITH_SIMULATED_CAPI
       "Run on the simulated runtime's C-API libcef.dll instead of the distribution's binaries, with the Wine suite"
       ${simulated_capi_default})
if(ORVCEF_TEST_WITH_SIMULATED_CAPI AND MSVC)
  message(FATAL_ERROR "ORVCEF_TEST_WITH_SIMULATED_CAPI needs the mingw "
                      "toolchain: the simulated runtime runs under Wine")
endif()
if(NOT ORVCEF_TEST_WITH_SIMULATED_CAPI)
  foreach(required Release/libcef.dll Release/libcef.lib Resources)
    if(NOT EXISTS ${cef_root}/${required})
      message(FATAL_ERROR "ORVCEF_CEF_ROOT=${cef_root} is no CEF binary "
                          "distribution: ${required} is missing")
    endif()
  endforeach()
endif()

add_library(orv_cef_headers INTERFACE)
target_include_directories(orv_cef_headers INTERFACE ${cef_root})

if(MSVC)
  # CEF's wrapper uses the static C runtime (/MT); so do our modules, which
  # then need no runtime DLL either.
  set(CMAKE_MSVC_RUNTIME_LIBRARY "MultiThreaded$<$<CONFIG:Debug>:Debug>")
  # The distribution's own build of libcef_dll_wrapper, with CEF's flags.
  set(CEF_ROOT ${cef_root})
  list(APPEND CMAKE_MODULE_PATH ${cef_root}/cmake)
  find_package(CEF REQUIRED)
  add_subdirectory(${CEF_LIBCEF_DLL_WRAPPER_PATH}
                   ${CMAKE_BINARY_DIR}/libcef_dll_wrapper)
  set(cef_wrapper_target libcef_dll_wrapper)
else()
  # Its 186 sources parse the same large headers: compiled in batches, one
  # file of the build folder including 24 of them, they build in a fraction
  # of the time.
  file(GLOB_RECURSE cef_wrapper_sources ${cef_root}/libcef_dll/*.cc)
  list(SORT cef_wrapper_sources)
  set(batches)
  set(batch_text "")
  set(batch_size 0)
  foreach(source ${cef_wrapper_sources} "")
    if(source)
      string(APPEND batch_text "#include \"${source}\"\n")
      math(EXPR batch_size "${batch_size} + 1")
    endif()
    if(batch_size EQUAL 24 OR (NOT source AND batch_size GREATER 0))
      list(LENGTH batches count)
      set(batch ${CMAKE_BINARY_DIR}/cef/wrapper_batch_${count}.cc)
      file(CONFIGURE OUTPUT ${batch} CONTENT "${batch_text}" @ONLY)
      list(APPEND batches ${batch})
      set(batch_text "")
      set(batch_size 0)
    endif()
  endforeach()
  add_library(orv_cef_wrapper_library STATIC ${batches})
  target_include_directories(orv_cef_wrapper_library PUBLIC ${cef_root})
  target_compile_definitions(orv_cef_wrapper_library PRIVATE
                             WRAPPING_CEF_SHARED)
  # include/internal/cef_string_wrappers.h calls strlen without including
  # <string.h>; MSVC's headers happen to declare it, mingw-w64's do not.
  # Third-party code: its warnings are not ours to fix.
  target_compile_options(orv_cef_wrapper_library PRIVATE -include string.h -w)
  set(cef_wrapper_target orv_cef_wrapper_library)
endif()
add_library(orv_cef_wrapper INTERFACE)
target_link_libraries(orv_cef_wrapper INTERFACE ${cef_wrapper_target}
                      orv_cef_headers)

# CEF's C API, as its headers declare it: the import libraries of
# libcef.dll for mingw are made from this list.
file(GLOB_RECURSE cef_api_headers ${cef_root}/include/*.h)
set(cef_api_def ${CMAKE_BINARY_DIR}/cef/libcef.def)
orv_write_export_def(OUTPUT ${cef_api_def} DLL libcef.dll MACRO CEF_EXPORT
                     HEADERS ${cef_api_headers})

# orvcef.dll binds libcef.dll lazily: it must load without it.
if(MSVC)
  add_library(orv_cef_delay INTERFACE)
  target_link_libraries(orv_cef_delay INTERFACE
                        ${cef_root}/Release/libcef.lib delayimp.lib)
  target_link_options(orv_cef_delay INTERFACE /DELAYLOAD:libcef.dll)
else()
  orv_add_def_import_library(NAME orv_cef_delay DEF ${cef_api_def}
                             DLL libcef.dll DELAY)
endif()

# orvbrowser.exe needs libcef.dll from its first instruction.
if(ORVCEF_TEST_WITH_SIMULATED_CAPI)
  orv_add_def_import_library(NAME orv_cef_libcef DEF ${cef_api_def}
                             DLL libcef.dll)
  include(${CMAKE_CURRENT_LIST_DIR}/OrvCefSimulatedCApi.cmake)
  return()
endif()
add_library(orv_cef_libcef INTERFACE)
target_link_libraries(orv_cef_libcef INTERFACE ${cef_root}/Release/libcef.lib)

# CEF's runtime files beside the binaries. The kit names the binaries'
# folder as CEF's locales folder too, so the locale files go there directly.
set(cef_binary_files chrome_elf.dll libcef.dll libEGL.dll libGLESv2.dll
    snapshot_blob.bin v8_context_snapshot.bin vk_swiftshader.dll
    vk_swiftshader_icd.json vulkan-1.dll d3dcompiler_47.dll)
set(cef_resource_files chrome_100_percent.pak chrome_200_percent.pak
    resources.pak icudtl.dat)
set(cef_runtime_copies)
foreach(file ${cef_binary_files})
  if(EXISTS ${cef_root}/Release/${file})
    list(APPEND cef_runtime_copies ${cef_root}/Release/${file})
  endif()
endforeach()
foreach(file ${cef_resource_files})
  if(EXISTS ${cef_root}/Resources/${file})
    list(APPEND cef_runtime_copies ${cef_root}/Resources/${file})
  endif()
endforeach()
file(GLOB cef_locale_files ${cef_root}/Resources/locales/*.pak)
list(APPEND cef_runtime_copies ${cef_locale_files})
add_custom_target(orv_cef_runtime_files ALL
  COMMAND ${CMAKE_COMMAND} -E make_directory ${CMAKE_RUNTIME_OUTPUT_DIRECTORY}
  COMMAND ${CMAKE_COMMAND} -E copy_if_different ${cef_runtime_copies}
          ${CMAKE_RUNTIME_OUTPUT_DIRECTORY}
  COMMENT "Copying CEF's runtime files beside the binaries")
install(FILES ${cef_runtime_copies} DESTINATION bin COMPONENT kit)
