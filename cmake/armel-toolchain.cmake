# SPDX-FileCopyrightText: 2026 The pelvaro developers <pelvaro@pelvaro.org>
# SPDX-License-Identifier: GPL-2.0-or-later
# Cross-builds pelvaro for the handheld's Intel XScale processor (PXA255, PXA270: ARMv5TE
# without a floating-point unit, Debian armel) against a Debian armel system root, and runs
# the armel programs under qemu-arm on the PXA270's CPU model.
#
#   cmake -DCMAKE_TOOLCHAIN_FILE=cmake/armel-toolchain.cmake [-DPELVARO_SYSROOT=ROOT] ...
#
# Everything runs on the PXA270; the widget and register-file tests also on the older PXA255,
# which checks the instruction set.
set(PELVARO_DEB_ARCHITECTURE armel)
set(CMAKE_LIBRARY_ARCHITECTURE arm-linux-gnueabi)
include(${CMAKE_CURRENT_LIST_DIR}/cross-build.cmake)
set(CMAKE_CROSSCOMPILING_EMULATOR ${PELVARO_QEMU} -cpu pxa270)
set(PELVARO_ALSO_ON_CPUS pxa255)
