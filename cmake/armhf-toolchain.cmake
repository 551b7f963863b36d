# SPDX-FileCopyrightText: 2026 The pelvaro developers <pelvaro@pelvaro.org>
# SPDX-License-Identifier: GPL-2.0-or-later
# Cross-builds pelvaro for 32-bit ARMv7 with VFP (Debian armhf) against a Debian armhf system
# root, and runs the armhf programs under qemu-arm.
#
#   cmake -DCMAKE_TOOLCHAIN_FILE=cmake/armhf-toolchain.cmake [-DPELVARO_SYSROOT=ROOT] ...
set(PELVARO_DEB_ARCHITECTURE armhf)
set(CMAKE_LIBRARY_ARCHITECTURE arm-linux-gnueabihf)
include(${CMAKE_CURRENT_LIST_DIR}/cross-build.cmake)
set(CMAKE_CROSSCOMPILING_EMULATOR ${PELVARO_QEMU})
