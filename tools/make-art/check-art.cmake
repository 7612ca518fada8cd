# Redraws the artwork and compares it byte for byte with the committed copies:
#   cmake -DMAKE_ART=<make-art> -DOUT=<scratch dir> -DEXPECTED=<src/resources> -P check-art.cmake
foreach(var MAKE_ART OUT EXPECTED)
    if(NOT DEFINED ${var})
        message(FATAL_ERROR "check-art.cmake needs -D${var}=...")
    endif()
endforeach()

file(REMOVE_RECURSE "${OUT}")
execute_process(COMMAND "${MAKE_ART}" "${OUT}" RESULT_VARIABLE result)
if(NOT result EQUAL 0)
    message(FATAL_ERROR "make-art failed (${result})")
endif()

set(stale "")
foreach(name banner_intro.bmp discmenu.ico)
    foreach(file "${OUT}/${name}" "${EXPECTED}/${name}")
        if(NOT EXISTS "${file}")
            message(FATAL_ERROR "${file} is missing")
        endif()
    endforeach()
    execute_process(COMMAND "${CMAKE_COMMAND}" -E compare_files "${OUT}/${name}" "${EXPECTED}/${name}"
                    RESULT_VARIABLE differs)
    if(NOT differs EQUAL 0)
        file(SIZE "${OUT}/${name}" drawn_size)
        file(SIZE "${EXPECTED}/${name}" committed_size)
        message(SEND_ERROR "${name}: the committed copy (${committed_size} bytes) differs from "
                           "what make-art draws (${drawn_size} bytes, in ${OUT})")
        set(stale "${stale} ${name}")
    endif()
endforeach()
if(stale)
    message(FATAL_ERROR "Stale artwork:${stale}. Run make-art ${EXPECTED} and commit the result.")
endif()
