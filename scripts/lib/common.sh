# SPDX-FileCopyrightText: 2026 The pelvaro developers <pelvaro@pelvaro.org>
# SPDX-License-Identifier: GPL-2.0-or-later
# Shared by the scripts: installing Debian packages and building the project.
# shellcheck shell=bash

repo_root=$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)

# Packages every build needs. The panel's texts are laid out for Helvetica's metrics:
# fontconfig gives Liberation Sans (fonts-liberation) for "helvetica", the package depends on it.
# fonts-sawarabi-gothic has the Japanese catalogue's glyphs; the package recommends it.
# dpkg-dev: dpkg-shlibdeps, which packaging runs, and dpkg-architecture for the cross-builds;
# file: what CPack tells the programs from the other files with, for dpkg-shlibdeps.
# librsvg2-bin: rsvg-convert, which draws the icons. qt6-translations-l10n: Qt's own texts in
# the panel's languages; the package recommends it.
build_packages=(cmake ninja-build g++ dpkg-dev file qt6-base-dev libqt6test6 qt6-tools-dev
    qt6-l10n-tools fontconfig fonts-dejavu-core fonts-liberation fonts-sawarabi-gothic
    librsvg2-bin qt6-translations-l10n)

# Packages the test suite needs besides. qt6-qpa-plugins: the VNC screen the framebuffer test
# draws on; x11-utils: xprop; git: the date of the last commit, and the release tarball.
test_packages=(xvfb xauth xdotool dbus at-spi2-core desktop-file-utils appstream lintian reuse
    inotify-tools strace valgrind libnet-vnc-perl qt6-qpa-plugins x11-utils git)

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

