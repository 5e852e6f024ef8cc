# 64-bit ARM, little-endian.
set(CMAKE_SYSTEM_PROCESSOR aarch64)
set(ZELMAR_FLAGROW_CROSS_TRIPLET aarch64-linux-gnu)
set(ZELMAR_FLAGROW_QEMU_CPU aarch64)
include(${CMAKE_CURRENT_LIST_DIR}/linux-cross.cmake)
