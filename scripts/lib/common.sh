# SPDX-FileCopyrightText: 2026 The pelvaro developers <pelvaro@pelvaro.org>
# SPDX-License-Identifier: GPL-2.0-or-later
# Shared by the scripts: installing Debian packages and building the project.
# shellcheck shell=bash

repo_root=$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)

# Packages every build needs. The panel's texts are laid out for Helvetica's metrics:
# fontconfig gives Liberation Sans (fonts-liberation) for "helvetica", the package depends on it.
# fonts-sawarabi-gothic has the Japanese catalogue's glyphs; the package recommends it.
# dpkg-dev: dpkg-shlibdeps, which packaging runs, and dpkg-architecture for the cross-builds.
# librsvg2-bin: rsvg-convert, which draws the icons. qt6-translations-l10n: Qt's own texts in
# the panel's languages; the package recommends it.
build_packages=(cmake ninja-build g++ dpkg-dev qt6-base-dev libqt6test6 qt6-tools-dev
    qt6-l10n-tools fontconfig fonts-dejavu-core fonts-liberation fonts-sawarabi-gothic
    librsvg2-bin qt6-translations-l10n)

say() { printf 'pelvaro: %s\n' "$*" >&2; }

# Prints the prefix that runs a command as root: nothing for root, sudo for others; fails when
# neither is possible.
root_command() {
    if [ "$(id -u)" -eq 0 ]; then
        echo ""
    elif command -v sudo >/dev/null 2>&1; then
        echo sudo
    else
        return 1
    fi
}

