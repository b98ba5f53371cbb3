# Checks that the source trees read bottom-up: a folder of a tree includes
# only folders below it in the tree's layer order, so the includes between
# folders run one way. Includes within one folder are free.
#   cmake -DROOT=<source root> -P check_layers.cmake
# Every violation is reported as "<file>: includes "<path>" (<folder> is not
# below <folder>)", and the script fails when there is any.
cmake_minimum_required(VERSION 3.25)

# One list per tree, lowest layer first. Folders joined by "|" share a layer:
# they may use the layers below but not each other.
#
# cefsim/runtime/: includes name the folder first ("threads/threads.h").
set(cefsim_runtime_layers
    text
    "diagnostics|exports"
    values
    ipc
    threads
    process
    renderer
    web
    "auth|downloads|preferences|scenario"
    browser)
# orvcef/: includes name the tree first ("orvcef/base/...").
set(orvcef_layers include base network bridge handler core)

if(NOT DEFINED ROOT)
  message(FATAL_ERROR "run with -DROOT=<source root>")
endif()

set(violations "")

# Checks the tree in ${ROOT}/|tree_dir|, whose includes of its own folders
# read "|prefix|<folder>/...". |layers_var| names its layer list.
function(check_tree tree_dir prefix layers_var)
  set(tree ${ROOT}/${tree_dir})
  set(level 0)
  set(known "")
  foreach(layer ${${layers_var}})
    string(REPLACE "|" ";" folders "${layer}")
    foreach(folder ${folders})
      set(level_of_${folder} ${level})
      list(APPEND known ${folder})
    endforeach()
    math(EXPR level "${level} + 1")
  endforeach()

  set(found "")
  file(GLOB children LIST_DIRECTORIES true RELATIVE ${tree} ${tree}/*)
  foreach(child ${children})
    if(IS_DIRECTORY ${tree}/${child})
      list(APPEND found ${child})
      if(NOT child IN_LIST known)
        list(APPEND violations
             "${tree_dir}/${child}/: a folder with no place in ${layers_var}")
      endif()
    endif()
  endforeach()

  foreach(folder ${found})
    if(NOT folder IN_LIST known)
      continue()
    endif()
    file(GLOB_RECURSE sources RELATIVE ${tree}
         ${tree}/${folder}/*.h ${tree}/${folder}/*.cc ${tree}/${folder}/*.inc
         ${tree}/${folder}/*.rc)
    foreach(source ${sources})
      file(STRINGS ${tree}/${source} lines
           REGEX "^[ \t]*#[ \t]*include[ \t]*\"${prefix}[^/\"]+/")
      foreach(line ${lines})
        string(REGEX MATCH "\"${prefix}([^/\"]+)/[^\"]*\"" quoted "${line}")
        set(target ${CMAKE_MATCH_1})
        # Only the tree's own folders are layers; "include/cef_app.h" in
        # cefsim/runtime/ is CEF's header, not a folder of the runtime.
        if(target STREQUAL folder OR NOT target IN_LIST found)
          continue()
        endif()
        if(NOT target IN_LIST known)
          continue()  # Reported above as a folder with no place.
        endif()
        if(NOT level_of_${target} LESS level_of_${folder})
          list(APPEND violations
               "${tree_dir}/${source}: includes ${quoted} (${target} is not below ${folder})")
        endif()
      endforeach()
    endforeach()
  endforeach()
  set(violations ${violations} PARENT_SCOPE)
endfunction()

check_tree(cefsim/runtime "" cefsim_runtime_layers)
# orvcef/ gets its base layer in the same change that orders its folders;
# until orvcef/base exists the tree has no order to check.
if(IS_DIRECTORY ${ROOT}/orvcef/base)
  check_tree(orvcef "orvcef/" orvcef_layers)
else()
  message(STATUS "orvcef/ has no base/ folder yet: its layers are not checked")
endif()

if(violations)
  list(LENGTH violations count)
  string(REPLACE ";" "\n  " listing "${violations}")
  message(FATAL_ERROR "${count} include(s) against the layer order:\n  "
                      "${listing}")
endif()
message(STATUS "the includes between folders run one way")
