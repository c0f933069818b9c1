# Linux on 64-bit ARM, cross-built with Debian's g++-aarch64-linux-gnu and run
# here under QEMU user mode (Debian's qemu-user), so that ctest plays every
# test on the ARM build too:
#   cmake -S . -B build-arm64 \
#     -DCMAKE_TOOLCHAIN_FILE=cmake/toolchains/aarch64-linux-gnu.cmake
set(QUILLARY_TRIPLE aarch64-linux-gnu)
set(CMAKE_SYSTEM_PROCESSOR aarch64)
set(QUILLARY_QEMU_NAME qemu-aarch64)
include(${CMAKE_CURRENT_LIST_DIR}/debian-linux-cross.cmake)
