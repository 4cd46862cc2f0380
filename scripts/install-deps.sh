#!/usr/bin/env bash
# Installs the Debian packages the build, the programs and the tests need,
# and only those that are missing. Nothing is fetched from anywhere else.
set -euo pipefail

packages=(
  g++ cmake ninja-build make pkg-config
  qt6-base-dev qt6-svg-dev libgl-dev
  # Qt's own translations: file dialogs and standard buttons follow the
  # chosen language (the language tests check they are there).
  qt6-translations-l10n
  libgtest-dev libgmock-dev libbenchmark-dev
  fonts-liberation fonts-dejavu-core
  xvfb xauth python3-pil imagemagick desktop-file-utils unzip
  # The locale sources from which the tests build their own de_DE.UTF-8
  # (into the build tree; the system's locale configuration is not touched).
  locales
  # Independent references of the tests: high-precision numerics, PDF
  # rasteriser, the archiver (which also packs Setup.dat), the desktop's own
  # tools that check what setup and the Debian package install.
  libmpfr-dev poppler-utils zip
  shared-mime-info xdg-utils appstream dpkg-dev
)
if [ "${1:-}" = "--dev" ]; then
  # Sanitizer builds, fuzzing and the benchmark peers.
  packages+=(clang-14 libclang-rt-14-dev libmuparser-dev zlib1g-dev libgif-dev)
fi

missing=()
for p in "${packages[@]}"; do
  status=$(dpkg-query -W -f='${Status}' "$p" 2>/dev/null || true)
  [ "$status" = "install ok installed" ] || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0

echo "Installing missing Debian packages: ${missing[*]}"
if [ "$(id -u)" -eq 0 ]; then
  sudo=()
elif command -v sudo >/dev/null; then
  sudo=(sudo)
else
  echo "Need root (or sudo) to install: ${missing[*]}" >&2
  exit 1
fi
export DEBIAN_FRONTEND=noninteractive
"${sudo[@]}" apt-get update -qq
"${sudo[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
