# Shared part of the two MinGW-w64 toolchain files; VARNHOLT_TRIPLET names the target.
# The posix thread model is used so that the C++ standard library has std::thread.
set(CMAKE_C_COMPILER ${VARNHOLT_TRIPLET}-gcc-posix)
set(CMAKE_CXX_COMPILER ${VARNHOLT_TRIPLET}-g++-posix)
set(CMAKE_RC_COMPILER ${VARNHOLT_TRIPLET}-windres)
set(CMAKE_FIND_ROOT_PATH /usr/${VARNHOLT_TRIPLET})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)
