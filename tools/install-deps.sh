#!/usr/bin/env bash
# Installs every Debian package that building, running and testing Pinsmith
# needs, skipping the ones already present. Runs apt-get as root (or via sudo).
set -euo pipefail

PACKAGES=(
  cmake ninja-build g++ make pkg-config
  qt6-base-dev qt6-base-dev-tools libgl-dev
  libjpeg-dev
  libgtest-dev libgmock-dev libbenchmark-dev
  iverilog verilator ghdl tcl libxml2-utils
  xvfb xauth fonts-dejavu-core
  clang libclang-rt-14-dev
)

missing=()
for p in "${PACKAGES[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
    missing+=("$p")
  fi
done

if [ ${#missing[@]} -eq 0 ]; then
  exit 0
fi

echo "Installing: ${missing[*]}"
SUDO=""
if [ "$(id -u)" -ne 0 ]; then SUDO="sudo"; fi
export DEBIAN_FRONTEND=noninteractive
$SUDO apt-get update -qq
$SUDO apt-get install -y -qq --no-install-recommends "${missing[@]}"
