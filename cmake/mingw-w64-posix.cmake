# Shared part of the MinGW-w64 cross builds; the including file sets DISCMENU_MINGW_TRIPLET
# and CMAKE_SYSTEM_PROCESSOR.
set(CMAKE_SYSTEM_NAME Windows)

set(CMAKE_C_COMPILER ${DISCMENU_MINGW_TRIPLET}-gcc-posix)
set(CMAKE_CXX_COMPILER ${DISCMENU_MINGW_TRIPLET}-g++-posix)
set(CMAKE_RC_COMPILER ${DISCMENU_MINGW_TRIPLET}-windres)

set(CMAKE_FIND_ROOT_PATH /usr/${DISCMENU_MINGW_TRIPLET})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)

# Everything static: the executables must need no DLL beyond Windows' own.
set(CMAKE_EXE_LINKER_FLAGS_INIT "-static -static-libgcc -static-libstdc++")
