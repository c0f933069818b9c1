# Linux on 32-bit ARM with hardware floating point (armhf: Raspberry Pi OS
# on the older boards and the Zero), cross-built with Debian's
# g++-arm-linux-gnueabihf and run here under QEMU user mode (Debian's
# qemu-user), so that ctest plays every test on the 32-bit build too:
#   cmake -S . -B build-armhf \
#     -DCMAKE_TOOLCHAIN_FILE=cmake/toolchains/arm-linux-gnueabihf.cmake
set(QUILLARY_TRIPLE arm-linux-gnueabihf)
set(CMAKE_SYSTEM_PROCESSOR armv7l)
set(QUILLARY_QEMU_NAME qemu-arm)
include(${CMAKE_CURRENT_LIST_DIR}/debian-linux-cross.cmake)
