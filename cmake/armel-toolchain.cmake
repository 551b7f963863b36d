# SPDX-FileCopyrightText: 2026 The pelvaro developers <pelvaro@pelvaro.org>
# SPDX-License-Identifier: GPL-2.0-or-later
# Cross-builds pelvaro for the handheld's Intel XScale processor (PXA255, PXA270: ARMv5TE
# without a floating-point unit, Debian armel) against a Debian 12 armel system root, and runs
# the armel programs under qemu-arm on the PXA270's CPU model.
#
#   cmake -DCMAKE_TOOLCHAIN_FILE=cmake/armel-toolchain.cmake -DPELVARO_SYSROOT=ROOT ...
#
# scripts/test --arch armel makes the system root and passes it.
include(${CMAKE_CURRENT_LIST_DIR}/cross-build.cmake)
set(CMAKE_C_COMPILER arm-linux-gnueabi-gcc)
set(CMAKE_CXX_COMPILER arm-linux-gnueabi-g++)
set(CMAKE_LIBRARY_ARCHITECTURE arm-linux-gnueabi)

if(NOT PELVARO_SYSROOT)
    set(PELVARO_SYSROOT "$ENV{HOME}/.cache/pelvaro/armel-root")
endif()
set(PELVARO_SYSROOT "${PELVARO_SYSROOT}" CACHE PATH "Debian 12 armel system root")
list(APPEND CMAKE_TRY_COMPILE_PLATFORM_VARIABLES PELVARO_SYSROOT)
set(CMAKE_SYSROOT "${PELVARO_SYSROOT}")

# qemu-arm looks up every absolute path the program opens under the system root first, so that
# the armel loader, libraries, plugins and fonts are the root's. It does not for stat, and it
# falls back to the build machine's file where the root has none, so fontconfig would take the
# build machine's font folders' dates and font caches for the root's, and miss fonts added to
# the root since; it is told where the root is instead. Everything runs on the PXA270; the
# widget and register-file tests also on the older PXA255, which checks the instruction set.
set(PELVARO_QEMU qemu-arm -L ${PELVARO_SYSROOT} -E FONTCONFIG_SYSROOT=${PELVARO_SYSROOT})
set(CMAKE_CROSSCOMPILING_EMULATOR ${PELVARO_QEMU} -cpu pxa270)
set(PELVARO_ALSO_ON_CPUS pxa255)
set(PELVARO_DEB_ARCHITECTURE armel)
