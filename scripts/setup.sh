# Shared by scripts/run and scripts/test: installs the missing Debian packages, then
# configures and builds the Release tree in build/. BUILD_TARGETS (set by the caller) limits
# the build to those targets; unset, everything is built.
set -euo pipefail
ROOT="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
BUILD_DIR="${QUORTOSK_BUILD:-$ROOT/build}"
PACKAGES=(g++ cmake ninja-build qt6-base-dev qt6-tools-dev qt6-l10n-tools qt6-tools-dev-tools qt6-translations-l10n
          libgl-dev libhunspell-dev hunspell-cs fonts-liberation xvfb xauth poppler-utils
          libqt6svg6 desktop-file-utils libenca-dev libglib2.0-bin
          dpkg-dev file appstream lintian # scripts/package and its test
          openbox xdotool x11-utils weston qt6-wayland) # the last line for scripts/desktop
# A caller may ask for more (scripts/test --deep: clang and its libFuzzer runtime).
[ -z "${EXTRA_PACKAGES+x}" ] || PACKAGES+=("${EXTRA_PACKAGES[@]}")

missing=()
for p in "${PACKAGES[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "ok installed" || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
  echo "Installing: ${missing[*]}"
  SUDO=""
  [ "$(id -u)" -eq 0 ] || SUDO="sudo"
  $SUDO apt-get update -q
  DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y -q "${missing[@]}"
fi

# ccache, where installed, keeps rebuilds of other checkouts short; the build does not need it.
launcher=()
if command -v ccache >/dev/null; then launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache); fi
# A caller may set more options (scripts/package: no tests, no benchmarks).
[ -z "${EXTRA_CMAKE_ARGS+x}" ] || launcher+=("${EXTRA_CMAKE_ARGS[@]}")
cmake -S "$ROOT" -B "$BUILD_DIR" -G Ninja -DCMAKE_BUILD_TYPE=Release "${launcher[@]}" >/dev/null
targets=()
for t in ${BUILD_TARGETS:-}; do
  targets+=(--target "$t")
done
cmake --build "$BUILD_DIR" -j"$(nproc)" "${targets[@]}"
