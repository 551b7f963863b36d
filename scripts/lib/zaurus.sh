# SPDX-FileCopyrightText: 2026 The pelvaro developers <pelvaro@pelvaro.org>
# SPDX-License-Identifier: GPL-2.0-or-later
# The emulated Zaurus, shared by the scripts: its kernel, its Debian armel root and the disk
# made of them with pelvaro's package, and qemu's PXA270 clamshell that boots it.
# shellcheck shell=bash

# Packages the kernel build needs, and the emulator.
zaurus_packages=(linux-source-6.1 gcc-arm-linux-gnueabi make bc bison flex libssl-dev libelf-dev
    cpio xz-utils kmod qemu-system-arm mmdebstrap qemu-user e2fsprogs dpkg-dev)

# Builds (once) the kernel from Debian's linux-source-6.1 with the project's fragment over
# allnoconfig, in the cache, keyed on the source's version and the fragment; sets
# zaurus_kernel_build (the kbuild output folder, with the zImage).
ensure_zaurus_kernel() {
    local version fragment=$repo_root/zaurus/kernel.config key source
    version=$(dpkg-query -W -f='${Version}' linux-source-6.1)
    key=$( { echo "$version"; cat "$fragment"; } | sha256sum | cut -c1-16)
    source=$pelvaro_cache/linux-source-$version
    zaurus_kernel_build=$pelvaro_cache/zaurus-kernel-$key
    [ -e "$zaurus_kernel_build/.pelvaro-complete" ] && return 0
    if [ ! -e "$source/.pelvaro-complete" ]; then
        say "unpacking Linux $version into $source (once; about a minute)"
        rm -rf "$source" "$pelvaro_cache"/linux-source-*
        mkdir -p "$source"
        tar -C "$source" --strip-components=1 -xf /usr/src/linux-source-6.1.tar.xz
        touch "$source/.pelvaro-complete"
    fi
    say "building the Zaurus's kernel in $zaurus_kernel_build (once; about 8 minutes on 2 cores)"
    rm -rf "$pelvaro_cache"/zaurus-kernel-*
    local kbuild=(make -C "$source" O="$zaurus_kernel_build" ARCH=arm
        CROSS_COMPILE=arm-linux-gnueabi- KBUILD_BUILD_TIMESTAMP="@${SOURCE_DATE_EPOCH:-0}"
        KBUILD_BUILD_USER=pelvaro KBUILD_BUILD_HOST=pelvaro)
    "${kbuild[@]}" -s KCONFIG_ALLCONFIG="$fragment" allnoconfig >&2
    # kconfig drops what it cannot choose without a word: every line must have stayed.
    local dropped
    dropped=$(grep -E '^CONFIG_' "$fragment" | grep -v -x -F -f "$zaurus_kernel_build/.config") || true
    if [ -n "$dropped" ]; then
        say "the kernel configuration could not take: $(echo $dropped)"
        exit 1
    fi
    # The kernel and what out-of-tree modules are built against.
    "${kbuild[@]}" -s -j"$(nproc)" zImage modules >&2
    touch "$zaurus_kernel_build/.pelvaro-complete"
}

