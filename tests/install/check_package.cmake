# Checks the ZIP that scripts/package.sh makes, as a host developer unpacks
# it: one top folder named like the ZIP, the kit's files and no stray ones,
# an orvcef.dll that exports exactly the ten functions under their plain
# names, and binaries with neither symbols nor debug information.
# Run with -DZIP=... -DWORK_DIR=... -DOBJDUMP=...
foreach(required ZIP WORK_DIR OBJDUMP)
  if(NOT ${required})
    message(FATAL_ERROR "check_package.cmake needs -D${required}=...")
  endif()
endforeach()
include(${CMAKE_CURRENT_LIST_DIR}/kit_contents.cmake)

file(REMOVE_RECURSE ${WORK_DIR})
file(MAKE_DIRECTORY ${WORK_DIR})
execute_process(COMMAND ${CMAKE_COMMAND} -E tar xf ${ZIP}
                WORKING_DIRECTORY ${WORK_DIR} RESULT_VARIABLE result)
if(NOT result EQUAL 0)
  message(FATAL_ERROR "${ZIP} does not unpack: ${result}")
endif()

# Layout.
get_filename_component(top ${ZIP} NAME_WLE)
file(GLOB tops RELATIVE ${WORK_DIR} ${WORK_DIR}/*)
if(NOT tops STREQUAL top)
  message(FATAL_ERROR "the ZIP must hold the one folder ${top}, not: ${tops}")
endif()
set(kit ${WORK_DIR}/${top})
foreach(path ${ORV_KIT_FILES})
  if(NOT EXISTS ${kit}/${path})
    message(FATAL_ERROR "missing from the package: ${path}")
  endif()
endforeach()
set(folders bin docs examples include lib page simulated-runtime)
file(GLOB found RELATIVE ${kit} ${kit}/*)
list(SORT found)
if(NOT found STREQUAL folders)
  message(FATAL_ERROR "the package's folders are ${found}, not ${folders}")
endif()
# bin/ is what a host copies beside its executable: the kit's two binaries
# and nothing else (above all not the simulated libcef.dll).
file(GLOB found RELATIVE ${kit}/bin ${kit}/bin/*)
list(SORT found)
if(NOT found STREQUAL "orvbrowser.exe;orvcef.dll")
  message(FATAL_ERROR "bin/ holds ${found}, not orvbrowser.exe;orvcef.dll")
endif()

# Exactly the ten exports, under their plain names.
execute_process(COMMAND ${OBJDUMP} -p ${kit}/bin/orvcef.dll
                OUTPUT_VARIABLE headers RESULT_VARIABLE result)
if(NOT result EQUAL 0)
  message(FATAL_ERROR "objdump cannot read bin/orvcef.dll")
endif()
string(REGEX MATCH "\\[Ordinal/Name Pointer\\] Table\n([^\n]+\n)*" table
       "${headers}")
string(REGEX MATCHALL "\t\\[ *[0-9]+\\] [^\n]+" names "${table}")
list(TRANSFORM names REPLACE "^\t\\[ *[0-9]+\\] " "")
list(SORT names)
set(expected ${ORV_KIT_EXPORTS})
list(TRANSFORM expected REPLACE "@[0-9]+$" "")
list(SORT expected)
if(NOT names STREQUAL expected)
  message(FATAL_ERROR "orvcef.dll exports ${names}, not ${expected}")
endif()

# Stripped: no symbol table, no debug sections.
file(GLOB_RECURSE binaries ${kit}/*.dll ${kit}/*.exe)
foreach(binary ${binaries})
  file(RELATIVE_PATH name ${kit} ${binary})
  execute_process(COMMAND ${OBJDUMP} -h -t ${binary}
                  OUTPUT_VARIABLE dump RESULT_VARIABLE result)
  if(NOT result EQUAL 0)
    message(FATAL_ERROR "objdump cannot read ${name}")
  endif()
  if(NOT dump MATCHES "SYMBOL TABLE:\nno symbols")
    message(FATAL_ERROR "${name} keeps its symbol table: not stripped")
  endif()
  if(dump MATCHES " \\.debug_")
    message(FATAL_ERROR "${name} keeps debug information: not stripped")
  endif()
endforeach()
file(REMOVE_RECURSE ${WORK_DIR})
message(STATUS "${ZIP}: layout, exports and stripped binaries as shipped")
