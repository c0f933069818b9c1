# This machine's clang++ with LLVM's C++ standard library, libc++ (Debian's
# libc++-14-dev and libc++abi-14-dev), in place of GNU's libstdc++: the
# standard library of macOS, FreeBSD, Android and Emscripten, built and
# tested here on Linux.
#   cmake -S . -B build-libcxx \
#     -DCMAKE_TOOLCHAIN_FILE=cmake/toolchains/clang-libc++.cmake
set(CMAKE_C_COMPILER clang)
set(CMAKE_CXX_COMPILER clang++)
set(CMAKE_CXX_FLAGS_INIT -stdlib=libc++)
set(CMAKE_EXE_LINKER_FLAGS_INIT -stdlib=libc++)

# Debian's GoogleTest and Google Benchmark libraries are built against
# libstdc++ and cannot be linked here: GoogleTest is built from its sources
# instead, and the benchmarks are left out.
set(QUILLARY_GTEST_FROM_SOURCE ON)
set(QUILLARY_BENCH OFF)
