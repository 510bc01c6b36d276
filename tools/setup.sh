#!/usr/bin/env bash
# Installs what the build and the tests need, on a fresh Debian machine.
set -euo pipefail
packages=(cmake g++ make pkg-config libgtest-dev qt6-base-dev libgraphicsmagick++1-dev fonts-dejavu-core xvfb xauth)
missing=()
for package in "${packages[@]}"; do
  dpkg -s "$package" >/dev/null 2>&1 || missing+=("$package")
done
if ((${#missing[@]})); then
  SUDO=""
  [[ $(id -u) -eq 0 ]] || SUDO="sudo"
  $SUDO apt-get update
  DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y --no-install-recommends "${missing[@]}"
fi