# The Debian registry that this machine's apt uses, or PELVARO_DEBIAN_MIRROR where set. Where
# apt's sources name none, it says so and fails: no registry is guessed.
debian_mirror() {
    local mirror=${PELVARO_DEBIAN_MIRROR:-}
    [ -n "$mirror" ] || mirror=$(cat /etc/apt/sources.list /etc/apt/sources.list.d/* 2>/dev/null |
        grep -E '^(URIs:|deb )' | grep -o -E 'https?://[^ ]+/debian/?( |$)' | head -n 1 |
        tr -d ' ' || true)
    if [ -z "$mirror" ]; then
        say "this machine's apt sources name no Debian registry (a URI ending in /debian): set"
        say "PELVARO_DEBIAN_MIRROR to one, such as PELVARO_DEBIAN_MIRROR=http://HOST/debian"
        return 1
    fi
    echo "$mirror"
}

# The Debian release (12, 13) of the system in ROOT (this machine's by default), from its
# os-release file; nothing where it is no Debian or names no release (testing, unstable).
debian_release() { # [ROOT]
    (. "${1:-}/usr/lib/os-release" 2>/dev/null && [ "${ID:-}" = debian ] && echo "${VERSION_ID:-}") ||
        true
}
# The code name of Debian release RELEASE; fails for a release these scripts do not know.
debian_codename() { # RELEASE
    case $1 in
    12) echo bookworm ;;
    13) echo trixie ;;
    *) say "Debian $1 is not one of the releases this builds on: 12 or 13"; return 1 ;;
    esac
}

# Sets apt to an apt-get with a state of its own in the folder FOLDER: nothing installed, and
# only the registry's main suite of Debian RELEASE (by default this machine's), as TYPE (deb or
# deb-src) lines, for ARCH (by default this machine's architecture). The machine's own apt stays
# as it is.
own_apt() { # FOLDER deb|deb-src [ARCH [RELEASE]]
    local arch=${3:-$(dpkg --print-architecture)} codename mirror
    codename=$(debian_codename "${4:-$(debian_release)}") || return
    mirror=$(debian_mirror) || return
    mkdir -p "$1"/{lists,archives}/partial && : >"$1/status"
    echo "$2 [signed-by=/usr/share/keyrings/debian-archive-keyring.gpg] $mirror" \
        "$codename main" >"$1/sources.list"
    apt=(apt-get -q -o APT::Architecture="$arch" -o APT::Architectures::="$arch"
        -o Dir::State::Lists="$1/lists" -o Dir::State::status="$1/status"
        -o Dir::Cache::Archives="$1/archives" -o Dir::Cache::pkgcache= -o Dir::Cache::srcpkgcache=
        -o Dir::Etc::SourceList="$1/sources.list" -o Dir::Etc::SourceParts=/nonexistent
        $([ "$(id -u)" -ne 0 ] || echo "-o APT::Sandbox::User=root"))
}

# Runs a command as the owner of the system roots that mmdebstrap makes: root, or for other users
# their namespace's root, as whom mmdebstrap made them (from the ids in /etc/subuid).
as_root_owner() { # COMMAND [ARG...]
    if [ "$(id -u)" -eq 0 ]; then
        "$@"
    else
        unshare --user --map-auto --map-root-user --fork "$@"
    fi
}

# The Debian release a package of pelvaro was built for, from its version (0.1.0+deb13).
package_release() { # DEB
    local version
    version=$(dpkg-deb -f "$1" Version)
    [[ $version == *+deb[0-9]* ]] || { say "$1 names no Debian release in its version"; exit 1; }
    echo "${version##*+deb}"
}

# For each package file that apt, as its LOG says, could not fetch from the registry's pool (404),
# fetches a build of that package that the registry does hold into the folder FOLDER, as a flat
# repository: the same version from the security suite's pool, else the release's earlier stable
# updates (+deb13u4 for +deb13u5), else the release's own build or one of its rebuilds, else a
# stable update of one of the three upstream releases before, from either pool. Says which it
# took; where the registry holds no build at all, an empty package of that name and version
# stands in, and it says so. Fails where nothing was missing.
earlier_builds() { # LOG FOLDER
    local url lacking file folder name version arch candidate pool found missing
    missing=$(grep -o -E 'Failed to fetch [^ ]+/pool/[^ ]+\.deb +404' "$1" | awk '{ print $4 }' |
        sort -u)
    [ -n "$missing" ] || return 1
    rm -rf "$2" && mkdir -p "$2"
    for url in $missing; do
        lacking=${url##*/} && lacking=${lacking//%2b/+} && lacking=${lacking//%7e/\~}
        folder=${url#*/pool/} && folder=${folder%/*}
        IFS=_ read -r name version arch <<<"${lacking%.deb}"
        found=
        for candidate in "$version" $(earlier_versions "$version"); do
            for pool in "${url%%/pool/*}/pool" "${url%%/debian/pool/*}/debian-security/pool/updates"; do
                [ "$candidate $pool" != "$version ${url%%/pool/*}/pool" ] || continue
                file=${name}_${candidate}_$arch.deb
                /usr/lib/apt/apt-helper download-file "$pool/$folder/$(sed 's/+/%2b/g; s/~/%7e/g' \
                    <<<"$file")" "$2/$file" >/dev/null 2>&1 || continue
                found=$file
                break 2
            done
        done
        if [ -n "$found" ]; then
            say "the registry's pool lacks $lacking: taking $found instead"
            continue
        fi
        say "the registry's pool lacks $lacking and any other build: an empty package stands in"
        mkdir -p "$2/empty/DEBIAN"
        printf '%s\n' "Package: $name" "Version: $version" "Architecture: $arch" \
            "Maintainer: pelvaro" "Description: stands in for a file the registry lacks" \
            >"$2/empty/DEBIAN/control"
        dpkg-deb --build "$2/empty" "$2/${name}_${version}_$arch.deb" >/dev/null || return 1
        rm -rf "$2/empty"
    done
    (cd "$2" && dpkg-scanpackages . >Packages 2>/dev/null)
}
earlier_versions() { # VERSION
    local base=${1%[+~]deb[0-9]*u[0-9]*} update rebuild patch
    if [[ $1 =~ [+~]deb([0-9]+)u([0-9]+)$ ]]; then
        for ((update = BASH_REMATCH[2] - 1; update >= 1; update--)); do
            echo "${1%u[0-9]*}u$update"
        done
    fi
    echo "$base"
    for rebuild in 1 2 3 4 5 6 7 8 9; do echo "$base+b$rebuild"; done
    # The stable updates of the three upstream releases before: 3.5.7-1~deb13u3 for
    # 3.5.9-1~deb13u1.
    if [[ $1 =~ ^(.*[.])([0-9]+)(-[0-9]+[+~]deb[0-9]+u)[0-9]+$ ]]; then
        for ((patch = BASH_REMATCH[2] - 1; patch >= 0 && patch >= BASH_REMATCH[2] - 3; patch--)); do
            for update in 4 3 2 1; do echo "${BASH_REMATCH[1]}$patch${BASH_REMATCH[3]}$update"; done
        done
    fi
}

# Makes (once) a system root of Debian RELEASE (12 or 13) for the architecture ARCH in the folder
# ROOT, with the PACKAGES and what they depend on, from the Debian registry this machine's apt
# uses; makes it again only when it is missing or was made for another list. Unpacked only
# (mmdebstrap's variant extract), unless root_variant names another of mmdebstrap's variants.
# In an unpacked root, the packages' symbols and shlibs files go to its DEBIAN folder, where
# dpkg-shlibdeps finds them. FINISH, a command, is given the new root before it counts as made. It is made in a
# scratch folder and moved into place only when complete, so a cut download never counts.
ensure_debian_root() { # RELEASE ARCH ROOT FINISH PACKAGE...
    local release=$1 arch=$2 root=$3 finish=$4 codename
    shift 4
    codename=$(debian_codename "$release") || exit 2
    local variant=${root_variant:-extract}
    local wanted="$codename $arch $variant $*" scratch=$root.partial mirror
    [ "$(cat "$root/.pelvaro-root" 2>/dev/null)" = "$wanted" ] && return 0
    mirror=$(debian_mirror) || exit 1
    say "making the Debian $release $arch system in $root from $mirror: $*"
    mkdir -p "$(dirname "$root")"
    local sources=("deb $mirror $codename main") fallback=() shlibs=() attempt
    # What dpkg-shlibdeps reads, for a root that is built against rather than run.
    [ "$variant" != extract ] || shlibs=(--extract-hook='mkdir -p "$1/DEBIAN"
        for deb in "$1"/var/cache/apt/archives/*.deb; do
            dpkg-deb --info "$deb" symbols >>"$1/DEBIAN/symbols" 2>/dev/null
            dpkg-deb --info "$deb" shlibs >>"$1/DEBIAN/shlibs" 2>/dev/null
        done; true')
    for attempt in registry earlier-builds; do
        as_root_owner rm -rf "$scratch"
        mmdebstrap --variant="$variant" --arch="$arch" --include="$(IFS=,; echo "$*")" \
            "${fallback[@]}" "${shlibs[@]}" "$codename" "$scratch" "${sources[@]}" \
            >"$scratch.log" 2>&1 && "$finish" "$scratch" && break
        # A registry in mid-sync may index files its pool does not hold yet: those packages are
        # taken in their previous builds from the pool, once, and said.
        if [ $attempt = registry ] && earlier_builds "$scratch.log" "$root.earlier"; then
            sources+=("deb [trusted=yes] copy://$root.earlier ./")
            fallback=(--setup-hook='mkdir -p "$1/etc/apt/preferences.d" && printf "%s\n" \
                "Package: *" "Pin: origin \"\"" "Pin-Priority: 1001" \
                >"$1/etc/apt/preferences.d/earlier-builds"')
            continue
        fi
        # apt's page of output comes down to its first error, such as a file the registry lacks.
        say "could not make the $arch system in $root: $(grep -m 1 -E '^(E|Err):|[0-9]{3} [A-Z]' \
            "$scratch.log" || tail -n 1 "$scratch.log")"
        say "(all of it in $scratch.log) It needs the Debian registry at $mirror (set"
        say "PELVARO_DEBIAN_MIRROR for another) and, unless run as root, unprivileged user namespaces"
        as_root_owner rm -rf "$scratch" "$root.earlier"
        exit 1
    done
    rm -rf "$root.earlier" "$scratch.log"
    # The system's apt knows the registry alone.
    as_root_owner sh -c 'rm -f "$1/etc/apt/preferences.d/earlier-builds" &&
        sed -i "/ copy:/d" "$1/etc/apt/sources.list" && printf "%s\n" "$2" >"$1/.pelvaro-root" &&
        rm -rf "$3" && mv "$1" "$3"' sh "$scratch" "$wanted" "$root"
}

# The system roots the cross-builds link against and qemu-arm runs them in, one for each release
# and architecture, in the user's cache folder. base-files tells the build the root's release.
cross_root_packages=(qt6-base-dev qt6-qpa-plugins libqt6test6 libc6-dev libx11-dev
    fonts-dejavu-core fonts-liberation fonts-sawarabi-gothic fontconfig-config
    qt6-translations-l10n base-files)
pelvaro_cache=${XDG_CACHE_HOME:-$HOME/.cache}/pelvaro
# Makes (once) the system root of the cross-build for ARCH, of Debian RELEASE, by default this
# machine's; sets cross_root.
ensure_cross_root() { # ARCH [RELEASE]
    local release=${2:-$(debian_release)}
    [ -n "$release" ] || { say "this machine is no Debian 12 or 13: its release is unknown"; exit 2; }
    cross_root=$pelvaro_cache/debian$release-$1-root
    ensure_debian_root "$release" "$1" "$cross_root" true "${cross_root_packages[@]}"
}

# Runs COMMAND, a path in this source tree, inside a Debian RELEASE system of this machine's
# architecture, as a container that pivots its root (bubblewrap; a chrooted process may not make
# the user namespaces the suite needs). The system is made once in the cache with apt and every
# package that the suite's commands use there: its builds and tests, natively and for armel, and
# the armel packages' build; and those in container_packages, which a command adds. It is keyed
# on that list, so what is in it never depends on what ran there before. The containers of a
# release share a cache folder of their own, for the roots they make. The source tree is shared; each of its build
# folders is one of the container's own, under build-debianRELEASE/. The container shares this
# machine's network, for apt. Here it installs only mmdebstrap and bubblewrap (and uidmap for
# other users than root). Root needs nothing more; other users need unprivileged user
# namespaces and subordinate ids (/etc/subuid), as mmdebstrap does.
debian_container_packages=("${build_packages[@]}" "${test_packages[@]}" libx11-dev
    g++-arm-linux-gnueabi qemu-user mmdebstrap)
container_packages=()
run_in_debian() { # RELEASE COMMAND [ARG...]
    local release=$1 system arch folder binds=() packages key
    shift
    ensure_packages mmdebstrap bubblewrap $([ "$(id -u)" -eq 0 ] || echo uidmap)
    ensure_commands mmdebstrap bwrap
    arch=$(dpkg --print-architecture)
    mapfile -t packages < <(printf '%s\n' ca-certificates "${debian_container_packages[@]}" \
        "${container_packages[@]}" | sort -u)
    key=$(printf '%s\n' "${packages[@]}" | sha256sum | cut -c1-12)
    system=$pelvaro_cache/debian$release-$arch-system-$key
    if [ "$(id -u)" -ne 0 ]; then
        unshare --user --map-auto --map-root-user true 2>/dev/null || {
            say "a Debian $release container needs root, or unprivileged user namespaces with"
            say "subordinate ids for $(id -un) in /etc/subuid and /etc/subgid: this machine has none"
            exit 1
        }
    fi
    root_variant=apt ensure_debian_root "$release" "$arch" "$system" true "${packages[@]}"
    for folder in build build-sanitize build-armhf build-armel build-zaurus build-armel-bench; do
        mkdir -p "$repo_root/build-debian$release/$folder" "$repo_root/$folder"
        binds+=(--bind "$repo_root/build-debian$release/$folder" "$repo_root/$folder")
    done
    mkdir -p "$pelvaro_cache/debian$release-$arch-containers-cache"
    binds+=(--bind "$pelvaro_cache/debian$release-$arch-containers-cache" /root/.cache/pelvaro)
    as_root_owner cp -L /etc/resolv.conf "$system/etc/resolv.conf"
    # The container may have no git to date its builds by the last commit: the date goes in.
    local epoch=${SOURCE_DATE_EPOCH:-}
    [ -n "$epoch" ] || ! command -v git >/dev/null ||
        epoch=$(git -C "$repo_root" log -1 --format=%ct 2>/dev/null) || epoch=
    say "running $* in the Debian $release container $system"
    as_root_owner bwrap --bind "$system" / --dev /dev --proc /proc --ro-bind /sys /sys \
        --perms 1777 --tmpfs /tmp --tmpfs /run --perms 1777 --tmpfs /dev/shm \
        --bind "$repo_root" "$repo_root" "${binds[@]}" \
        --unshare-pid --unshare-ipc --unshare-uts --hostname "debian$release" --die-with-parent \
        --cap-add ALL --clearenv --setenv HOME /root --setenv LANG C.UTF-8 \
        --setenv PATH /usr/local/sbin:/usr/local/bin:/usr/sbin:/usr/bin:/sbin:/bin \
        --setenv CI "${CI:-}" --setenv PELVARO_DISPOSABLE_SYSTEM "debian$release" \
        ${epoch:+--setenv SOURCE_DATE_EPOCH "$epoch"} \
        ${PELVARO_DEBIAN_MIRROR:+--setenv PELVARO_DEBIAN_MIRROR "$PELVARO_DEBIAN_MIRROR"} \
        --chdir "$repo_root" "$repo_root/$1" "${@:2}"
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
