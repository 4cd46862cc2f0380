#!/usr/bin/env bash
# Installs the Debian packages the build, the programs and the tests need,
# and only those that are missing. Nothing is fetched from anywhere else.
set -euo pipefail

packages=(
  g++ cmake ninja-build make pkg-config
  qt6-base-dev qt6-svg-dev libgl-dev
  libgtest-dev libgmock-dev libbenchmark-dev
  fonts-liberation fonts-dejavu-core
  xvfb xauth python3-pil imagemagick desktop-file-utils unzip
  locales
  # Independent references of the tests: high-precision numerics, PDF
  # rasteriser, the archiver.
  libmpfr-dev poppler-utils zip
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
# The number-text tests run once under a locale with a decimal comma.
ensure_comma_locale() {
  locale -a 2>/dev/null | grep -qi '^de_DE\.utf-\?8$' && return 0
  [ "$(id -u)" -eq 0 ] || command -v sudo >/dev/null || return 0
  local run=(); [ "$(id -u)" -eq 0 ] || run=(sudo)
  if [ -f /etc/locale.gen ] && grep -q '^# *de_DE.UTF-8 UTF-8' /etc/locale.gen; then
    "${run[@]}" sed -i 's/^# *de_DE.UTF-8 UTF-8/de_DE.UTF-8 UTF-8/' /etc/locale.gen
  elif ! grep -q '^de_DE.UTF-8 UTF-8' /etc/locale.gen 2>/dev/null; then
    echo 'de_DE.UTF-8 UTF-8' | "${run[@]}" tee -a /etc/locale.gen >/dev/null
  fi
  command -v locale-gen >/dev/null && "${run[@]}" locale-gen >/dev/null || true
}

if [ ${#missing[@]} -eq 0 ]; then
  ensure_comma_locale
  exit 0
fi

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
ensure_comma_locale
