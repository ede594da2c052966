#!/usr/bin/env bash
# Sets up everything Rooster2 needs on Debian 12, builds it, and then either
# starts the program (run) or runs every test (test).
set -euo pipefail
cd "$(dirname "$0")"

PACKAGES=(build-essential cmake ninja-build pkg-config qt6-base-dev libgl-dev
          googletest libgtest-dev wdutch hunspell-nl xdg-utils)
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
  *)
    echo "gebruik: $0 run|test" >&2
    exit 2
    ;;
esac
