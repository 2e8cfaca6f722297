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
  # Programs and libraries in one folder, beside the DLLs they load: the C++ runtime, which the
  # host, the platform library and the add-on share, and Xerces-C.
  set(CMAKE_RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/bin)
  foreach(dll libstdc++-6.dll libgcc_s_seh-1.dll libwinpthread-1.dll)
    execute_process(COMMAND ${CMAKE_CXX_COMPILER} -print-file-name=${dll} OUTPUT_VARIABLE found
                    OUTPUT_STRIP_TRAILING_WHITESPACE)
    file(COPY ${found} DESTINATION ${CMAKE_RUNTIME_OUTPUT_DIRECTORY})
  endforeach()
  file(GLOB xerces_dlls ${TN_WINDOWS_PREFIX}/bin/*.dll)
  file(COPY ${xerces_dlls} DESTINATION ${CMAKE_RUNTIME_OUTPUT_DIRECTORY})
  # stb from the libstb-dev headers, its implementations compiled here.
  find_path(TN_STB_INCLUDE_DIR stb_image.h PATHS /usr/include/stb NO_CMAKE_FIND_ROOT_PATH REQUIRED)
  add_library(tn_stb STATIC ${PROJECT_SOURCE_DIR}/cmake/StbImplementation.c)
  target_include_directories(tn_stb SYSTEM PUBLIC ${TN_STB_INCLUDE_DIR})
endif()
add_library(tn::xerces ALIAS tn_xerces)

# tn_program(<target>): what every program of the platform carries; on Windows the manifest that
# makes UTF-8 its code page.
function(tn_program target)
  if(TN_PLATFORM STREQUAL "windows")
    target_sources(${target} PRIVATE ${PROJECT_SOURCE_DIR}/cmake/Utf8Manifest.rc)
    set_source_files_properties(${PROJECT_SOURCE_DIR}/cmake/Utf8Manifest.rc PROPERTIES
                                OBJECT_DEPENDS ${PROJECT_SOURCE_DIR}/cmake/Utf8.manifest)
  endif()
endfunction()
add_library(tn::stb ALIAS tn_stb)
