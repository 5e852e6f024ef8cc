# Debian's cross compilers for Linux on another CPU, with qemu-user running what they build.
# Included by a file per architecture that sets ZELMAR_FLAGROW_CROSS_TRIPLET (the GNU triplet)
# and ZELMAR_FLAGROW_QEMU_CPU (the name in qemu-<cpu>) first.
set(CMAKE_SYSTEM_NAME Linux)
set(CMAKE_C_COMPILER ${ZELMAR_FLAGROW_CROSS_TRIPLET}-gcc)
set(CMAKE_CXX_COMPILER ${ZELMAR_FLAGROW_CROSS_TRIPLET}-g++)

# The programs run on the target's own C and C++ run-times, Debian's multiarch libc6:<arch> and
# libstdc++6:<arch>, as on a machine of that kind: the loader, libc and its gconv modules come
# from one package, where the cross compiler's copy of the loader would not match them.
set(CMAKE_CROSSCOMPILING_EMULATOR qemu-${ZELMAR_FLAGROW_QEMU_CPU})

# Libraries and packages come from the target side only, never from the host: the cross
# compiler's folder, and any root the caller gives (a staged install of this library).
list(APPEND CMAKE_FIND_ROOT_PATH /usr/${ZELMAR_FLAGROW_CROSS_TRIPLET})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)
