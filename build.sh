#!/usr/bin/env bash
# Sets up everything Rooster2 needs on Debian 12, builds it, and then starts the
# program (run), runs every test (test), makes the Debian package (package) or
# builds and tests the core and the command line for Windows under Wine (windows).
set -euo pipefail
cd "$(dirname "$0")"

PACKAGES=(build-essential cmake ninja-build pkg-config qt6-base-dev libgl-dev
          googletest libgtest-dev wdutch hunspell-nl qt6-translations-l10n xdg-utils nlohmann-json3-dev poppler-utils)
# ccache speeds up rebuilds (also of fresh clones on the same machine); clang-format
# checks the layout of the sources in the tests.
PACKAGES+=(ccache clang-format)
# Dutch hyphenation of the clue texts drawn in Zweeds clue cells.
PACKAGES+=(libhyphen-dev hyphen-nl)
# What "package" needs besides: file and dpkg-shlibdeps for CPack, and the checks.
PACKAGE_TOOLS=(dpkg-dev file lintian appstream desktop-file-utils)
# What "test" needs besides: the browser test solves the web puzzle in headless Chromium.
TEST_TOOLS=(nodejs chromium)
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

# build PRESET [TARGET...]: configures and builds a preset of CMakePresets.json, the
# targets named or all. Only what the compiler says is shown, not the progress.
build() {
  local targets=()
  if [ $# -gt 1 ]; then targets=(--target "${@:2}"); fi
  if command -v ccache >/dev/null; then export CMAKE_CXX_COMPILER_LAUNCHER=ccache; fi
  cmake --preset "$1" >/dev/null
  cmake --build --preset "$1" -j "$JOBS" "${targets[@]}" -- --quiet
}

# make_package DIR: a release build without tests, made into DIR/rooster2_<version>_<arch>.deb.
make_package() {
  # Debian's hardening flags. The version text names the build time: instead of
  # warning about that (-Wdate-time), the compiler takes the time of the source
  # (SOURCE_DATE_EPOCH), which also dates the package's files and changelog.
  export DEB_BUILD_MAINT_OPTIONS=hardening=+all DEB_CPPFLAGS_MAINT_STRIP=-Wdate-time
  SOURCE_DATE_EPOCH=${SOURCE_DATE_EPOCH:-$(git log -1 --format=%ct 2>/dev/null || date +%s)}
  export SOURCE_DATE_EPOCH
  cmake -S . -B "$1" -G Ninja -DCMAKE_BUILD_TYPE=Release -DCMAKE_INSTALL_PREFIX=/usr \
    -DCMAKE_CXX_FLAGS="$(dpkg-buildflags --get CPPFLAGS) $(dpkg-buildflags --get CXXFLAGS)" \
    -DCMAKE_EXE_LINKER_FLAGS="$(dpkg-buildflags --get LDFLAGS)" \
    -DROOSTER2_BUILD_GUI=ON -DROOSTER2_BUILD_TESTS=OFF -DROOSTER2_BUILD_BENCH=OFF >/dev/null
  cmake --build "$1" -j "$JOBS" -- --quiet
  rm -f "$1"/rooster2_*.deb
  (cd "$1" && cpack >/dev/null)
}

# check_package DEB DIR: fails when lintian reports an error or the AppStream or
# desktop file in the package does not validate; DIR receives the unpacked files.
check_package() {
  lintian --fail-on error "$1"
  rm -rf "$2"
  dpkg-deb -x "$1" "$2"
  appstreamcli validate --no-net "$2"/usr/share/metainfo/*.metainfo.xml
  desktop-file-validate "$2"/usr/share/applications/*.desktop
}

case "${1:-}" in
  run)
    install_packages
    build release rooster2
    exec build-release/src/gui/rooster2 "${@:2}"
    ;;
  test)
    PACKAGES+=("${TEST_TOOLS[@]}")
    install_packages
    build asan
    ctest --preset asan -j "$JOBS"
    # The release configuration must build without a single warning.
    build release
    ;;
  package)
    PACKAGES+=("${PACKAGE_TOOLS[@]}")
    install_packages
    make_package build-package
    deb=$(echo build-package/rooster2_*.deb)
    check_package "$deb" build-package/contents
    echo "Pakket: $deb"
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
    echo "gebruik: $0 run|test|package|windows" >&2
    exit 2
    ;;
esac
