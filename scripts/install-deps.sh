#!/usr/bin/env bash
# Installs what building and testing need on Debian 12. Quick when everything
# is already there: apt-get runs only for packages that are missing.
set -euo pipefail

packages=(
  build-essential cmake ninja-build ccache git
  libgtest-dev libgmock-dev libbenchmark-dev
  qt6-base-dev xvfb
  fonts-liberation2 adwaita-icon-theme
  ripgrep
  nlohmann-json3-dev libpng-dev
  dpkg-dev file
)
if [[ "${1:-}" == "--fuzz" ]]; then
  packages+=(clang libclang-rt-dev)
fi

missing=()
for package in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "ok installed"; then
    missing+=("$package")
  fi
done
if ((${#missing[@]} == 0)); then
  exit 0
fi

if [[ $(id -u) -ne 0 ]]; then
  sudo=sudo
else
  sudo=
fi
echo "Installing: ${missing[*]}"
$sudo apt-get update -qq
DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
