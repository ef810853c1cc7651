# Checks that each folder includes only its own headers and those of the layers below it, so
# that an include against the layers fails the build at once, and that below the windows only
# the wording files (game/*Words.cpp) make sentences through the translation hook (run as
# cmake -P with SOURCE_DIR and STAMP). Each line: a folder, then the folders it may include from.
cmake_minimum_required(VERSION 3.25)
set(layers
    "rules rules"
    "code rules code"
    "record rules code record"
    "game rules code record game"
    "widgets widgets"
    "about widgets about"
    "ui rules code game widgets about ui"
    "tools/corvalen-code rules code record game"
    "web rules code record game")
set(violations "")
foreach(layer IN LISTS layers)
    separate_arguments(allowed UNIX_COMMAND "${layer}")
    list(POP_FRONT allowed folder)
    file(GLOB files "${SOURCE_DIR}/${folder}/*.h" "${SOURCE_DIR}/${folder}/*.cpp")
    foreach(file IN LISTS files)
        file(STRINGS "${file}" includes REGEX "^#include \"[a-z]+/")
        foreach(line IN LISTS includes)
            string(REGEX REPLACE "^#include \"([a-z]+)/.*" "\\1" target "${line}")
            if(NOT target IN_LIST allowed)
                string(APPEND violations "\n  ${file}: ${line}")
            endif()
        endforeach()
    endforeach()
endforeach()
if(violations)
    message(FATAL_ERROR "An include reaches past the layers (rules <- code <- record <- game <- "
        "about, ui; widgets <- about, ui):${violations}")
endif()

# The hook itself lives in rules/Text.h and rules/Text.cpp; no other file below the windows but
# the wording files calls it.
set(hook_exceptions rules/Text.h rules/Text.cpp)
foreach(folder IN ITEMS rules code record game)
    file(GLOB files RELATIVE "${SOURCE_DIR}" "${SOURCE_DIR}/${folder}/*.h"
        "${SOURCE_DIR}/${folder}/*.cpp")
    foreach(file IN LISTS files)
        if(file MATCHES "^game/[A-Za-z]+Words\\.cpp$" OR file IN_LIST hook_exceptions)
            continue()
        endif()
        file(STRINGS "${SOURCE_DIR}/${file}" calls
            REGEX "CORVALEN_TEXT\\(|(^|[^A-Za-z0-9_.>:])Text\\(\"|corvalen::Text\\(")
        foreach(line IN LISTS calls)
            string(STRIP "${line}" line)
            string(APPEND violations "\n  ${file}: ${line}")
        endforeach()
    endforeach()
endforeach()
if(violations)
    message(FATAL_ERROR "Only the wording files (game/*Words.cpp) call the translation hook "
        "below the windows; these files make sentences:${violations}")
endif()
file(TOUCH "${STAMP}")
