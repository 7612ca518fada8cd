# The packages scripts/release makes with CPack: a .deb of the Linux build, a zip of the
# 32-bit Windows build.
set(CPACK_PACKAGE_NAME discmenu)
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "${PROJECT_DESCRIPTION}")
set(CPACK_PACKAGE_CONTACT "Discmenu developers <discmenu@localhost>")
if(WIN32)
    set(CPACK_GENERATOR ZIP)
    set(CPACK_PACKAGE_FILE_NAME discmenu-${PROJECT_VERSION}-windows)
else()
    set(CPACK_GENERATOR DEB)
    set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
    set(CPACK_STRIP_FILES ON)
    set(CPACK_DEBIAN_PACKAGE_SECTION utils)
    # Depends on the libraries disckit links, as dpkg-shlibdeps finds them, and on the faces
    # the preview draws texts in.
    set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
    set(CPACK_DEBIAN_PACKAGE_DEPENDS fonts-liberation2)
    set(CPACK_PACKAGE_DESCRIPTION
        "disckit checks, creates and packs disc folders and writes their ISO images; the \
package carries the 32-bit start.exe that discs get, a demo disc and the author's guide.")
endif()
include(CPack)
