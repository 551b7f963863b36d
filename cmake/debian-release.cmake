# SPDX-FileCopyrightText: 2026 The pelvaro developers <pelvaro@pelvaro.org>
# SPDX-License-Identifier: GPL-2.0-or-later
# The Debian release (12, 13) of the system in the folder ROOT ("" for this machine's), from
# its os-release file; empty where it is no Debian or names no release (testing, unstable).
function(pelvaro_debian_release result root)
    set(release "")
    if(EXISTS "${root}/usr/lib/os-release")
        file(STRINGS "${root}/usr/lib/os-release" fields REGEX "^(ID|VERSION_ID)=")
        if("ID=debian" IN_LIST fields AND fields MATCHES "VERSION_ID=\"?([0-9]+)")
            set(release ${CMAKE_MATCH_1})
        endif()
    endif()
    set(${result} "${release}" PARENT_SCOPE)
endfunction()
