# Runs a generator into a scratch folder and compares every file it writes, byte for byte, with
# the committed copy:
#   cmake -DMAKE_ART=<generator> -DOUT=<scratch dir> -DEXPECTED=<committed dir> [-DCOMPLETE=ON]
#         -P check-art.cmake
# With COMPLETE, the committed folder must hold nothing that the generator no longer writes.
cmake_minimum_required(VERSION 3.25)

foreach(var MAKE_ART OUT EXPECTED)
    if(NOT DEFINED ${var})
        message(FATAL_ERROR "check-art.cmake needs -D${var}=...")
    endif()
endforeach()
get_filename_component(tool "${MAKE_ART}" NAME_WE)

file(REMOVE_RECURSE "${OUT}")
execute_process(COMMAND "${MAKE_ART}" "${OUT}" RESULT_VARIABLE result)
if(NOT result EQUAL 0)
    message(FATAL_ERROR "${tool} failed (${result})")
endif()

file(GLOB_RECURSE drawn RELATIVE "${OUT}" "${OUT}/*")
if(NOT drawn)
    message(FATAL_ERROR "${tool} wrote nothing into ${OUT}")
endif()

set(stale "")
foreach(name IN LISTS drawn)
    if(NOT EXISTS "${EXPECTED}/${name}")
        message(SEND_ERROR "${name}: ${tool} writes it, but there is no committed copy")
        list(APPEND stale "${name}")
        continue()
    endif()
    execute_process(COMMAND "${CMAKE_COMMAND}" -E compare_files "${OUT}/${name}" "${EXPECTED}/${name}"
                    RESULT_VARIABLE differs)
    if(NOT differs EQUAL 0)
        file(SIZE "${OUT}/${name}" drawn_size)
        file(SIZE "${EXPECTED}/${name}" committed_size)
        message(SEND_ERROR "${name}: the committed copy (${committed_size} bytes) differs from "
                           "what ${tool} writes (${drawn_size} bytes, in ${OUT})")
        list(APPEND stale "${name}")
    endif()
endforeach()

if(COMPLETE)
    file(GLOB_RECURSE committed RELATIVE "${EXPECTED}" "${EXPECTED}/*")
    foreach(name IN LISTS committed)
        if(NOT name IN_LIST drawn)
            message(SEND_ERROR "${name}: committed, but ${tool} no longer writes it")
            list(APPEND stale "${name}")
        endif()
    endforeach()
endif()

if(stale)
    list(JOIN stale " " names)
    message(FATAL_ERROR "Stale files: ${names}. Run ${tool} ${EXPECTED} and commit the result.")
endif()
