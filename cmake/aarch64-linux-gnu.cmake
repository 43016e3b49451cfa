# Cross-building for aarch64 Linux on a Debian machine: Debian's cross compiler, the arm64
# libraries of its multiarch (dpkg --add-architecture arm64; libncurses-dev:arm64), and the
# programs, the tests too, run under qemu-user.
set(SORVANTA_CROSS_PROCESSOR aarch64)
set(SORVANTA_CROSS_TRIPLE aarch64-linux-gnu)
set(SORVANTA_CROSS_MULTIARCH aarch64-linux-gnu)
set(SORVANTA_CROSS_QEMU qemu-aarch64 -L /usr/aarch64-linux-gnu)
include(${CMAKE_CURRENT_LIST_DIR}/debian-cross.cmake)
