# Cross build for 32-bit Windows, the build that goes on discs: it runs on 32-bit and
# 64-bit Windows alike.
set(DISCMENU_MINGW_TRIPLET i686-w64-mingw32)
set(CMAKE_SYSTEM_PROCESSOR i686)
include(${CMAKE_CURRENT_LIST_DIR}/mingw-w64-posix.cmake)
