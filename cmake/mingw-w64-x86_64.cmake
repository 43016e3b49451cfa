# Cross-building the Windows program on Linux with MinGW-w64 (x86-64, POSIX threads variant).
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)

set(SORVANTA_MINGW_TRIPLE x86_64-w64-mingw32)
set(CMAKE_C_COMPILER ${SORVANTA_MINGW_TRIPLE}-gcc-posix)
set(CMAKE_CXX_COMPILER ${SORVANTA_MINGW_TRIPLE}-g++-posix)
set(CMAKE_RC_COMPILER ${SORVANTA_MINGW_TRIPLE}-windres)

set(CMAKE_FIND_ROOT_PATH /usr/${SORVANTA_MINGW_TRIPLE})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

# Every program of the build, the tests too, runs alone under Wine or on Windows: no GCC,
# C++ or threads DLL has to lie beside it.
set(CMAKE_EXE_LINKER_FLAGS_INIT "-static -static-libgcc -static-libstdc++")
