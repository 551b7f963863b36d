# SPDX-FileCopyrightText: 2026 The pelvaro developers <pelvaro@pelvaro.org>
# SPDX-License-Identifier: GPL-2.0-or-later
# What the cross toolchains share: Debian's cross compiler for CMAKE_LIBRARY_ARCHITECTURE, and
# libraries, headers and CMake packages from a Debian system root of PELVARO_DEB_ARCHITECTURE
# (scripts/test makes it and passes it; by default the one of the build machine's release in
# ~/.cache/pelvaro), never from the build machine's own packages, whose versions may differ.
# Programs come from the build machine: moc, rcc, lupdate and lrelease are its own Qt tools,
# found in its own multiarch folder, whatever its architecture.
set(CMAKE_SYSTEM_NAME Linux)
set(CMAKE_SYSTEM_PROCESSOR arm)
set(CMAKE_C_COMPILER ${CMAKE_LIBRARY_ARCHITECTURE}-gcc)
set(CMAKE_CXX_COMPILER ${CMAKE_LIBRARY_ARCHITECTURE}-g++)

include(${CMAKE_CURRENT_LIST_DIR}/debian-release.cmake)
if(NOT PELVARO_SYSROOT)
    pelvaro_debian_release(build_release "")
    set(PELVARO_SYSROOT "$ENV{HOME}/.cache/pelvaro/debian${build_release}-${PELVARO_DEB_ARCHITECTURE}-root")
endif()
set(PELVARO_SYSROOT "${PELVARO_SYSROOT}" CACHE PATH "Debian ${PELVARO_DEB_ARCHITECTURE} system root")
list(APPEND CMAKE_TRY_COMPILE_PLATFORM_VARIABLES PELVARO_SYSROOT)
set(CMAKE_SYSROOT "${PELVARO_SYSROOT}")

# From Debian 13 on, the 32-bit ports build everything with a 64-bit time_t and file offsets
# (dpkg-buildflags' abi=+time64), and their libraries' interfaces are built so.
pelvaro_debian_release(root_release "${PELVARO_SYSROOT}")
if(root_release GREATER_EQUAL 13)
    string(APPEND CMAKE_C_FLAGS_INIT " -D_TIME_BITS=64 -D_FILE_OFFSET_BITS=64")
    string(APPEND CMAKE_CXX_FLAGS_INIT " -D_TIME_BITS=64 -D_FILE_OFFSET_BITS=64")
endif()

set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

execute_process(COMMAND dpkg-architecture -qDEB_BUILD_MULTIARCH
    OUTPUT_VARIABLE PELVARO_BUILD_MULTIARCH OUTPUT_STRIP_TRAILING_WHITESPACE
    COMMAND_ERROR_IS_FATAL ANY)
set(QT_HOST_PATH /usr)
set(QT_HOST_PATH_CMAKE_DIR /usr/lib/${PELVARO_BUILD_MULTIARCH}/cmake)

# qemu-arm looks up every absolute path the program opens under the system root first, so that
# the loader, libraries, plugins and fonts are the root's. It does not for stat, and it falls
# back to the build machine's file where the root has none, so fontconfig would take the build
# machine's font folders' dates and font caches for the root's, and miss fonts added to the root
# since; it is told where the root is instead.
set(PELVARO_QEMU qemu-arm -L ${PELVARO_SYSROOT} -E FONTCONFIG_SYSROOT=${PELVARO_SYSROOT})
