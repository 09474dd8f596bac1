#!/usr/bin/env bash
# Installs what a fresh Debian 12 machine lacks to build, run and test QAVI.
# Quiet and quick when everything is already there.
set -euo pipefail

packages=(
  build-essential cmake ninja-build
  qt6-base-dev qt6-serialport-dev qt6-charts-dev libqt6opengl6-dev
  libgtest-dev libbenchmark-dev
  xvfb imagemagick
  fonts-dejavu-core fonts-thai-tlwg fonts-noto-core
)

missing=()
for p in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
    missing+=("$p")
  fi
done
[ ${#missing[@]} -eq 0 ] && exit 0

echo "setup: installing ${missing[*]}"
sudo_cmd=()
if [ "$(id -u)" -ne 0 ]; then sudo_cmd=(sudo); fi
"${sudo_cmd[@]}" apt-get update -qq
DEBIAN_FRONTEND=noninteractive "${sudo_cmd[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
