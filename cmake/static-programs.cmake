# Every program of a cross build, the tests and the configure checks too, linked statically,
# from static libraries only: qemu then needs no dynamic loader nor library of the target.
set(CMAKE_FIND_LIBRARY_SUFFIXES .a)
set(CMAKE_EXE_LINKER_FLAGS_INIT -static)
