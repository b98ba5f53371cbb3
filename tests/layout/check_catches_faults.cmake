# Runs check_layers.cmake on small trees written here, each with one way of
# breaking the layer order or keeping it, and checks that the check fails,
# naming the file and the include, exactly when the order is broken.
#   cmake -DCHECK=<check_layers.cmake> -DWORK_DIR=<scratch folder> -P ...
cmake_minimum_required(VERSION 3.25)

set(failures "")

# layout_case(<name> PASS|FAIL <regex the output must match>
#             <file> <include> [<file> <include>...])
# Writes each file, relative to a fresh root, holding one quoted include
# ("-" for none), then runs the check on that root.
function(layout_case name expect regex)
  set(root ${WORK_DIR}/${name})
  file(REMOVE_RECURSE ${root})
  set(pairs ${ARGN})
  while(pairs)
    list(POP_FRONT pairs path include)
    if(include STREQUAL "-")
      file(WRITE ${root}/${path} "// Nothing included.\n")
    else()
      file(WRITE ${root}/${path} "#include \"${include}\"\n")
    endif()
  endwhile()
  execute_process(COMMAND ${CMAKE_COMMAND} -DROOT=${root} -P ${CHECK}
                  RESULT_VARIABLE result OUTPUT_VARIABLE out
                  ERROR_VARIABLE out)
  if(result EQUAL 0)
    set(got PASS)
  else()
    set(got FAIL)
  endif()
  if(NOT got STREQUAL expect)
    list(APPEND failures "${name}: expected ${expect}, got ${got}:\n${out}")
  elseif(NOT out MATCHES "${regex}")
    list(APPEND failures "${name}: output does not match ${regex}:\n${out}")
  endif()
  set(failures ${failures} PARENT_SCOPE)
endfunction()

set(rt cefsim/runtime)

# Downward, same-folder and outside includes keep the order.
layout_case(runtime_downward PASS "run one way"
            ${rt}/text/a.h -
            ${rt}/browser/b.cc text/a.h
            ${rt}/browser/c.cc browser/b.h
            ${rt}/browser/d.cc include/cef_app.h
            ${rt}/scenario/e.cc web/f.h
            ${rt}/web/f.h -)
# Upward, from the bottom to the top.
layout_case(runtime_upward FAIL
            "cefsim/runtime/text/a\\.h: includes \"browser/b\\.h\""
            ${rt}/text/a.h browser/b.h
            ${rt}/browser/b.h -)
# One layer further up is as wrong as many: the renderer above threads.
layout_case(runtime_one_layer_up FAIL
            "cefsim/runtime/threads/t\\.cc: includes \"renderer/r\\.h\""
            ${rt}/threads/t.cc renderer/r.h
            ${rt}/renderer/r.h -)
# Folders sharing a layer do not use each other.
layout_case(runtime_same_layer FAIL
            "cefsim/runtime/auth/a\\.cc: includes \"downloads/d\\.h\""
            ${rt}/auth/a.cc downloads/d.h
            ${rt}/downloads/d.h -)
# A file deep in a folder counts as that folder.
layout_case(runtime_nested_file FAIL
            "cefsim/runtime/values/deep/v\\.h: includes \"process/p\\.h\""
            ${rt}/values/deep/v.h process/p.h
            ${rt}/process/p.h -)
# A new folder must be given its place in the order.
layout_case(runtime_unplaced_folder FAIL "cefsim/runtime/extra/: a folder with no place"
            ${rt}/extra/x.h -
            ${rt}/browser/b.cc extra/x.h)
# orvcef/ names its own folders with the tree in front.
layout_case(orvcef_downward PASS "run one way"
            orvcef/base/a.h -
            orvcef/core/c.cc orvcef/base/a.h
            orvcef/core/d.cc include/cef_app.h)
layout_case(orvcef_upward FAIL
            "orvcef/bridge/b\\.cc: includes \"orvcef/handler/h\\.h\""
            orvcef/base/a.h -
            orvcef/bridge/b.cc orvcef/handler/h.h
            orvcef/handler/h.h -)
# Until orvcef/ has its base folder, its includes are not judged.
layout_case(orvcef_before_base PASS "not checked"
            orvcef/network/n.cc orvcef/core/c.h
            orvcef/core/c.h -)

if(failures)
  string(REPLACE ";" "\n" listing "${failures}")
  message(FATAL_ERROR "the layer check misjudged:\n${listing}")
endif()
message(STATUS "the layer check judged every case right")
