# The installed kit, as a host developer receives it:
#   bin/                 orvcef.dll, orvbrowser.exe (beside CEF's own files)
#   include/             orvcef.h
#   lib/                 liborvcef.dll.a for mingw hosts; orvcef.def from
#                        which MSVC hosts make orvcef.lib (see docs)
#   page/                the page-side helper for the web application
#   examples/            the sample host's source
#   docs/                the guides: integrating, building against a
#                        genuine CEF, the simulated runtime
#   simulated-runtime/   the simulated libcef.dll and its control headers,
#                        for testing a host's integration offline; never
#                        beside orvcef.dll, where CEF's own files belong
# `cpack` packs the same tree into a ZIP; scripts/package.sh makes the one
# to ship, from an optimised build with stripped binaries.
include(GNUInstallDirs)

foreach(product orvcef orvbrowser)
  if(TARGET ${product})
    install(TARGETS ${product} RUNTIME DESTINATION bin COMPONENT kit)
  endif()
endforeach()
install(FILES ${CMAKE_SOURCE_DIR}/orvcef/include/orvcef.h
        DESTINATION include COMPONENT kit)
if(TARGET orvcef)
  install(FILES ${CMAKE_ARCHIVE_OUTPUT_DIRECTORY}/liborvcef.dll.a
          DESTINATION lib COMPONENT kit)
  install(FILES ${CMAKE_SOURCE_DIR}/orvcef/orvcef_import.def
          DESTINATION lib RENAME orvcef.def COMPONENT kit)
  # What each file of lib/ is for, beside them; the guide says more.
  install(CODE [[
    file(WRITE "$ENV{DESTDIR}${CMAKE_INSTALL_PREFIX}/lib/README.txt"
"liborvcef.dll.a  import library of orvcef.dll for mingw-w64 hosts
orvcef.def       its exports with their stdcall decoration; an MSVC host
                 makes its import library from it, in a Visual Studio x86
                 prompt:
                   lib /def:orvcef.def /machine:x86 /out:orvcef.lib
See docs/host-guide.md, \"Linking\".
")]] COMPONENT kit)
endif()
# The page helper, with its package description when it has one.
foreach(file orvcef-page.js orvcef-page.d.ts package.json)
  if(EXISTS ${CMAKE_SOURCE_DIR}/page/${file})
    install(FILES ${CMAKE_SOURCE_DIR}/page/${file} DESTINATION page
            COMPONENT kit)
  endif()
endforeach()
install(FILES ${CMAKE_SOURCE_DIR}/examples/sample_host/sample_host.cc
        DESTINATION examples/sample_host COMPONENT kit)
install(FILES ${CMAKE_SOURCE_DIR}/docs/host-guide.md
              ${CMAKE_SOURCE_DIR}/docs/genuine-cef.md
              ${CMAKE_SOURCE_DIR}/docs/cefsim.md
        DESTINATION docs COMPONENT kit)

if(TARGET libcef)
  install(TARGETS libcef RUNTIME DESTINATION simulated-runtime
          COMPONENT simulated_runtime)
  install(DIRECTORY ${CMAKE_SOURCE_DIR}/cefsim/control/include/cefsim
          DESTINATION simulated-runtime/include COMPONENT simulated_runtime)
endif()

set(CPACK_GENERATOR ZIP)
set(CPACK_PACKAGE_NAME orvcef)
set(CPACK_PACKAGE_FILE_NAME orvcef-${PROJECT_VERSION}-win32)
set(CPACK_INCLUDE_TOPLEVEL_DIRECTORY ON)
include(CPack)
