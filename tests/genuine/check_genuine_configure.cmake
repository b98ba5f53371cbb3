# Configures the project against stand-ins for a CEF 109 Windows 32-bit
# binary distribution (its layout only: nothing is built) and checks what
# the build would do with them.
#
# With the binaries: CEF's headers and wrapper sources from the
# distribution, libcef.dll delay-loaded by orvcef.dll through a library made
# from the C API's declarations and linked at load time by orvbrowser.exe,
# its runtime files copied, and nothing of the simulated runtime or the Wine
# suite. Without them (headers and wrapper sources only): the same product
# build, and the Wine suite on the simulated runtime's C-API libcef.dll.
# Run with -DSOURCE_DIR=... -DWORK_DIR=... -DTOOLCHAIN=...
set(cef_root ${WORK_DIR}/cef_binary_109_windows32)
set(build ${WORK_DIR}/build)
file(REMOVE_RECURSE ${WORK_DIR})
file(MAKE_DIRECTORY ${cef_root}/include/capi ${cef_root}/include/internal
     ${cef_root}/libcef_dll/wrapper ${cef_root}/Release
     ${cef_root}/Resources/locales ${build})
file(WRITE ${cef_root}/include/cef_version.h
     "#define CEF_VERSION_MAJOR 109\n")
# Two C API declarations as CEF's headers write them, one spread over
# lines, and the macro's own definition, which declares nothing.
file(WRITE ${cef_root}/include/internal/cef_export.h
     "#define CEF_EXPORT __attribute__((visibility(\"default\")))\n")
file(WRITE ${cef_root}/include/capi/cef_app_capi.h
     "CEF_EXPORT int cef_initialize(const struct _cef_main_args_t* args,\n"
     "                              struct _cef_app_t* application);\n"
     "CEF_EXPORT cef_string_userfree_t\ncef_format_url_for_security_display("
     "const cef_string_t* origin_url);\n")
file(WRITE ${cef_root}/libcef_dll/wrapper/cef_message_router.cc "\n")
file(WRITE ${cef_root}/libcef_dll/wrapper/libcef_dll_wrapper.cc "\n")
foreach(file Release/libcef.dll Release/libcef.lib Release/chrome_elf.dll
             Release/v8_context_snapshot.bin Resources/resources.pak
             Resources/icudtl.dat Resources/locales/zh-CN.pak)
  file(WRITE ${cef_root}/${file} "")
endforeach()

# Configures the project against the stand-in with |ARGN| more options and
# reads the build file it wrote into |ninja|.
macro(configure)
  execute_process(
    COMMAND ${CMAKE_COMMAND} -S ${SOURCE_DIR} -B ${build} -G Ninja
            -DCMAKE_TOOLCHAIN_FILE=${TOOLCHAIN} -DORVCEF_CEF_ROOT=${cef_root}
            ${ARGN}
    RESULT_VARIABLE result OUTPUT_VARIABLE output ERROR_VARIABLE output)
  if(NOT result EQUAL 0)
    message(FATAL_ERROR "configure against the distribution failed:\n"
                        "${output}")
  endif()
  file(READ ${build}/build.ninja ninja)
endmacro()

configure(-DCMAKE_BUILD_TYPE=Release)

function(expect what text)
  string(FIND "${ninja}" "${text}" found)
  if(found EQUAL -1)
    message(FATAL_ERROR "build does not ${what} (no \"${text}\")")
  endif()
endfunction()
# The wrapper compiles in batches: its sources are named in the batch files.
function(expect_wrapper_source path)
  file(GLOB batches ${build}/cef/wrapper_batch_*.cc)
  set(batch_text "")
  foreach(batch ${batches})
    file(READ ${batch} text)
    string(APPEND batch_text "${text}")
  endforeach()
  string(FIND "${batch_text}" "${path}" found)
  if(found EQUAL -1)
    message(FATAL_ERROR "the wrapper is not built from ${path}")
  endif()
endfunction()
function(refuse what text)
  string(FIND "${ninja}" "${text}" found)
  if(NOT found EQUAL -1)
    message(FATAL_ERROR "build must not ${what} (found \"${text}\")")
  endif()
endfunction()

expect_wrapper_source("${cef_root}/libcef_dll/wrapper/cef_message_router.cc")
expect("compile against the distribution's headers" "-I${cef_root}")
expect("make a delay-load library of libcef.dll" "--output-delaylib")
refuse("guess libcef.dll's exports from its code" "gendef")
expect("declare strlen for CEF's string header" "-include string.h")
expect("link orvbrowser.exe to libcef.dll" "${cef_root}/Release/libcef.lib")
expect("give orvbrowser.exe CEF's main-thread stack" "--stack,8388608")
expect("copy CEF's runtime files" "${cef_root}/Resources/locales/zh-CN.pak")
expect("build orvcef.dll" "bin/orvcef.dll")
expect("build orvbrowser.exe" "bin/orvbrowser.exe")
refuse("use the simulated runtime" "cefsim")
refuse("build the Wine tests" "orvcef_host_test")
file(READ ${build}/cef/libcef.def def)
if(NOT def MATCHES "EXPORTS\n  cef_format_url_for_security_display\n  cef_initialize\n$")
  message(FATAL_ERROR "the C API list is not the declared functions:\n${def}")
endif()
message(STATUS "the genuine-CEF configuration is as expected")

# Without binaries: the test configuration. The C-API libcef.dll is taken
# from a stand-in of a build folder that made it.
file(REMOVE_RECURSE ${cef_root}/Release ${cef_root}/Resources ${build})
set(capi_build ${WORK_DIR}/capi-build)
file(WRITE ${capi_build}/capi/bin/libcef.dll "")
configure(-DCMAKE_BUILD_TYPE=Debug -DORVCEF_SIMULATED_CAPI_FROM=${capi_build})
expect_wrapper_source("${cef_root}/libcef_dll/wrapper/cef_message_router.cc")
expect("place the C-API libcef.dll beside the binaries"
       "${capi_build}/capi/bin/libcef.dll")
expect("build the host-level tests" "bin/orvcef_host_test.exe")
expect("build the hardening tests" "bin/orvcef_hardening_test.exe")
expect("build the bridge benchmark" "bin/orvcef_bench_bridge.exe")
refuse("build the simulated runtime's own wrapper" "cefsim/wrapper")
refuse("build tests of the simulated runtime's pieces" "cefsim_v8_test")
refuse("build the simulated runtime's default libcef.dll" "cefsim_runtime")
message(STATUS "the test configuration without binaries is as expected")
