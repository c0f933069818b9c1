# What the Linux cross toolchain files share: Debian's cross compiler for
# QUILLARY_TRIPLE, the system root its packages install, and QEMU user mode
# (Debian's qemu-user) to run the build's programs, so that ctest plays every
# test on that machine too. The including file sets QUILLARY_TRIPLE,
# CMAKE_SYSTEM_PROCESSOR and QUILLARY_QEMU_NAME first.
set(CMAKE_SYSTEM_NAME Linux)
set(CMAKE_C_COMPILER ${QUILLARY_TRIPLE}-gcc)
set(CMAKE_CXX_COMPILER ${QUILLARY_TRIPLE}-g++)

# Libraries and headers come from the system root that the cross compiler's
# packages install; programs run at build time are this machine's own. The
# root and QEMU are cached, so that release/run reads them from the build.
set(QUILLARY_SYSROOT /usr/${QUILLARY_TRIPLE}
    CACHE PATH "The system root of the cross compiler's packages")
set(CMAKE_FIND_ROOT_PATH ${QUILLARY_SYSROOT})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

find_program(QUILLARY_QEMU ${QUILLARY_QEMU_NAME} REQUIRED)
set(CMAKE_CROSSCOMPILING_EMULATOR ${QUILLARY_QEMU} -L ${QUILLARY_SYSROOT})
