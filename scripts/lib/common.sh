# Shared by the scripts: installing what a fresh Debian lacks, and the folders.
# shellcheck shell=bash

REPO_ROOT=$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)

# Runs a command as root: directly when we are root, through sudo otherwise.
as_root() {
  if [ "$(id -u)" -eq 0 ]; then
    "$@"
  else
    sudo "$@"
  fi
}

# Installs the Debian packages of the list that are not installed yet; does
# nothing (and needs no network) when all of them are there.
install_missing() {
  local missing=()
  local package
  for package in "$@"; do
    dpkg -s "$package" >/dev/null 2>&1 || missing+=("$package")
  done
  [ ${#missing[@]} -eq 0 ] && return 0
  echo "Installing: ${missing[*]}"
  as_root apt-get update -qq
  as_root env DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends \
    "${missing[@]}" >/dev/null
}

# What every build needs; clang's runtime libraries carry the sanitizers and
# libFuzzer (Debian only recommends them, and recommendations are not installed).
# The image codecs: stb's headers (for the Windows build too) and libtiff
# (which wine's TIFF codec loads as well).
install_build_tools() {
  install_missing cmake ninja-build g++ clang libclang-rt-14-dev libgtest-dev pkg-config \
    libstb-dev libtiff-dev
}

# Configures the build folder $1; further arguments go to cmake.
# MESHMILL_WERROR=ON in the environment (as CI sets it) turns warnings into errors.
configure_into() {
  local folder=$1
  shift
  cmake -S "$REPO_ROOT" -B "$REPO_ROOT/$folder" -G Ninja \
    -DMESHMILL_WERROR="${MESHMILL_WERROR:-OFF}" "$@" >/dev/null
}

# Configures and builds everything into the folder $1; further arguments go to cmake.
build_into() {
  configure_into "$@"
  cmake --build "$REPO_ROOT/$1" -j2
}

# True when the configured build folder $1 has the target $2.
has_target() {
  cmake --build "$REPO_ROOT/$1" --target help | grep -q "^$2:"
}

# What the Windows cross build and its tests under wine need.
install_windows_tools() {
  install_build_tools
  install_missing g++-mingw-w64-x86-64 wine64 wine
}

# Cross-builds for Windows into build-windows/.
build_windows() {
  build_into build-windows -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DCMAKE_TOOLCHAIN_FILE="$REPO_ROOT/cmake/mingw-w64.cmake"
}

# A headless, quiet wine with a private prefix under build-windows/, and one
# persistent server for all the runs (stopped when the script exits). Wine's
# null graphics driver gives the window and its message boxes real window
# handles with no display at all. WINE_GRAPHICS=x11 keeps the display (for
# screenshots, with DISPLAY set).
start_wine() {
  export WINEPREFIX="${WINEPREFIX:-$REPO_ROOT/build-windows/wine-prefix}"
  export WINEDEBUG=-all
  export WINEDLLOVERRIDES="mscoree,mshtml=;winedbg.exe=d"
  local graphics=${WINE_GRAPHICS:-null}
  [ "$graphics" = null ] && unset DISPLAY WAYLAND_DISPLAY
  mkdir -p "$WINEPREFIX"
  wineserver -p
  trap 'wineserver -k || true' EXIT
  wine wineboot -i >/dev/null 2>&1
  local key='HKCU\Software\Wine\Drivers'
  if ! wine reg query "$key" /v Graphics 2>/dev/null | grep -q "REG_SZ *$graphics"; then
    wine reg add "$key" /v Graphics /d "$graphics" /f >/dev/null 2>&1
    # The prefix's desktop started with the old driver: start afresh with the new one.
    wineserver -k
    wineserver -w
    wineserver -p
  fi
  # One program first, alone: it starts the prefix's desktop process. Two
  # programs starting at once in a fresh prefix (ctest -j2) can both wait for
  # it and never come up.
  wine cmd /c exit >/dev/null 2>&1
}
