# Installs the build into a fresh folder and checks the tree a host
# developer receives: what must be there, what must not, and that the
# import libraries bind callers' stdcall symbols to the plain export names.
# Run with -DBUILD_DIR=... -DPREFIX=... -DNM=... -DDLLTOOL=... -DCPACK=...
file(REMOVE_RECURSE ${PREFIX})
execute_process(COMMAND ${CMAKE_COMMAND} --install ${BUILD_DIR}
                        --prefix ${PREFIX}
                RESULT_VARIABLE result OUTPUT_QUIET)
if(NOT result EQUAL 0)
  message(FATAL_ERROR "cmake --install failed: ${result}")
endif()

include(${CMAKE_CURRENT_LIST_DIR}/kit_contents.cmake)
foreach(path ${ORV_KIT_FILES})
  if(NOT EXISTS ${PREFIX}/${path})
    message(FATAL_ERROR "missing from the install: ${path}")
  endif()
endforeach()
# The simulated runtime never sits beside orvcef.dll as if it were CEF.
if(EXISTS ${PREFIX}/bin/libcef.dll)
  message(FATAL_ERROR "the simulated libcef.dll was installed into bin/")
endif()

# The import library a mingw host links, and one made from the shipped
# .def as an MSVC host's lib /def would: both must offer every decorated
# symbol a stdcall caller references.
execute_process(COMMAND ${DLLTOOL} --input-def ${PREFIX}/lib/orvcef.def
                        --kill-at --dllname orvcef.dll
                        --output-lib ${PREFIX}/from_def.a
                RESULT_VARIABLE result)
if(NOT result EQUAL 0)
  message(FATAL_ERROR "the shipped orvcef.def does not make an import library")
endif()
foreach(library lib/liborvcef.dll.a from_def.a)
  execute_process(COMMAND ${NM} ${PREFIX}/${library}
                  OUTPUT_VARIABLE symbols RESULT_VARIABLE result)
  foreach(name ${ORV_KIT_EXPORTS})
    string(FIND "${symbols}" " __imp__${name}\n" found)
    if(found EQUAL -1)
      message(FATAL_ERROR "${library} lacks __imp__${name}")
    endif()
  endforeach()
endforeach()
file(REMOVE ${PREFIX}/from_def.a)

# The ZIP package holds the same tree.
execute_process(COMMAND ${CPACK} -G ZIP -B ${PREFIX}-package
                WORKING_DIRECTORY ${BUILD_DIR}
                RESULT_VARIABLE result OUTPUT_QUIET)
file(GLOB zips ${PREFIX}-package/*.zip)
if(NOT result EQUAL 0 OR NOT zips)
  message(FATAL_ERROR "cpack made no ZIP: ${result}")
endif()
execute_process(COMMAND ${CMAKE_COMMAND} -E tar tf ${zips}
                OUTPUT_VARIABLE listing)
foreach(path ${ORV_KIT_FILES})
  string(FIND "${listing}" "/${path}" found)
  if(found EQUAL -1)
    message(FATAL_ERROR "missing from the ZIP: ${path}")
  endif()
endforeach()
file(REMOVE_RECURSE ${PREFIX}-package)
message(STATUS "install tree at ${PREFIX} and its ZIP are complete")
