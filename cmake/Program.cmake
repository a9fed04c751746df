# Every executable of the Windows build loads at a random address (ASLR: dynamic base, with its
# relocations kept) and runs with data pages not executable (DEP); 64-bit ones with the full
# 64-bit address range (high-entropy ASLR). Recent binutils default to these; saying so keeps
# them with older ones.
add_link_options(-Wl,--dynamicbase -Wl,--nxcompat)
if(CMAKE_SIZEOF_VOID_P EQUAL 8)
    add_link_options(-Wl,--high-entropy-va)
endif()

# Program code (the shell, the programs' parts and their executables) carries no C++ runtime it
# does not use: no exceptions (allocation failure ends the program, see shell/Memory.cpp) and no
# guards for function statics, as the programs have one thread. RTTI is off in the whole build.
function(use_program_code_options target)
    target_compile_options(${target} PRIVATE $<$<COMPILE_LANGUAGE:CXX>:-fno-exceptions -fno-threadsafe-statics>
                           -fno-asynchronous-unwind-tables -fno-unwind-tables)
endfunction()

# add_program(name sources...): one of the programs. Its sources (application object, dialogs,
# .rc) form <name>_parts, which the executable and the program's in-process tests both link;
# the program's name is the one parameter of the shared resources.
function(add_program name)
    add_library(${name}_parts OBJECT ${ARGN})
    target_link_libraries(${name}_parts PUBLIC shell)
    target_include_directories(${name}_parts PUBLIC ${CMAKE_CURRENT_SOURCE_DIR})
    target_compile_definitions(${name}_parts PRIVATE PROGRAM_NAME=${name})
    use_program_code_options(${name}_parts)

    # The entry and the global allocation belong to the executable alone: the tests link the parts.
    add_executable(${name} WIN32 ${PROJECT_SOURCE_DIR}/shell/WinMain.cpp ${PROJECT_SOURCE_DIR}/shell/Memory.cpp)
    use_program_code_options(${name})
    target_link_libraries(${name} PRIVATE ${name}_parts)
    target_link_options(${name} PRIVATE -municode -s -Wl,--gc-sections
                        -Wl,-T,${PROJECT_SOURCE_DIR}/cmake/discard-unwind-tables.ld)
    set_property(TARGET ${name} APPEND PROPERTY LINK_DEPENDS ${PROJECT_SOURCE_DIR}/cmake/discard-unwind-tables.ld)
    # The oldest Windows the programs run on, as their header declares it: Vista (NT 6.0).
    target_link_options(${name} PRIVATE -Wl,--major-subsystem-version,6,--minor-subsystem-version,0)
    install(TARGETS ${name} RUNTIME DESTINATION .)
endfunction()
