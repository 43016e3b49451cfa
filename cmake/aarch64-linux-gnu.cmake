# Cross-building for aarch64 Linux on a Debian machine: Debian's cross compiler, the arm64
# libraries of its multiarch (dpkg --add-architecture arm64; libncurses-dev:arm64), and the
# programs, the tests too, run under qemu-user.
set(CMAKE_SYSTEM_NAME Linux)
set(CMAKE_SYSTEM_PROCESSOR aarch64)

set(SORVANTA_AARCH64_TRIPLE aarch64-linux-gnu)
set(CMAKE_C_COMPILER ${SORVANTA_AARCH64_TRIPLE}-gcc)
set(CMAKE_CXX_COMPILER ${SORVANTA_AARCH64_TRIPLE}-g++)
set(CMAKE_LIBRARY_ARCHITECTURE ${SORVANTA_AARCH64_TRIPLE})

# Headers are shared between the architectures; libraries come only from the arm64 folders.
set(CMAKE_FIND_ROOT_PATH /usr/${SORVANTA_AARCH64_TRIPLE} /)
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)
set(CMAKE_IGNORE_PATH /usr/lib/x86_64-linux-gnu /lib/x86_64-linux-gnu)
set(ENV{PKG_CONFIG_LIBDIR} /usr/lib/${SORVANTA_AARCH64_TRIPLE}/pkgconfig:/usr/share/pkgconfig)

find_program(SORVANTA_QEMU_AARCH64 qemu-aarch64)
if(SORVANTA_QEMU_AARCH64)
  set(CMAKE_CROSSCOMPILING_EMULATOR ${SORVANTA_QEMU_AARCH64} -L /usr/${SORVANTA_AARCH64_TRIPLE})
endif()
