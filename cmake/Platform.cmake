# The platform the build is for and the libraries it builds on. Every platform has Xerces-C and
# stb (tn::xerces, tn::stb); the stand-in platform on Linux draws with GTK 3, cairo and pango.
# TN_PLATFORM names the platform: "linux" or "windows".
if(WIN32)
  set(TN_PLATFORM windows)
else()
  set(TN_PLATFORM linux)
endif()

find_package(PkgConfig)
if(TN_PLATFORM STREQUAL "linux")
  pkg_check_modules(XERCES REQUIRED IMPORTED_TARGET xerces-c)
  pkg_check_modules(STB REQUIRED IMPORTED_TARGET stb)
  pkg_check_modules(GTK3 REQUIRED IMPORTED_TARGET gtk+-3.0)
  pkg_check_modules(CAIRO REQUIRED IMPORTED_TARGET cairo)
  pkg_check_modules(PANGOCAIRO REQUIRED IMPORTED_TARGET pangocairo)
  add_library(tn_xerces INTERFACE)
  target_link_libraries(tn_xerces INTERFACE PkgConfig::XERCES)
  # Debian's stb brings its implementations compiled, as libstb.
  add_library(tn_stb INTERFACE)
  target_link_libraries(tn_stb INTERFACE PkgConfig::STB)
else()
  # Xerces-C built for the platform (tools/build-windows.sh), found through its CMake package.
  find_package(XercesC 3.2 REQUIRED)
  add_library(tn_xerces INTERFACE)
  target_link_libraries(tn_xerces INTERFACE XercesC::XercesC)
  # stb from the libstb-dev headers, its implementations compiled here.
  find_path(TN_STB_INCLUDE_DIR stb_image.h PATHS /usr/include/stb NO_CMAKE_FIND_ROOT_PATH REQUIRED)
  add_library(tn_stb STATIC ${PROJECT_SOURCE_DIR}/cmake/StbImplementation.c)
  target_include_directories(tn_stb SYSTEM PUBLIC ${TN_STB_INCLUDE_DIR})
endif()
add_library(tn::xerces ALIAS tn_xerces)
add_library(tn::stb ALIAS tn_stb)
