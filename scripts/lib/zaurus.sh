# SPDX-FileCopyrightText: 2026 The pelvaro developers <pelvaro@pelvaro.org>
# SPDX-License-Identifier: GPL-2.0-or-later
# The emulated Zaurus, shared by the scripts: its kernel, its Debian armel root and the disk
# made of them with pelvaro's package, and qemu's PXA270 clamshell that boots it.
# shellcheck shell=bash

# Packages the kernel build needs (quilt applies its patches), the systems and the disk; the
# emulator comes with ensure_zaurus_emulator.
zaurus_packages=(gcc-arm-linux-gnueabi make bc bison flex libssl-dev libelf-dev cpio xz-utils
    kmod quilt mmdebstrap qemu-user e2fsprogs dpkg-dev)

# The Linux series Debian RELEASE ships, which its system boots on the Zaurus.
zaurus_linux_series() { # RELEASE
    case $1 in
    12) echo 6.1 ;;
    13) echo 6.12 ;;
    *) say "no Zaurus kernel for Debian $1"; return 1 ;;
    esac
}

# Builds (once) the kernel of Debian RELEASE from its linux-source package, with the patches of
# zaurus/patches-SERIES where there are any (a quilt series) and the project's fragment over
# allnoconfig, in the cache. Keyed on the source's version, the patches and the fragment. The
# source is fetched from the registry with an apt of its own, so the machine's apt stays as it
# is. Sets zaurus_kernel_build (the kbuild output folder, with the zImage).
ensure_zaurus_kernel() { # RELEASE
    local series fragment=$repo_root/zaurus/kernel.config
    series=$(zaurus_linux_series "$1") || exit 2
    local patches=$repo_root/zaurus/patches-$series tarball=$pelvaro_cache/linux-source-$series
    if [ ! -s "$tarball.tar.xz" ]; then
        say "fetching Debian $1's linux-source-$series from the registry (once; 150 MB)"
        local apt_dir
        apt_dir=$(mktemp -d)
        own_apt "$apt_dir" deb "" "$1"
        if ! "${apt[@]}" -qq update >&2 ||
            ! (cd "$apt_dir" && "${apt[@]}" -qq download "linux-source-$series" >&2); then
            rm -rf "$apt_dir"
            say "could not fetch linux-source-$series from $(debian_mirror)"
            exit 1
        fi
        dpkg-deb -f "$apt_dir"/linux-source-*.deb Version >"$tarball.version"
        dpkg-deb --fsys-tarfile "$apt_dir"/linux-source-*.deb |
            tar -xO "./usr/src/linux-source-$series.tar.xz" >"$tarball.partial"
        mv "$tarball.partial" "$tarball.tar.xz"
        rm -rf "$apt_dir"
    fi
    local key source
    key=$( { cat "$tarball.version" "$fragment"; cat "$patches"/series "$patches"/*.patch \
        2>/dev/null || true; } | sha256sum | cut -c1-16)
    source=$pelvaro_cache/zaurus-linux-$series-source-$key
    zaurus_kernel_build=$pelvaro_cache/zaurus-linux-$series-$key
    [ -e "$zaurus_kernel_build/.pelvaro-complete" ] && return 0
    if [ ! -e "$source/.pelvaro-complete" ]; then
        say "unpacking Linux $(cat "$tarball.version") into $source (once; about a minute)"
        rm -rf "$pelvaro_cache/zaurus-linux-$series-source-"*
        mkdir -p "$source"
        tar -C "$source" --strip-components=1 -xf "$tarball.tar.xz"
        if [ -s "$patches/series" ]; then
            (cd "$source" && QUILT_PATCHES=$patches quilt --quiltrc /dev/null push -a -q) >&2 ||
                { say "the patches in $patches do not apply to $source"; exit 1; }
        fi
        touch "$source/.pelvaro-complete"
    fi
    say "building Linux $series for the Zaurus in $zaurus_kernel_build (once; 3 to 8 minutes)"
    rm -rf "$pelvaro_cache/zaurus-linux-$series-"[0-9a-f]*
    local kbuild=(make -C "$source" O="$zaurus_kernel_build" ARCH=arm
        CROSS_COMPILE=arm-linux-gnueabi- KBUILD_BUILD_TIMESTAMP="@${SOURCE_DATE_EPOCH:-0}"
        KBUILD_BUILD_USER=pelvaro KBUILD_BUILD_HOST=pelvaro)
    "${kbuild[@]}" -s KCONFIG_ALLCONFIG="$fragment" allnoconfig >&2
    # kconfig drops what it cannot choose without a word: every line must have stayed, but for
    # options this kernel does not have (CONFIG_FB_DEVICE is new in 6.12).
    local line dropped=()
    for line in $(grep -E '^CONFIG_' "$fragment" |
        grep -v -x -F -f "$zaurus_kernel_build/.config"); do
        line=${line%%=*}
        ! grep -r -q -E --include='Kconfig*' "^\s*(menu)?config ${line#CONFIG_}\s*\$" "$source" ||
            dropped+=("$line")
    done
    if [ ${#dropped[@]} -gt 0 ]; then
        say "Linux $series's configuration could not take: ${dropped[*]}"
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
# would, the machine's init and, laid over them, what the folder EXTRA holds (its lib/ goes where
# the system's /lib leads: Debian 13's is /usr/lib); without root rights.
make_zaurus_disk() ( # IMG DEB [EXTRA]
    tree=$(mktemp -d) || exit
    # The copy of the system is some 300 MB: it goes however this ends.
    trap 'rm -rf "$tree"' EXIT
    trap 'exit 1' HUP INT TERM
    # Each step on success only: set -e does nothing where the caller tests the result.
    cp -a "$zaurus_root/." "$tree" && dpkg-deb -x "$2" "$tree" &&
        { [ -z "${3:-}" ] || tar -C "$3" -c . | tar -C "$tree" -x --keep-directory-symlink; } &&
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

# Builds the stand-in for the core-voltage regulator that qemu lacks (zaurus/vcc-core) in the
# folder FOLDER, against the Zaurus's kernel: FOLDER/vcc_core_standin.ko.
build_zaurus_standin() { # FOLDER
    rm -rf "$1" && mkdir -p "$(dirname "$1")" && cp -r "$repo_root/zaurus/vcc-core" "$1" &&
        build_zaurus_module "$1"
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

# Debian 12's qemu 7.2, for machines whose own qemu lacks what it has: the PXA machines, which
# later qemu dropped (Debian 13 has 10.0), and TCG plugins in qemu-arm, which Debian 13 builds
# without. Taken from a Debian 12 system made once in the cache, and run with that system's
# libraries and data. Sets debian12_qemu to the command that runs its PROGRAM.
ensure_debian12_qemu() { # PROGRAM
    local system multiarch loader
    system=$pelvaro_cache/debian12-$(dpkg --print-architecture)-qemu
    multiarch=$(dpkg-architecture -qDEB_HOST_MULTIARCH)
    ensure_debian_root 12 "$(dpkg --print-architecture)" "$system" true qemu-system-arm qemu-user
    for loader in "$system"/{usr/,}lib/"$multiarch"/ld-linux*.so.*; do
        [ ! -e "$loader" ] || break
    done
    debian12_qemu=("$loader" --library-path "$system/lib/$multiarch:$system/usr/lib/$multiarch"
        "$system/usr/bin/$1")
    [ "$1" != qemu-system-arm ] || debian12_qemu+=(-L "$system/usr/share/qemu")
}
# qemu-system-arm with the PXA machines: this machine's where it is Debian 12's, otherwise
# Debian 12's from the cache. Sets zaurus_emulator, the command.
ensure_zaurus_emulator() {
    if [ "$(debian_release)" = 12 ]; then
        ensure_packages qemu-system-arm
        zaurus_emulator=(qemu-system-arm)
    else
        ensure_debian12_qemu qemu-system-arm
        zaurus_emulator=("${debian12_qemu[@]}")
    fi
}

# The command that boots MACHINE (spitz, borzoi or terrier) from the disk IMG, with qemu's
# options given after it. Its sound codec plays to nothing: the panel makes no sound, and qemu's
# sound outputs are modules that a cached system lacks.
zaurus_command() { # MACHINE IMG
    zaurus_qemu=("${zaurus_emulator[@]}" -M "$1" -kernel "$zaurus_kernel_build/arch/arm/boot/zImage"
        -drive "if=ide,format=raw,file=$2" -audiodev none,id=silent -global wm8750.audiodev=silent
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

# What building the armel packages uses.
armel_package_packages=("${build_packages[@]}" g++-arm-linux-gnueabi mmdebstrap)
# Builds the armel packages from build-armel, against the armel root of this machine's release,
# into build-armel/zaurus-package, as the README makes them.
build_armel_package() {
    ensure_cross_root armel
    local armel_build=$repo_root/build-armel
    build_project "$armel_build" -DCMAKE_TOOLCHAIN_FILE="$repo_root/cmake/armel-toolchain.cmake" \
        -DPELVARO_SYSROOT="$cross_root"
    rm -rf "$armel_build/zaurus-package"
    (cd "$armel_build" && cpack -G DEB -B "$armel_build/zaurus-package") >&2
}

# Builds what the emulated Zaurus runs with Debian RELEASE, where missing: that release's armel
# packages (here on a machine of that release, otherwise in a container of it: see
# run_in_debian), its kernel, its system, the kernel module from the source pelvaro-dkms
# installs, and the emulator. Sets zaurus_deb, zaurus_kernel_build, zaurus_root,
# zaurus_module_source, zaurus_module and zaurus_emulator.
ensure_zaurus_parts() { # RELEASE
    local armel_build=$repo_root/build-armel
    if [ "$1" = "$(debian_release)" ]; then
        build_armel_package
    else
        container_packages=("${armel_package_packages[@]}")
        run_in_debian "$1" scripts/lib/armel-package
        armel_build=$repo_root/build-debian$1/build-armel
    fi
    zaurus_deb=$(ls "$armel_build"/zaurus-package/pelvaro_*.deb)
    ensure_zaurus_kernel "$1"
    ensure_zaurus_root "$zaurus_deb"
    rm -rf "$armel_build/zaurus-module"
    dpkg-deb -x "$(ls "$armel_build"/zaurus-package/pelvaro-dkms_*.deb)" \
        "$armel_build/zaurus-module"
    zaurus_module_source=$(ls -d "$armel_build"/zaurus-module/usr/src/pelvaro-*)
    build_zaurus_module "$zaurus_module_source" >&2
    zaurus_module=$zaurus_module_source/pelvaro_zaurus.ko
    ensure_zaurus_emulator
}
