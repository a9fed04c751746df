# The release files of one architecture, written by `cmake --build <dir> --target package`:
# velmora-<version>-<arch>.zip (the programs and README.txt in a velmora-<version>-<arch> folder)
# and, where wixl is installed, velmora-<version>-<arch>.msi. Both carry SOURCE_DATE_EPOCH as
# their only time (cmake/Reproducible.cmake).
find_program(PACKAGING_PYTHON NAMES python3 HINTS /usr/bin)  # Debian's, with python3-olefile
find_program(WIXL wixl)
set(RELEASE_FILES_PY ${PROJECT_SOURCE_DIR}/packaging/release_files.py)

if(CMAKE_SIZEOF_VOID_P EQUAL 8)
    set(PACKAGE_ARCH win64)
    set(MSI_ARCH x64)
    set(MSI_PROGRAM_FILES ProgramFiles64Folder)
    set(MSI_WIN64 yes)
    set(MSI_UPGRADE_CODE C1B84010-9288-4818-B862-0D76D98D2BDF)
else()
    set(PACKAGE_ARCH win32)
    set(MSI_ARCH x86)
    set(MSI_PROGRAM_FILES ProgramFilesFolder)
    set(MSI_WIN64 no)
    set(MSI_UPGRADE_CODE 77817D5F-CE82-4716-9385-1FC30CD9B681)
endif()
# The name space of every other code of the installer: each is a name-based UUID, so that the
# components keep theirs from one version to the next and a new version has a new product code.
set(MSI_NAMESPACE f25cd4b9-ddb8-487c-95f2-efa15cbec45d)

# add_velmora_msi(output version programs...): the installer of the programs (targets) and
# README.txt at the given version, into Program Files\velmora, with a Start-menu folder holding
# one shortcut per program.
function(add_velmora_msi output version)
    get_filename_component(name ${output} NAME_WLE)
    set(stage ${CMAKE_CURRENT_BINARY_DIR}/${name}.stage)
    set(MSI_VERSION ${version})
    string(UUID MSI_PRODUCT_CODE NAMESPACE ${MSI_NAMESPACE} NAME "product ${PACKAGE_ARCH} ${version}" TYPE SHA1 UPPER)
    set(MSI_ICON velmora.ico)
    set(components "")
    set(shortcuts "")
    set(refs "")
    set(files ${PROJECT_SOURCE_DIR}/packaging/README.txt)
    foreach(program ${ARGN} README)
        if(program STREQUAL README)
            set(file README.txt)
        else()
            set(file ${program}.exe)
            list(APPEND files $<TARGET_FILE:${program}>)
            string(APPEND shortcuts
                "          <Shortcut Id=\"${program}.lnk\" Name=\"${program}\" Target=\"[INSTALLDIR]${file}\" WorkingDirectory=\"INSTALLDIR\"/>\n")
        endif()
        string(UUID guid NAMESPACE ${MSI_NAMESPACE} NAME "component ${PACKAGE_ARCH} ${file}" TYPE SHA1 UPPER)
        string(APPEND components
            "          <Component Id=\"${file}\" Guid=\"${guid}\" Win64=\"${MSI_WIN64}\">\n"
            "            <File Id=\"${file}\" Name=\"${file}\" Source=\"${file}\" KeyPath=\"yes\"/>\n"
            "          </Component>\n")
        string(APPEND refs "      <ComponentRef Id=\"${file}\"/>\n")
    endforeach()
    # The shortcuts' component is kept by a value of its own, as a shortcut cannot be a key path.
    string(UUID guid NAMESPACE ${MSI_NAMESPACE} NAME "component ${PACKAGE_ARCH} shortcuts" TYPE SHA1 UPPER)
    set(MSI_SHORTCUT_COMPONENT
        "          <Component Id=\"Shortcuts\" Guid=\"${guid}\" Win64=\"${MSI_WIN64}\">\n${shortcuts}"
        "          <RemoveFolder Id=\"ProgramMenuDir\" On=\"uninstall\"/>\n"
        "          <RegistryValue Root=\"HKLM\" Key=\"Software\\velmora\" Name=\"Shortcuts\" Type=\"integer\" Value=\"1\" KeyPath=\"yes\"/>\n"
        "          </Component>")
    string(APPEND refs "      <ComponentRef Id=\"Shortcuts\"/>")
    string(JOIN "" MSI_SHORTCUT_COMPONENT ${MSI_SHORTCUT_COMPONENT})
    set(MSI_PROGRAM_COMPONENTS "${components}")
    set(MSI_COMPONENT_REFS "${refs}")
    configure_file(${PROJECT_SOURCE_DIR}/packaging/velmora.wxs.in ${stage}.wxs @ONLY)

    add_custom_command(OUTPUT ${output}
        COMMAND ${CMAKE_COMMAND} -E rm -rf ${stage}
        COMMAND ${PACKAGING_PYTHON} ${RELEASE_FILES_PY} stage ${stage} ${SOURCE_DATE_EPOCH} ${files}
        COMMAND ${CMAKE_COMMAND} -E copy ${PROJECT_SOURCE_DIR}/shell/res/app.ico ${stage}/${MSI_ICON}
        COMMAND ${CMAKE_COMMAND} -E chdir ${stage} ${WIXL} -a ${MSI_ARCH} -o ${output}.tmp ${stage}.wxs
        COMMAND ${PACKAGING_PYTHON} ${RELEASE_FILES_PY} fix-msi ${output}.tmp ${SOURCE_DATE_EPOCH} ${MSI_NAMESPACE}
        COMMAND ${CMAKE_COMMAND} -E rename ${output}.tmp ${output}
        WORKING_DIRECTORY ${CMAKE_CURRENT_BINARY_DIR}
        DEPENDS ${ARGN} ${stage}.wxs ${RELEASE_FILES_PY} ${PROJECT_SOURCE_DIR}/packaging/README.txt
                ${PROJECT_SOURCE_DIR}/shell/res/app.ico
        COMMENT "Writing ${name}.msi"
        VERBATIM)
