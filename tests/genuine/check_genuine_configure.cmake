# Configures the project against a stand-in for a CEF 109 Windows 32-bit
# binary distribution (its layout only: nothing is built) and checks what
# the build would do with it: CEF's headers and wrapper sources from the
# distribution, libcef.dll delay-loaded by orvcef.dll and linked at load
# time by orvbrowser.exe, its runtime files copied, and nothing of the
# simulated runtime or the Wine test suite.
# Run with -DSOURCE_DIR=... -DWORK_DIR=... -DTOOLCHAIN=...
set(cef_root ${WORK_DIR}/cef_binary_109_windows32)
set(build ${WORK_DIR}/build)
file(REMOVE_RECURSE ${WORK_DIR})
file(MAKE_DIRECTORY ${cef_root}/include ${cef_root}/libcef_dll/wrapper
     ${cef_root}/Release ${cef_root}/Resources/locales ${build})
file(WRITE ${cef_root}/include/cef_version.h
     "#define CEF_VERSION_MAJOR 109\n")
file(WRITE ${cef_root}/libcef_dll/wrapper/cef_message_router.cc "\n")
file(WRITE ${cef_root}/libcef_dll/wrapper/libcef_dll_wrapper.cc "\n")
foreach(file Release/libcef.dll Release/libcef.lib Release/chrome_elf.dll
             Release/v8_context_snapshot.bin Resources/resources.pak
             Resources/icudtl.dat Resources/locales/zh-CN.pak)
  file(WRITE ${cef_root}/${file} "")
endforeach()

execute_process(
  COMMAND ${CMAKE_COMMAND} -S ${SOURCE_DIR} -B ${build} -G Ninja
          -DCMAKE_TOOLCHAIN_FILE=${TOOLCHAIN} -DCMAKE_BUILD_TYPE=Release
          -DORVCEF_CEF_ROOT=${cef_root}
  RESULT_VARIABLE result OUTPUT_VARIABLE output ERROR_VARIABLE output)
if(NOT result EQUAL 0)
  message(FATAL_ERROR "configure against the distribution failed:\n${output}")
endif()
file(READ ${build}/build.ninja ninja)

function(expect what text)
  string(FIND "${ninja}" "${text}" found)
  if(found EQUAL -1)
    message(FATAL_ERROR "build does not ${what} (no \"${text}\")")
  endif()
endfunction()
function(refuse what text)
  string(FIND "${ninja}" "${text}" found)
  if(NOT found EQUAL -1)
    message(FATAL_ERROR "build must not ${what} (found \"${text}\")")
  endif()
endfunction()

expect("build the wrapper from the distribution"
       "${cef_root}/libcef_dll/wrapper/cef_message_router.cc")
expect("compile against the distribution's headers" "-I${cef_root}")
expect("make a delay-load library of the genuine libcef.dll"
       "--output-delaylib")
expect("link orvbrowser.exe to libcef.dll" "${cef_root}/Release/libcef.lib")
expect("give orvbrowser.exe CEF's main-thread stack" "--stack,8388608")
expect("copy CEF's runtime files" "${cef_root}/Resources/locales/zh-CN.pak")
expect("build orvcef.dll" "bin/orvcef.dll")
expect("build orvbrowser.exe" "bin/orvbrowser.exe")
refuse("use the simulated runtime" "cefsim")
refuse("build the Wine tests" "orvcef_host_test")
message(STATUS "the genuine-CEF configuration is as expected")
