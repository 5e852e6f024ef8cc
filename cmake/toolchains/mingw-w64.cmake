# Debian's MinGW-w64 cross compilers, included by a file per architecture that
# sets ZELMAR_FLAGROW_MINGW_TRIPLET first.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_CXX_COMPILER ${ZELMAR_FLAGROW_MINGW_TRIPLET}-g++-posix)
set(CMAKE_RC_COMPILER ${ZELMAR_FLAGROW_MINGW_TRIPLET}-windres)

# The runtime goes into the program: it then starts on a bare Windows (or
# under wine) without MinGW's DLLs beside it.
set(CMAKE_EXE_LINKER_FLAGS_INIT -static)

# Libraries and packages come from the target side only, never from the host.
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)
