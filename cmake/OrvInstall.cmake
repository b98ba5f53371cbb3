# The installed kit, as a host developer receives it:
#   bin/                 orvcef.dll, orvbrowser.exe (beside CEF's own files)
#   include/             orvcef.h
#   lib/                 liborvcef.dll.a for mingw hosts; orvcef.def from
#                        which MSVC hosts make orvcef.lib (see docs)
#   page/                the page-side helper for the web application
#   examples/            the sample host's source
#   simulated-runtime/   the simulated libcef.dll and its control headers,
#                        for testing a host's integration offline; never
#                        beside orvcef.dll, where CEF's own files belong
# `cpack` packs the same tree into a ZIP.
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
endif()
install(FILES ${CMAKE_SOURCE_DIR}/page/orvcef-page.js
              ${CMAKE_SOURCE_DIR}/page/orvcef-page.d.ts
        DESTINATION page COMPONENT kit)
install(FILES ${CMAKE_SOURCE_DIR}/examples/sample_host/sample_host.cc
        DESTINATION examples/sample_host COMPONENT kit)

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
