# The layering as a test: every source file of a layer includes project
# headers only from the layers below it and its own, and nothing below the
# application includes a Qt Widgets or Print Support header.
#
#   cmake -DSOURCE_DIR=<tree> -P CheckIncludes.cmake
#
# Prints each offending include with its file and line; fails when there is
# any.

# Layer folder, then the folders it may include from (itself included).
set(_layers
  "platform|platform"
  "foundation|platform foundation"
  "typeset|platform foundation typeset"
  "render|platform foundation typeset render"
  "grid|platform grid"
  "app|platform foundation typeset render grid app"
  "editions/vertical|platform foundation typeset render editions/vertical"
  "editions/horizontal|platform foundation typeset render editions/vertical editions/horizontal"
  "programs|platform foundation typeset render grid app editions/vertical editions/horizontal")
# The layers that may use widgets and printing.
set(_widget_layers grid app programs)

set(_faults 0)
foreach(_entry IN LISTS _layers)
  string(REPLACE "|" ";" _parts "${_entry}")
  list(GET _parts 0 _layer)
  list(GET _parts 1 _allowed)
  separate_arguments(_allowed UNIX_COMMAND "${_allowed}")
  list(FIND _widget_layers "${_layer}" _widgets_ok)
  file(GLOB_RECURSE _files "${SOURCE_DIR}/${_layer}/*.h" "${SOURCE_DIR}/${_layer}/*.cpp")
  foreach(_file IN LISTS _files)
    file(STRINGS "${_file}" _includes REGEX "^[ \t]*#[ \t]*include[ \t]*[\"<]")
    file(RELATIVE_PATH _shown "${SOURCE_DIR}" "${_file}")
    foreach(_line IN LISTS _includes)
      if(_line MATCHES "#[ \t]*include[ \t]*\"([^\"]+)\"")
        set(_target "${CMAKE_MATCH_1}")
        set(_ok FALSE)
        if(NOT _target MATCHES "/")
          set(_ok TRUE)  # a header beside the file
        endif()
        foreach(_folder IN LISTS _allowed)
          string(LENGTH "${_folder}/" _n)
          string(SUBSTRING "${_target}" 0 ${_n} _head)
          if(_head STREQUAL "${_folder}/")
            set(_ok TRUE)
          endif()
        endforeach()
        if(NOT _ok)
          message("${_shown}: ${_layer} includes \"${_target}\" from a layer it may not reach")
          math(EXPR _faults "${_faults} + 1")
        endif()
      elseif(_widgets_ok EQUAL -1 AND _line MATCHES "#[ \t]*include[ \t]*<(QtWidgets|QtPrintSupport)[/>]")
        message("${_shown}: ${_layer} includes a ${CMAKE_MATCH_1} header: ${_line}")
        math(EXPR _faults "${_faults} + 1")
      endif()
    endforeach()
  endforeach()
endforeach()

if(_faults GREATER 0)
  message(FATAL_ERROR "${_faults} include(s) against the layering")
endif()
message("The layering holds.")
