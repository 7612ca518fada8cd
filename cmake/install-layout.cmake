# Where an install puts things: the usual Linux layout for the .deb, one flat folder for the
# Windows zip, where start.exe sits beside disckit.exe.
if(WIN32)
    set(DISCMENU_BIN_DIR .)
    set(DISCMENU_MENU_DIR .)
    set(DISCMENU_DOC_DIR .)
else()
    include(GNUInstallDirs)
    set(DISCMENU_BIN_DIR ${CMAKE_INSTALL_BINDIR})
    set(DISCMENU_MENU_DIR ${CMAKE_INSTALL_DATADIR}/discmenu)
    set(DISCMENU_DOC_DIR ${CMAKE_INSTALL_DATADIR}/doc/discmenu)
endif()
# Installs and packages carry what they are built from, not the whole build with its tests.
set(CMAKE_SKIP_INSTALL_ALL_DEPENDENCY ON)
