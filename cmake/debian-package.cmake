# SPDX-FileCopyrightText: 2026 The pelvaro developers <pelvaro@pelvaro.org>
# SPDX-License-Identifier: GPL-2.0-or-later
# Run by CPack on the staged files before it makes the Debian packages, one folder for each:
# adds what only Debian's formats want (the changelog and the machine-readable copyright file),
# strips the programs as dh_strip does, and dates the files by SOURCE_DATE_EPOCH, from the
# environment or the build.
foreach(component IN LISTS CPACK_COMPONENTS_ALL)
    string(TOUPPER ${component} upper)
    set(package ${CPACK_DEBIAN_${upper}_PACKAGE_NAME})
    set(staged "${CPACK_TEMPORARY_INSTALL_DIRECTORY}/${component}${CPACK_PACKAGING_INSTALL_PREFIX}")
    set(docs "${staged}/share/doc/${package}")
    if(package STREQUAL "pelvaro")
        set(docs "${staged}/${CPACK_PELVARO_DOCDIR}")
        foreach(program IN LISTS CPACK_PELVARO_PROGRAMS)
            execute_process(
                COMMAND "${CPACK_PELVARO_STRIP}" --remove-section=.comment --remove-section=.note
                        "${staged}/${program}"
                COMMAND_ERROR_IS_FATAL ANY)
        endforeach()
    endif()
    file(MAKE_DIRECTORY "${docs}")
    file(COPY_FILE "${CPACK_PELVARO_CHANGELOG}" "${docs}/changelog.gz")
    file(COPY_FILE "${CPACK_PELVARO_COPYRIGHT}" "${docs}/copyright")
    file(CHMOD "${docs}/changelog.gz" "${docs}/copyright"
        PERMISSIONS OWNER_READ OWNER_WRITE GROUP_READ WORLD_READ)
endforeach()

if(NOT DEFINED ENV{SOURCE_DATE_EPOCH} AND CPACK_PELVARO_SOURCE_DATE_EPOCH)
    set(ENV{SOURCE_DATE_EPOCH} "${CPACK_PELVARO_SOURCE_DATE_EPOCH}")
endif()
