# orv_write_export_def(OUTPUT def DLL name MACRO macro HEADERS header...)
#
# Writes a module-definition file that lists every function the headers
# declare with |macro| (CEF_EXPORT, say): the DLL's C API, read from its
# declarations. CEF's C API is cdecl, so the names carry no decoration and
# an import library made from the list binds exactly what a client calls,
# with no guessing from the DLL's code (gendef disassembles each function to
# guess a decoration). Declarations may span lines; the name is the last
# identifier before the opening parenthesis. The file is rewritten only when
# the list changes, so configuring again relinks nothing.
function(orv_write_export_def)
  cmake_parse_arguments(ARG "" "OUTPUT;DLL;MACRO" "HEADERS" ${ARGN})
  set(names)
  foreach(header ${ARG_HEADERS})
    file(READ ${header} text)
    string(REGEX REPLACE "[\r\n\t]+" " " text "${text}")
    string(REGEX MATCHALL "${ARG_MACRO} [^;(){}]*\\(" declarations "${text}")
    foreach(declaration ${declarations})
      string(REGEX MATCH "([A-Za-z_][A-Za-z0-9_]*) *\\($" name
             "${declaration}")
      set(name ${CMAKE_MATCH_1})
      # "#define CEF_EXPORT __declspec(dllexport)" is no declaration.
      if(NOT name MATCHES "^__")
        list(APPEND names ${name})
      endif()
    endforeach()
  endforeach()
  list(REMOVE_DUPLICATES names)
  list(SORT names)
  if(NOT names)
    message(FATAL_ERROR "no ${ARG_MACRO} declaration in the headers of ${ARG_DLL}")
  endif()
  list(JOIN names "\n  " exports)
  file(CONFIGURE OUTPUT ${ARG_OUTPUT}
       CONTENT "LIBRARY ${ARG_DLL}\nEXPORTS\n  ${exports}\n" @ONLY)
endfunction()

# orv_add_def_import_library(NAME target DEF def DLL dll [DELAY])
#
# An INTERFACE library |target| that links the import library dlltool makes
# from |def|: bound at load time, or with DELAY on the first call of each
# function (a module linked with it loads without the DLL).
function(orv_add_def_import_library)
  cmake_parse_arguments(ARG "DELAY" "NAME;DEF;DLL" "" ${ARGN})
  if(ARG_DELAY)
    set(kind --output-delaylib)
    set(what "delay-load library")
  else()
    set(kind --output-lib)
    set(what "import library")
  endif()
  set(library ${CMAKE_BINARY_DIR}/cef/lib${ARG_NAME}.a)
  add_custom_command(
    OUTPUT ${library}
    COMMAND ${CMAKE_DLLTOOL} --input-def ${ARG_DEF} --dllname ${ARG_DLL}
            ${kind} ${library}
    DEPENDS ${ARG_DEF}
    COMMENT "Making the ${what} of ${ARG_DLL} from its declared functions")
  add_custom_target(${ARG_NAME}_file DEPENDS ${library})
  add_library(${ARG_NAME} INTERFACE)
  add_dependencies(${ARG_NAME} ${ARG_NAME}_file)
  target_link_libraries(${ARG_NAME} INTERFACE ${library})
endfunction()
