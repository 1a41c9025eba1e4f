# libdeflate as the target vix_deflate. The MinGW presets name a static build
# in VIX_DEFLATE_ROOT (include/libdeflate.h, lib/libdeflate.a); elsewhere the
# system's library is found (Debian's libdeflate-dev, vcpkg, MSYS2).

set(VIX_DEFLATE_ROOT "" CACHE PATH "Prefix of a static libdeflate build")

if(TARGET vix_deflate)
  return()
endif()

add_library(vix_deflate INTERFACE)
if(VIX_DEFLATE_ROOT)
  if(NOT EXISTS ${VIX_DEFLATE_ROOT}/lib/libdeflate.a)
    message(FATAL_ERROR "No libdeflate.a in VIX_DEFLATE_ROOT (${VIX_DEFLATE_ROOT}): run scripts/bootstrap")
  endif()
  target_include_directories(vix_deflate SYSTEM INTERFACE ${VIX_DEFLATE_ROOT}/include)
  target_link_libraries(vix_deflate INTERFACE ${VIX_DEFLATE_ROOT}/lib/libdeflate.a)
else()
  find_path(VIX_DEFLATE_INCLUDE libdeflate.h)
  find_library(VIX_DEFLATE_LIBRARY NAMES deflate libdeflate)
  if(NOT VIX_DEFLATE_INCLUDE OR NOT VIX_DEFLATE_LIBRARY)
    message(FATAL_ERROR "libdeflate not found: install libdeflate-dev (scripts/bootstrap does)")
  endif()
  target_include_directories(vix_deflate SYSTEM INTERFACE ${VIX_DEFLATE_INCLUDE})
  target_link_libraries(vix_deflate INTERFACE ${VIX_DEFLATE_LIBRARY})
endif()
