# The Windows program: the hook library, the window code and vix.exe.

# --- Vix32.dll -------------------------------------------------------------
# stdcall exports with undecorated names. The .def lists the 32-bit decorated
# names for GNU tools; for 64-bit (no decoration) and for MSVC (which maps
# undecorated .def names itself) they are stripped.
set(VIX32_DEF_SOURCE ${CMAKE_CURRENT_SOURCE_DIR}/hooks/vix32/vix32.def)
if(CMAKE_SIZEOF_VOID_P EQUAL 4 AND NOT MSVC)
  set(VIX32_DEF ${VIX32_DEF_SOURCE})
  set(VIX32_KILL_AT --kill-at)
else()
  file(READ ${VIX32_DEF_SOURCE} def_text)
  string(REGEX REPLACE "@[0-9]+" "" def_text "${def_text}")
  set(VIX32_DEF ${CMAKE_CURRENT_BINARY_DIR}/vix32_64.def)
  # Written only when it changes: cmake runs again at every edit of a source
  # (cmake/VixPortableSources.cmake), which must not relink the library.
  file(CONFIGURE OUTPUT ${VIX32_DEF} CONTENT "${def_text}" @ONLY)
  set(VIX32_KILL_AT "")
endif()

# The version resource of a shipped file: product name, version, company.
set(VIX_BUILD_NUMBER 0 CACHE STRING "The fourth part of the files' version numbers")
function(vix_version_resource out name description type)
  set(VIX_FILE_NAME ${name})
  set(VIX_FILE_DESCRIPTION ${description})
  set(VIX_FILE_TYPE ${type})
  configure_file(${PROJECT_SOURCE_DIR}/resources/version.rc.in ${out} @ONLY)
endfunction()
vix_version_resource(${CMAKE_CURRENT_BINARY_DIR}/vix_version.rc vix.exe
                     "VIX colour picker, screen ruler and screen capture" VFT_APP)
# Cached: the hook library's test builds are made from the tests' folders.
set(VIX32_VERSION_RC ${CMAKE_CURRENT_BINARY_DIR}/vix32_version.rc CACHE INTERNAL "")
vix_version_resource(${VIX32_VERSION_RC} Vix32.dll "VIX screen hook library" VFT_DLL)

# Builds the hook library answering `version`, into `dir` (relative to bin/).
# Further arguments are compile definitions of test builds.
function(vix_add_hook_library target version dir)
  # Defined where the hook library is built; used by the tests too.
  add_library(${target} SHARED ${CMAKE_CURRENT_FUNCTION_LIST_DIR}/hooks/vix32/vix32.cpp
                               ${VIX32_DEF} ${VIX32_VERSION_RC})
  target_compile_definitions(${target} PRIVATE VIX32_VERSION=${version} ${ARGN})
  target_link_libraries(${target} PRIVATE vix_core)
  set_target_properties(${target} PROPERTIES OUTPUT_NAME Vix32 PREFIX ""
                        RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/bin/${dir}
                        ARCHIVE_OUTPUT_DIRECTORY ${CMAKE_CURRENT_BINARY_DIR}/${target})
  if(NOT MSVC)
    target_link_options(${target} PRIVATE -Wl,--kill-at)
  endif()
  vix_windows_code(${target})
  vix_warnings(${target})
  vix_shipped_image(${target})
endfunction()

vix_add_hook_library(Vix32 2 "")

# The import library that binds vix.exe to Vix32.dll at load time. GNU ld's
# own import library would name the undecorated symbols; dlltool makes one
# that maps the decorated stdcall symbols to the undecorated exports.
if(NOT MSVC)
  set(VIX32_IMPLIB ${CMAKE_CURRENT_BINARY_DIR}/vix32_imports.a)
  add_custom_command(OUTPUT ${VIX32_IMPLIB}
    COMMAND ${CMAKE_DLLTOOL} --def ${VIX32_DEF} --dllname Vix32.dll --output-lib ${VIX32_IMPLIB}
            ${VIX32_KILL_AT}
    DEPENDS ${VIX32_DEF} VERBATIM)
  add_custom_target(vix32_implib DEPENDS ${VIX32_IMPLIB})
endif()

