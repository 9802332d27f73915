# Cross-builds for Windows x86_64 with Debian's MinGW-w64 (posix thread model):
#   cmake -DCMAKE_TOOLCHAIN_FILE=cmake/toolchain-mingw-w64.cmake -DCMAKE_PREFIX_PATH=<Qt for Windows>
#         -DQT_HOST_PATH=/usr -DQT_HOST_PATH_CMAKE_DIR=/usr/lib/x86_64-linux-gnu/cmake
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR AMD64)
set(DORVANE_MINGW x86_64-w64-mingw32)

set(CMAKE_C_COMPILER /usr/bin/${DORVANE_MINGW}-gcc-posix)
set(CMAKE_CXX_COMPILER /usr/bin/${DORVANE_MINGW}-g++-posix)
set(CMAKE_RC_COMPILER /usr/bin/${DORVANE_MINGW}-windres)
set(CMAKE_AR /usr/bin/${DORVANE_MINGW}-ar CACHE FILEPATH "")
set(CMAKE_RANLIB /usr/bin/${DORVANE_MINGW}-ranlib CACHE FILEPATH "")
set(CMAKE_STRIP /usr/bin/${DORVANE_MINGW}-strip CACHE FILEPATH "")
set(CMAKE_OBJDUMP /usr/bin/${DORVANE_MINGW}-objdump CACHE FILEPATH "")

# Headers and libraries from the MinGW sysroot and CMAKE_PREFIX_PATH; programs from the build host.
set(CMAKE_FIND_ROOT_PATH /usr/${DORVANE_MINGW})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE BOTH)
