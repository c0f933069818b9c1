# Linux on 32-bit ARM with hardware floating point (armhf: Raspberry Pi OS
# on the older boards and the Zero), cross-built with Debian's
# g++-arm-linux-gnueabihf and run here under QEMU user mode (Debian's
# qemu-user), so that ctest plays every test on the 32-bit build too:
#   cmake -S . -B build-armhf \
#     -DCMAKE_TOOLCHAIN_FILE=cmake/toolchains/arm-linux-gnueabihf.cmake
set(CMAKE_SYSTEM_NAME Linux)
set(CMAKE_SYSTEM_PROCESSOR armv7l)
set(CMAKE_C_COMPILER arm-linux-gnueabihf-gcc)
set(CMAKE_CXX_COMPILER arm-linux-gnueabihf-g++)

# Libraries and headers come from the ARM system root that the cross
# compiler's packages install; programs run at build time are this
# machine's own.
set(QUILLARY_SYSROOT /usr/arm-linux-gnueabihf)
set(CMAKE_FIND_ROOT_PATH ${QUILLARY_SYSROOT})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

find_program(QUILLARY_QEMU qemu-arm REQUIRED)
set(CMAKE_CROSSCOMPILING_EMULATOR ${QUILLARY_QEMU} -L ${QUILLARY_SYSROOT})
