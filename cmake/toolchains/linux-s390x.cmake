# 64-bit IBM Z, big-endian.
set(CMAKE_SYSTEM_PROCESSOR s390x)
set(ZELMAR_FLAGROW_CROSS_TRIPLET s390x-linux-gnu)
set(ZELMAR_FLAGROW_QEMU_CPU s390x)
include(${CMAKE_CURRENT_LIST_DIR}/linux-cross.cmake)
