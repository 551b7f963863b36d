# SPDX-FileCopyrightText: 2026 The pelvaro developers <pelvaro@pelvaro.org>
# SPDX-License-Identifier: GPL-2.0-or-later
# Cross-builds pelvaro for 32-bit ARM (Debian armhf) from Debian's multiarch packages, and
# runs the armhf programs under qemu-arm.
include(${CMAKE_CURRENT_LIST_DIR}/cross-build.cmake)
set(CMAKE_C_COMPILER arm-linux-gnueabihf-gcc)
set(CMAKE_CXX_COMPILER arm-linux-gnueabihf-g++)
set(CMAKE_LIBRARY_ARCHITECTURE arm-linux-gnueabihf)
set(CMAKE_FIND_ROOT_PATH /usr/lib/arm-linux-gnueabihf /usr)

# fontconfig keeps the armhf programs' font cache apart from the 32-bit caches that programs of
# other system roots may have left in /var/cache/fontconfig.
set(CMAKE_CROSSCOMPILING_EMULATOR
    qemu-arm -E FONTCONFIG_FILE=${CMAKE_CURRENT_LIST_DIR}/armhf-fonts.conf)
set(PELVARO_DEB_ARCHITECTURE armhf)
