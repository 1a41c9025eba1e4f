# The colour-vision matrices, built into the program from the published table
# (src/vision/data/cvd-machado-2009.tsv): each data row becomes one
# initialiser `{Deficiency::Name, severity, {m11, ..., m33}},` of
# vision/machado_rows.inc in `VIX_GENERATED_DIR`. The numbers are copied as
# written, so the program holds exactly the table's values; the C++ side
# checks the count and order of the rows at compile time.

set(VIX_VISION_TABLE ${PROJECT_SOURCE_DIR}/src/vision/data/cvd-machado-2009.tsv)
set(VIX_GENERATED_DIR ${CMAKE_BINARY_DIR}/generated)
set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${VIX_VISION_TABLE})

file(STRINGS ${VIX_VISION_TABLE} vision_lines REGEX "^[a-z]+\t[0-9]")
set(vision_rows "// Made by cmake/VixVisionTable.cmake from cvd-machado-2009.tsv.\n")
foreach(line IN LISTS vision_lines)
  string(REPLACE "\t" ";" cells "${line}")
  list(LENGTH cells count)
  if(NOT count EQUAL 11)
    message(FATAL_ERROR "cvd-machado-2009.tsv: a row of ${count} cells: ${line}")
  endif()
  list(POP_FRONT cells name severity)
  foreach(cell IN LISTS cells)
    if(NOT cell MATCHES "^-?[0-9]+\\.[0-9]+$")
      message(FATAL_ERROR "cvd-machado-2009.tsv: not a number: '${cell}' in ${line}")
    endif()
  endforeach()
  list(JOIN cells ", " numbers)
  string(APPEND vision_rows "{Deficiency::${name}, ${severity}, {${numbers}}},\n")
endforeach()
# Written only when it changes, so that a new cmake run rebuilds nothing.
file(CONFIGURE OUTPUT ${VIX_GENERATED_DIR}/vision/machado_rows.inc CONTENT "${vision_rows}" @ONLY)
