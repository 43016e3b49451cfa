# Cross-building the arithmetic for s390x Linux on a Debian machine: big-endian and 64-bit,
# with no x87, so the software extended path. Debian's cross compiler brings its own C and C++
# libraries; no s390x library of the multiarch is needed, because every program is linked
# statically and so runs under qemu-user without any s390x files. Only the arithmetic builds
# here (SORVANTA_ARITHMETIC_ONLY): the program's ncurses and the tests' MPFR cannot be
# installed for s390x beside the machine's own.
set(CMAKE_SYSTEM_NAME Linux)
set(CMAKE_SYSTEM_PROCESSOR s390x)

set(SORVANTA_S390X_TRIPLE s390x-linux-gnu)
set(CMAKE_C_COMPILER ${SORVANTA_S390X_TRIPLE}-gcc)
set(CMAKE_CXX_COMPILER ${SORVANTA_S390X_TRIPLE}-g++)
set(CMAKE_LIBRARY_ARCHITECTURE ${SORVANTA_S390X_TRIPLE})

# Libraries only from the cross compiler's folder and the s390x multiarch folders, and only
# static ones, which a static link can take.
set(CMAKE_FIND_ROOT_PATH /usr/${SORVANTA_S390X_TRIPLE} /)
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)
set(CMAKE_IGNORE_PATH /usr/lib/x86_64-linux-gnu /lib/x86_64-linux-gnu)
set(CMAKE_FIND_LIBRARY_SUFFIXES .a)
set(ENV{PKG_CONFIG_LIBDIR} /usr/lib/${SORVANTA_S390X_TRIPLE}/pkgconfig:/usr/share/pkgconfig)

# Every program, the tests and the configure checks too, is linked statically: qemu then needs
# no dynamic loader nor library of the target.
set(CMAKE_EXE_LINKER_FLAGS_INIT -static)

find_program(SORVANTA_QEMU_S390X qemu-s390x)
if(SORVANTA_QEMU_S390X)
  set(CMAKE_CROSSCOMPILING_EMULATOR ${SORVANTA_QEMU_S390X})
endif()
