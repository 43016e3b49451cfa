# Cross-building the arithmetic for 32-bit x86 Linux on a Debian machine: an x87 with long
# double in its 80-bit format, so the native extended path, and no 128-bit integers. Debian's
# cross compiler (i686-linux-gnu, whose multiarch name is i386-linux-gnu) brings its own C and
# C++ libraries; every program is linked statically and so runs under qemu-user without any
# i386 files. Only the arithmetic builds here (SORVANTA_ARITHMETIC_ONLY): the program's ncurses
# and the tests' MPFR cannot be installed for i386 beside the machine's own.
set(SORVANTA_CROSS_PROCESSOR i686)
set(SORVANTA_CROSS_TRIPLE i686-linux-gnu)
set(SORVANTA_CROSS_MULTIARCH i386-linux-gnu)
# The tests run on a processor of Debian's i386 baseline, a Pentium II without SSE: an SSE
# instruction anywhere they reach is an illegal instruction there, as on such a machine.
set(SORVANTA_CROSS_QEMU qemu-i386 -cpu pentium2)
include(${CMAKE_CURRENT_LIST_DIR}/debian-cross.cmake)
include(${CMAKE_CURRENT_LIST_DIR}/static-programs.cmake)
