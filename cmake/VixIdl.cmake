# Compiles an IDL file into a C/C++ header and a type library: widl from the
# MinGW-w64 tools, or MIDL with MSVC. `target` becomes an interface library
# whose users get the header on their include path; its property
# VIX_TYPELIB names the type library file.

function(vix_add_idl target idl)
  get_filename_component(idl ${idl} ABSOLUTE)
  get_filename_component(name ${idl} NAME_WE)
  get_filename_component(idl_dir ${idl} DIRECTORY)
  set(out ${CMAKE_CURRENT_BINARY_DIR}/${target})
  set(header ${out}/${name}.h)
  set(tlb ${out}/${name}.tlb)
  file(MAKE_DIRECTORY ${out})
  # Every .idl beside it may be imported.
  file(GLOB idl_deps ${idl_dir}/*.idl)

  if(MSVC)
    add_custom_command(OUTPUT ${header} ${tlb}
      COMMAND midl /nologo /I ${idl_dir} /h ${header} /tlb ${tlb} ${idl}
      DEPENDS ${idl_deps} VERBATIM)
  else()
    string(REGEX REPLACE "-g\\+\\+.*$" "" triple_prefix ${CMAKE_CXX_COMPILER})
    get_filename_component(triple ${triple_prefix} NAME)
    find_program(VIX_WIDL NAMES ${triple}-widl widl REQUIRED)
    # The type library refers to IDispatch through the standard OLE library.
    # Wine ships it for each architecture it is installed for; the import
    # records only the library's identity, so either architecture's copy
    # serves, and a machine without the 32-bit Wine still builds win32.
    set(stdole_own /usr/lib/i386-linux-gnu/wine/i386-windows /usr/lib/wine/i386-windows)
    set(stdole_other /usr/lib/x86_64-linux-gnu/wine/x86_64-windows /usr/lib/wine/x86_64-windows)
    if(CMAKE_SIZEOF_VOID_P EQUAL 8)
      set(stdole_hints ${stdole_other} ${stdole_own})
    else()
      set(stdole_hints ${stdole_own} ${stdole_other})
    endif()
    find_path(VIX_STDOLE2_DIR stdole2.tlb PATHS ${stdole_hints} NO_DEFAULT_PATH
              NO_CMAKE_FIND_ROOT_PATH REQUIRED)
    add_custom_command(OUTPUT ${header} ${tlb}
      COMMAND ${VIX_WIDL} -I${idl_dir} -L${VIX_STDOLE2_DIR} -h -H ${header} -t -T ${tlb} ${idl}
      DEPENDS ${idl_deps} VERBATIM)
  endif()

  add_custom_target(${target}_generate DEPENDS ${header} ${tlb})
  add_library(${target} INTERFACE)
  add_dependencies(${target} ${target}_generate)
  target_include_directories(${target} INTERFACE ${out} ${idl_dir})
  set_target_properties(${target} PROPERTIES VIX_TYPELIB ${tlb})
endfunction()
