# libjpeg-turbo as the target vix_jpeg. The MinGW presets name a static build
# in VIX_JPEG_ROOT (include/, lib/libjpeg.a); elsewhere the system's library
# is found (Debian's libjpeg62-turbo-dev, vcpkg, MSYS2).

set(VIX_JPEG_ROOT "" CACHE PATH "Prefix of a static libjpeg-turbo build")

if(TARGET vix_jpeg)
  return()
endif()

add_library(vix_jpeg INTERFACE)
if(VIX_JPEG_ROOT)
  if(NOT EXISTS ${VIX_JPEG_ROOT}/lib/libjpeg.a)
    message(FATAL_ERROR "No libjpeg.a in VIX_JPEG_ROOT (${VIX_JPEG_ROOT}): run scripts/bootstrap")
  endif()
  target_include_directories(vix_jpeg SYSTEM INTERFACE ${VIX_JPEG_ROOT}/include)
  target_link_libraries(vix_jpeg INTERFACE ${VIX_JPEG_ROOT}/lib/libjpeg.a)
else()
  find_package(JPEG REQUIRED)
  target_link_libraries(vix_jpeg INTERFACE JPEG::JPEG)
endif()
