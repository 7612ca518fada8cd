# Fails when an executable imports a DLL that Windows itself does not bring:
#   cmake -DOBJDUMP=<objdump> -DEXE=<program.exe> -P check-imports.cmake
cmake_minimum_required(VERSION 3.25)

foreach(var OBJDUMP EXE)
    if(NOT DEFINED ${var})
        message(FATAL_ERROR "check-imports.cmake needs -D${var}=...")
    endif()
endforeach()

execute_process(COMMAND "${OBJDUMP}" -p "${EXE}" OUTPUT_VARIABLE dump RESULT_VARIABLE result)
if(NOT result EQUAL 0)
    message(FATAL_ERROR "${OBJDUMP} failed on ${EXE} (${result})")
endif()

string(REGEX MATCHALL "DLL Name: [^\n]+" imports "${dump}")
if(NOT imports)
    message(FATAL_ERROR "${EXE}: no import table found")
endif()

set(windows_dlls
    advapi32 comctl32 comdlg32 gdi32 kernel32 msvcrt msvfw32 ole32 oleaut32 shell32 shlwapi
    user32 version winmm)
set(foreign "")
foreach(line IN LISTS imports)
    string(REGEX REPLACE "DLL Name: *([^ ]+)\\.[dD][lL][lL].*" "\\1" name "${line}")
    string(TOLOWER "${name}" name)
    if(NOT name IN_LIST windows_dlls)
        list(APPEND foreign "${name}")
    endif()
endforeach()
if(foreign)
    message(FATAL_ERROR "${EXE} needs DLLs that Windows does not bring: ${foreign}")
endif()