endfunction()

# add_release_package(programs...): the `package` target, writing the ZIP and the MSI.
function(add_release_package)
    if(NOT PACKAGING_PYTHON)
        message(STATUS "python3 not found: no package target")
        return()
    endif()
    set(base velmora-${PROJECT_VERSION}-${PACKAGE_ARCH})
    set(zip ${CMAKE_BINARY_DIR}/${base}.zip)
    set(files)
    foreach(program ${ARGN})
        list(APPEND files $<TARGET_FILE:${program}>)
    endforeach()
    list(APPEND files ${PROJECT_SOURCE_DIR}/packaging/README.txt)
    add_custom_command(OUTPUT ${zip}
        COMMAND ${PACKAGING_PYTHON} ${RELEASE_FILES_PY} zip ${zip} ${SOURCE_DATE_EPOCH} ${base} ${files}
        DEPENDS ${ARGN} ${RELEASE_FILES_PY} ${PROJECT_SOURCE_DIR}/packaging/README.txt
        COMMENT "Writing ${base}.zip"
        VERBATIM)
    set(outputs ${zip})
    if(WIXL)
        add_velmora_msi(${CMAKE_BINARY_DIR}/${base}.msi ${PROJECT_VERSION} ${ARGN})
        list(APPEND outputs ${CMAKE_BINARY_DIR}/${base}.msi)
    else()
        message(STATUS "wixl not found: the package target writes the ZIP only")
    endif()
    # CMake keeps the name `package` for CPack while a build tree holds CPack's configuration, as
    # one from before this target may.
    file(REMOVE ${CMAKE_BINARY_DIR}/CPackConfig.cmake ${CMAKE_BINARY_DIR}/CPackSourceConfig.cmake)
    add_custom_target(package DEPENDS ${outputs})
    set(RELEASE_MSI ${CMAKE_BINARY_DIR}/${base}.msi PARENT_SCOPE)
endfunction()
