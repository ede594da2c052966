#!/usr/bin/env bash
# Sets up everything Rooster2 needs on Debian 12, builds it, and then either
# starts the program (run), runs every test (test) or builds and tests the core and
# the command line for Windows under Wine (windows).
set -euo pipefail
cd "$(dirname "$0")"

PACKAGES=(build-essential cmake ninja-build pkg-config qt6-base-dev libgl-dev
          googletest libgtest-dev wdutch xdg-utils)
JOBS=$(nproc 2>/dev/null || echo 2)

as_root() {
  if [ "$(id -u)" -eq 0 ]; then "$@"; else sudo "$@"; fi
}

install_packages() {
  local missing=()
  for package in "${PACKAGES[@]}"; do
    dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "ok installed" \
      || missing+=("$package")
  done
  if [ ${#missing[@]} -gt 0 ]; then
    echo "Installeren: ${missing[*]}"
    as_root apt-get update -qq
    as_root env DEBIAN_FRONTEND=noninteractive apt-get install -y -qq "${missing[@]}"
  fi
}

# build DIR BUILD_TYPE SANITIZE
build() {
  cmake -S . -B "$1" -G Ninja -DCMAKE_BUILD_TYPE="$2" -DROOSTER2_SANITIZE="$3" \
    -DROOSTER2_BUILD_GUI=ON -DROOSTER2_BUILD_TESTS=ON >/dev/null
  cmake --build "$1" -j "$JOBS"
}

case "${1:-}" in
  run)
    install_packages
    build build Release OFF
    exec build/src/gui/rooster2 "${@:2}"
    ;;
  test)
    install_packages
    build build-test Debug ON
    export QT_QPA_PLATFORM=offscreen
    ctest --test-dir build-test --output-on-failure -j "$JOBS"
    ;;
  windows)
    # The core, the command line and their tests for 64-bit Windows, tested under Wine.
    PACKAGES=(cmake ninja-build googletest g++-mingw-w64-x86-64-posix wine wine64)
    install_packages
    cmake -S . -B build-windows -G Ninja -DCMAKE_BUILD_TYPE=Release \
      -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-w64-x86_64.cmake -DROOSTER2_GTEST_SOURCE=/usr/src/googletest \
      -DROOSTER2_BUILD_GUI=OFF -DROOSTER2_BUILD_BENCH=OFF -DROOSTER2_DICTIONARY= >/dev/null
    cmake --build build-windows -j "$JOBS"
    export WINEPREFIX="$PWD/build-windows/wine" WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
    wineboot --init
    ctest --test-dir build-windows --output-on-failure -j "$JOBS"
    ;;
  *)
    echo "gebruik: $0 run|test|windows" >&2
    exit 2
    ;;
esac
