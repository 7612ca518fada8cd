# Writes a one-language disc whose menu description writes a key in the wrong letter case, runs disckit.exe check
# on it under Wine and expects exit status 1 with the finding at its place.
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
