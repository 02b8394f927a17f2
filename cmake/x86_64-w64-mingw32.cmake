# Cross-builds for 64-bit Windows with Debian's MinGW-w64 (posix threads, so that std::thread and
# friends work in both Qt and the program).
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)

set(KAZUYOMI_MINGW_TRIPLE x86_64-w64-mingw32)
set(CMAKE_C_COMPILER ${KAZUYOMI_MINGW_TRIPLE}-gcc-posix)
set(CMAKE_CXX_COMPILER ${KAZUYOMI_MINGW_TRIPLE}-g++-posix)
set(CMAKE_RC_COMPILER ${KAZUYOMI_MINGW_TRIPLE}-windres)

# Headers and libraries come from the MinGW sysroot (and the prefixes added to this list),
# programs from the build machine.
list(APPEND CMAKE_FIND_ROOT_PATH /usr/${KAZUYOMI_MINGW_TRIPLE})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)
