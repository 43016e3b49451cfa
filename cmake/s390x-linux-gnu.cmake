# Cross-building the arithmetic for s390x Linux on a Debian machine: big-endian and 64-bit,
# with no x87, so the software extended path. Debian's cross compiler brings its own C and C++
# libraries; no s390x library of the multiarch is needed, because every program is linked
# statically and so runs under qemu-user without any s390x files. Only the arithmetic builds
# here (SORVANTA_ARITHMETIC_ONLY): the program's ncurses and the tests' MPFR cannot be
# installed for s390x beside the machine's own.
set(SORVANTA_CROSS_PROCESSOR s390x)
set(SORVANTA_CROSS_TRIPLE s390x-linux-gnu)
set(SORVANTA_CROSS_MULTIARCH s390x-linux-gnu)
set(SORVANTA_CROSS_QEMU qemu-s390x)
include(${CMAKE_CURRENT_LIST_DIR}/debian-cross.cmake)
include(${CMAKE_CURRENT_LIST_DIR}/static-programs.cmake)
