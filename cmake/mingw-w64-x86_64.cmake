# Cross-building for 64-bit Windows with Debian's mingw-w64 (the POSIX-threads compiler, whose C++
# runtime has std::thread and std::mutex). Programs run under Wine when ctest or the build needs
# them. TN_WINDOWS_PREFIX is where tools/build-windows.sh installs the dependencies it builds.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)
set(tn_target x86_64-w64-mingw32)
set(CMAKE_C_COMPILER ${tn_target}-gcc-posix)
set(CMAKE_CXX_COMPILER ${tn_target}-g++-posix)
set(CMAKE_RC_COMPILER ${tn_target}-windres)
set(CMAKE_FIND_ROOT_PATH /usr/${tn_target} ${TN_WINDOWS_PREFIX})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)
set(CMAKE_CROSSCOMPILING_EMULATOR /usr/lib/wine/wine64)
