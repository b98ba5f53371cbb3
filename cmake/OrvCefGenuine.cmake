# The four CEF targets of OrvCef.cmake from a genuine CEF 109 binary
# distribution (the "cef_binary_109.*_windows32" archive unpacked):
#   <root>/include/...         headers
#   <root>/libcef_dll/...      the wrapper library's sources
#   <root>/Release/libcef.dll, libcef.lib and the other runtime binaries
#   <root>/Resources/...       .pak files, icudtl.dat, locales/
# MSVC builds the wrapper with the distribution's own CMake files; mingw
# builds it from the same sources with flags of ours.
set(cef_root ${ORVCEF_CEF_ROOT})
foreach(required include/cef_version.h libcef_dll Release/libcef.dll
                 Release/libcef.lib Resources)
  if(NOT EXISTS ${cef_root}/${required})
    message(FATAL_ERROR "ORVCEF_CEF_ROOT=${cef_root} is no CEF binary "
                        "distribution: ${required} is missing")
  endif()
endforeach()
file(STRINGS ${cef_root}/include/cef_version.h cef_version_line
     REGEX "#define CEF_VERSION_MAJOR")
if(NOT cef_version_line MATCHES "CEF_VERSION_MAJOR 109")
  message(FATAL_ERROR "ORVCEF_CEF_ROOT must hold CEF 109 (${cef_version_line})")
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
  file(GLOB_RECURSE cef_wrapper_sources ${cef_root}/libcef_dll/*.cc)
  add_library(orv_cef_wrapper_library STATIC ${cef_wrapper_sources})
  target_include_directories(orv_cef_wrapper_library PUBLIC ${cef_root})
  target_compile_definitions(orv_cef_wrapper_library PRIVATE
                             WRAPPING_CEF_SHARED)
  target_compile_options(orv_cef_wrapper_library PRIVATE -w)
  set(cef_wrapper_target orv_cef_wrapper_library)
endif()
add_library(orv_cef_wrapper INTERFACE)
target_link_libraries(orv_cef_wrapper INTERFACE ${cef_wrapper_target}
                      orv_cef_headers)

# orvcef.dll binds libcef.dll lazily: it must load without it.
add_library(orv_cef_delay INTERFACE)
if(MSVC)
  target_link_libraries(orv_cef_delay INTERFACE
                        ${cef_root}/Release/libcef.lib delayimp.lib)
  target_link_options(orv_cef_delay INTERFACE /DELAYLOAD:libcef.dll)
else()
  # mingw delay-loads through a library made from the DLL's export list.
  find_program(ORV_GENDEF NAMES i686-w64-mingw32-gendef gendef REQUIRED)
  set(cef_def ${CMAKE_BINARY_DIR}/cef/libcef.def)
  set(cef_delay_lib ${CMAKE_BINARY_DIR}/cef/libcef_delay.a)
  add_custom_command(
    OUTPUT ${cef_delay_lib}
    COMMAND ${CMAKE_COMMAND} -E make_directory ${CMAKE_BINARY_DIR}/cef
    COMMAND ${ORV_GENDEF} - ${cef_root}/Release/libcef.dll > ${cef_def}
    COMMAND ${CMAKE_DLLTOOL} --input-def ${cef_def} --dllname libcef.dll
            --output-delaylib ${cef_delay_lib}
    DEPENDS ${cef_root}/Release/libcef.dll
    COMMENT "Making the delay-load library of the genuine libcef.dll")
  add_custom_target(orv_cef_delay_lib DEPENDS ${cef_delay_lib})
  add_dependencies(orv_cef_delay orv_cef_delay_lib)
  target_link_libraries(orv_cef_delay INTERFACE ${cef_delay_lib})
endif()

# orvbrowser.exe needs libcef.dll from its first instruction.
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
