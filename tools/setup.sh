#!/usr/bin/env bash
# Installs the Debian packages the build needs, when they are missing.
#   tools/setup.sh            build and test dependencies
#   tools/setup.sh bench      ... plus the peer libraries of the benchmarks
#   tools/setup.sh fuzz       ... plus clang for the libFuzzer targets
set -euo pipefail

packages=(
  cmake ninja-build g++ pkg-config
  libjpeg62-turbo-dev
  libfreetype-dev libfontconfig-dev
  fonts-nanum fonts-liberation2   # Hangul and Arial-metric faces the text tests draw with
  libgtest-dev libgmock-dev
  imagemagick            # cross-checks of the image codecs in the tests
  qt6-base-dev libxcb1-dev   # the Qt desktop backend (XCB opens the display before Qt does)
  xvfb xauth x11-utils libxcb-shape0-dev libxcb-xtest0-dev  # its tests: a private X server, looked at through XCB
  openbox                # ... and a window manager on it, for minimising
  xdg-utils              # xdg-open, with which the client opens headline links
)
for group in "$@"; do
  case "$group" in
    bench) packages+=(libbenchmark-dev libstb-dev libsdl2-image-dev libimagequant-dev) ;;
    fuzz) packages+=(clang libclang-rt-14-dev) ;;
    *) echo "setup.sh: unknown group '$group' (known: bench, fuzz)" >&2; exit 2 ;;
  esac
done

missing=()
for p in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
    missing+=("$p")
  fi
done
[ ${#missing[@]} -eq 0 ] && exit 0

if [ "$(id -u)" -eq 0 ]; then
  sudo=()
elif command -v sudo >/dev/null; then
  sudo=(sudo)
else
  echo "setup.sh: these packages are missing and I am neither root nor have sudo: ${missing[*]}" >&2
  exit 1
fi
echo "setup.sh: installing ${missing[*]}"
"${sudo[@]}" apt-get update -qq
DEBIAN_FRONTEND=noninteractive "${sudo[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
