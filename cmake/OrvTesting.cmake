# GoogleTest, built from the sources of Debian's googletest package with the
# cross compiler, and a helper that turns a set of sources into a test program
# whose cases CTest runs one per process under Wine.
set(ORV_GTEST_SOURCE_DIR /usr/src/googletest CACHE PATH "GoogleTest sources")
if(NOT EXISTS ${ORV_GTEST_SOURCE_DIR}/CMakeLists.txt)
  message(FATAL_ERROR "GoogleTest sources not found in ${ORV_GTEST_SOURCE_DIR}; "
                      "run scripts/setup.sh")
endif()
set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
set(BUILD_GMOCK ON CACHE BOOL "" FORCE)
set(gtest_force_shared_crt OFF CACHE BOOL "" FORCE)
add_subdirectory(${ORV_GTEST_SOURCE_DIR} ${CMAKE_BINARY_DIR}/googletest
                 EXCLUDE_FROM_ALL SYSTEM)
include(GoogleTest)

# orv_add_gtest(NAME SOURCES src... [LIBS lib...] [NO_MAIN]
#               [LOCK resource...] [TIMEOUT seconds])
# LOCK names CTest resource locks for cases that share outside state (a
# folder of the Wine prefix, say) and must not run at the same time.
function(orv_add_gtest name)
  cmake_parse_arguments(ARG "NO_MAIN" "TIMEOUT" "SOURCES;LIBS;LOCK" ${ARGN})
  add_executable(${name} ${ARG_SOURCES})
  if(ARG_NO_MAIN)
    target_link_libraries(${name} PRIVATE gtest gmock ${ARG_LIBS})
  else()
    target_link_libraries(${name} PRIVATE gtest_main gmock ${ARG_LIBS})
  endif()
  # wine-run starts the session keeper before the program it runs.
  add_dependencies(${name} orv_wine_session)
  if(NOT ARG_TIMEOUT)
    set(ARG_TIMEOUT 60)
  endif()
  set(props TIMEOUT ${ARG_TIMEOUT})
  if(ARG_LOCK)
    list(APPEND props RESOURCE_LOCK "${ARG_LOCK}")
  endif()
  gtest_discover_tests(${name}
    WORKING_DIRECTORY ${CMAKE_BINARY_DIR}/bin
    DISCOVERY_MODE PRE_TEST
    DISCOVERY_TIMEOUT 120
    PROPERTIES ${props})
endfunction()
