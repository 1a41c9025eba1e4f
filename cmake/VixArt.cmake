# The pictures of the program become resources by folder: every .bmp, .cur
# and .ico file in an art/ folder of a folder of src/ (src/<tool>/art/, the
# shell's src/app/art/, the skin's shared ones in src/ui/art/) is a BITMAP,
# CURSOR or ICON resource named by its file name in capitals
# (art/btn_close_70.bmp is BTN_CLOSE_70), which is the name the code loads.
# A new tool's pictures need no line in the resource script.

# Writes the resource statements of the art folders under `root` to `out`,
# for the resource script to include, and sets `files_var` to the pictures,
# on which the compiled script depends (the resource compiler reports no
# dependencies of its own). `out` is rewritten only when the list changes.
function(vix_art_resources root out files_var)
  file(GLOB pictures CONFIGURE_DEPENDS ${root}/*/art/*.bmp ${root}/*/art/*.cur
                                       ${root}/*/art/*.ico)
  set(text "// Made by cmake/VixArt.cmake from the art folders of src/: edit those.\n")
  set(names)
  foreach(picture IN LISTS pictures)
    get_filename_component(base ${picture} NAME_WLE)
    get_filename_component(extension ${picture} LAST_EXT)
    string(TOUPPER ${base} name)
    string(TOLOWER ${extension} extension)
    if(NOT name MATCHES "^[A-Z][A-Z0-9_]*$")
      message(FATAL_ERROR "${picture}: a picture's name is letters, digits and _ only, "
                          "as the resource named by it")
    endif()
    list(FIND names ${name} seen)
    if(NOT seen EQUAL -1)
      message(FATAL_ERROR "${picture}: another art folder has a picture named ${name}")
    endif()
    list(APPEND names ${name})
    if(extension STREQUAL ".bmp")
      set(type BITMAP)
    elseif(extension STREQUAL ".cur")
      set(type CURSOR)
    else()
      set(type ICON)
    endif()
    string(APPEND text "${name} ${type} \"${picture}\"\n")
  endforeach()
  file(CONFIGURE OUTPUT ${out} CONTENT "${text}" @ONLY)
  set(${files_var} ${pictures} PARENT_SCOPE)
endfunction()
