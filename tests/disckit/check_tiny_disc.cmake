# Writes a one-language disc whose menu description writes a key in the wrong letter case, runs
# disckit.exe check on it under Wine and expects exit status 1 with the finding at its place.
file(REMOVE_RECURSE ${DISC})
file(WRITE ${DISC}/Menu/lang.dat
    "<window width=200 height=100/>\n<item type=button name=pl width=40 height=20/>\n")
file(WRITE ${DISC}/Menu/pl.dat "<window title=Tiny Width=640 width=640 height=480/>\n")
execute_process(COMMAND ${WINE_RUN} ${WINE_DIR} ${DISCKIT} check ${DISC}
    RESULT_VARIABLE status OUTPUT_VARIABLE output)
message("${output}")
if(NOT status EQUAL 1)
    message(FATAL_ERROR "disckit.exe exited with ${status}, expected 1")
endif()
if(NOT output MATCHES "Menu/pl.dat:1:20: error: key \"Width\" is not \"width\"")
    message(FATAL_ERROR "the key in the wrong letter case is not reported")
endif()

# The same disc drawn by disckit.exe preview: a picture of the window's size, and the check's
# verdict on standard error.
file(REMOVE ${DISC}/menu.png)
execute_process(COMMAND ${WINE_RUN} ${WINE_DIR} ${DISCKIT} preview ${DISC} -o ${DISC}/menu.png
    RESULT_VARIABLE status ERROR_VARIABLE errors)
if(NOT status EQUAL 0 OR NOT EXISTS ${DISC}/menu.png)
    message(FATAL_ERROR "disckit.exe preview exited with ${status} and no picture: ${errors}")
endif()
file(READ ${DISC}/menu.png header LIMIT 24 HEX)
# The PNG signature, then the IHDR chunk's width and height: 640 x 480.
if(NOT header MATCHES "^89504e470d0a1a0a0000000d49484452000002800000")
    message(FATAL_ERROR "disckit.exe preview wrote no 640 x 480 PNG: ${header}")
endif()
if(NOT errors MATCHES "1 error, [0-9]+ warnings: run disckit check")
    message(FATAL_ERROR "disckit.exe preview did not sum up the check: ${errors}")
endif()
