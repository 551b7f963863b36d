# Shared by the scripts: installing Debian packages and building the project.
# shellcheck shell=bash

repo_root=$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)

# Packages every build needs.
build_packages=(cmake ninja-build g++ qt6-base-dev qt6-qpa-plugins libqt6test6 qt6-tools-dev
    qt6-l10n-tools fontconfig fonts-dejavu-core)

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

# Lets dpkg install packages of another architecture ($1) beside the machine's own.
ensure_foreign_architecture() {
    dpkg --print-foreign-architectures 2>/dev/null | grep -qx "$1" && return 0
    local as_root
    as_root=$(root_command) || {
        say "Debian architecture $1 is not enabled, and this is neither root nor has sudo;"
        say "enable it as root with: dpkg --add-architecture $1 && apt-get update"
        exit 1
    }
    say "enabling the Debian architecture $1"
    $as_root dpkg --add-architecture "$1"
    $as_root apt-get update -qq >&2
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

# Configures (once) and builds the project in build directory $1, with extra cmake options.
build_project() {
    local build_dir=$1
    shift
    local werror=OFF
    [ "${CI:-}" = true ] && werror=ON
    if [ ! -f "$build_dir/build.ninja" ]; then
        cmake -S "$repo_root" -B "$build_dir" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
            -DPELVARO_WERROR="$werror" "$@" >&2
    else
        cmake "$build_dir" -DPELVARO_WERROR="$werror" "$@" >/dev/null
    fi
    cmake --build "$build_dir" >&2
}
