#!/usr/bin/env bash
# Installs every Debian package that building, running and testing Pinsmith
# needs, skipping the ones already present. Runs apt-get as root (or via sudo).
set -euo pipefail

PACKAGES=(
  cmake ninja-build g++ make pkg-config
  qt6-base-dev qt6-base-dev-tools libgl-dev
  libjpeg-dev
  libgtest-dev libgmock-dev libbenchmark-dev
  iverilog verilator ghdl yosys python3 tcl libxml2-utils
  xvfb xauth fonts-dejavu-core
  clang libclang-rt-14-dev
  locales
)

missing=()
for p in "${PACKAGES[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
    missing+=("$p")
  fi
done

SUDO=""
if [ "$(id -u)" -ne 0 ]; then SUDO="sudo"; fi

if [ ${#missing[@]} -gt 0 ]; then
  echo "Installing: ${missing[*]}"
  export DEBIAN_FRONTEND=noninteractive
  $SUDO apt-get update -qq
  $SUDO apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi

# Two locales that write numbers and letters differently from English: the
# tests check that generated files do not change under them.
for loc in de_DE tr_TR; do
  if ! locale -a 2>/dev/null | grep -qi "^${loc}\.utf-\?8$"; then
    $SUDO localedef -i "$loc" -f UTF-8 "$loc.UTF-8" || echo "Could not generate $loc.UTF-8"
  fi
done
