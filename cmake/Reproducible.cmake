# Two builds of one commit give the same bytes wherever and whenever they run: every time stamp
# they write is the commit's (SOURCE_DATE_EPOCH, as the reproducible-builds convention names it),
# and no path of the build machine reaches a binary.
if(DEFINED ENV{SOURCE_DATE_EPOCH})
    set(SOURCE_DATE_EPOCH $ENV{SOURCE_DATE_EPOCH})
else()
    execute_process(COMMAND git log -1 --format=%ct
        WORKING_DIRECTORY ${PROJECT_SOURCE_DIR} RESULT_VARIABLE git_failed
        OUTPUT_VARIABLE SOURCE_DATE_EPOCH OUTPUT_STRIP_TRAILING_WHITESPACE ERROR_QUIET)
    if(git_failed OR NOT SOURCE_DATE_EPOCH MATCHES "^[0-9]+$")
        set(SOURCE_DATE_EPOCH 1704067200)  # 2024-01-01, for a source tree without its history
    endif()
    # A new commit or checkout moves HEAD: configure again to take its time.
    execute_process(COMMAND git rev-parse --path-format=absolute --git-path logs/HEAD
        WORKING_DIRECTORY ${PROJECT_SOURCE_DIR} OUTPUT_VARIABLE head_log OUTPUT_STRIP_TRAILING_WHITESPACE ERROR_QUIET)
    if(head_log AND EXISTS ${head_log})
        set_property(DIRECTORY ${PROJECT_SOURCE_DIR} APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${head_log})
    endif()
endif()
if(NOT SOURCE_DATE_EPOCH MATCHES "^[0-9]+$")
    message(FATAL_ERROR "SOURCE_DATE_EPOCH must be a number of seconds, not '${SOURCE_DATE_EPOCH}'")
endif()

# ld writes SOURCE_DATE_EPOCH as the PE time stamp, when it finds it in its environment.
set(CMAKE_C_LINKER_LAUNCHER ${CMAKE_COMMAND} -E env SOURCE_DATE_EPOCH=${SOURCE_DATE_EPOCH})
set(CMAKE_CXX_LINKER_LAUNCHER ${CMAKE_COMMAND} -E env SOURCE_DATE_EPOCH=${SOURCE_DATE_EPOCH})
# __FILE__ and any debug information name the sources relative to the checkout (the build tree
# last, as the last match wins).
add_compile_options($<$<COMPILE_LANGUAGE:C,CXX>:-ffile-prefix-map=${PROJECT_SOURCE_DIR}/=>
                    $<$<COMPILE_LANGUAGE:C,CXX>:-ffile-prefix-map=${PROJECT_BINARY_DIR}/=build/>)
