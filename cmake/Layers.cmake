# Checks that each folder includes only its own headers and those of the layers below it, so
# that an include against the layers fails the build at once (run as cmake -P with SOURCE_DIR
# and STAMP). Each line: a folder, then the folders it may include from.
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
file(TOUCH "${STAMP}")
