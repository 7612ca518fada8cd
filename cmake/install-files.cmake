# What every install carries besides the programs: the demo disc, the README and the
# author's guide (in its own folder, so the README's links hold).
install(DIRECTORY examples/demo-disc DESTINATION ${DISCMENU_MENU_DIR})
install(FILES README.md DESTINATION ${DISCMENU_DOC_DIR})
install(FILES docs/authoring.md DESTINATION ${DISCMENU_DOC_DIR}/docs)
install(DIRECTORY docs/images DESTINATION ${DISCMENU_DOC_DIR}/docs)

# The Linux install carries the menu that discs get: the 32-bit build's start.exe.
if(NOT WIN32)
    set(DISCMENU_START_EXE ${PROJECT_SOURCE_DIR}/build/windows32/bin/start.exe CACHE FILEPATH
        "The 32-bit start.exe a Linux install carries")
    install(CODE "
        if(NOT EXISTS \"${DISCMENU_START_EXE}\")
            message(FATAL_ERROR \"${DISCMENU_START_EXE} is missing: build the windows32 preset first\")
        endif()")
    install(FILES ${DISCMENU_START_EXE} DESTINATION ${DISCMENU_MENU_DIR})
endif()