# The Zaurus's Debian armel system, for a package DEB, of the release the package was built for:
# what the package depends on and recommends (the first of alternatives), and what the machine's
# init calls on. Made once in the cache, again when that list changes, with its font cache built
# as the Zaurus reads it. Sets zaurus_root.
ensure_zaurus_root() { # DEB
    local packages
    packages=$(dpkg-deb -f "$1" Depends Recommends | sed -E 's/^[A-Za-z-]+: //' | tr ',' '\n' |
        sed -E 's/\|.*//; s/\(.*\)//; s/ //g' | grep . | sort -u | xargs)
    local release
    release=$(package_release "$1")
    zaurus_root=$pelvaro_cache/zaurus-debian$release-root
    ensure_debian_root "$release" armel "$zaurus_root" finish_zaurus_root $packages bash \
        coreutils util-linux kmod fontconfig
}
# What the Zaurus's system needs beyond unpacking, on the new root ROOT: no package files, and
# fontconfig's caches, made under qemu-arm with the paths and folder dates of the root's own so
# that they hold in the Zaurus.
finish_zaurus_root() { # ROOT
    rm -rf "$1"/DEBIAN "$1"/var/cache/apt/archives/*.deb "$1"/var/lib/apt/lists/* &&
        qemu-arm -cpu pxa270 -L "$1" -E FONTCONFIG_SYSROOT="$1" "$1/usr/bin/fc-cache" -s -f >&2
}

# Makes the CF microdrive's ext4 image IMG from the Zaurus's system with DEB unpacked as dpkg
# would, the machine's init and, laid over them, what the folder EXTRA holds; without root
# rights.
make_zaurus_disk() ( # IMG DEB [EXTRA]
    tree=$(mktemp -d) || exit
    # The copy of the system is some 300 MB: it goes however this ends.
    trap 'rm -rf "$tree"' EXIT
    trap 'exit 1' HUP INT TERM
    # Each step on success only: set -e does nothing where the caller tests the result.
    cp -a "$zaurus_root/." "$tree" && dpkg-deb -x "$2" "$tree" &&
        { [ -z "${3:-}" ] || cp -a "$3/." "$tree"; } &&
        install -m 0755 "$repo_root/zaurus/init" "$tree/sbin/pelvaro-init" &&
        # What base-passwd's scripts would have written: the machine's one user.
        echo 'root:x:0:0:root:/root:/bin/bash' >"$tree/etc/passwd" &&
        echo 'root:x:0:' >"$tree/etc/group" && mkdir -p "$tree"/{proc,sys,dev,tmp,run,root} &&
        rm -f "$1" &&
        # Room for the panel's files and the caches it may write: 64 MiB beyond what it holds.
        truncate -s "$(($(du -s -m "$tree" | cut -f1) + 64))M" "$1" &&
        mkfs.ext4 -q -F -L zaurus -d "$tree" "$1"
)

# Builds the out-of-tree kernel module whose source is in the folder SOURCE, there, against the
# Zaurus's kernel, as DKMS would; make's arguments given after it.
build_zaurus_module() { # SOURCE [MAKE-ARGUMENT...]
    local source=$1
    shift
    make -s -C "$zaurus_kernel_build" M="$source" ARCH=arm CROSS_COMPILE=arm-linux-gnueabi- "$@" modules
}

# Lays the kernel's own modules and the MODULE.ko files given (in updates/, where DKMS puts its
# builds) into the folder TREE with modprobe's index, and lists every module given, by file or
# by name, in TREE/etc/modules, which the machine's init loads in its order.
zaurus_modules_tree() { # TREE MODULE...
    local tree=$1 release module
    shift
    release=$(cat "$zaurus_kernel_build/include/config/kernel.release")
    make -s -C "$zaurus_kernel_build" ARCH=arm INSTALL_MOD_PATH="$tree" modules_install >&2
    mkdir -p "$tree/lib/modules/$release/updates" "$tree/etc"
    : >"$tree/etc/modules"
    for module in "$@"; do
        [[ $module != *.ko ]] || install -m 0644 "$module" "$tree/lib/modules/$release/updates"
        module=${module##*/}
        echo "${module%.ko}" >>"$tree/etc/modules"
    done
    # What the build folder links to is not on the machine.
    rm -f "$tree/lib/modules/$release/build" "$tree/lib/modules/$release/source"
    depmod -b "$tree" "$release"
}

# The command that boots MACHINE (spitz, borzoi or terrier) from the disk IMG, with qemu's
# options given after it.
zaurus_command() { # MACHINE IMG
    zaurus_qemu=(qemu-system-arm -M "$1" -kernel "$zaurus_kernel_build/arch/arm/boot/zImage"
        -drive "if=ide,format=raw,file=$2"
        -append "console=ttyS0 root=/dev/sda rootwait rw init=/sbin/pelvaro-init")
}

# Starts the machine zaurus_command made without a display: its monitor on the unix socket
# FOLDER/monitor, its serial console on FOLDER/console (what it writes also in
# FOLDER/console.log), qemu's own output in FOLDER/qemu.log. Sets zaurus_pid.
start_zaurus_headless() { # FOLDER
    rm -f "$1/monitor" "$1/console"
    "${zaurus_qemu[@]}" -display none -monitor "unix:$1/monitor,server=on,wait=off" \
        -chardev "socket,id=console,path=$1/console,server=on,wait=off,logfile=$1/console.log" \
        -serial chardev:console >"$1/qemu.log" 2>&1 &
    zaurus_pid=$!
}

# Builds what the emulated Zaurus runs, where missing: the armel build and its packages (as the
# README makes them), the kernel, the system, and the kernel module from the source pelvaro-dkms
# installs. Sets cross_root, zaurus_deb, zaurus_kernel_build, zaurus_root and zaurus_module.
ensure_zaurus_parts() {
    ensure_cross_root armel
    local armel_build=$repo_root/build-armel
    build_project "$armel_build" -DCMAKE_TOOLCHAIN_FILE="$repo_root/cmake/armel-toolchain.cmake" \
        -DPELVARO_SYSROOT="$cross_root"
    rm -rf "$armel_build/zaurus-package"
    (cd "$armel_build" && cpack -G DEB -B "$armel_build/zaurus-package") >&2
    zaurus_deb=$(ls "$armel_build"/zaurus-package/pelvaro_*.deb)
    zaurus_dkms_deb=$(ls "$armel_build"/zaurus-package/pelvaro-dkms_*.deb)
    ensure_zaurus_kernel
    ensure_zaurus_root "$zaurus_deb"
    rm -rf "$armel_build/zaurus-module"
    dpkg-deb -x "$zaurus_dkms_deb" "$armel_build/zaurus-module"
    zaurus_module_source=$(ls -d "$armel_build"/zaurus-module/usr/src/pelvaro-*)
    build_zaurus_module "$zaurus_module_source" >&2
    zaurus_module=$zaurus_module_source/pelvaro_zaurus.ko
}
