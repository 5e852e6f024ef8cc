# Debian's cross compilers for Linux on another CPU, with qemu-user running what they build.
# Included by a file per architecture that sets ZELMAR_FLAGROW_CROSS_TRIPLET (the GNU triplet)
# and ZELMAR_FLAGROW_QEMU_CPU (the name in qemu-<cpu>) first.
set(CMAKE_SYSTEM_NAME Linux)
set(CMAKE_C_COMPILER ${ZELMAR_FLAGROW_CROSS_TRIPLET}-gcc)
set(CMAKE_CXX_COMPILER ${ZELMAR_FLAGROW_CROSS_TRIPLET}-g++)

# The target's loader and libraries sit in the cross compiler's own folder.
set(ZELMAR_FLAGROW_CROSS_ROOT /usr/${ZELMAR_FLAGROW_CROSS_TRIPLET})
set(CMAKE_CROSSCOMPILING_EMULATOR qemu-${ZELMAR_FLAGROW_QEMU_CPU} -L ${ZELMAR_FLAGROW_CROSS_ROOT})
# The target's own gconv modules (Debian's multiarch libc6:<arch>): the host's cannot be loaded.
set(ZELMAR_FLAGROW_CROSS_GCONV_PATH /usr/lib/${ZELMAR_FLAGROW_CROSS_TRIPLET}/gconv)

# Libraries and packages come from the target side only, never from the host.
set(CMAKE_FIND_ROOT_PATH ${ZELMAR_FLAGROW_CROSS_ROOT})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)
