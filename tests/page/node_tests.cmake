# Tests that run in Node's own test runner on the build machine, not under
# Wine, with the node that set-up installs (found on PATH). Without node the
# test is still registered and fails, saying why, so that a machine missing
# it cannot pass the suite by leaving the tests out.
find_program(NODE_EXECUTABLE NAMES node nodejs)

# orv_add_node_test(<name> <folder> <test files...>): runs the files with
# "node --test" in <folder>.
function(orv_add_node_test name folder)
  if(NODE_EXECUTABLE)
    add_test(NAME ${name} COMMAND ${NODE_EXECUTABLE} --test ${ARGN}
             WORKING_DIRECTORY ${folder})
  else()
    add_test(NAME ${name}
             COMMAND ${CMAKE_COMMAND}
                     "-DREASON=node was not found on PATH: run scripts/setup.sh (it installs Debian's nodejs)"
                     -P ${CMAKE_SOURCE_DIR}/tests/page/fail_with_reason.cmake)
  endif()
endfunction()