# Installs those of the given Debian packages that are not installed yet: with apt-get as
# root, through sudo otherwise; says what is missing when neither works.
ensure_packages() {
    local missing=() package
    if ! command -v dpkg-query >/dev/null 2>&1; then
        say "this is not a Debian system; make sure these are installed: $*"
        return 0
    fi
    for package in "$@"; do
        dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q ' installed$' ||
            missing+=("$package")
    done
    [ ${#missing[@]} -eq 0 ] && return 0

    local as_root
    as_root=$(root_command) || {
        say "missing Debian packages: ${missing[*]}"
        say "not root and no sudo: install them as root with: apt-get install ${missing[*]}"
        exit 1
    }
    local apt=($as_root env DEBIAN_FRONTEND=noninteractive apt-get)
    say "installing missing Debian packages: ${missing[*]}"
    if ! { "${apt[@]}" update -qq && "${apt[@]}" install -y -qq "${missing[@]}"; } >&2; then
        say "could not install: ${missing[*]}"
        exit 1
    fi
}

# Fails, saying which and how to get them, when any of the given commands is missing.
ensure_commands() {
    local missing=() command
    for command in "$@"; do
        command -v "$command" >/dev/null 2>&1 || missing+=("$command")
    done
    [ ${#missing[@]} -eq 0 ] && return 0
    say "missing commands: ${missing[*]}"
    say "on Debian they come with: g++-arm-linux-gnueabi (arm-linux-gnueabi-g++)," \
        "g++-arm-linux-gnueabihf (arm-linux-gnueabihf-g++), qemu-user (qemu-arm), mmdebstrap"
    exit 1
}

# The Debian registry that this machine's apt uses, or PELVARO_DEBIAN_MIRROR where set.
debian_mirror() {
    local mirror=${PELVARO_DEBIAN_MIRROR:-}
    [ -n "$mirror" ] || mirror=$(cat /etc/apt/sources.list /etc/apt/sources.list.d/* 2>/dev/null |
        grep -E '^(URIs:|deb )' | grep -o -E 'https?://[^ ]+/debian/?( |$)' | head -n 1 |
        tr -d ' ' || true)
    echo "${mirror:-http://deb.debian.org/debian}"
}

# Makes (once) a Debian 12 system root for the architecture ARCH in the folder ROOT, with the
# PACKAGES and what they depend on, from the Debian registry this machine's apt uses; makes it
# again only when it is missing or was made for another list. The packages' symbols and shlibs
# files go to the root's DEBIAN folder, where dpkg-shlibdeps finds them. FINISH, a command, is
# given the new root before it counts as made. It is made in a scratch folder and moved into
# place only when complete, so a cut download never counts.
ensure_debian_root() { # ARCH ROOT FINISH PACKAGE...
    local arch=$1 root=$2 finish=$3
    shift 3
    local wanted="bookworm $arch $*" scratch=$root.partial mirror
    [ "$(cat "$root/.pelvaro-root" 2>/dev/null)" = "$wanted" ] && return 0
    mirror=$(debian_mirror)
    say "making the Debian 12 $arch system in $root from $mirror: $*"
    rm -rf "$scratch" && mkdir -p "$(dirname "$root")"
    if ! mmdebstrap --quiet --variant=extract --arch="$arch" --include="$(IFS=,; echo "$*")" \
        --extract-hook='mkdir -p "$1/DEBIAN"
            for deb in "$1"/var/cache/apt/archives/*.deb; do
                dpkg-deb --info "$deb" symbols >>"$1/DEBIAN/symbols" 2>/dev/null
                dpkg-deb --info "$deb" shlibs >>"$1/DEBIAN/shlibs" 2>/dev/null
            done; true' \
        bookworm "$scratch" "deb $mirror bookworm main" >&2 || ! "$finish" "$scratch"; then
        rm -rf "$scratch"
        say "could not make the $arch system in $root (above: why); it needs the Debian registry"
        say "at $mirror (set PELVARO_DEBIAN_MIRROR for another) and, unless run as root,"
        say "unprivileged user namespaces"
        exit 1
    fi
    printf '%s\n' "$wanted" >"$scratch/.pelvaro-root"
    rm -rf "$root"
    mv "$scratch" "$root"
}

# The system roots the cross-builds link against and qemu-arm runs them in, one for each
# architecture, in the user's cache folder.
cross_root_packages=(qt6-base-dev qt6-qpa-plugins libqt6test6 libc6-dev libx11-dev
    fonts-dejavu-core fonts-liberation fonts-sawarabi-gothic fontconfig-config
    qt6-translations-l10n)
pelvaro_cache=${XDG_CACHE_HOME:-$HOME/.cache}/pelvaro
# Makes (once) the system root of the cross-build for ARCH; sets cross_root.
ensure_cross_root() { # ARCH
    cross_root=$pelvaro_cache/$1-root
    ensure_debian_root "$1" "$cross_root" true "${cross_root_packages[@]}"
}

# Configures (once) and builds the project in build directory $1, with extra cmake options:
# the targets in build_targets where set, otherwise everything.
build_targets=()
build_project() {
    local build_dir=$1
    shift
    local werror=OFF
    [ "${CI:-}" = true ] && werror=ON
    # Reproducible builds date what they make by SOURCE_DATE_EPOCH: where none is given, by
    # the last commit.
    if [ -z "${SOURCE_DATE_EPOCH:-}" ] && git -C "$repo_root" rev-parse --git-dir >/dev/null 2>&1
    then
        export SOURCE_DATE_EPOCH
        SOURCE_DATE_EPOCH=$(git -C "$repo_root" log -1 --format=%ct)
    fi
    if [ ! -f "$build_dir/build.ninja" ]; then
        cmake -S "$repo_root" -B "$build_dir" -G Ninja -DPELVARO_WERROR="$werror" "$@" >&2 || return
    else
        cmake "$build_dir" -DPELVARO_WERROR="$werror" "$@" >/dev/null || return
    fi
    cmake --build "$build_dir" ${build_targets[@]:+--target "${build_targets[@]}"} >&2
}

# Makes a release tarball of the last commit with git archive, unpacks it in a scratch folder and
# builds and tests it as Debian's debhelper would: the build folder obj-<multiarch> inside the
# source tree, build type None, debhelper's install folders and generator, dpkg-buildflags'
# flags with CPPFLAGS added to CFLAGS and CXXFLAGS. The scratch folder is removed when the
# suite passes and kept, with its path said, when it does not.
test_release_tarball() {
    git -C "$repo_root" rev-parse --verify -q HEAD >/dev/null ||
        { say "a release tarball is made from a git checkout, and $repo_root is none"; exit 2; }
    local scratch multiarch werror=OFF
    [ "${CI:-}" = true ] && werror=ON
    scratch=$(mktemp -d "${TMPDIR:-/tmp}/pelvaro-release.XXXXXXXX")
    multiarch=$(dpkg-architecture -qDEB_HOST_MULTIARCH)
    git -C "$repo_root" archive --format=tar --prefix=pelvaro/ HEAD | tar -C "$scratch" -xf -
    say "testing a release tarball of $(git -C "$repo_root" log -1 --format=%h) in $scratch/pelvaro"
    # Inside the condition set -e does nothing: every step that fails ends the subshell itself.
    if ! (
        cd "$scratch/pelvaro" || exit
        export SOURCE_DATE_EPOCH
        SOURCE_DATE_EPOCH=$(git -C "$repo_root" log -1 --format=%ct) || exit
        eval "$(dpkg-buildflags --export=sh)" || exit
        export CFLAGS="$CFLAGS $CPPFLAGS" CXXFLAGS="$CXXFLAGS $CPPFLAGS"
        cmake -S . -B "obj-$multiarch" -G "Unix Makefiles" -DCMAKE_BUILD_TYPE=None \
            -DCMAKE_INSTALL_PREFIX=/usr -DCMAKE_INSTALL_SYSCONFDIR=/etc \
            -DCMAKE_INSTALL_LOCALSTATEDIR=/var -DCMAKE_INSTALL_RUNSTATEDIR=/run \
            -DCMAKE_INSTALL_LIBDIR="lib/$multiarch" -DCMAKE_EXPORT_NO_PACKAGE_REGISTRY=ON \
            -DCMAKE_FIND_USE_PACKAGE_REGISTRY=OFF -DFETCHCONTENT_FULLY_DISCONNECTED=ON \
            -DCMAKE_SKIP_INSTALL_ALL_DEPENDENCY=ON -DPELVARO_WERROR="$werror" >&2 || exit
        make -C "obj-$multiarch" -j"$(nproc)" >&2 || exit
        ctest --test-dir "obj-$multiarch" --output-on-failure --no-tests=error
    ); then
        say "the release tarball's suite failed; its tree is kept in $scratch/pelvaro"
        exit 1
    fi
    rm -rf "$scratch"
}