# --- window code -------------------------------------------------------------
# Handles, registry, screen facts and the skinned controls: no tool logic.
add_library(vix_platform STATIC
  platform/held_program.cpp
  platform/gdi.cpp
  platform/canvas.cpp
  platform/window.cpp
  platform/registry.cpp
  platform/desktop.cpp
  platform/clipboard.cpp
  platform/locale.cpp
  platform/file.cpp
  platform/file_names.cpp
  platform/system_cursors.cpp
  platform/screen_copy.cpp
  platform/com_error.cpp
  platform/exception_info.cpp
  platform/com_apartment.cpp
  platform/bstr.cpp
  platform/variant.cpp
  platform/hot_keys.cpp
  platform/message_watch.cpp
  platform/ui_thread_calls.cpp
  platform/http_get.cpp
  platform/session_lock.cpp
  platform/private_folder.cpp
  platform/held_folder.cpp
  platform/security_text.cpp
  platform/file_dialogs.cpp
  platform/system_libraries.cpp
  platform/console_output.cpp
  platform/program_arguments.cpp
  ui/skin.cpp
  ui/hints.cpp
  ui/control.cpp
  ui/panel.cpp
  ui/label.cpp
  ui/image_button.cpp
  ui/message_loop.cpp
  ui/form.cpp
  ui/timer.cpp
  ui/bitmap_view.cpp
  ui/standard_controls.cpp
  ui/edit_keys.cpp
  ui/ui_thread.cpp
)
# The shell, the common dialogs and controls, OLE, OLE automation, WinHTTP,
# WinTrust and the crypto API are bound on first use (platform/system_libraries.h),
# not linked. CMake's standard libraries for Windows still name some of them,
# so a direct call would link: a Windows test reads vix.exe's imports.
target_link_libraries(vix_platform PUBLIC vix_core gdi32 user32 msimg32 advapi32 uuid)
vix_windows_code(vix_platform)
vix_warnings(vix_platform)
vix_batched_build(vix_platform)

# Photoshop's automation and the windows of the Photoshop bridge.
add_library(vix_photoshop_win STATIC
  photoshop/com_connection.cpp
  photoshop/bounded_connection.cpp
  photoshop/photoshop_windows.cpp
  photoshop/export_host.cpp
  photoshop/photoshop_exporter.cpp
  photoshop/version_chooser.cpp
  photoshop/photoshop_bridge.cpp
)
target_link_libraries(vix_photoshop_win PUBLIC vix_platform)
vix_windows_code(vix_photoshop_win)
vix_warnings(vix_photoshop_win)
vix_batched_build(vix_photoshop_win)
# The update check, the update dialog and the links panel: kept apart from
# the shell, which reaches them through UpdateHost.
add_library(vix_update_win STATIC
  update/update_source.cpp
  update/update_check.cpp
  update/signature_reading.cpp
  update/signature_check.cpp
  update/update_program.cpp
  update/update_download.cpp
  update/update_dialog.cpp
  update/browser_site.cpp
  update/links_panel.cpp
  update/update_service.cpp
)
target_link_libraries(vix_update_win PUBLIC vix_platform)
# The chain's bounded fetches need the chain parameters' retrieval time-out.
target_compile_definitions(vix_update_win PRIVATE CERT_CHAIN_PARA_HAS_EXTRA_FIELDS)
vix_windows_code(vix_update_win)
vix_warnings(vix_update_win)
vix_batched_build(vix_update_win)

# The program's windows: the window code of the shell and of the tools, which
# is every source in a folder of src/ that is neither portable logic nor one
# of the libraries above (nor the hook library or the entry). A new tool's
# folder is built without a line here.
file(GLOB VIX_WIN_SOURCES CONFIGURE_DEPENDS RELATIVE ${CMAKE_CURRENT_SOURCE_DIR} */*.cpp)
list(FILTER VIX_WIN_SOURCES EXCLUDE REGEX "^(common|platform|ui|photoshop|update|hooks)/")
list(TRANSFORM VIX_WIN_SOURCES PREPEND ${CMAKE_CURRENT_SOURCE_DIR}/)
list(REMOVE_ITEM VIX_WIN_SOURCES ${VIX_CORE_SOURCES} ${CMAKE_CURRENT_SOURCE_DIR}/app/main.cpp)
add_library(vix_win STATIC ${VIX_WIN_SOURCES})
target_link_libraries(vix_win PUBLIC vix_platform vix_photoshop_win vix_update_win)
if(MSVC)
  target_link_libraries(vix_win PUBLIC Vix32)
else()
  add_dependencies(vix_win vix32_implib)
  target_link_libraries(vix_win PUBLIC ${VIX32_IMPLIB})
endif()
vix_windows_code(vix_win)
vix_warnings(vix_win)
vix_batched_build(vix_win)

# --- vix.exe ---------------------------------------------------------------
include(${PROJECT_SOURCE_DIR}/cmake/VixArt.cmake)
vix_art_resources(${CMAKE_CURRENT_SOURCE_DIR} ${CMAKE_CURRENT_BINARY_DIR}/vix_art.rc VIX_ART)
set_source_files_properties(${PROJECT_SOURCE_DIR}/resources/vix.rc PROPERTIES
  INCLUDE_DIRECTORIES ${CMAKE_CURRENT_BINARY_DIR}
  OBJECT_DEPENDS "${CMAKE_CURRENT_BINARY_DIR}/vix_art.rc;${VIX_ART}")
add_executable(vix WIN32 app/main.cpp ${PROJECT_SOURCE_DIR}/resources/vix.rc
                         ${CMAKE_CURRENT_BINARY_DIR}/vix_version.rc)
target_link_libraries(vix PRIVATE vix_win)
add_dependencies(vix Vix32)
vix_windows_program(vix)
vix_warnings(vix)
vix_shipped_image(vix)
