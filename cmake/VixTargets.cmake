# Compiler settings shared by every target of our own.

function(vix_warnings target)
  if(MSVC)
    target_compile_options(${target} PRIVATE /W4 /WX /permissive- /utf-8)
  else()
    target_compile_options(${target} PRIVATE -Wall -Wextra -Werror)
  endif()
endfunction()

function(vix_sanitize target)
  if(VIX_SANITIZE AND NOT WIN32)
    target_compile_options(${target} PRIVATE -fsanitize=address,undefined -fno-sanitize-recover=all
                                             -fno-omit-frame-pointer)
    target_link_options(${target} PRIVATE -fsanitize=address,undefined)
  endif()
endfunction()

# Windows code: W functions only, static runtime so that a program runs from
# its folder alone.
function(vix_windows_code target)
  target_compile_definitions(${target} PRIVATE UNICODE _UNICODE WIN32_LEAN_AND_MEAN NOMINMAX
                                               _WIN32_WINNT=0x0A00 WINVER=0x0A00)
  if(NOT MSVC)
    target_link_options(${target} PRIVATE -static)
  endif()
endfunction()

# Windows programs with a wide entry point (wWinMain or wmain).
function(vix_windows_program target)
  vix_windows_code(${target})
  if(NOT MSVC)
    target_link_options(${target} PRIVATE -municode)
  endif()
endfunction()

# The program and its hook library as they ship (and the start-up
# benchmark's yardsticks, built the same way): no debugging sections, and
# each section on a page boundary in the file. Wine maps such an image from
# the file and reads a page when it is first touched; an image with the
# usual 512-byte file alignment it reads whole into private memory.
function(vix_shipped_image target)
  if(MSVC)
    target_link_options(${target} PRIVATE /FILEALIGN:4096)
  else()
    target_link_options(${target} PRIVATE -s -Wl,--file-alignment,4096)
  endif()
  # Addresses above 2 GB for the 32-bit build too (4 GB on 64-bit Windows):
  # no pointer of ours goes through a signed integer (window data and
  # messages carry them as LONG_PTR and LPARAM, the hook messages carry
  # points). The 64-bit linker sets the flag by itself.
  if(WIN32 AND CMAKE_SIZEOF_VOID_P EQUAL 4)
    if(MSVC)
      target_link_options(${target} PRIVATE /LARGEADDRESSAWARE)
    else()
      target_link_options(${target} PRIVATE -Wl,--large-address-aware)
    endif()
  endif()
endfunction()

# Test programs and their helpers. Their own code is built for a quick build
# (no optimisation; -O1 where the sanitizers run, which slow unoptimised code
# down too much), with the headers every test file includes compiled once;
# the code they test keeps the build's optimisation.
function(vix_test_code target)
  if(NOT MSVC)
    if(VIX_SANITIZE AND NOT WIN32)
      target_compile_options(${target} PRIVATE -O1 -g1)
    else()
      target_compile_options(${target} PRIVATE -O0)
    endif()
  endif()
  # Compiling the shared headers costs about as much as a few test files,
  # and a program of one batch (see below) reads them once anyway.
  get_target_property(sources ${target} SOURCES)
  list(LENGTH sources count)
  if(count LESS 9)
    vix_batched_build(${target})
    return()
  endif()
  set(headers <string> <vector> <memory> <optional> <functional>)
  if(WIN32)
    list(APPEND headers <windows.h>)
  endif()
  get_target_property(libraries ${target} LINK_LIBRARIES)
  if(libraries MATCHES "GTest::")
    list(PREPEND headers <gtest/gtest.h>)
  endif()
  target_precompile_headers(${target} PRIVATE ${headers})
  vix_batched_build(${target})
endfunction()

# Our code compiles in batches of sources (CMake's unity build): the
# standard, library and Windows headers are read once a batch instead of
# once a file. A clean win64 build of the window code took about two thirds
# of the processor time it took file by file (precompiling <windows.h> alone
# saved little); the portable logic and the native tests, about half. Names in one file's anonymous namespace
# must then not clash with another's of the same batch. The program's own
# sources are batched by folder, so that a tool's folder is compiled with
# nothing but itself and a new tool cannot clash with the code beside it;
# test programs in batches of eight.
# -DVIX_UNITY_BUILD=OFF compiles file by file, to find such a clash.
option(VIX_UNITY_BUILD "Compile our code in batches of sources" ON)
function(vix_batched_build target)
  if(NOT VIX_UNITY_BUILD)
    return()
  endif()
  get_target_property(sources ${target} SOURCES)
  set(by_folder OFF)
  foreach(source IN LISTS sources)
    get_filename_component(path ${source} ABSOLUTE)
    if(path MATCHES "^${PROJECT_SOURCE_DIR}/src/([^/]+)/[^/]+\\.cpp$")
      set_source_files_properties(${source} PROPERTIES UNITY_GROUP ${CMAKE_MATCH_1})
      set(by_folder ON)
    endif()
  endforeach()
  if(by_folder)
    set_target_properties(${target} PROPERTIES UNITY_BUILD ON UNITY_BUILD_MODE GROUP)
  else()
    set_target_properties(${target} PROPERTIES UNITY_BUILD ON UNITY_BUILD_BATCH_SIZE 8)
  endif()
endfunction()
