# What every cross build for another Linux processor on a Debian machine shares, included by
# its toolchain file once that has set SORVANTA_CROSS_PROCESSOR, SORVANTA_CROSS_TRIPLE (the
# compiler's prefix), SORVANTA_CROSS_MULTIARCH (the folder of its libraries) and
# SORVANTA_CROSS_QEMU (the emulator that runs its programs, with its options): Debian's cross
# compiler, libraries only from the target's folders, and the programs, the tests too, run
# under qemu-user.
set(CMAKE_SYSTEM_NAME Linux)
set(CMAKE_SYSTEM_PROCESSOR ${SORVANTA_CROSS_PROCESSOR})
set(CMAKE_C_COMPILER ${SORVANTA_CROSS_TRIPLE}-gcc)
set(CMAKE_CXX_COMPILER ${SORVANTA_CROSS_TRIPLE}-g++)
set(CMAKE_LIBRARY_ARCHITECTURE ${SORVANTA_CROSS_MULTIARCH})

# Headers are shared between the architectures; libraries come only from the target's folders.
set(CMAKE_FIND_ROOT_PATH /usr/${SORVANTA_CROSS_TRIPLE} /)
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)
set(CMAKE_IGNORE_PATH /usr/lib/x86_64-linux-gnu /lib/x86_64-linux-gnu)
set(ENV{PKG_CONFIG_LIBDIR} /usr/lib/${SORVANTA_CROSS_MULTIARCH}/pkgconfig:/usr/share/pkgconfig)

set(qemu_options ${SORVANTA_CROSS_QEMU})
list(POP_FRONT qemu_options qemu_name)
find_program(SORVANTA_QEMU_${SORVANTA_CROSS_PROCESSOR} ${qemu_name})
if(SORVANTA_QEMU_${SORVANTA_CROSS_PROCESSOR})
  set(CMAKE_CROSSCOMPILING_EMULATOR ${SORVANTA_QEMU_${SORVANTA_CROSS_PROCESSOR}} ${qemu_options})
endif()
