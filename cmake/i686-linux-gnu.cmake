# Cross-building the arithmetic for 32-bit x86 Linux on a Debian machine: an x87 with long
# double in its 80-bit format, so the native extended path, and no 128-bit integers. Debian's
# cross compiler (i686-linux-gnu, whose multiarch name is i386-linux-gnu) brings its own C and
# C++ libraries; every program is linked statically and so runs under qemu-user without any
# i386 files. Only the arithmetic builds here (SORVANTA_ARITHMETIC_ONLY): the program's ncurses
# and the tests' MPFR cannot be installed for i386 beside the machine's own.
set(CMAKE_SYSTEM_NAME Linux)
set(CMAKE_SYSTEM_PROCESSOR i686)

set(SORVANTA_I686_TRIPLE i686-linux-gnu)
set(CMAKE_C_COMPILER ${SORVANTA_I686_TRIPLE}-gcc)
set(CMAKE_CXX_COMPILER ${SORVANTA_I686_TRIPLE}-g++)
set(CMAKE_LIBRARY_ARCHITECTURE i386-linux-gnu)

# Libraries only from the cross compiler's folder and the i386 multiarch folders, and only
# static ones, which a static link can take.
set(CMAKE_FIND_ROOT_PATH /usr/${SORVANTA_I686_TRIPLE} /)
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)
set(CMAKE_IGNORE_PATH /usr/lib/x86_64-linux-gnu /lib/x86_64-linux-gnu)
set(CMAKE_FIND_LIBRARY_SUFFIXES .a)
set(ENV{PKG_CONFIG_LIBDIR} /usr/lib/i386-linux-gnu/pkgconfig:/usr/share/pkgconfig)

# Every program, the tests and the configure checks too, is linked statically: qemu then needs
# no dynamic loader nor library of the target.
set(CMAKE_EXE_LINKER_FLAGS_INIT -static)

# The tests run on a processor of Debian's i386 baseline, a Pentium II without SSE: an SSE
# instruction anywhere they reach is an illegal instruction there, as on such a machine.
find_program(SORVANTA_QEMU_I386 qemu-i386)
if(SORVANTA_QEMU_I386)
  set(CMAKE_CROSSCOMPILING_EMULATOR ${SORVANTA_QEMU_I386} -cpu pentium2)
endif()
