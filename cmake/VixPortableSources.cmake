# Which sources are portable logic, found from the files themselves.
#
# A source file is portable when neither it nor any header of ours it
# includes, however deep, includes <windows.h>. Every Windows declaration of
# the program comes through <windows.h> (the other SDK headers need it first),
# and every header of ours that hands out a Windows type includes it itself,
# so the include chain answers the question without a list, a naming
# convention or a folder of its own: a tool's folder holds its logic and its
# windows side by side. Our own includes are all written from src/
# ("color/contrast.h"), which is how they are resolved here.
#
# The scan reads only the #include lines, each file once, and cmake reads
# again every file it scanned when one of them changes: a file that takes or
# drops <windows.h> moves between the libraries at the next build. A file
# filed wrongly cannot pass unseen either way: Windows code among the logic
# fails the native build (no <windows.h> there), and logic among the
# Windows code leaves the native tests unlinked.

# Sets `out` to ON when `file` reaches <windows.h>. Answers are kept in global
# properties, so a header shared by many sources is read once; a header is
# marked as not reaching it while it is read, which ends include cycles.
function(vix_reaches_windows file root out)
  get_property(known GLOBAL PROPERTY "vix_windows:${file}" SET)
  if(NOT known)
    set_property(GLOBAL PROPERTY "vix_windows:${file}" OFF)
    set_property(GLOBAL APPEND PROPERTY vix_scanned_files ${file})
    file(STRINGS ${file} includes REGEX "^[ \t]*#[ \t]*include[ \t]*[<\"]")
    set(reaches OFF)
    foreach(line IN LISTS includes)
      if(line MATCHES "<[Ww]indows\\.h>")
        set(reaches ON)
      elseif(line MATCHES "\"([^\"]+)\"")
        # A separate test: the arguments of one if() are expanded before its
        # MATCHES sets CMAKE_MATCH_1. A file not found under src/ is made by
        # the build (a generated table) and includes nothing.
        if(EXISTS ${root}/${CMAKE_MATCH_1})
          vix_reaches_windows(${root}/${CMAKE_MATCH_1} ${root} reaches)
        endif()
      endif()
      if(reaches)
        break()
      endif()
    endforeach()
    set_property(GLOBAL PROPERTY "vix_windows:${file}" ${reaches})
  endif()
  get_property(answer GLOBAL PROPERTY "vix_windows:${file}")
  set(${out} ${answer} PARENT_SCOPE)
endfunction()

# Sets `out` to the files of `sources` that are portable; the include root is
# the folder of the calling CMakeLists.txt.
function(vix_portable_sources out)
  set(portable)
  foreach(source IN LISTS ARGN)
    vix_reaches_windows(${source} ${CMAKE_CURRENT_SOURCE_DIR} windows)
    if(NOT windows)
      list(APPEND portable ${source})
    endif()
  endforeach()
  get_property(scanned GLOBAL PROPERTY vix_scanned_files)
  set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${scanned})
  set(${out} ${portable} PARENT_SCOPE)
endfunction()
