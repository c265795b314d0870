#!/usr/bin/env bash
# Installs what a fresh Debian 12 machine lacks to build and test Morvaxel,
# and does nothing when all of it is present.
set -euo pipefail

packages=(
  cmake ninja-build g++ make
  googletest libgtest-dev          # unit tests
  libbenchmark-dev libfftw3-dev libkissfft-dev  # benchmarks
)

missing=()
for package in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'install ok installed'; then
    missing+=("$package")
  fi
done

if [ ${#missing[@]} -eq 0 ]; then
  exit 0
fi

if [ "$(id -u)" -ne 0 ]; then
  sudo=sudo
else
  sudo=
fi
echo "setup: installing ${missing[*]}"
$sudo apt-get update -q
DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -q --no-install-recommends "${missing[@]}"
